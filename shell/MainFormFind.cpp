#include "exchange/jobs/VCardImport.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "shell/CommandLine.h"
#include "shell/MainForm.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/TreeNodes.h"
#include "store/WordMatch.h"

#include <algorithm>
#include <cctype>

// --- find ---------------------------------------------------------------------------

void TMainForm::FindEditBoxChange(const std::string& text) {
    FindEditBox = text;
    // The view restarts its one-second timer whenever this is set.
    if (!text.empty()) SearchTimeEnabled = true;
}

void TMainForm::SearchTimeTimer() {
    SearchTimeEnabled = false;
    if (!FindEditBox.empty()) Locate(FindEditBox);
}

void TMainForm::FindItemClick() {
    if (!FindEditBox.empty()) Locate(FindEditBox);
}

void TMainForm::CloseProgress() {
    Progress.Visible = false;
    if (FView) FView->ProgressChanged();
}

void TMainForm::ShowFindMessage(const std::string& text) {
    // Only a message of the find's own is replaced: a hint may stand there.
    if (text.empty() && StatusPanels[0] != FFindMessage) {
        FFindMessage.clear();
        return;
    }
    FFindMessage = text;
    StatusPanels[0] = text;
    if (FView) FView->StatusChanged();
}

void TMainForm::Locate(const std::string& text) {
    const std::string s = LowerCase(text);
    if (s.empty()) return;
    SelectRootIfNone();
    if (!Selected) return;
    if (!FFindMessage.empty()) ShowFindMessage("");

    const int count = Folders.Count();
    Progress.SetAction("Searching...");
    Progress.SetResult("");
    Progress.SetMax(std::max(1, count - 1));
    Progress.SetPosition(0);
    Progress.Visible = true;
    if (FView) FView->ProgressChanged();

    TTreeNode* start = Selected;
    int row = FirstSelectedRow();
    if (row >= 0) {
        TKexObject* r = MainItems[static_cast<size_t>(row)].Data;
        if (r && r->GetNode()) start = r->GetNode();
        MainItems[static_cast<size_t>(row)].Selected = false;
        if (FView) FView->ListSelectionChanged();
    }

    // Every node is visited once, the start node last.
    const int first = start->AbsoluteIndex();
    TTreeNode* found = nullptr;
    for (int step = 1; step <= count; ++step) {
        TTreeNode* node = Folders.Item((first + step) % count);
        Progress.SetPosition(Progress.Position + 1);
        if (FView) FView->ProgressChanged();
        if (WordStartMatches(node->Text(), s)) {
            found = node;
            break;
        }
        if (TKexObject* r = node->Data()) {
            if (TKexObject* item = r->FindItemByWord(s)) {
                SelectNode(node);
                int hit = FindRow(item, item->GetTitle());
                if (hit >= 0) {
                    SelectOnlyRow(hit);
                    if (FView) FView->ScrollToRow(hit);
                }
                ActivePane = TPane::MainItems;
                if (FView) FView->FocusPane(TPane::MainItems);
                CloseProgress();
                return;
            }
        }
        if (node == start) break;
    }
    if (!found) {
        CloseProgress();
        // The whole tree was searched: say so, or a search looks as if it
        // had not run at all.
        ShowFindMessage("No match for '" + text + "'");
        return;
    }

    TTreeNode* parent = found->Parent();
    if (!parent) {
        SelectNode(found);
        ActivePane = TPane::Folders;
        if (FView) FView->FocusPane(TPane::Folders);
        CloseProgress();
        return;
    }
    SelectNode(parent);
    // The row is looked up by its record first: a sibling with the same
    // title would otherwise catch every repeated search.
    int hit = FindRow(found->Data(), found->Text());
    if (hit >= 0) {
        SelectOnlyRow(hit);
        ActivePane = TPane::MainItems;
        if (FView) {
            FView->ScrollToRow(hit);
            FView->FocusPane(TPane::MainItems);
        }
    } else {
        ActivePane = TPane::Folders;
        if (FView) FView->FocusPane(TPane::Folders);
    }
    CloseProgress();
}

// --- category filter -------------------------------------------------------------------

void TMainForm::FilterBtn1Click(int which, bool down) {
    if (which != 1 && which != 2) return;
    const bool wasOn = Filter.FilterMode();
    // The two buttons form a group: at most one is down.
    if (which == 1) {
        Filter.FilterBtn1Down = down;
        if (down) Filter.FilterBtn2Down = false;
    } else {
        Filter.FilterBtn2Down = down;
        if (down) Filter.FilterBtn1Down = false;
    }
    const bool on = Filter.FilterMode();
    // The category list takes the tree's place at the tree's width, and the
    // tree comes back at the width the list had.
    if (on && !wasOn) FilterListWidth = FoldersWidth;
    if (!on && wasOn) FoldersWidth = FilterListWidth;
    if (FView) FView->FilterModeChanged();
    RefreshList();
}

void TMainForm::FilterListBoxClick() {
    uint32_t mask = 0;
    for (size_t i = 0; i < FilterListBox.size() && i < 32; ++i)
        if (FilterListBox[i].Checked) mask |= uint32_t{1} << i;
    Filter.CategoryMask = mask;
    RefreshList();
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
