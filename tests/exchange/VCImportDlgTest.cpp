// The question asked for a card that names an organization.
#include "exchange/VCImportDlg.h"

#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

TEST(VCImportDlg, AnswerDecidesOrganizationOnlyOnImportAsOrgn) {
    struct Case {
        const char* What;
        std::function<TModalResult(TVCImportDlg&)> Script;
        bool AsOrganization;
    } cases[] = {
        {"Import as Orgn.",
         [](TVCImportDlg& d) {
             d.OrgBtnClick();
             return mrNone;
         },
         true},
        {"Import as Person",
         [](TVCImportDlg& d) {
             d.PersonBtnClick();
             return mrNone;
         },
         false},
        {"closed without a button", [](TVCImportDlg&) { return mrCancel; }, false},
    };
    for (const Case& c : cases) {
        TTestServices svc;
        std::string name, org, caption;
        svc.Views.On<TVCImportDlg>("TVCImportDlg", [&](TVCImportDlg& d) {
            name = d.Name;
            org = d.Org;
            caption = d.Caption;
            return c.Script(d);
        });
        EXPECT_EQ(TVCImportDlg::ImportAsOrganization("Dr. Jane Public", "Public Ltd"),
                  c.AsOrganization)
            << c.What;
        EXPECT_EQ(svc.Views.Shown, std::vector<std::string>{"TVCImportDlg"}) << c.What;
        EXPECT_EQ(name, "Dr. Jane Public");
        EXPECT_EQ(org, "Public Ltd");
        EXPECT_EQ(caption, "vCard Import");
    }
}

TEST(VCImportDlg, WithoutADialogTheCardBecomesAPerson) {
    TTestServices svc;
    svc.Services.Views = nullptr;
    EXPECT_FALSE(TVCImportDlg::ImportAsOrganization("Jane", "Public Ltd"));
}

} // namespace
