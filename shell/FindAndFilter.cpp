#include "shell/FindAndFilter.h"

#include "platform/Locale.h"
#include "shell/ItemList.h"
#include "shell/MainFormHost.h"
#include "shell/MainFormView.h"
#include "store/KexObject.h"
#include "store/TreeNodes.h"
#include "store/WordMatch.h"

#include <algorithm>
#include <cstdint>

TFindAndFilter::TFindAndFilter(TTreeNodes& tree, TItemList& list, IMainFormHost& host,
                               std::string& hintPanel)
    : FTree(tree), FList(list), FHost(host), FHintPanel(hintPanel) {}

// --- find ---------------------------------------------------------------------------

void TFindAndFilter::EditChanged(const std::string& text) {
    FindEditBox = text;
    // The view restarts its one-second timer whenever this is set.
    if (!text.empty()) SearchTimeEnabled = true;
}

void TFindAndFilter::TimerElapsed() {
    SearchTimeEnabled = false;
    if (!FindEditBox.empty()) Locate(FindEditBox);
}

void TFindAndFilter::FindNext() {
    if (!FindEditBox.empty()) Locate(FindEditBox);
}

void TFindAndFilter::CloseProgress() {
    Progress.Visible = false;
    if (FView) FView->ProgressChanged();
}

void TFindAndFilter::ShowFindMessage(const std::string& text) {
    // Only a message of the find's own is replaced: a hint may stand there.
    if (text.empty() && FHintPanel != FFindMessage) {
        FFindMessage.clear();
        return;
    }
    FFindMessage = text;
    FHintPanel = text;
    if (FView) FView->StatusChanged();
}

void TFindAndFilter::LandOnRow(int row) {
    FList.SelectOnly(row);
    FList.ScrollTo(row);
}

void TFindAndFilter::Locate(const std::string& text) {
    const std::string s = LowerCase(text);
    if (s.empty()) return;
    FHost.SelectRootIfNone();
    if (!FList.Node) return;
    if (!FFindMessage.empty()) ShowFindMessage("");

    const int count = FTree.Count();
    Progress.SetAction("Searching...");
    Progress.SetResult("");
    Progress.SetMax(std::max(1, count - 1));
    Progress.SetPosition(0);
    Progress.Visible = true;
    if (FView) FView->ProgressChanged();

    // The search goes on after the selected row's node, else the tree's.
    TTreeNode* start = FList.Node;
    const int row = FList.FirstSelected();
    if (row >= 0) {
        TKexObject* r = FList.RowObject(row);
        if (r && r->GetNode()) start = r->GetNode();
        FList.Deselect(row);
    }

    // Every node is visited once, the start node last.
    const int first = start->AbsoluteIndex();
    TTreeNode* found = nullptr;
    for (int step = 1; step <= count; ++step) {
        TTreeNode* node = FTree.Item((first + step) % count);
        Progress.SetPosition(Progress.Position + 1);
        if (FView) FView->ProgressChanged();
        if (WordStartMatches(node->Text(), s)) {
            found = node;
            break;
        }
        if (TKexObject* r = node->Data()) {
            if (TKexObject* item = r->FindItemByWord(s)) {
                FHost.SelectNode(node);
                const int hit = FList.Find(item, item->GetTitle());
                if (hit >= 0) LandOnRow(hit);
                FHost.FocusPane(TPane::MainItems);
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
        FHost.SelectNode(found);
        FHost.FocusPane(TPane::Folders);
        CloseProgress();
        return;
    }
    FHost.SelectNode(parent);
    // The row is looked up by its record first: a sibling with the same
    // title would otherwise catch every repeated search.
    const int hit = FList.Find(found->Data(), found->Text());
    if (hit >= 0) {
        LandOnRow(hit);
        FHost.FocusPane(TPane::MainItems);
    } else {
        FHost.FocusPane(TPane::Folders);
    }
    CloseProgress();
}

// --- category filter -------------------------------------------------------------------

void TFindAndFilter::Reset(const std::vector<std::string>& names) {
    FilterListBox.clear();
    for (const std::string& name : names)
        FilterListBox.push_back({name, false});
    Filter = TFilterState{};
}

std::vector<std::string> TFindAndFilter::CategoryNames() const {
    std::vector<std::string> names;
    names.reserve(FilterListBox.size());
    for (const TFilterEntry& e : FilterListBox)
        names.push_back(e.Name);
    return names;
}

void TFindAndFilter::RenameCategories(const std::vector<std::string>& names) {
    // The ticks stay with their categories: the filter in force keeps
    // showing which ones it uses.
    for (size_t n = 0; n < FilterListBox.size() && n < names.size(); ++n)
        FilterListBox[n].Name = names[n];
}

void TFindAndFilter::SetFilterButton(int which, bool down) {
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
    FHost.RefreshList();
}

void TFindAndFilter::CategoriesTicked() {
    uint32_t mask = 0;
    for (size_t i = 0; i < FilterListBox.size() && i < 32; ++i)
        if (FilterListBox[i].Checked) mask |= uint32_t{1} << i;
    Filter.CategoryMask = mask;
    FHost.RefreshList();
}
