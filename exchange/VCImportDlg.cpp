#include "exchange/VCImportDlg.h"

bool TVCImportDlg::ImportAsOrganization(const std::string& name, const std::string& org) {
    TVCImportDlg dlg;
    dlg.Name = name;
    dlg.Org = org;
    return dlg.ShowModal() == mrYes;
}
