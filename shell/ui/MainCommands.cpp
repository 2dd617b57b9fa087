#include "shell/ui/MainCommands.h"

#include "platform/Settings.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/IconImages.h"
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AboutBox.h"
#include "shell/ui/AppException.h"
#include "shell/ui/FittedLabel.h"
#include "shell/ui/ItemImages.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
QIcon Art(const char* name) {
    return ArtIcon(QString::fromLatin1(name));
}
} // namespace

TMainCommands::TMainCommands(TMainForm& form, QMainWindow& window, const bool& ending)
    : QObject(&window), FForm(form), FWindow(window), FEnding(ending) {}

void TMainCommands::Build(std::function<void()> exit, QLineEdit* findEdit) {
    BuildActions(std::move(exit));
    BuildMenus();
    BuildToolbars(findEdit);
    BuildStatusBar();
}

QAction* TMainCommands::MakeAction(const char* name, const QString& caption, const QString& hint,
                                   std::function<void()> handler, const QKeySequence& key) {
    auto* a = new QAction(caption, &FWindow);
    a->setObjectName(name);
    // A hint "Short | Long": the short part is the tooltip, the long part
    // goes to the status bar.
    int bar = hint.indexOf('|');
    a->setToolTip(bar < 0 ? hint : hint.left(bar).trimmed());
    a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1).trimmed());
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    if (handler) connect(a, &QAction::triggered, this, [handler] { Guarded(handler); });
    // Shortcuts work wherever the action is shown, and also while it is not
    // (the popup's New items).
    FWindow.addAction(a);
    FCommands[name] = a;
    return a;
}

QAction* TMainCommands::Command(const std::string& name) const {
    auto it = FCommands.find(name);
    return it == FCommands.end() ? nullptr : it->second;
}

void TMainCommands::BuildActions(std::function<void()> exit) {
    TMainForm& f = FForm;
    // File > New, also reached from the popup.
    MakeAction(
        "NewFolder", tr("&Folder"), tr("New Folder"), [&f] { f.OnNewFolder(); },
        QKeySequence("Ctrl+L"))
        ->setIcon(ItemImage(0));
    MakeAction(
        "NewOrg", tr("&Organization"), tr("New Organization"), [&f] { f.OnNewOrg(); },
        QKeySequence("Ctrl+O"))
        ->setIcon(ItemImage(1));
    MakeAction(
        "NewTeam", tr("&Team"), tr("New Team"), [&f] { f.OnNewTeam(); }, QKeySequence("Ctrl+T"))
        ->setIcon(ItemImage(2));
    MakeAction(
        "NewPerson", tr("&Person"), tr("New Person"), [&f] { f.OnNewPerson(); },
        QKeySequence("Ctrl+P"))
        ->setIcon(ItemImage(3));
    MakeAction(
        "NewWebsite", tr("&Website"), tr("New Website"), [&f] { f.OnNewWebsite(); },
        QKeySequence("Ctrl+W"))
        ->setIcon(ItemImage(4));
    MakeAction(
        "NewAddr", tr("&Address"), tr("New Address"), [&f] { f.OnNewAddr(); },
        QKeySequence("Ctrl+A"))
        ->setIcon(ItemImage(5));
    MakeAction(
        "NewEMail", tr("&E-Mail"), tr("New E-mail Address"), [&f] { f.OnNewEMail(); },
        QKeySequence("Ctrl+E"))
        ->setIcon(ItemImage(7));
    MakeAction(
        "NewPhone", tr("&Phone"), tr("New Phone Number"), [&f] { f.OnNewPhone(); },
        QKeySequence("Ctrl+N"))
        ->setIcon(ItemImage(6));
    MakeAction(
        "NewFax", tr("&Fax"), tr("New Fax Number"), [&f] { f.OnNewFax(); }, QKeySequence("Ctrl+F"))
        ->setIcon(ItemImage(8));
    MakeAction(
        "NewDate", tr("&Reminder"), tr("New Reminder"), [&f] { f.NewDateBtnClick(); },
        QKeySequence("Ctrl+R"))
        ->setIcon(ItemImage(9));
    MakeAction(
        "DocItem", tr("&Document"), tr("New Document"), [&f] { f.DocItemClick(); },
        QKeySequence("Ctrl+D"))
        ->setIcon(ItemImage(13));

    // File.
    QAction* a =
        MakeAction("ImportBtn", tr("&Import..."), tr("Import | Import data from another file type"),
                   [&f] { f.ImportBtnClick(); });
    a->setIcon(Art("import"));
    a = MakeAction("PublishBtn", tr("P&ublish..."),
                   tr("Publish | Export your data for use by other people or other programs"),
                   [&f] { f.PublishBtnClick(); });
    a->setIcon(Art("publish"));
    a = MakeAction("PrintBtn", tr("&Print..."), tr("Print"), [&f] { f.PrintBtnClick(); });
    a->setIcon(Art("print"));
    MakeAction("PrinterSetupItem", tr("P&rinter Setup..."), QString(),
               [&f] { f.PrinterSetupItemClick(); });
    MakeAction("Save1", tr("&Save"), tr("Save all changes"), [&f] { f.Save1Click(); });
    MakeAction("Revert1", tr("R&evert"), tr("Revert to the last saved data"),
               [&f] { f.Revert1Click(); });
    MakeAction("ExitItem", tr("E&xit"), tr("Exit the program"), std::move(exit));

    // Edit.
    MakeAction(
        "CutBtn", tr("Cu&t"), tr("Cut | Cut selected items and place on the clipboard"),
        [&f] { f.CutBtnClick(); }, QKeySequence("Ctrl+X"))
        ->setIcon(Art("cut"));
    MakeAction(
        "CopyBtn", tr("&Copy"), tr("Copy | Copy selected items to the clipboard"),
        [&f] { f.CopyBtnClick(); }, QKeySequence("Ctrl+C"))
        ->setIcon(Art("copy"));
    MakeAction(
        "PasteBtn", tr("&Paste"), tr("Paste | Paste data from the clipboard"),
        [&f] { f.PasteBtnClick(); }, QKeySequence("Ctrl+V"))
        ->setIcon(Art("paste"));
    MakeAction(
        "DeleteBtn", tr("&Delete"), tr("Delete | Delete the selected item(s)"),
        [&f] { f.DeleteBtnClick("DeleteBtn"); }, QKeySequence("Shift+Del"))
        ->setIcon(Art("delete"));
    MakeAction("SelectAll1", tr("&Select All"), tr("Select all items in the right-hand pane"),
               [&f] { f.SelectAll1Click(); });
    MakeAction(
        "FindItem", tr("&Find"),
        tr("Search for item with title containing text specified in \"Find\""),
        [&f] { f.FindItemClick(); }, QKeySequence(Qt::Key_F3));

    // View.
    MakeAction("ToggleMainWindow", tr("&Toggle Main Window"),
               tr("Switch between the two main window setups"),
               [&f] { f.ToggleMainWindowClick(); });
    MakeAction("OptionsItem", tr("&Options..."), tr("Program options"),
               [&f] { f.OptionsItemClick(); });
    FViewMenuGroup = new QActionGroup(&FWindow);
    FViewButtonGroup = new QActionGroup(&FWindow);
    static const char* const menuNames[] = {"LargeIcons", "SmallIcons", "List", "Details"};
    static const char* const buttonNames[] = {"ViewTypeBtn1", "ViewTypeBtn2", "ViewTypeBtn3",
                                              "ViewTypeBtn4"};
    const QString menuCaptions[] = {tr("Lar&ge Icons"), tr("S&mall Icons"), tr("&List"),
                                    tr("&Details")};
    const QString buttonHints[] = {tr("Large Icons | Change right-hand pane to large icon view"),
                                   tr("Small Icons | Change right-hand pane to small icon view"),
                                   tr("List | Change right-hand pane to list view"),
                                   tr("Details | Change right-hand pane to detail view")};
    static const char* const buttonIcons[] = {"view-large", "view-small", "view-list",
                                              "view-details"};
    for (int tag = 1; tag <= 4; ++tag) {
        QAction* m = MakeAction(menuNames[tag - 1], menuCaptions[tag - 1],
                                tr("Change icon view for right-hand pane"),
                                [&f, tag] { f.CmViewShowFormat(tag); });
        m->setCheckable(true);
        m->setData(tag);
        FViewMenuGroup->addAction(m);
        QAction* b = MakeAction(buttonNames[tag - 1], QString(menuCaptions[tag - 1]).remove(u'&'),
                                buttonHints[tag - 1], [&f, tag] { f.BnViewShowFormat(tag); });
        b->setCheckable(true);
        b->setData(tag);
        b->setIcon(Art(buttonIcons[tag - 1]));
        FViewButtonGroup->addAction(b);
    }

    // Filters: at most one down, both may be up.
    a = MakeAction("FilterBtn1", tr("Any"), tr("Filter|Show items matching ANY selected category"),
                   nullptr);
    a->setCheckable(true);
    a->setIcon(Art("filter-any"));
    connect(a, &QAction::triggered, this,
            [this](bool down) { Guarded([&] { FForm.FilterBtn1Click(1, down); }); });
    a = MakeAction("FilterBtn2", tr("All"),
                   tr("Filter|Show items matching ALL selected categories"), nullptr);
    a->setCheckable(true);
    a->setIcon(Art("filter-all"));
    connect(a, &QAction::triggered, this,
            [this](bool down) { Guarded([&] { FForm.FilterBtn1Click(2, down); }); });

    MakeAction("GetUrlBtn", tr("&Get Browser URL"),
               tr("Get Browser URL | Capture the URL of the current page from your Web Browser"),
               [&f] { f.GetUrlBtnClick(); })
        ->setIcon(Art("get-url"));
    MakeAction("UpOneBtn", tr("Up"), tr("Up one level"), [&f] {
        f.UpOneBtnClick();
    })->setIcon(Art("up-one-level"));
    a = MakeAction("PopupButton1", tr("Tools"), tr("Tools"), nullptr);
    a->setIcon(Art("tools"));
    // The tools popup: "&Show Popup" opens the Tools dialog; the tools follow.
    FToolsPopup = new QMenu(&FWindow);
    FToolsPopup->setObjectName("ToolsPopup");
    FToolsPopup->addAction(tr("&Show Popup"), this, [&f] { Guarded([&f] { f.ToolsBtnClick(); }); })
        ->setObjectName("ShowPopup1");
    FToolsPopup->addSeparator();

    // Help.
    MakeAction("ContentsItem", tr("&Contents"), tr("Help contents"),
               [this] { ShowHelpTopic(0, &FWindow); });
    MakeAction("HelpBtn", tr("Help"), tr("Help"), [this] {
        ShowHelpTopic(0, &FWindow);
    })->setIcon(Art("help"));
    MakeAction(
        "HelpTopic", tr("Help"), QString(), [this] { ShowHelpTopic(1003, &FWindow); },
        QKeySequence(Qt::Key_F1));
    MakeAction("AboutItem", tr("&About..."), tr("About this program"),
               [this] { ShowAboutBox(&FWindow); });

    // Popup.
    MakeAction("ListPaneOpen", tr("&Open"), tr("Open the selected item"),
               [&f] { f.ListPaneOpenClick(); });
    MakeAction("ListPaneMail", tr("Send &Mail"), tr("Send e-mail"),
               [&f] { f.ListPaneMailClick(); });
    MakeAction("ListPaneFax", tr("Send &Fax"), tr("Send a fax"), [&f] { f.ListPaneFaxClick(); });
    MakeAction("ListPaneDial", tr("&Dial"), tr("Dial the number"), [&f] { f.ListPaneDialClick(); });
    MakeAction("ListPaneBrowse", tr("&Browse"), tr("Open in the web browser"),
               [&f] { f.ListPaneBrowseClick(); });
    MakeAction("ListPaneAdvance", tr("&Advance Date"), tr("Advance the reminder to its next date"),
               [&f] { f.ListPaneAdvanceClick(); });
    MakeAction("ListPaneLaunch", tr("&Launch"), tr("Open the document or start the tool"),
               [&f] { f.ListPaneLaunchClick(); });
    MakeAction("ListPaneCut", tr("Cu&t"), tr("Cut selected items and place on the clipboard"),
               [&f] { f.CutBtnClick(); });
    MakeAction("ListPaneCopy", tr("&Copy"), tr("Copy selected items to the clipboard"),
               [&f] { f.CopyBtnClick(); });
    MakeAction("ListPaneDelete", tr("&Delete"), tr("Delete the selected item(s)"),
               [&f] { f.DeleteBtnClick("ListPaneDelete"); });
    MakeAction("ListPaneRename", tr("&Rename"), tr("Rename the selected item"),
               [&f] { f.ListPaneRenameClick(); });
    MakeAction("ListPaneProps", tr("&Properties"), tr("Edit the properties of the selected item"),
               [&f] { f.ListPanePropsClick(); });

    // The New Item Bar's buttons carry captions of their own.
    struct TNewButton {
        const char* Name;
        QString Caption;
        const char* Command;
    };
    const TNewButton newButtons[] = {
        {"NewFolderBtn", tr("Fo&lder"), "NewFolder"}, {"NewOrgBtn", tr("&Org"), "NewOrg"},
        {"NewTeamBtn", tr("&Team"), "NewTeam"},       {"NewPersonBtn", tr("&Person"), "NewPerson"},
        {"NewWebBtn", tr("&Web"), "NewWebsite"},      {"NewAddrBtn", tr("&Addr"), "NewAddr"},
        {"NewPhoneBtn", tr("Pho&ne"), "NewPhone"},    {"NewEMailBtn", tr("E-&mail"), "NewEMail"},
        {"NewFaxBtn", tr("Fa&x"), "NewFax"},          {"NewDateBtn", tr("Remin&d"), "NewDate"}};
    for (const TNewButton& nb : newButtons) {
        QAction* target = Command(nb.Command);
        QAction* b =
            MakeAction(nb.Name, nb.Caption, target->toolTip(), [target] { target->trigger(); });
        b->setIcon(target->icon());
        // A button shows the icon text; set with its "&", the button underlines
        // the access key and answers Alt and that key.
        b->setIconText(nb.Caption);
    }
}

void TMainCommands::BuildMenus() {
    auto add = [this](QMenu* m, std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (!*n)
                m->addSeparator();
            else
                m->addAction(Command(n));
        }
    };
    QMenu* file = FWindow.menuBar()->addMenu(tr("&File"));
    QMenu* fileNew = file->addMenu(tr("&New"));
    add(fileNew, {"NewFolder", "NewOrg", "NewTeam", "NewPerson", "NewWebsite"});
    add(file, {"", "ImportBtn", "PublishBtn", "", "Save1", "Revert1", "", "PrintBtn",
               "PrinterSetupItem", "", "ExitItem"});

    QMenu* edit = FWindow.menuBar()->addMenu(tr("&Edit"));
    add(edit, {"CutBtn", "CopyBtn", "PasteBtn", "DeleteBtn", "", "SelectAll1", "", "FindItem"});

    QMenu* view = FWindow.menuBar()->addMenu(tr("&View"));
    const QString barCaptions[] = {tr("Tool&bar"), tr("&New Item Bar"), tr("&Find Bar"),
                                   tr("T&ip Bar")};
    static const char* const barNames[] = {"Toolbar1", "NewItemBar1", "FindBar1", "TipBar2"};
    for (int i = 0; i < 4; ++i) {
        FBarItems[i] = MakeAction(barNames[i], barCaptions[i], tr("Show or hide the bar"), nullptr);
        FBarItems[i]->setCheckable(true);
        FBarItems[i]->setChecked(true);
        view->addAction(FBarItems[i]);
    }
    FStatusBarItem =
        MakeAction("StatusBar1", tr("&Status Bar"), tr("Show or hide the status bar"), nullptr);
    FStatusBarItem->setCheckable(true);
    FStatusBarItem->setChecked(true);
    connect(FStatusBarItem, &QAction::toggled, this,
            [this](bool on) { FWindow.statusBar()->setVisible(on); });
    view->addAction(FStatusBarItem);
    view->addSeparator();
    view->addActions(FViewMenuGroup->actions());
    add(view, {"", "ToggleMainWindow", "", "OptionsItem"});

    QMenu* help = FWindow.menuBar()->addMenu(tr("&Help"));
    add(help, {"ContentsItem", "", "AboutItem"});

    FListPopup = new QMenu(&FWindow);
    FListPopup->setObjectName("ListPopup");
    add(FListPopup, {"ListPaneOpen", "ListPaneMail", "ListPaneFax", "ListPaneDial",
                     "ListPaneBrowse", "ListPaneAdvance", "ListPaneLaunch", ""});
    QMenu* popupNew = FListPopup->addMenu(tr("&New"));
    add(popupNew,
        {"NewAddr", "NewEMail", "NewPhone", "NewFax", "NewWebsite", "NewDate", "DocItem"});
    QMenu* popupEdit = FListPopup->addMenu(tr("&Edit"));
    add(popupEdit, {"ListPaneCut", "ListPaneCopy", "ListPaneDelete", "ListPaneRename"});
    add(FListPopup, {"", "ListPaneProps"});
}

void TMainCommands::BuildToolbars(QLineEdit* findEdit) {
    auto makeBar = [this](int tag, const char* name, const QString& caption) {
        auto* bar = new QToolBar(caption, &FWindow);
        bar->setObjectName(name);
        bar->setAllowedAreas(Qt::TopToolBarArea);
        bar->setFloatable(true);
        bar->setMovable(true);
        bar->setIconSize(QSize(20, 20));
        FBars[tag] = bar;
        // The View menu item and the bar follow each other.
        connect(FBarItems[tag], &QAction::triggered, bar, &QWidget::setVisible);
        connect(bar, &QToolBar::visibilityChanged, this, [this, tag](bool visible) {
            if (!FEnding && (FWindow.isVisible() || !visible)) FBarItems[tag]->setChecked(visible);
        });
        return bar;
    };
    QToolBar* tools = makeBar(0, "SpeedPanel", tr("Toolbar"));
    for (const char* n : {"ImportBtn",
                          "PublishBtn",
                          "PrintBtn",
                          "",
                          "FilterBtn1",
                          "FilterBtn2",
                          "",
                          "CutBtn",
                          "CopyBtn",
                          "PasteBtn",
                          "DeleteBtn",
                          "",
                          "ViewTypeBtn1",
                          "ViewTypeBtn2",
                          "ViewTypeBtn3",
                          "ViewTypeBtn4",
                          "",
                          "GetUrlBtn",
                          "PopupButton1",
                          "HelpBtn"}) {
        if (!*n)
            tools->addSeparator();
        else
            tools->addAction(Command(n));
    }
    FWindow.addToolBar(Qt::TopToolBarArea, tools);
    if (auto* b = qobject_cast<QToolButton*>(tools->widgetForAction(Command("PopupButton1")))) {
        b->setMenu(FToolsPopup);
        b->setPopupMode(QToolButton::InstantPopup);
    }

    FWindow.addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* items = makeBar(1, "NewItemPanel", tr("New Item Bar"));
    items->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    items->setIconSize(QSize(16, 16));
    for (const char* n :
         {"NewFolderBtn", "NewOrgBtn", "NewTeamBtn", "NewPersonBtn", "NewWebBtn", "", "NewAddrBtn",
          "NewPhoneBtn", "NewEMailBtn", "NewFaxBtn", "NewDateBtn"}) {
        if (!*n)
            items->addSeparator();
        else
            items->addAction(Command(n));
    }
    FWindow.addToolBar(Qt::TopToolBarArea, items);

    FWindow.addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* find = makeBar(2, "FindPanel", tr("Find"));
    auto* label = new QLabel(tr("F&ind:"));
    label->setContentsMargins(4, 0, 4, 0);
    label->setBuddy(findEdit);
    find->addWidget(label);
    find->addWidget(findEdit);
    find->addAction(Command("UpOneBtn"));
    FWindow.addToolBar(Qt::TopToolBarArea, find);

    QToolBar* tips = makeBar(3, "TipBar1", tr("Tip Bar"));
    QAction* bulb = MakeAction("TipBulb", tr("Tip"), tr("Help with Tip..."), [this] {
        int context = FForm.TipBar.HelpContext();
        if (context > 0) ShowHelpTopic(context, &FWindow);
    });
    bulb->setIcon(Art("tip"));
    tips->addAction(bulb);
    // The label's width does not follow the tip, so the arrows after it stay
    // under the mouse while the user steps through the tips.
    FTipLabel = new TFittedLabel(2, 440);
    FTipLabel->setMinimumWidth(160);
    FTipLabel->setObjectName("TipLabel");
    FTipLabel->setContentsMargins(4, 0, 4, 0);
    tips->addWidget(FTipLabel);
    QAction* prev = MakeAction("TipPrev", tr("Previous Tip"), tr("Previous tip"), [this] {
        FForm.TipBar.Previous();
        ShowTip();
    });
    prev->setIcon(Art("arrow-up"));
    QAction* next = MakeAction("TipNext", tr("Next Tip"), tr("Next tip"), [this] {
        FForm.TipBar.Next();
        ShowTip();
    });
    next->setIcon(Art("arrow-down"));
    tips->addAction(prev);
    tips->addAction(next);
    FWindow.addToolBar(Qt::TopToolBarArea, tips);
    ShowTip();
}

void TMainCommands::BuildStatusBar() {
    // The panels share the bar in these proportions; a long text is cut with
    // an ellipsis inside its own panel. The count panel never gets narrower
    // than its text needs.
    const int proportions[3] = {350, 75, 500};
    for (int i = 0; i < 3; ++i) {
        FPanels[i] = new TFittedLabel(1);
        FPanels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        FPanels[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        FPanels[i]->setContentsMargins(3, 0, 3, 0);
        FWindow.statusBar()->addWidget(FPanels[i], proportions[i]);
    }
    const int frame = 2 * FPanels[1]->frameWidth() + 6;
    FPanels[1]->setMinimumWidth(
        FPanels[1]->fontMetrics().horizontalAdvance(QStringLiteral("00000 item(s)")) + frame);
    FWindow.statusBar()->setSizeGripEnabled(true);
}

void TMainCommands::PreparePopup(const TItemPopup& popup) {
    static const char* const names[pePopupEntryCount] = {
        "ListPaneOpen",   "ListPaneMail",    "ListPaneFax",   "ListPaneDial",
        "ListPaneBrowse", "ListPaneAdvance", "ListPaneLaunch"};
    for (int e = 0; e < pePopupEntryCount; ++e)
        if (QAction* a = Command(names[e])) a->setVisible(popup.IsVisible(TPopupEntry(e)));
}

void TMainCommands::ShowViewStyle(int style) {
    // Both the menu's radio items and the buttons follow.
    for (QActionGroup* group : {FViewMenuGroup, FViewButtonGroup}) {
        if (!group) continue;
        for (QAction* a : group->actions())
            a->setChecked(a->data().toInt() == style);
    }
}

void TMainCommands::ShowTip() {
    FTipLabel->setText(FromStored(FForm.TipBar.Text()));
    if (QAction* bulb = Command("TipBulb")) bulb->setEnabled(FForm.TipBar.BulbEnabled());
}

void TMainCommands::ShowFilterButtons() {
    Command("FilterBtn1")->setChecked(FForm.Filter.FilterBtn1Down);
    Command("FilterBtn2")->setChecked(FForm.Filter.FilterBtn2Down);
}

void TMainCommands::SaveBars(ISettings& settings) const {
    settings.WriteString("Toolbars", "State", FWindow.saveState().toBase64().toStdString());
    settings.WriteInteger("Toolbars", "StatusBar", FStatusBarItem->isChecked() ? 1 : 0);
}

void TMainCommands::RestoreBars(const ISettings& settings) {
    std::string state = settings.ReadString("Toolbars", "State", "");
    if (!state.empty())
        FWindow.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    for (int i = 0; i < 4; ++i)
        FBarItems[i]->setChecked(!FBars[i]->isHidden());
    FStatusBarItem->setChecked(settings.ReadInteger("Toolbars", "StatusBar", 1) != 0);
}
