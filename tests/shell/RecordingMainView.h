#pragma once

#include "shell/MainFormView.h"

#include <string>
#include <vector>

// A main window view that records what the presenter told it, and whose
// window geometry is a plain setup the test can change as a user would.
class TRecordingMainView : public IMainFormView {
public:
    void TreeSelectionChanged(TTreeNode* node) override { SelectedNodes.push_back(node); }
    void BeginEditNode(TTreeNode* node) override { EditedNodes.push_back(node); }
    void BeginEditRow(int row) override { EditedRows.push_back(row); }
    void ListChanged() override { ++ListChanges; }
    void ListSelectionChanged() override { ++SelectionChanges; }
    void ScrollToRow(int row) override { Scrolled.push_back(row); }
    void FocusPane(TPane pane) override { Focused.push_back(pane); }
    void StatusChanged() override { ++StatusChanges; }
    void FilterModeChanged() override { ++FilterChanges; }
    void ViewStyleChanged() override { ++StyleChanges; }
    void ProgressChanged() override { ++ProgressChanges; }
    TWinSetup GetSetup() const override { return Window; }
    void ApplySetup(const TWinSetup& setup) override {
        Window = setup;
        ++Applied;
    }
    void ShowMainWindow() override { ++Shown; }
    void ToolsChanged() override { ++ToolMenuBuilds; }
    void CategoryNamesChanged() override { ++NameChanges; }

    TWinSetup Window;
    std::vector<TTreeNode*> SelectedNodes;
    std::vector<TTreeNode*> EditedNodes;
    std::vector<int> EditedRows;
    std::vector<int> Scrolled;
    std::vector<TPane> Focused;
    int ListChanges = 0, SelectionChanges = 0, StatusChanges = 0, FilterChanges = 0,
        StyleChanges = 0, ProgressChanges = 0, Applied = 0, Shown = 0, ToolMenuBuilds = 0,
        NameChanges = 0;
};
