#include "exchange/WizardForm.h"

#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

// A wizard as the import and publish wizards build on the base: its own
// pages, a choice on the first page that decides the sequence, and a page
// that holds "Next >>" back until something is chosen on it.
class TTestWizard : public TWizardForm {
public:
    TTestWizard() : TWizardForm({"Start", "Fields", "File", "Card"}) {}
    std::string FormName() const override { return "TTestWizard"; }

    void ChooseCards(bool cards) {
        ShowAllSheets();
        std::erase(Pages, cards ? "Fields" : "Card");
        if (cards) std::erase(Pages, std::string("File"));
    }
    void NextBtnClick() override {
        TWizardForm::NextBtnClick();
        PageChange();
    }
    void PrevBtnClick() override {
        TWizardForm::PrevBtnClick();
        PageChange();
    }
    void PageChange() { NextBtnEnabled = ActivePage != "Fields" || FieldChosen; }
    bool FieldChosen = false;
};

// What the view shows after a press: page, caption and whether Next is on.
std::string Shown(const TWizardForm& w) {
    return w.ActivePage + "|" + w.NextBtnCaption + (w.NextBtnEnabled ? "" : "|off");
}

TEST(WizardForm, NextBecomesFinishOnTheLastPageAndTheNextPressCloses) {
    TTestServices svc;
    TTestWizard wizard;
    wizard.ChooseCards(false);
    V seen;
    svc.Views.On<TTestWizard>("TTestWizard", [&](TTestWizard& w) {
        seen.push_back(Shown(w));
        w.FieldChosen = true;
        w.NextBtnClick();
        seen.push_back(Shown(w));
        w.NextBtnClick();
        seen.push_back(Shown(w));
        EXPECT_EQ(w.ModalResult(), mrNone); // reaching the last page does not close
        w.NextBtnClick();
        return mrNone;
    });
    EXPECT_EQ(wizard.ShowModal(), mrOk);
    EXPECT_EQ(seen, (V{"Start|Next >>", "Fields|Next >>", "File|Finish"}));
    EXPECT_EQ(wizard.Caption, "Wizard");
}

TEST(WizardForm, BackLeavesFinishAndTheFirstPageStays) {
    TTestWizard w;
    w.ChooseCards(false);
    EXPECT_EQ(w.Pages, (V{"Start", "Fields", "File"}));
    w.FieldChosen = true;
    w.PrevBtnClick(); // on the first page: nothing
    V seen = {Shown(w)};
    for (auto press : {&TWizardForm::NextBtnClick, &TWizardForm::NextBtnClick,
                       &TWizardForm::PrevBtnClick, &TWizardForm::NextBtnClick}) {
        (w.*press)();
        seen.push_back(Shown(w) + "@" + std::to_string(w.CurPage));
    }
    EXPECT_EQ(seen, (V{"Start|Next >>", "Fields|Next >>@1", "File|Finish@2", "Fields|Next >>@1",
                       "File|Finish@2"}));
    EXPECT_EQ(w.NextBtnModalResult, mrOk);
}

TEST(WizardForm, APageMayHoldNextBack) {
    TTestWizard w;
    w.NextBtnClick();
    EXPECT_EQ(Shown(w), "Fields|Next >>|off");
    w.PrevBtnClick();
    EXPECT_EQ(Shown(w), "Start|Next >>");
}

TEST(WizardForm, TheChoiceDecidesTheSequence) {
    TTestWizard w;
    w.ChooseCards(true);
    EXPECT_EQ(w.Pages, (V{"Start", "Card"}));
    w.NextBtnClick();
    EXPECT_EQ(Shown(w), "Card|Finish");
    w.PrevBtnClick();
    w.ChooseCards(false);
    w.NextBtnClick();
    EXPECT_EQ(Shown(w), "Fields|Next >>|off");
}

TEST(WizardForm, SetPageIgnoresIndexesOutsideTheSequence) {
    TTestWizard w;
    struct Case {
        int Index;
        int CurPage;
        const char* Active;
    } cases[] = {{2, 2, "File"}, {-1, 2, "File"}, {4, 2, "File"}, {3, 3, "Card"}, {0, 0, "Start"}};
    for (const auto& c : cases) {
        w.SetPage(c.Index);
        EXPECT_EQ(w.CurPage, c.CurPage) << c.Index;
        EXPECT_EQ(w.ActivePage, c.Active) << c.Index;
    }
}

TEST(WizardForm, OnePageWizardFinishesOnTheSecondPress) {
    struct TOnePage : TWizardForm {
        TOnePage() : TWizardForm({"Only"}) {}
        std::string FormName() const override { return "TOnePage"; }
    } w;
    w.NextBtnClick();
    EXPECT_EQ(w.NextBtnCaption, "Finish");
    EXPECT_EQ(w.ModalResult(), mrNone);
    w.NextBtnClick();
    EXPECT_EQ(w.ModalResult(), mrOk);
}

TEST(WizardForm, CancelClosesWithoutFinishing) {
    TTestServices svc;
    TTestWizard wizard;
    svc.Views.On<TTestWizard>("TTestWizard", [](TTestWizard& w) {
        w.NextBtnClick();
        w.Button1Click();
        return mrNone;
    });
    EXPECT_EQ(wizard.ShowModal(), mrCancel);
    EXPECT_EQ(wizard.CurPage, 1);
}

} // namespace
