#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/CategoryPopup.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_CategoryPopup.h"

#include <QSignalBlocker>

namespace {

constexpr int kItemHeight = 16;

// The category picker: a tool window with one check box per category. Every
// tick goes into the presenter at once, as the popup's outcome does not
// matter: however it closes, the ticked set is taken.
class TCategoryPopupView : public TDialogView {
public:
    TCategoryPopupView(TCategoryPopup& popup, QWidget* parent)
        : TDialogView(popup, new QDialog(DialogParent(parent), Qt::Tool)), FPopup(popup) {
        FUi.setupUi(Dialog());
        Dialog()->setFixedSize(TCategoryPopup::kClientWidth, TCategoryPopup::kClientHeight);
        QListWidget* list = FUi.CheckListBox1;
        QPalette pal = list->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        list->setPalette(pal);
        QObject::connect(list, &QListWidget::itemChanged, Dialog(), [this](QListWidgetItem* item) {
            const int row = FUi.CheckListBox1->row(item);
            if (Filling() || row < 0 || row >= static_cast<int>(FPopup.CheckListBox1.size()))
                return;
            FPopup.CheckListBox1[static_cast<size_t>(row)].Checked =
                item->checkState() == Qt::Checked;
        });
    }

protected:
    void Fill() override {
        QListWidget* list = FUi.CheckListBox1;
        QSignalBlocker block(list);
        list->clear();
        for (const TCategoryPopup::TCheckItem& entry : FPopup.CheckListBox1) {
            auto* item = new QListWidgetItem(FromStored(entry.Name), list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(entry.Checked ? Qt::Checked : Qt::Unchecked);
            item->setSizeHint(QSize(0, kItemHeight));
        }
    }

private:
    TCategoryPopup& FPopup;
    Ui::CategoryPopup FUi;
};

} // namespace

void RegisterCategoryPopupView() {
    TQtViewFactory::Register("TCategoryPopup", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TCategoryPopupView>(static_cast<TCategoryPopup&>(p), parent);
    });
}
