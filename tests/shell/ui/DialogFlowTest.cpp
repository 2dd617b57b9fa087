// From the running program to the data file: every New and Properties command
// opens its real dialog, and what is typed there is what merrowin-cli reads
// back from the saved file.
#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/MaskEdit.h"
#include "shell/MainForm.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/MainWindow.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>

using nlohmann::json;

namespace {

// --- driving a dialog's widgets by their names ---------------------------------

QWidget* Named(QWidget* dlg, const char* name) {
    QWidget* w = dlg->findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name << " in " << dlg->windowTitle().toStdString();
    return w;
}

// Replaces a control's text by typing, as a user would.
void Type(QWidget* dlg, const char* name, const QString& text) {
    QWidget* w = Named(dlg, name);
    if (!w) return;
    if (auto* lines = qobject_cast<QPlainTextEdit*>(w)) {
        lines->selectAll();
        const QStringList parts = text.split('\n');
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0) QTest::keyClick(lines, Qt::Key_Return);
            QTest::keyClicks(lines, parts[i]);
        }
        return;
    }
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (auto* box = qobject_cast<QComboBox*>(w)) edit = box->lineEdit();
    ASSERT_NE(edit, nullptr) << name << " takes no text";
    if (qobject_cast<TMaskEdit*>(edit)) {
        // A number field: typed digits fill its mask's positions from the start.
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        edit->setCursorPosition(0);
    } else {
        edit->selectAll();
    }
    QTest::keyClicks(edit, text);
}

QString Text(QWidget* dlg, const char* name) {
    QWidget* w = Named(dlg, name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<QComboBox*>(w)) return b->currentText();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    return {};
}

void Click(QWidget* dlg, const char* name) {
    if (auto* b = qobject_cast<QAbstractButton*>(Named(dlg, name))) b->click();
}

// Opens the category popup below the dialog's picture and ticks exactly the
// categories given (0-based); the popup takes its ticks however it closes.
void PickCategories(QWidget* dlg, std::set<int> ticked) {
    auto* picture = qobject_cast<TCategoryPicture*>(Named(dlg, "CatSelect"));
    if (!picture) return;
    OnNextModal([ticked](QWidget* popup) {
        EXPECT_EQ(popup->windowTitle(), "Select Categories");
        auto* list = popup->findChild<QListWidget*>("CheckListBox1");
        if (!list || list->count() != 32) {
            ADD_FAILURE() << "the category list is missing or incomplete";
        } else {
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setCheckState(ticked.count(i) ? Qt::Checked : Qt::Unchecked);
        }
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    picture->click();
}

uint32_t Bits(std::initializer_list<int> categories) {
    uint32_t set = 0;
    for (int c : categories)
        set |= 1u << c;
    return set;
}

// --- the saved file as merrowin-cli shows it ---------------------------------------

// The record titled so anywhere in the dump (tree nodes and their items).
const json* Record(const json& at, const std::string& title) {
    if (at.value("Title", "") == title && at.contains("Kind")) return &at;
    for (const char* key : {"Items", "Nodes"}) {
        if (!at.contains(key)) continue;
        for (const json& child : at[key])
            if (const json* r = Record(child, title)) return r;
    }
    return nullptr;
}

class DialogFlowTest : public ::testing::Test {
protected:
    DialogFlowTest() {
        WriteText(home.File("kex.ini"), "");
        services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
        // New numbers start on the format of the desktop's country: a US one
        // here, whatever the machine running the tests says.
        services->Locale = TQtLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        host = std::make_unique<TLogicForm>(services->Settings);
        EXPECT_TRUE(host->Create("merrowin"));
        window = &host->Window();
        host->Start(false);
        Settle();
    }
    ~DialogFlowTest() override {
        host.reset();
        services.reset();
    }

    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    TMainForm& Form() { return host->Form(); }
    TTreeNode* Root() { return host->Tree().GetFirstNode(); }

    // Runs a window command whose dialog the action fills in.
    void RunWithDialog(const char* command, const char* caption,
                       const std::function<void(QWidget*)>& fill) {
        QAction* a = window->Command(command);
        ASSERT_NE(a, nullptr) << command;
        OnNextModal([caption, fill](QWidget* dlg) {
            EXPECT_EQ(dlg->windowTitle(), caption);
            // Typing and leaving fields needs the focus a user's dialog has.
            EXPECT_TRUE(QTest::qWaitFor([dlg] { return dlg->isActiveWindow(); }, 2000));
            fill(dlg);
            // Whatever the fill did, the dialog must not stay open.
            if (QApplication::activeModalWidget() == dlg) Click(dlg, "OKBtn");
        });
        a->trigger();
        Settle();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << command;
    }

    // Properties of a record shown in the tree.
    void NodeProperties(TTreeNode* node, const char* caption,
                        const std::function<void(QWidget*)>& change) {
        ASSERT_NE(node, nullptr);
        Form().SelectNode(node);
        Form().SetActivePane(TPane::Folders);
        Settle();
        RunWithDialog("ListPaneProps", caption, change);
    }

    // Properties of the list row captioned title under the owner node.
    void RowProperties(TTreeNode* owner, const std::string& title, const char* caption,
                       const std::function<void(QWidget*)>& change) {
        Form().SelectNode(owner);
        Settle();
        QAbstractItemView* list = window->ActiveListView();
        int row = -1;
        for (size_t i = 0; i < Form().MainItems.size(); ++i)
            if (Form().MainItems[i].Caption == title) row = static_cast<int>(i);
        ASSERT_GE(row, 0) << "no row " << title;
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
        Form().SetActivePane(TPane::MainItems);
        RunWithDialog("ListPaneProps", caption, change);
    }

    TTreeNode* Node(TTreeNode* under, const std::string& text) {
        for (int i = 0; i < under->Count(); ++i)
            if (under->Child(i)->Text() == text) return under->Child(i);
        ADD_FAILURE() << "no node " << text;
        return nullptr;
    }

    // File > Save, then the file as the command line reads it.
    json SaveAndDump() {
        QAction* save = window->Command("Save1");
        EXPECT_NE(save, nullptr);
        if (save) save->trigger();
        QProcess cli;
        cli.start(MERROWIN_CLI_PATH, {"--home", FromStored(home.Path()), "dump"});
        if (!cli.waitForFinished(20000)) {
            ADD_FAILURE() << "merrowin-cli did not finish";
            cli.kill();
            return json::object();
        }
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return json::parse(cli.readAllStandardOutput().toStdString(), nullptr, false);
    }

    TTempDir home;
    std::unique_ptr<TDesktopServices> services;
    std::unique_ptr<TLogicForm> host;
    TMainWindow* window = nullptr;
    TModalWatchdog watchdog{8000};
};

// What a test checks of a record in the dump; name: the field (the record
// itself when empty), expected: its value.
struct TField {
    const char* Name;
    json Expected;
};

void ExpectFields(const json& dump, const std::string& title, const std::vector<TField>& fields) {
    const json* r = Record(dump, title);
    ASSERT_NE(r, nullptr) << "no record titled " << title << " in the saved file";
    for (const TField& f : fields)
        EXPECT_EQ((*r)[f.Name], f.Expected) << title << "." << f.Name;
}

// --- every form has its view -------------------------------------------------------

TEST(DialogRegistry, EveryFormAPresenterNamesHasARegisteredView) {
    namespace fs = std::filesystem;
    // The source tree, from the fixture folder (tests/data) the build names.
    const fs::path source = fs::path(MERROWIN_TEST_DATA).parent_path().parent_path();
    ASSERT_TRUE(fs::exists(source / "records")) << source;
    const std::regex formName(R"(FormName\(\)\s*const\s*override\s*\{\s*return\s*\"(\w+)\")");
    std::set<std::string> names;
    for (const char* sub : {"records", "reminders", "shell", "platform", "store", "exchange",
                            "printing", "comm", "report"}) {
        if (!fs::exists(source / sub)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(source / sub)) {
            if (entry.path().extension() != ".h" && entry.path().extension() != ".cpp") continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            for (std::sregex_iterator m(s.begin(), s.end(), formName), end; m != end; ++m)
                names.insert((*m)[1]);
        }
    }
    // The record dialogs, the reminder's two and the category popup at least.
    EXPECT_GE(names.size(), 14u);
    for (const std::string& name : names)
        EXPECT_TRUE(TQtViewFactory::IsRegistered(name)) << name << " has no view";
}

// --- tree records ----------------------------------------------------------------------

TEST_F(DialogFlowTest, FolderAndTeamNamedInPlaceAndTheirPropertiesAreSaved) {
    struct TCase {
        const char* Command;
        const char* Caption;
        const char* TitleBox;
        const char* CommentBox;
        QString Name;
    };
    const TCase cases[] = {{"NewFolder", "Folder", "FolderTitle", "FolderComment", "Allotment"},
                           {"NewTeam", "Team", "TeamTitle", "TeamComment", "Quiz Night"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Command);
        Form().SelectNode(Root());
        window->Command(c.Command)->trigger();
        Settle();
        auto* editor = window->findChild<QTreeView*>("Folders")->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "the new label is not being edited";
        editor->selectAll();
        QTest::keyClicks(editor, c.Name);
        QTest::keyClick(editor, Qt::Key_Return);
        Settle();
    }
    json dump = SaveAndDump();
    ExpectFields(dump, "Allotment", {{"Kind", kindFolder}, {"Text", "Allotment"}});
    ExpectFields(dump, "Quiz Night", {{"Kind", kindTeam}, {"Text", "Quiz Night"}});

    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Caption);
        NodeProperties(Node(Root(), ToStored(c.Name)), c.Caption, [&c](QWidget* dlg) {
            EXPECT_EQ(Text(dlg, c.TitleBox), c.Name);
            Type(dlg, c.TitleBox, c.Name + " 2");
            Type(dlg, c.CommentBox, "Thursdays");
            PickCategories(dlg, {1, 30});
            Click(dlg, "OKBtn");
        });
    }
    dump = SaveAndDump();
    for (const char* title : {"Allotment 2", "Quiz Night 2"})
        ExpectFields(dump, title,
                     {{"Text", title}, {"Comment", "Thursdays"}, {"Categories", Bits({1, 30})}});
}

TEST_F(DialogFlowTest, NewOrganizationAndPersonStoreTheirPagesAsPrimaryItems) {
    RunWithDialog("NewOrg", "Organization", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "Title"), "New Organization");
        Type(dlg, "Title", "Harbour Trust");
        Type(dlg, "Comment", "Landlord");
        EXPECT_EQ(Text(dlg, "AddrTitle"), "Primary Address");
        Type(dlg, "Addr", "Quay House\n3 Dock Rd");
        Type(dlg, "City", "Whitby");
        Type(dlg, "PostCode", "YO21 1AB");
        Type(dlg, "EMailAddr", "office@harbour.example");
        PickCategories(dlg, {0, 3});
        Click(dlg, "OKBtn");
    });
    RunWithDialog("NewPerson", "Person", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "Title"), "New Person");
        // Leaving a title of several words fills the name boxes.
        Type(dlg, "Title", "Ada Augusta Byron");
        QTest::keyClick(Named(dlg, "Title"), Qt::Key_Tab);
        EXPECT_EQ(Text(dlg, "FName"), "Ada");
        EXPECT_EQ(Text(dlg, "MName"), "Augusta");
        EXPECT_EQ(Text(dlg, "LName"), "Byron");
        Type(dlg, "Title", "Ada Byron");
        Type(dlg, "Salutation", "Dr.");
        Type(dlg, "Comment", "Analyst");
        Type(dlg, "AddrTitle", "Home");
        Type(dlg, "Addr", "12 St James's Sq");
        Type(dlg, "City", "London");
        Type(dlg, "Country", "UK");
        Type(dlg, "PhoneNum", "2125550123"); // the first format's mask: (999)000-0000
        Type(dlg, "Extension", "77");
        Type(dlg, "WebTitle", "Notes");
        Type(dlg, "Web", "http://ada.example.org/");
        Click(dlg, "OKBtn");
    });
    json dump = SaveAndDump();
    ExpectFields(dump, "Harbour Trust",
                 {{"Kind", kindOrg},
                  {"Comment", "Landlord"},
                  {"Categories", Bits({0, 3})},
                  {"PrimaryAddress", "Primary Address"},
                  {"PrimaryEMail", "Primary E-Mail"},
                  {"PrimaryPhone", ""}});
    ExpectFields(dump, "Primary Address",
                 {{"Kind", kindAddress},
                  {"Target", "Quay House"},
                  {"AddressLines", {"Quay House", "3 Dock Rd", ""}},
                  {"City", "Whitby"},
                  {"PostCode", "YO21 1AB"}});
    ExpectFields(dump, "Primary E-Mail", {{"Target", "office@harbour.example"}});
    ExpectFields(dump, "Ada Byron",
                 {{"Kind", kindPerson},
                  {"Text", "Ada Byron"},
                  {"Target", "Dr. Ada Byron"},
                  {"Comment", "Analyst"},
                  {"Salutation", "Dr."},
                  {"FirstName", "Ada"},
                  {"MiddleName", "Augusta"},
                  {"LastName", "Byron"},
                  {"PrimaryAddress", "Home"},
                  {"PrimaryPhone", "Primary Phone"},
                  {"PrimaryWeb", "Notes"}});
    ExpectFields(dump, "Home", {{"City", "London"}, {"Country", "UK"}});
    ExpectFields(dump, "Primary Phone", {{"Target", "(212)555-0123"}, {"Extension", "77"}});
    ExpectFields(dump, "Notes", {{"Kind", kindWeb}, {"Target", "http://ada.example.org/"}});

    // Properties: the pages now edit the existing primary items.
    NodeProperties(Node(Root(), "Ada Byron"), "Person", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "LName"), "Byron");
        EXPECT_EQ(Text(dlg, "City"), "London");
        EXPECT_FALSE(Named(dlg, "PhoneFmt")->isVisibleTo(dlg));
        Type(dlg, "LName", "King");
        Type(dlg, "City", "Ockham");
        Type(dlg, "Extension", "78");
        Click(dlg, "OKBtn");
    });
    NodeProperties(Node(Root(), "Harbour Trust"), "Organization", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "City"), "Whitby");
        Type(dlg, "Title", "Harbour Board");
        Type(dlg, "PostCode", "YO22 4AA");
        Click(dlg, "OKBtn");
    });
    dump = SaveAndDump();
    ExpectFields(dump, "Ada Byron", {{"LastName", "King"}, {"Target", "Dr. Ada King"}});
    ExpectFields(dump, "Home", {{"City", "Ockham"}});
    ExpectFields(dump, "Primary Phone", {{"Target", "(212)555-0123"}, {"Extension", "78"}});
    ExpectFields(dump, "Harbour Board", {{"Text", "Harbour Board"}, {"Comment", "Landlord"}});
    ExpectFields(dump, "Primary Address", {{"City", "Whitby"}, {"PostCode", "YO22 4AA"}});
}

TEST_F(DialogFlowTest, NewWebsiteAndItsPropertiesAreSaved) {
    RunWithDialog("NewWebsite", "Website", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "WebTitle"), "New Website");
        Type(dlg, "WebTitle", "Tide Tables");
        Type(dlg, "Web", "https://tides.example.net/whitby");
        Type(dlg, "WebComment", "Check before sailing");
        Click(dlg, "OKBtn");
    });
    json dump = SaveAndDump();
    ExpectFields(dump, "Tide Tables",
                 {{"Kind", kindWeb},
                  {"Text", "Tide Tables"},
                  {"Target", "https://tides.example.net/whitby"},
                  {"Comment", "Check before sailing"}});

    // This time from its row in the list; the tree's label follows the title.
    RowProperties(Root(), "Tide Tables", "Website", [](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "Web"), "https://tides.example.net/whitby");
        Type(dlg, "WebTitle", "Tides");
        Type(dlg, "Web", "ftp://tides.example.net/");
        PickCategories(dlg, {7});
        Click(dlg, "OKBtn");
    });
    dump = SaveAndDump();
    ExpectFields(
        dump, "Tides",
        {{"Text", "Tides"}, {"Target", "ftp://tides.example.net/"}, {"Categories", Bits({7})}});
}

// --- detail items -----------------------------------------------------------------------

struct TDetailCase {
    const char* Command;
    const char* Caption;
    std::function<void(QWidget*)> FillNew;
    std::string Title;
    std::vector<TField> AfterNew;
    std::function<void(QWidget*)> Change;
    std::string ChangedTitle;
    std::vector<TField> AfterChange;
};

TEST_F(DialogFlowTest, EveryDetailItemMadeAndChangedThroughItsDialogIsSaved) {
    TTreeNode* owner = CreateObject(kindPerson, "Owner", "", "", Root(), "", 0).Node;
    Form().SelectNode(owner);
    Settle();
    WriteText(home.File("lease.pdf"), "%PDF");
    const QString lease = FromStored(home.File("lease.pdf"));

    const TDetailCase cases[] = {
        {"NewAddrBtn",
         "Address",
         [](QWidget* dlg) {
             EXPECT_EQ(Text(dlg, "AddrTitle"), "New Address");
             Type(dlg, "AddrTitle", "Office");
             Type(dlg, "Addr", "Unit 4\nMill Lane");
             Type(dlg, "City", "Hebden Bridge");
             Type(dlg, "State", "W Yorks");
             Type(dlg, "PostCode", "HX7 8AD");
             Type(dlg, "Country", "England");
             Type(dlg, "AddrComment", "Side door");
             PickCategories(dlg, {2, 4});
             Click(dlg, "OKBtn");
         },
         "Office",
         {{"Kind", kindAddress},
          {"Target", "Unit 4"},
          {"AddressLines", {"Unit 4", "Mill Lane", ""}},
          {"City", "Hebden Bridge"},
          {"State", "W Yorks"},
          {"PostCode", "HX7 8AD"},
          {"Country", "England"},
          {"Comment", "Side door"},
          {"Categories", Bits({2, 4})}},
         [](QWidget* dlg) {
             EXPECT_EQ(Text(dlg, "City"), "Hebden Bridge");
             Type(dlg, "City", "Todmorden");
             Click(dlg, "OKBtn");
         },
         "Office",
         {{"City", "Todmorden"}, {"PostCode", "HX7 8AD"}, {"Categories", Bits({2, 4})}}},
        {"NewPhone",
         "Phone",
         [](QWidget* dlg) {
             EXPECT_EQ(Text(dlg, "PhoneTitle"), "New Phone");
             Type(dlg, "PhoneTitle", "Desk");
             auto* fmt = qobject_cast<QComboBox*>(Named(dlg, "PhoneFmt"));
             ASSERT_NE(fmt, nullptr);
             fmt->setCurrentIndex(fmt->findText("Free Format"));
             Type(dlg, "PhoneNum", "+44 1422 555 010");
             Type(dlg, "Extension", "2201");
             Type(dlg, "PhoneComment", "Mornings");
             Click(dlg, "OKBtn");
         },
         "Desk",
         {{"Kind", kindPhone},
          {"Target", "+44 1422 555 010"},
          {"Extension", "2201"},
          {"Comment", "Mornings"}},
         [](QWidget* dlg) {
             EXPECT_EQ(Text(dlg, "PhoneNum"), "+44 1422 555 010");
             Type(dlg, "Extension", "2202");
             Click(dlg, "OKBtn");
         },
         "Desk",
         {{"Target", "+44 1422 555 010"}, {"Extension", "2202"}}},
        {"NewEMail",
         "E-Mail",
         [](QWidget* dlg) {
             Type(dlg, "EMailTitle", "Club");
             Type(dlg, "EMailAddr", "sec@rowing.example");
             Type(dlg, "EMailComment", "Secretary");
             Click(dlg, "OKBtn");
         },
         "Club",
         {{"Kind", kindEMail}, {"Target", "sec@rowing.example"}, {"Comment", "Secretary"}},
         [](QWidget* dlg) {
             Type(dlg, "EMailTitle", "Rowing Club");
             Click(dlg, "OKBtn");
         },
         "Rowing Club",
         {{"Target", "sec@rowing.example"}}},
        {"NewFaxBtn",
         "Fax",
         [](QWidget* dlg) {
             Type(dlg, "FaxTitle", "Shop Fax");
             Type(dlg, "FaxNum", "3135550188"); // (999)000-0000
             Type(dlg, "FaxComment", "Orders only");
             Click(dlg, "OKBtn");
         },
         "Shop Fax",
         {{"Kind", kindFax}, {"Target", "(313)555-0188"}, {"Comment", "Orders only"}},
         [](QWidget* dlg) {
             EXPECT_FALSE(Named(dlg, "FaxFmt")->isVisibleTo(dlg));
             Type(dlg, "FaxComment", "Returns too");
             Click(dlg, "OKBtn");
         },
         "Shop Fax",
         {{"Target", "(313)555-0188"}, {"Comment", "Returns too"}}},
        {"DocItem",
         "Document",
         [&lease](QWidget* dlg) {
             // Browse picks the file; its name becomes the title.
             OnNextModal([&lease](QWidget* files) {
                 auto* picker = qobject_cast<QFileDialog*>(files);
                 ASSERT_NE(picker, nullptr) << "Browse opened no file dialog";
                 picker->selectFile(lease);
                 static_cast<QDialog*>(picker)->accept(); // as its Open button does
             });
             Click(dlg, "BrowseBtn");
             EXPECT_EQ(Text(dlg, "TitleEdit"), "lease.pdf");
             Type(dlg, "CommentEdit", "Signed copy");
             Click(dlg, "OKBtn");
         },
         "lease.pdf",
         {{"Kind", kindDoc}, {"Target", ToStored(lease)}, {"Comment", "Signed copy"}},
         [&lease](QWidget* dlg) {
             EXPECT_EQ(Text(dlg, "FilenameEdit"), lease);
             Type(dlg, "TitleEdit", "Lease");
             Type(dlg, "FilenameEdit", "/srv/papers/lease-2.pdf");
             Click(dlg, "OKBtn");
         },
         "Lease",
         {{"Target", "/srv/papers/lease-2.pdf"}}},
    };

    for (const TDetailCase& c : cases) {
        SCOPED_TRACE(c.Command);
        Form().SelectNode(owner);
        Settle();
        RunWithDialog(c.Command, c.Caption, c.FillNew);
    }
    json dump = SaveAndDump();
    for (const TDetailCase& c : cases) {
        SCOPED_TRACE(c.Command);
        ExpectFields(dump, c.Title, c.AfterNew);
    }

    for (const TDetailCase& c : cases) {
        SCOPED_TRACE(c.Caption);
        RowProperties(owner, c.Title, c.Caption, c.Change);
    }
    dump = SaveAndDump();
    for (const TDetailCase& c : cases) {
        SCOPED_TRACE(c.Caption);
        ExpectFields(dump, c.ChangedTitle, c.AfterChange);
    }
    const json* person = Record(dump, "Owner");
    ASSERT_NE(person, nullptr);
    EXPECT_EQ((*person)["Items"].size(), std::size(cases));
}

// The reminder's date comes from a second dialog opened from the first.
TEST_F(DialogFlowTest, ReminderDateChosenInTheDateDialogIsSavedAsItsRule) {
    Form().SelectNode(Root());
    Settle();
    // Picks the 15th of June of next year, repeating every year.
    auto pickDate = [](QWidget* dlg, int monthIndex, const QString& day, int* year) {
        // The date dialog opens over the reminder's.
        OnNextModal([=](QWidget* date) {
            auto* month = date->findChild<QComboBox*>("MonthSelector");
            auto* grid = date->findChild<QTableWidget*>("MonthGrid");
            auto* mode = date->findChild<QComboBox*>("RecurModeCombo");
            ASSERT_TRUE(month && grid && mode);
            month->setCurrentIndex(monthIndex);
            Click(date, "YearUp");
            *year = date->findChild<QLineEdit*>("YearSelector")->text().toInt();
            for (int r = 1; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    if (grid->item(r, c)->text() == day) grid->setCurrentCell(r, c);
            mode->setCurrentIndex(2); // every year
            Click(date, "OKButton");
        });
        Click(dlg, "SetDateBtn");
    };
    int year = 0;
    RunWithDialog("NewDate", "Reminder", [&](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "TitleEdit"), "New Reminder");
        Type(dlg, "TitleEdit", "Insurance");
        pickDate(dlg, 5, "15", &year);
        EXPECT_TRUE(Named(dlg, "TargetDateLabel") != nullptr);
        Type(dlg, "RemdComment", "Compare quotes");
        Click(dlg, "OKBtn");
    });
    json dump = SaveAndDump();
    const json* r = Record(dump, "Insurance");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ((*r)["Kind"], kindReminder);
    EXPECT_EQ((*r)["Comment"], "Compare quotes");
    const std::string rule = (*r)["Rule"];
    EXPECT_EQ(rule.substr(0, rule.rfind(',')), std::to_string(year) + ",6,15") << rule;
    EXPECT_EQ(rule.back(), '2') << rule;
    EXPECT_EQ((*r)["Target"], services->Locale.ShortDate(TDate{year, 6, 15}));

    RowProperties(Root(), "Insurance", "Reminder", [&](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "TitleEdit"), "Insurance");
        Type(dlg, "TitleEdit", "Car insurance");
        Click(dlg, "AdvanceBtn"); // a year on
        Click(dlg, "OKBtn");
    });
    dump = SaveAndDump();
    r = Record(dump, "Car insurance");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ((*r)["Rule"], std::to_string(year + 1) + ",6,15,2");
    EXPECT_EQ((*r)["Target"], services->Locale.ShortDate(TDate{year + 1, 6, 15}));
    EXPECT_EQ((*r)["Comment"], "Compare quotes");
}

// --- a dialog confirmed untouched ----------------------------------------------------

TEST_F(DialogFlowTest, PropertiesConfirmedUntouchedChangeNoByteOfTheDataFile) {
    // A person made with the New Person dialog, last name first in the title.
    RunWithDialog("NewPerson", "Person", [](QWidget* dlg) {
        Type(dlg, "Title", "Keller, Anna");
        QTest::keyClick(Named(dlg, "Title"), Qt::Key_Tab);
        EXPECT_EQ(Text(dlg, "FName"), "Anna");
        EXPECT_EQ(Text(dlg, "LName"), "Keller");
        // Names as the user wants them, whatever leaving the title gave.
        Type(dlg, "FName", "Anna");
        Type(dlg, "LName", "Keller");
        Type(dlg, "Salutation", "Ms.");
        Type(dlg, "Addr", "Seestrasse 4\nHinterhaus");
        // Typed letters beyond ASCII arrive as text, as an input method sends them.
        qobject_cast<QLineEdit*>(Named(dlg, "City"))->insert(QStringLiteral("Zürich"));
        Type(dlg, "PhoneNum", "2125550123");
        Type(dlg, "EMailAddr", "anna@keller.example");
        Type(dlg, "Web", "http://keller.example/");
        Click(dlg, "OKBtn");
    });
    // A title longer than the box takes, and a record from an old file:
    // Windows-1252 bytes, a list text the dialog would compose otherwise.
    const std::string longTitle = "Verein der Freunde und Foerderer des Stadtmuseums zu Potsdam";
    ASSERT_EQ(longTitle.size(), 60u);
    CreateObject(kindPerson, longTitle, " Otto Meier", "", Root(),
                 "{Pers}~~Otto~~~~Meier~~~~~~~~~~~~0", 0);
    TTreeNode* old =
        CreateObject(kindPerson, "M\xFCller, J\xFCrgen", "J\xFCrgen M\xFCller", "Gr\xFC\337e",
                     Root(), "{Pers}Herr~~J\xFCrgen~~~~M\xFCller~~Heim~~B\xFCro~~~~~~~~5", 0)
            .Node;
    CreateObject(kindAddress, "Heim", "Stra\337e", "", old,
                 "{Addr}Lindenstra\337e 4~~~~~~K\xF6ln~~~~50667~~~~0", 0);
    CreateObject(kindPhone, "B\xFCro", "0221 12345", "Zentrale", old, "{Phon}12~~0", 0);
    CreateObject(kindOrg, "B\344ckerei K\xFChn", "", "", Root(), "{Orgn}~~Laden~~~~~~~~0", 0);
    Root()->SortChildren(); // as a file read at start-up shows
    SaveAndDump();
    const std::string before = ReadText(home.File("tavi.dat"));
    ASSERT_FALSE(before.empty());

    const struct {
        std::string Title;
        const char* Caption;
    } records[] = {{"Keller, Anna", "Person"},
                   {longTitle, "Person"},
                   {"M\xFCller, J\xFCrgen", "Person"},
                   {"B\344ckerei K\xFChn", "Organization"}};
    for (const auto& r : records) {
        SCOPED_TRACE(r.Title);
        NodeProperties(Node(Root(), r.Title), r.Caption, [](QWidget* dlg) {
            // Through the upper panel as Tab goes, and over every page.
            Named(dlg, "Title")->setFocus();
            for (int i = 0; i < 8; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* pages = dlg->findChild<QTabWidget*>("PageControl1");
            for (int i = 0; pages && i < pages->count(); ++i)
                pages->setCurrentIndex(i);
            Click(dlg, "OKBtn");
        });
        SaveAndDump();
        EXPECT_EQ(ReadText(home.File("tavi.dat")), before);
    }
}

} // namespace
