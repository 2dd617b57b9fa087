#include "exchange/jobs/VCardImport.h"
#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "store/DataFile.h"
#include "store/TreeNodes.h"

// --- find and filter ------------------------------------------------------------------

void TMainForm::FindEditBoxChange(const std::string& text) {
    FFind.EditChanged(text);
}

void TMainForm::SearchTimeTimer() {
    FFind.TimerElapsed();
}

void TMainForm::FindItemClick() {
    FFind.FindNext();
}

void TMainForm::Locate(const std::string& text) {
    FFind.Locate(text);
}

void TMainForm::FilterBtn1Click(int which, bool down) {
    FFind.SetFilterButton(which, down);
}

void TMainForm::FilterListBoxClick() {
    FFind.CategoriesTicked();
}

// --- command line -----------------------------------------------------------------------

void TMainForm::OpenCommandLine(const std::string& text) {
    if (FView) FView->ShowMainWindow();
    if (text.empty()) return;
    std::vector<std::string> tokens = SplitCommandLine(text);
    for (size_t i = 1; i < tokens.size(); ++i)
        OpenFileArgument(tokens[i]);
}

void TMainForm::OpenFileArgument(const std::string& token) {
    // Only the lower-case extensions are taken; anything else is no file of ours.
    const bool transfer = token.find(".tvd") != std::string::npos;
    if (!transfer && token.find(".vcf") == std::string::npos) return;
    TTreeNode* root = Folders.GetFirstNode();
    if (!root) return;
    auto finish = [&] {
        Folders.SortAll();
        RefreshList();
    };
    try {
        if (transfer) {
            LoadTransferFile(root, token);
        } else {
            // The cards come in as one update; the count tells of a file that
            // held less than its owner thought (garbage, a cut download).
            StatusPanels[0] = ImportVCardFile(token, root).Summary();
            if (FView) FView->StatusChanged();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
