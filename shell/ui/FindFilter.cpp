#include "shell/ui/FindFilter.h"

#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"

#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

TFindFilter::TFindFilter(TMainForm& form, QObject* parent)
    : QObject(parent), FForm(form), FFindEdit(new QLineEdit), FFilterList(new QListWidget) {
    FFindEdit->setObjectName("FindEditBox");
    FFindEdit->setStatusTip(tr("Type the title of the entry to find"));
    FFindEdit->setToolTip(FFindEdit->statusTip());
    FFindEdit->setFixedWidth(160);
    FFindEdit->setClearButtonEnabled(true);
    connect(FFindEdit, &QLineEdit::textChanged, this, &TFindFilter::FindTextEdited);
    FSearchTime.setSingleShot(true);
    FSearchTime.setInterval(1000);
    connect(&FSearchTime, &QTimer::timeout, this, &TFindFilter::FindTimerFired);

    FFilterList->setObjectName("FilterListBox");
    FFilterList->setFrameShape(QFrame::NoFrame);
    connect(FFilterList, &QListWidget::itemChanged, this, &TFindFilter::FilterItemChanged);
}

void TFindFilter::FillFilterList() {
    FFilling = true;
    FFilterList->clear();
    for (const auto& entry : FForm.FilterListBox) {
        auto* item = new QListWidgetItem(FromStored(entry.Name), FFilterList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.Checked ? Qt::Checked : Qt::Unchecked);
    }
    FFilling = false;
}

void TFindFilter::RenameCategories() {
    FFilling = true;
    const int n = std::min(FFilterList->count(), static_cast<int>(FForm.FilterListBox.size()));
    for (int i = 0; i < n; ++i)
        FFilterList->item(i)->setText(FromStored(FForm.FilterListBox[static_cast<size_t>(i)].Name));
    FFilling = false;
}

void TFindFilter::FilterItemChanged(QListWidgetItem* item) {
    if (FFilling) return;
    int row = FFilterList->row(item);
    if (row < 0 || row >= static_cast<int>(FForm.FilterListBox.size())) return;
    FForm.FilterListBox[static_cast<size_t>(row)].Checked = item->checkState() == Qt::Checked;
    Guarded([this] { FForm.FilterListBoxClick(); });
}

void TFindFilter::FindTextEdited(const QString& text) {
    Guarded([&] { FForm.FindEditBoxChange(ToStored(text)); });
    SyncFindTimer(true);
}

void TFindFilter::FindTimerFired() {
    Guarded([this] { FForm.SearchTimeTimer(); });
    SyncFindTimer(false);
}

void TFindFilter::SyncFindTimer(bool restart) {
    if (!FForm.SearchTimeEnabled)
        FSearchTime.stop();
    else if (restart || !FSearchTime.isActive())
        FSearchTime.start();
}
