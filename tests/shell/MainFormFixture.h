#pragma once

#include "RecordingMainView.h"
#include "TreeFixture.h"
#include "shell/MainForm.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A main window over an empty data folder, installed as the records' main
// window, with a recording view.
class MainFormFixture : public TreeFixture {
protected:
    MainFormFixture() {
        svc.Services.MainWindow = &form;
        form.SetView(&view);
        form.Create();
        root = tree.GetFirstNode();
    }
    ~MainFormFixture() override { svc.Services.MainWindow = &svc.MainWindow; }

    std::vector<std::string> Captions() const { return CaptionsOf(form.MainItems); }
    std::vector<std::string> ChildTexts(const TTreeNode* n) const {
        std::vector<std::string> out;
        for (TTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling())
            out.push_back(c->Text());
        return out;
    }
    // Selects the rows with these captions in the list pane.
    void SelectRows(const std::vector<std::string>& captions) {
        form.SetActivePane(TPane::MainItems);
        form.ClearListSelection();
        for (size_t i = 0; i < form.MainItems.size(); ++i)
            for (const auto& c : captions)
                if (form.MainItems[i].Caption == c) form.SetRowSelected(static_cast<int>(i), true);
    }

    TTestServices svc;
    TRecordingMainView view;
    TContactStore doc; // outlives the form
    TTreeNodes& tree = doc.Tree();
    TMainForm form{doc};
};
