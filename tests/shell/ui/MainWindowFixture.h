#pragma once

// The real main window over the desktop services and a data folder, for
// tests that drive it as a user does.
#include "shell/MainForm.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/ItemListModel.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/MainWindow.h"
#include "store/DataFile.h"
#include "store/TreeNodes.h"
#include "store/ui/TreeModel.h"
#include "support/TestServices.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// A folder line and its class line of a data or transfer file.
inline std::string FolderLines(int level, const std::string& title, int id) {
    return "{" + std::to_string(level) + " 0 }" + title + "~~~~~~" + std::to_string(id) +
           "\r\n{Fold}0\r\n";
}

// Answers the next message box with the button given.
inline void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerNextBox(button, text);
            return;
        }
        if (text) *text = box->text();
        box->button(button)->click();
    });
}

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() { WriteText(home.File("kex.ini"), ""); }
    ~MainWindowFixture() override { Stop(); }

    void Start(const std::string& data = "") {
        if (!data.empty()) WriteText(home.File(kDataFileName), data);
        services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
        host = std::make_unique<TLogicForm>(services->Settings);
        ASSERT_TRUE(host->Create("merrowin"));
        window = &host->Window();
        treeTester = std::make_unique<QAbstractItemModelTester>(
            window->findChild<TTreeModel*>(),
            QAbstractItemModelTester::FailureReportingMode::Fatal);
        listTester = std::make_unique<QAbstractItemModelTester>(
            window->findChild<TItemListModel*>(),
            QAbstractItemModelTester::FailureReportingMode::Fatal);
        host->Start(false);
        Settle();
    }
    void Stop() {
        listTester.reset();
        treeTester.reset();
        host.reset();
        services.reset();
        window = nullptr;
    }

    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void Run(const char* command) {
        QAction* a = window->Command(command);
        ASSERT_NE(a, nullptr) << command;
        a->trigger();
        Settle();
    }
    TMainForm& Form() { return host->Form(); }
    TTreeNode* Root() { return host->Tree().GetFirstNode(); }
    QTreeView* Tree() { return window->findChild<QTreeView*>("Folders"); }
    TTreeModel* TreeModel() { return window->findChild<TTreeModel*>(); }
    // The node at a path of titles below the root ("B/B1"), or nullptr.
    TTreeNode* At(const std::string& path) {
        TTreeNode* n = Root();
        size_t from = 0;
        while (n && from <= path.size()) {
            size_t slash = path.find('/', from);
            std::string part = path.substr(from, slash - from);
            TTreeNode* next = nullptr;
            for (int i = 0; i < n->Count() && !next; ++i)
                if (n->Child(i)->Text() == part) next = n->Child(i);
            n = next;
            if (slash == std::string::npos) break;
            from = slash + 1;
        }
        return n;
    }
    QModelIndex IndexAt(const std::string& path) { return TreeModel()->IndexOf(At(path)); }

    TTempDir home;
    std::unique_ptr<TDesktopServices> services;
    std::unique_ptr<TLogicForm> host;
    TMainWindow* window = nullptr;
    std::unique_ptr<QAbstractItemModelTester> treeTester, listTester;
};
