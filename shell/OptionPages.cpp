#include "shell/OptionPages.h"

#include "comm/BrowserDDE.h"
#include "comm/BrowserSettings.h"
#include "platform/DesktopEntry.h"
#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/ViewFactory.h"
#include "shell/ToolItems.h"
#include "store/Options.h"

#include <memory>

TOptionPages::TOptionPages(TToolItems& tools) : FTools(tools) {
    Caption = "Options";
    HelpContext = kHelpContext;
}

void TOptionPages::FormCreate() {
    const ISettings& settings = Svc().UseSettings();
    const TBrowserOptions browser = TBrowserOptions::Read(settings);
    DDEItems = TBrowserDDE::KnownServers();
    DDE = TBrowserSettings::NameFromSetting(browser.DDE);
    Path = browser.Path;
    DebugPort = browser.DebugPort;
    const int route = TSettingsOptions::Read(settings).INetMail;
    EMailOpt = route >= 1 && route <= 3 ? route : 0;

    ToolsList.clear();
    for (int i = 0; i < FTools.Count(); ++i)
        ToolsList.push_back(FTools.Item(i));
    ToolsListIndex = -1;
    ShowAttributes();
    CatListIndex = -1;
    CatName.clear();
}

void TOptionPages::FormClose(TModalResult result) {
    if (ActiveControl == "CatName") CatNameExit();
    if (result == mrCancel || result == mrNone) return;
    ISettings& settings = Svc().UseSettings();
    TSettingsBatch batch(settings);
    TBrowserOptions browser = TBrowserOptions::Read(settings);
    browser.Path = Path;
    browser.DDE = DDE;
    if (DebugPort > 0 && DebugPort <= 65535) browser.DebugPort = DebugPort;
    browser.Write(settings);
    // No button checked: the user chose nothing, and the stored route stays.
    if (EMailOpt >= 1 && EMailOpt <= 3) {
        TSettingsOptions general = TSettingsOptions::Read(settings);
        general.INetMail = EMailOpt;
        general.Write(settings);
    }
    TCategoryOptions categories;
    for (size_t n = 0; n < CatList.size() && n < categories.Names.size(); ++n)
        categories.Names[n] = CatList[n];
    categories.Write(settings);
    batch.Commit();
}

void TOptionPages::SelectPathClick() {
    IViewFactory* views = Svc().Views;
    if (!views) return;
    std::optional<std::string> file =
        views->OpenFileName("Open", fileio::ExtractFilePath(Path), "", true);
    if (!file || file->empty()) return;
    Path = *file;
    Changed();
}

TToolItem* TOptionPages::SelectedTool() const {
    if (ToolsListIndex < 0 || ToolsListIndex >= static_cast<int>(ToolsList.size())) return nullptr;
    return ToolsList[static_cast<size_t>(ToolsListIndex)];
}

void TOptionPages::ShowAttributes() {
    const TToolItem* tool = SelectedTool();
    Description = tool ? tool->Description : std::string();
    FilenameEdit = tool ? tool->FileName() : std::string();
    Arguments = tool ? tool->Arguments : std::string();
    AddressCheckBox = tool && tool->AllowAddress;
}

void TOptionPages::ToolsListClick(int index) {
    ToolsListIndex = index >= 0 && index < static_cast<int>(ToolsList.size()) ? index : -1;
    ShowAttributes();
    Changed();
}

void TOptionPages::AttributesChange(const std::string& sender) {
    TToolItem* tool = SelectedTool();
    if (!tool) return;
    tool->Description = Description;
    tool->Arguments = Arguments;
    tool->AllowAddress = AddressCheckBox;
    // Only a new program name takes a new icon.
    if (sender == "FilenameEdit" && FilenameEdit != tool->FileName())
        tool->SetFileName(FilenameEdit);
    if (sender == "FilenameEdit" || sender == "Description") Changed();
}

void TOptionPages::NewToolBtnClick() {
    IViewFactory* views = Svc().Views;
    if (!views) return;
    std::optional<std::string> file = views->OpenFileName("Open", "", "", true);
    if (!file || file->empty()) return;
    if (!IsProgramFile(*file)) {
        views->MessageBox(kInvalidFileText, "Invalid File Type", mb::Ok | mb::IconError);
        return;
    }
    TToolItem& tool =
        FTools.Add(std::make_unique<TToolItem>(ProgramDisplayName(*file), *file, "", "0"));
    ToolsList.push_back(&tool);
    ToolsListIndex = static_cast<int>(ToolsList.size()) - 1;
    ShowAttributes();
    Changed();
}

void TOptionPages::DelToolBtnClick() {
    TToolItem* tool = SelectedTool();
    if (!tool) return;
    ToolsList.erase(ToolsList.begin() + ToolsListIndex);
    FTools.Remove(tool);
    ToolsListIndex = -1;
    ShowAttributes();
    Changed();
}

void TOptionPages::CatListClick(int index) {
    if (index < 0 || index >= static_cast<int>(CatList.size())) return;
    CatListIndex = index;
    CatName = CatList[static_cast<size_t>(index)];
    FocusControl = "CatName";
    Changed();
}

void TOptionPages::CatNameExit() {
    if (CatName.empty() || CatListIndex < 0 || CatListIndex >= static_cast<int>(CatList.size()))
        return;
    CatList[static_cast<size_t>(CatListIndex)] = CatName;
    Changed();
}
