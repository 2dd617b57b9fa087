#include "shell/ui/LogicForm.h"

#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/ViewFactory.h"
#include "platform/ui/IconImages.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

TLogicForm::TLogicForm(ISettings& settings, QObject* parent)
    : QObject(parent), FSettings(settings) {}

TLogicForm::~TLogicForm() {
    if (FTray) FTray->hide();
    if (Svc().MainWindow == FForm.get()) Svc().MainWindow = nullptr;
    if (auto* views = dynamic_cast<TQtViewFactory*>(Svc().Views)) views->SetParent(nullptr);
    FWindow.reset();
    FForm.reset();
    FDocument.Tree().Clear();
}

bool TLogicForm::Create(const std::string& commandLine) {
    FForm = std::make_unique<TMainForm>(FDocument);
    FWindow = std::make_unique<TMainWindow>(*FForm);
    FWindow->SetCommandLine(commandLine);
    Svc().MainWindow = FForm.get();
    if (auto* views = dynamic_cast<TQtViewFactory*>(Svc().Views)) views->SetParent(FWindow.get());
    try {
        FForm->Create();
    } catch (...) {
        // A partly read tree must never replace the file: end without saving it.
        std::string text = ExceptionMessage(std::current_exception()) + ".";
        QMessageBox::critical(nullptr, "Merrowin", FromStored(text));
        FEnded = true;
        try {
            FForm->Destroy(false); // the window state only
        } catch (...) {
        }
        return false;
    }
    FWindow->Loaded();
    FWindow->RestoreBars(FSettings);
    connect(FWindow.get(), &TMainWindow::ExitRequested, this, &TLogicForm::Exit);
    connect(FWindow.get(), &TMainWindow::TrayToolTipChanged, this, &TLogicForm::UpdateTrayTip);
    BuildTray();
    return true;
}

void TLogicForm::BuildTray() {
    FTray = new QSystemTrayIcon(AppIcon(), this);
    FTray->setToolTip(tr("Click to view main window"));
    FTrayPopup = new QMenu;
    FTrayPopup->setObjectName("TrayPopup");
    connect(this, &QObject::destroyed, FTrayPopup, &QObject::deleteLater);
    FTrayPopup->addAction(tr("&Restore"), this, &TLogicForm::Restore1Click)
        ->setObjectName("Restore1");
    FTrayPopup->addSeparator();
    // The tools come with the tool list.
    QMenu* tools = FTrayPopup->addMenu(tr("&Tools"));
    tools->setObjectName("Tools1");
    tools->setEnabled(false);
    FTrayPopup
        ->addAction(tr("&Get Browser URL"), this,
                    [this] { Guarded([this] { FForm->GetUrlBtnClick(); }); })
        ->setObjectName("GetBrowserURL1");
    FTrayPopup->addSeparator();
    FTrayPopup->addAction(tr("&Exit"), this, &TLogicForm::Exit)->setObjectName("Exit1");
    FTray->setContextMenu(FTrayPopup);
    connect(FTray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    TrayIconClick();
            });
    UpdateTrayTip();
    FTray->show();
}

void TLogicForm::UpdateTrayTip() {
    if (FTray && !FForm->TrayToolTip.empty()) FTray->setToolTip(FromStored(FForm->TrayToolTip));
}

void TLogicForm::Start(bool hidden) {
    if (!hidden) Restore1Click();
}

void TLogicForm::Restore1Click() {
    FWindow->ShowMainWindow();
}

void TLogicForm::TrayIconClick() {
    FWindow->ShowMainWindow();
}

void TLogicForm::OpenCommandLine(const std::string& commandLine) {
    if (FEnded) return;
    FWindow->ShowMainWindow();
    Guarded([&] { FForm->OpenCommandLine(commandLine); });
}

void TLogicForm::Exit() {
    if (FEnded) return;
    FEnded = true;
    FWindow->SetEnding();
    FWindow->SaveBars(FSettings);
    try {
        FForm->Destroy(true);
    } catch (...) {
        // Saving failed: say so; the old file is still intact.
        std::string text = ExceptionMessage(std::current_exception()) + ".";
        QMessageBox::critical(FWindow.get(), "Merrowin", FromStored(text));
    }
    if (FTray) FTray->hide();
    FWindow->close();
    emit Finished();
}
