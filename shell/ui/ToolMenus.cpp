#include "shell/ui/ToolMenus.h"

#include "platform/ui/ItemImages.h"
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/MainCommands.h"
#include "shell/ui/MainWindow.h"

#include <QMenu>

void FillToolsMenu(QMenu* menu, int keep, TMainForm& form) {
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = keep; i < actions.size(); ++i) {
        menu->removeAction(actions[i]);
        if (actions[i]->parent() == menu) delete actions[i];
    }
    for (int i = 0; i < form.Tools.Count(); ++i) {
        const TToolItem* tool = form.Tools.Item(i);
        // A "&" in a description is shown, not taken as the access key.
        QString caption = FromStored(tool->Description).replace('&', QStringLiteral("&&"));
        QAction* a = menu->addAction(ItemImage(tool->ImageIndex()), caption);
        a->setObjectName(QStringLiteral("Tool%1").arg(i));
        QObject::connect(a, &QAction::triggered, menu,
                         [&form, i] { Guarded([&form, i] { form.ToolMenuItemClick(i); }); });
    }
}

QMenu* TMainWindow::ToolsPopup() const {
    return FCommands ? FCommands->ToolsPopup() : nullptr;
}

void TMainWindow::ToolsChanged() {
    // The popup keeps "&Show Popup" and its separator.
    if (QMenu* popup = ToolsPopup()) FillToolsMenu(popup, 2, FForm);
    emit ToolsMenuChanged();
}
