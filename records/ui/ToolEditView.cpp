#include "platform/ui/QtViewFactory.h"
#include "records/ToolEdit.h"
#include "records/ui/OKBottomView.h"
#include "records/ui/RecordViews.h"
#include "ui_ToolEdit.h"

namespace {

// The tool item dialog: title, target address, comment and the tool's icon.
class TToolEditView : public TOKBottomView {
public:
    TToolEditView(TToolEdit& dlg, QWidget* parent)
        : TOKBottomView(dlg, new QDialog(DialogParent(parent))) {
        FUi.setupUi(Dialog());
        Fields.Text(FUi.TitleEdit, dlg.TitleEdit);
        Fields.Text(FUi.Address, dlg.Address);
        Fields.Text(FUi.CommentEdit, dlg.CommentEdit);
        SetUpCommon(dlg.Image1, "application-x-executable", QStyle::SP_ComputerIcon);
    }

private:
    Ui::ToolEdit FUi;
};

} // namespace

void RegisterToolEditView() {
    TQtViewFactory::Register("TToolEdit", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TToolEditView>(static_cast<TToolEdit&>(p), parent);
    });
}
