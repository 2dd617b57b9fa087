#include "platform/ui/DialogView.h"
#include "platform/ui/QtViewFactory.h"
#include "printing/FontDialog.h"
#include "printing/ui/PrintingViews.h"
#include "records/ui/OKBottomView.h"
#include "report/ui/QtFontMetrics.h"

#include <QFontDialog>

namespace {

// The desktop's font dialog over TFontDialog. Only what the user changed is
// taken back: a face kept as "Arial" stays "Arial", though the dialog shows
// the sans that stands in for it.
class TFontDialogView : public TDialogView {
public:
    TFontDialogView(TFontDialog& dialog, QWidget* parent)
        : TDialogView(dialog, new QFontDialog(DialogParent(parent))), P(dialog) {
        Fonts()->setOption(QFontDialog::DontUseNativeDialog);
    }

protected:
    void Fill() override {
        FShown = TQtFontMetrics::FontFor(P.Font);
        Fonts()->setCurrentFont(FShown);
    }
    void Store() override {
        const QFont chosen = Fonts()->selectedFont();
        if (chosen.family() != FShown.family()) P.Font.Family = chosen.family().toStdString();
        if (chosen.pointSizeF() != FShown.pointSizeF()) P.Font.Size = chosen.pointSizeF();
        if (chosen.bold() != FShown.bold()) P.Font.Bold = chosen.bold();
        if (chosen.italic() != FShown.italic()) P.Font.Italic = chosen.italic();
    }

private:
    QFontDialog* Fonts() const { return static_cast<QFontDialog*>(Dialog()); }

    TFontDialog& P;
    QFont FShown;
};

} // namespace

void RegisterFontDialogView() {
    TQtViewFactory::Register("TFontDialog", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TFontDialogView>(dynamic_cast<TFontDialog&>(p), parent);
    });
}
