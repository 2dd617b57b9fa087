#include "shell/ui/LogicForm.h"

#include "platform/Errors.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/ViewFactory.h"
#include "platform/ui/IconImages.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/SignalPipe.h"
#include "shell/ui/ToolMenus.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Checks while the end waits for cancelled dialogs to return.
constexpr int kEndPollMs = 10;
} // namespace

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
        // A partly read tree must never replace the file: end without saving
        // it. An end asked for while the error is shown closes it.
        FEnded = true;
        ShowError(ExceptionMessage(std::current_exception()) + ".", "Merrowin");
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
    FillToolsMenu(tools, 0, *FForm);
    connect(FWindow.get(), &TMainWindow::ToolsMenuChanged, tools,
            [this, tools] { FillToolsMenu(tools, 0, *FForm); });
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
    Guarded([&] {
        try {
            FForm->OpenCommandLine(commandLine);
        } catch (const EInOutError& e) {
            // A file named on a command line that cannot be read is the
            // caller's mistake, not the running program's: it is told, and
            // the user's session (perhaps with unsaved work) goes on.
            ShowError(e.Where() + ".", "Merrowin");
        }
    });
}

int TLogicForm::Exec() {
    FBaseLoopLevel = QThread::currentThread()->loopLevel() + 1;
    int rc = QCoreApplication::exec();
    FBaseLoopLevel = QThread::currentThread()->loopLevel();
    return rc;
}

void TLogicForm::WatchEndRequests(TSignalPipe& pipe) {
    connect(&pipe, &TSignalPipe::Raised, this, &TLogicForm::Exit);
    // The session ends: as on File Exit.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, &TLogicForm::Exit);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &TLogicForm::Exit);
}

bool TLogicForm::AtRest() const {
    return QThread::currentThread()->loopLevel() <= FBaseLoopLevel &&
           !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

void TLogicForm::CancelOpenDialogs() {
    // Top down; a widget that refuses to close must not hold the end for ever.
    for (int i = 0; i < 64; ++i) {
        QWidget* w = QApplication::activePopupWidget();
        if (!w) w = QApplication::activeModalWidget();
        if (!w) return;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    }
}

void TLogicForm::Exit() {
    if (!FWindow) return;
    if (FEnded) {
        // Asked again while the end's report is shown: close it.
        CancelOpenDialogs();
        return;
    }
    if (AtRest()) {
        Finish();
        return;
    }
    // A dialog's record is only undone once its dialog has returned to the
    // command that opened it, so the end goes on from the event loop.
    CancelOpenDialogs();
    if (!FEndTimer) {
        FEndTimer = new QTimer(this);
        FEndTimer->setInterval(kEndPollMs);
        connect(FEndTimer, &QTimer::timeout, this, [this] {
            // What the cancelled commands do next may open another box.
            CancelOpenDialogs();
            if (!FEnded && AtRest()) Finish();
        });
    }
    FEndTimer->start();
}

void TLogicForm::Finish() {
    FEnded = true;
    if (FEndTimer) FEndTimer->stop();
    FWindow->SetEnding();
    std::vector<std::string> failures;
    auto attempt = [&failures](const std::function<void()>& step) {
        try {
            step();
        } catch (...) {
            std::string text = ExceptionMessage(std::current_exception()) + ".";
            if (std::find(failures.begin(), failures.end(), text) == failures.end())
                failures.push_back(text);
        }
    };
    // The data first: nothing that happens to the settings may keep it from
    // being saved, and a failed save leaves the old file whole.
    attempt([this] { FDocument.Save(); });
    // The toolbars and the window state go into the settings file in one
    // write, at the end of the batch.
    TSettingsBatch batch(FSettings);
    attempt([this] { FWindow->SaveBars(FSettings); });
    attempt([this] { FForm->Destroy(false); });
    attempt([&batch] { batch.Commit(); });
    FEndFailed = !failures.empty();
    if (FEndFailed) {
        std::string text;
        for (const auto& f : failures) {
            if (!text.empty()) text += "\n";
            text += f;
            std::fprintf(stderr, "merrowin: %s\n", f.c_str());
        }
        ShowError(text, "Merrowin");
    }
    if (FTray) FTray->hide();
    FWindow->close();
    emit Finished();
}
