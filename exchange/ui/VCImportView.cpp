#include "exchange/ui/VCImportView.h"

#include "exchange/VCImportDlg.h"
#include "platform/ui/DialogView.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// "vCard Import": what the card holds, in a frame, and the two answers.
class TVCImportView : public TDialogView {
public:
    TVCImportView(TVCImportDlg& dlg, QWidget* parent)
        : TDialogView(dlg, new QDialog(DialogParent(parent))), FDlg(dlg) {
        QDialog* d = Dialog();
        d->setObjectName(QStringLiteral("VCImportDlg"));

        auto* frame = new QGroupBox(d);
        auto* intro = new QLabel(
            QStringLiteral("Attempting to read vCard with the following information:"), frame);
        FName = Field(frame, "Name");
        FOrg = Field(frame, "Org");
        auto* question = new QLabel(QStringLiteral("How should this vCard be imported?"), frame);
        QFont bold = question->font();
        bold.setBold(true);
        question->setFont(bold);

        auto* fields = new QGridLayout;
        fields->addWidget(new QLabel(QStringLiteral("Name:"), frame), 0, 0);
        fields->addWidget(FName, 0, 1);
        fields->addWidget(new QLabel(QStringLiteral("Organization:"), frame), 1, 0);
        fields->addWidget(FOrg, 1, 1);
        fields->setColumnStretch(2, 1);

        auto* inFrame = new QVBoxLayout(frame);
        inFrame->addWidget(intro);
        inFrame->addLayout(fields);
        inFrame->addSpacing(6);
        inFrame->addWidget(question);

        auto* person = new QPushButton(QStringLiteral("Import as Person"), d);
        person->setObjectName(QStringLiteral("PersonBtn"));
        person->setDefault(true);
        auto* org = new QPushButton(QStringLiteral("Import as Orgn."), d);
        org->setObjectName(QStringLiteral("OrgBtn"));
        QObject::connect(person, &QPushButton::clicked, d, [&dlg] { dlg.PersonBtnClick(); });
        QObject::connect(org, &QPushButton::clicked, d, [&dlg] { dlg.OrgBtnClick(); });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(person);
        buttons->addWidget(org);
        buttons->addStretch(1);

        auto* layout = new QVBoxLayout(d);
        layout->addWidget(frame);
        layout->addLayout(buttons);
        // Fixed border, at least the form's own client area; the fields have
        // a fixed width, so no name changes the size.
        d->setFixedSize(d->sizeHint().expandedTo(
            QSize(TVCImportDlg::kClientWidth, TVCImportDlg::kClientHeight)));
    }

protected:
    void Fill() override {
        Show(FName, FDlg.Name);
        Show(FOrg, FDlg.Org);
        if (!Dialog()->isVisible()) CentreOnScreen();
    }

private:
    static QLabel* Field(QWidget* parent, const char* name) {
        auto* label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setFixedWidth(TVCImportDlg::kFieldWidth);
        label->setTextFormat(Qt::PlainText);
        return label;
    }

    // A long name is cut to the field's width with "..."; the whole of it
    // shows as the field's tool tip.
    static void Show(QLabel* label, const std::string& text) {
        QString whole = FromStored(text);
        QString shown =
            label->fontMetrics().elidedText(whole, Qt::ElideRight, TVCImportDlg::kFieldWidth);
        label->setText(shown);
        label->setToolTip(shown == whole ? QString() : whole);
    }

    void CentreOnScreen() {
        QDialog* d = Dialog();
        QScreen* screen = d->parentWidget() ? d->parentWidget()->screen() : d->screen();
        if (!screen) return;
        QRect area = screen->availableGeometry();
        d->move(area.center() - QPoint(d->width() / 2, d->height() / 2));
    }

    TVCImportDlg& FDlg;
    QLabel* FName;
    QLabel* FOrg;
};

} // namespace

void RegisterVCImportView() {
    TQtViewFactory::Register("TVCImportDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TVCImportView>(static_cast<TVCImportDlg&>(p), parent);
    });
}
