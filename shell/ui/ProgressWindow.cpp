#include "shell/ui/ProgressWindow.h"

#include "platform/ui/QtText.h"
#include "shell/ProgressForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TProgressWindow::TProgressWindow(const TProgressForm& form, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FForm(form), FAction(new QLabel(this)), FBar(new QProgressBar(this)),
      FPercent(new QLabel(this)), FResult(new QLabel(this)) {
    setWindowTitle(tr("Progress"));
    setObjectName("ProgressForm");
    FBar->setTextVisible(false);
    FPercent->setAlignment(Qt::AlignCenter);
    FResult->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 8, 15, 8);
    layout->setSpacing(4);
    layout->addWidget(FAction);
    layout->addWidget(FBar);
    layout->addWidget(FPercent);
    layout->addWidget(FResult);
    setFixedSize(TProgressForm::kClientWidth, TProgressForm::kClientHeight + 20);
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
        if (parentWidget()) {
            QRect p = parentWidget()->frameGeometry();
            move(p.center() - rect().center());
        }
        show();
    }
    repaint();
}
