#pragma once

#include "platform/FormPresenter.h"

#include <string>

// The question of the vCard import ("vCard Import") for a card that names an
// organization: import it as a person (the default button, result No) or as
// an organization (result Yes). Name and Org are shown, never edited.
class TVCImportDlg : public TFormPresenter {
public:
    TVCImportDlg() { Caption = "vCard Import"; }
    std::string FormName() const override { return "TVCImportDlg"; }

    std::string Name;
    std::string Org;

    // "Import as Person"
    void PersonBtnClick() { SetModalResult(mrNo); }
    // "Import as Orgn."
    void OrgBtnClick() { SetModalResult(mrYes); }

    // Asks about one card: true when it is to become an organization. Closing
    // the dialog without a button, or having no dialog at all (the command
    // line), imports it as a person.
    static bool ImportAsOrganization(const std::string& name, const std::string& org);

    static constexpr int kClientWidth = 313;
    static constexpr int kClientHeight = 175;
    static constexpr int kFieldWidth = 201;
};
