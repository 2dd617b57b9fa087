#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>

class ISettings;
class QAction;
class QActionGroup;
class QLineEdit;
class QMainWindow;
class QMenu;
class QToolBar;
class TFittedLabel;
class TItemPopup;
class TMainForm;

// The main window's commands: every action under its control name, the menus,
// the item popup, the four toolbars, the tip bar and the status bar's panels.
// Each action hands its command to the presenter.
class TMainCommands : public QObject {
public:
    // ending: true while the program ends, when hidden bars stay checked.
    TMainCommands(TMainForm& form, QMainWindow& window, const bool& ending);

    // Builds everything into the window; exit runs File > Exit, findEdit goes
    // on the find bar.
    void Build(std::function<void()> exit, QLineEdit* findEdit);

    // The named command (its control name, e.g. "Save1", "CutBtn"), or null.
    QAction* Command(const std::string& name) const;
    QMenu* ListPopup() const { return FListPopup; }
    // The toolbar's tools popup: "&Show Popup", a separator, the tools.
    QMenu* ToolsPopup() const { return FToolsPopup; }
    // Shows the popup's entries the target's kind offers.
    void PreparePopup(const TItemPopup& popup);
    TFittedLabel* Panel(int index) const { return FPanels[index]; }

    // The view menu's and the view buttons' checked entry.
    void ShowViewStyle(int style);
    void ShowTip();
    void ShowFilterButtons();

    // Toolbar places and visibility, status bar visibility ([Toolbars]).
    void SaveBars(ISettings& settings) const;
    void RestoreBars(const ISettings& settings);

private:
    QAction* MakeAction(const char* name, const QString& caption, const QString& hint,
                        std::function<void()> handler, const QKeySequence& key = {});
    void BuildActions(std::function<void()> exit);
    void BuildMenus();
    void BuildToolbars(QLineEdit* findEdit);
    void BuildStatusBar();

    TMainForm& FForm;
    QMainWindow& FWindow;
    const bool& FEnding;
    std::map<std::string, QAction*> FCommands;
    QMenu* FListPopup = nullptr;
    QMenu* FToolsPopup = nullptr;
    QActionGroup* FViewMenuGroup = nullptr;
    QActionGroup* FViewButtonGroup = nullptr;
    QToolBar* FBars[4] = {};
    QAction* FBarItems[4] = {};
    QAction* FStatusBarItem = nullptr;
    TFittedLabel* FTipLabel = nullptr;
    TFittedLabel* FPanels[3] = {};
};
