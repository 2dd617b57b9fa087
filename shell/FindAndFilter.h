#pragma once

#include "shell/ProgressForm.h"
#include "store/FilterState.h"

#include <string>
#include <vector>

class IMainFormView;
class IMainFormHost;
class TItemList;
class TTreeNodes;

// The main window's find box and category filter. The find walks the whole
// tree once from where the user stands, matching word starts in node labels
// and in detail items, and lands on the hit in the item list; the filter
// hides the rows whose categories do not fit the ticked ones.
class TFindAndFilter {
public:
    // hintPanel: the status bar's first panel, where the find says it found
    // nothing.
    TFindAndFilter(TTreeNodes& tree, TItemList& list, IMainFormHost& host, std::string& hintPanel);
    TFindAndFilter(const TFindAndFilter&) = delete;
    TFindAndFilter& operator=(const TFindAndFilter&) = delete;

    void SetView(IMainFormView* view) { FView = view; }

    // --- find ----------------------------------------------------------------
    std::string FindEditBox;
    bool SearchTimeEnabled = false; // the one-second find timer runs
    TProgressForm Progress;

    // The find box's text changed: the timer (re)starts unless it is empty.
    void EditChanged(const std::string& text);
    // The timer ran out: the find runs once for the box's text.
    void TimerElapsed();
    // Find next (F3): the box's text again, from the current place.
    void FindNext();
    // Searches for the next node or item whose title has a word starting
    // with text (any case), after the selected row or node, wrapping round.
    void Locate(const std::string& text);

    // --- category filter -----------------------------------------------------
    struct TFilterEntry {
        std::string Name;
        bool Checked = false;
    };
    TFilterState Filter;
    std::vector<TFilterEntry> FilterListBox; // 32 categories
    int FoldersWidth = 201;                  // tree pane width
    int FilterListWidth = 201;               // category list width while a filter is on

    // The category names, nothing ticked, no filter in force.
    void Reset(const std::vector<std::string>& names);
    std::vector<std::string> CategoryNames() const;
    // New names for the categories; the ticks stay with their places.
    void RenameCategories(const std::vector<std::string>& names);
    // Either filter button: which is 1 (ANY) or 2 (ALL); down is its new state.
    void SetFilterButton(int which, bool down);
    // The ticks in FilterListBox changed.
    void CategoriesTicked();
    // The width of the pane in force on the left (the tree, or the category
    // list while a filter is on).
    int& LeftPaneWidth() { return Filter.FilterMode() ? FilterListWidth : FoldersWidth; }

private:
    void CloseProgress();
    // The find's own line in the first status panel ("" clears it).
    void ShowFindMessage(const std::string& text);
    // The hit in the list: selected, in view and focused.
    void LandOnRow(int row);

    TTreeNodes& FTree;
    TItemList& FList;
    IMainFormHost& FHost;
    std::string& FHintPanel;
    IMainFormView* FView = nullptr;
    std::string FFindMessage; // what the find last put in the first panel
};
