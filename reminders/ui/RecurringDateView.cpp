#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"
#include "reminders/RecurringDateDlg.h"
#include "reminders/ui/ReminderViews.h"
#include "ui_RecurringDateDlg.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {

constexpr int kCellWidth = 36;
constexpr int kCellHeight = 20;

// The date dialog: month calendar, month list, year with its arrows and the
// recurrence modes worded for the chosen date.
class TRecurringDateView : public TDialogView {
public:
    using D = TRecurringDateDlg;
    TRecurringDateView(D& dlg, QWidget* parent)
        : TDialogView(dlg, new QDialog(DialogParent(parent),
                                       Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)),
          FDlg(dlg) {
        FUi.setupUi(Dialog());
        dlg.FormActivate();
        SetUpGrid();
        QStyle* style = Dialog()->style();
        FUi.OKButton->setIcon(style->standardIcon(QStyle::SP_DialogOkButton));
        FUi.CancelButton->setIcon(style->standardIcon(QStyle::SP_DialogCancelButton));

        QObject::connect(FUi.MonthSelector, &QComboBox::currentIndexChanged, Dialog(),
                         [this](int index) {
                             if (Filling()) return;
                             FDlg.MonthSelector = index;
                             FDlg.MonthSelectorChange();
                         });
        QObject::connect(FUi.YearUp, &QToolButton::clicked, Dialog(),
                         [this] { FDlg.YearUpDownClick(btNext); });
        QObject::connect(FUi.YearDown, &QToolButton::clicked, Dialog(),
                         [this] { FDlg.YearUpDownClick(btPrev); });
        // Moving the selection with the mouse or the arrow keys picks a day.
        QObject::connect(FUi.MonthGrid, &QTableWidget::currentCellChanged, Dialog(),
                         [this](int row, int col) {
                             if (!Filling() && row >= 0 && col >= 0) FDlg.MonthGridClick(col, row);
                         });
        QObject::connect(FUi.RecurModeCombo, &QComboBox::currentIndexChanged, Dialog(),
                         [this](int index) {
                             if (!Filling()) FDlg.RecurModeCombo = index;
                         });
        QObject::connect(FUi.OKButton, &QPushButton::clicked, Dialog(),
                         [this] { FDlg.OKButtonClick(); });
        QObject::connect(FUi.CancelButton, &QPushButton::clicked, Dialog(),
                         [this] { FDlg.CancelButtonClick(); });
        Dialog()->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }

protected:
    // The arrow keys move through the days at once.
    QWidget* FirstFocus() const override { return FUi.MonthGrid; }

    void Fill() override {
        FUi.DateLabel->setText(FromStored(FDlg.DateLabel));
        FillCombo(FUi.MonthSelector, FDlg.MonthSelectorItems, FDlg.MonthSelector);
        FUi.YearSelector->setText(FromStored(FDlg.YearSelector));
        for (int r = 0; r < D::kGridRows; ++r)
            for (int c = 0; c < D::kGridCols; ++c)
                FUi.MonthGrid->item(r, c)->setText(
                    FromStored(FDlg.MonthGrid[static_cast<size_t>(r)][static_cast<size_t>(c)]));
        FUi.MonthGrid->setCurrentCell(FDlg.MonthGridRow, FDlg.MonthGridCol);
        FillCombo(FUi.RecurModeCombo, FDlg.RecurModeComboItems, FDlg.RecurModeCombo);
    }

private:
    void SetUpGrid() {
        QTableWidget* grid = FUi.MonthGrid;
        grid->horizontalHeader()->setMinimumSectionSize(kCellWidth);
        grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
        grid->verticalHeader()->setMinimumSectionSize(kCellHeight);
        grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
        const int frame = 2 * grid->frameWidth();
        grid->setFixedSize(D::kGridCols * kCellWidth + frame, D::kGridRows * kCellHeight + frame);
        for (int r = 0; r < D::kGridRows; ++r)
            for (int c = 0; c < D::kGridCols; ++c) {
                auto* cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignCenter);
                if (r == 0) cell->setFlags(Qt::ItemIsEnabled);
                grid->setItem(r, c, cell);
            }
    }

    static void FillCombo(QComboBox* box, const std::vector<std::string>& items, int index) {
        QSignalBlocker block(box);
        box->clear();
        for (const std::string& item : items)
            box->addItem(FromStored(item));
        box->setCurrentIndex(index);
    }

    D& FDlg;
    Ui::RecurringDateDlg FUi;
};

} // namespace

void RegisterRecurringDateView() {
    TQtViewFactory::Register("TRecurringDateDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TRecurringDateView>(static_cast<TRecurringDateDlg&>(p), parent);
    });
}
