// The options dialog, the Tools dialog and the Tools menus' entries.

#include "comm/BrowserSettings.h"
#include "platform/BrowserLink.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "shell/MainForm.h"
#include "shell/OptionPages.h"
#include "shell/ToolsDlg.h"
#include "store/KexObject.h"

#include <exception>

void TMainForm::OptionsItemClick() {
    TOptionPages dlg(Tools);
    dlg.FormCreate();
    dlg.CatList = FFind.CategoryNames();
    const TModalResult result = dlg.ShowModal();

    // The settings and the tools go into "kex.ini" at once, in one write, so
    // that a tool added here is not lost when the run ends badly. What the
    // dialog changed takes effect even when that write fails.
    std::exception_ptr failed;
    try {
        ISettings& settings = Svc().UseSettings();
        TSettingsBatch batch(settings);
        dlg.FormClose(result);
        Tools.Save(settings);
        batch.Commit();
    } catch (...) {
        failed = std::current_exception();
    }
    if (result == mrOk) {
        TBrowserSettings browser;
        browser.Name = TBrowserSettings::NameFromSetting(dlg.DDE);
        browser.Path = TBrowserSettings::PathFromSetting(dlg.Path);
        browser.ApplyTo(Svc().UseBrowser());
        FFind.RenameCategories(dlg.CatList);
        if (FView) FView->CategoryNamesChanged();
    }
    if (FView) FView->ToolsChanged();
    if (failed) std::rethrow_exception(failed);
}

void TMainForm::ToolsBtnClick() {
    TToolsDlg dlg(Tools);
    dlg.FormCreate();
    if (dlg.ShowModal() != mrYes || !dlg.Chosen()) return;
    const TToolItem& tool = *dlg.Chosen();
    NewDetailRecord(kindTool, "New " + tool.Description,
                    "{Tool}" + tool.FileName() + "~~" + tool.Arguments);
}

void TMainForm::ToolMenuItemClick(int index) {
    if (const TToolItem* tool = Tools.Item(index)) tool->Start();
}
