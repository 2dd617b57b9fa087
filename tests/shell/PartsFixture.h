#pragma once

#include "RecordingMainView.h"
#include "TreeFixture.h"
#include "shell/ItemList.h"
#include "shell/MainFormHost.h"
#include "store/ContactStore.h"
#include "store/FilterState.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A window as small as the parts need: it selects nodes by filling the item
// list, and counts what the parts asked of it.
class TPartsHost : public IMainFormHost {
public:
    TPartsHost(TContactStore& doc, const TFilterState& filter) : FDoc(doc), FFilter(filter) {}

    void SelectNode(TTreeNode* node) override {
        ++Selections;
        List->Fill(node, FFilter);
    }
    void RefreshList() override {
        ++Refills;
        if (List->Node) List->Fill(List->Node, FFilter);
    }
    void SelectRootIfNone() override {
        if (!List->Node) SelectNode(FDoc.Root());
    }
    TPane CurrentPane() const override { return Pane; }
    void FocusPane(TPane pane) override { Pane = pane; }

    TItemList* List = nullptr;
    TPane Pane = TPane::Folders;
    int Selections = 0, Refills = 0;

private:
    TContactStore& FDoc;
    const TFilterState& FFilter;
};

// A document with the item list over it and a recording view; nothing of the
// main window besides.
class PartsFixture : public TreeFixture {
protected:
    PartsFixture() {
        host.List = &list;
        list.SetView(&view);
        root = doc.Root();
    }

    Strings Captions() const { return CaptionsOf(list.Rows); }
    std::vector<std::string> SelectedCaptions() const {
        std::vector<std::string> out;
        for (const TListRow& r : list.Rows)
            if (r.Selected) out.push_back(r.Caption);
        return out;
    }
    void Select(const std::string& caption) {
        for (size_t i = 0; i < list.Rows.size(); ++i)
            if (list.Rows[i].Caption == caption) list.SetRowSelected(static_cast<int>(i), true);
    }

    TTestServices svc;
    TRecordingMainView view;
    TContactStore doc;
    TFilterState filter;
    TPartsHost host{doc, filter};
    TItemList list{doc, host};
};
