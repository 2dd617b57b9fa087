#include "shell/ui/ProgressWindow.h"

#include "platform/ui/QtText.h"
#include "shell/ProgressForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TProgressWindow::TProgressWindow(const TProgressForm& form, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FForm(form), FAction(new QLabel(this)), FBar(new QProgressBar(this)),
      FPercent(new QLabel(this)), FResult(new QLabel(this)) {
    setWindowTitle(tr("Progress"));
    setObjectName("ProgressForm");
    // Four lines in the fixed client area, each 265 pixels wide and
    // centred; the percentage is a narrow label in the middle.
    constexpr int kLineWidth = 265;
    FAction->setObjectName("ActionLabel");
    FBar->setObjectName("ProgressBar1");
    FPercent->setObjectName("PercentLabel");
    FResult->setObjectName("ResultLabel");
    FBar->setTextVisible(false);
    FBar->setRange(0, 100);
    FBar->setFixedSize(kLineWidth, 14);
    FAction->setFixedWidth(kLineWidth);
    FResult->setFixedWidth(kLineWidth);
    FPercent->setFixedWidth(32);
    FPercent->setAlignment(Qt::AlignCenter);
    FResult->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    const int side = (TProgressForm::kClientWidth - kLineWidth) / 2;
    layout->setContentsMargins(side, 4, side, 4);
    layout->setSpacing(2);
    layout->addWidget(FAction);
    layout->addWidget(FBar);
    layout->addWidget(FPercent, 0, Qt::AlignHCenter);
    layout->addWidget(FResult);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setFixedSize(TProgressForm::kClientWidth, TProgressForm::kClientHeight);
}

void TProgressWindow::Sync() {
    if (!FForm.Visible) {
        hide();
        return;
    }
    FAction->setText(FromStored(FForm.Action));
    FBar->setRange(0, FForm.Max > 0 ? FForm.Max : 1);
    FBar->setValue(std::clamp(FForm.Position, 0, FBar->maximum()));
    FPercent->setText(FromStored(FForm.PercentText()));
    FResult->setText(FromStored(FForm.Result));
    if (!isVisible()) {
        show();
        Centre(); // the frame is known once shown
    }
    repaint();
}

void TProgressWindow::Centre() {
    // On the screen the main window is on, in its middle.
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    if (!on) on = QGuiApplication::primaryScreen();
    if (!on) return;
    const QRect area = on->availableGeometry();
    const QRect frame = frameGeometry();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}
