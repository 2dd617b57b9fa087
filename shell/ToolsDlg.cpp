#include "shell/ToolsDlg.h"

#include "shell/ToolItems.h"

TToolsDlg::TToolsDlg(const TToolItems& tools) : FTools(tools) {
    Caption = "Tools";
}

void TToolsDlg::FormCreate() {
    ToolsList.clear();
    for (int i = 0; i < FTools.Count(); ++i)
        ToolsList.push_back(FTools.Item(i));
    ToolsListIndex = -1;
    LaunchBtnEnabled = false;
    AddrBtnEnabled = false;
}

TToolItem* TToolsDlg::Selected() const {
    if (ToolsListIndex < 0 || ToolsListIndex >= static_cast<int>(ToolsList.size())) return nullptr;
    return ToolsList[static_cast<size_t>(ToolsListIndex)];
}

void TToolsDlg::ToolsListClick(int index) {
    ToolsListIndex = index >= 0 && index < static_cast<int>(ToolsList.size()) ? index : -1;
    const TToolItem* tool = Selected();
    LaunchBtnEnabled = tool != nullptr;
    AddrBtnEnabled = tool && tool->AllowAddress;
    Changed();
}

void TToolsDlg::LaunchBtnClick() {
    const TToolItem* tool = Selected();
    if (!tool) return;
    tool->Start(std::string());
    SetModalResult(mrCancel);
}

void TToolsDlg::AddrBtnClick() {
    FChosen = Selected();
    SetModalResult(mrYes);
}
