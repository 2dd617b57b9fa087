#include "platform/ui/DialogView.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"
#include "shell/ToolsDlg.h"
#include "shell/ui/ShellViews.h"
#include "shell/ui/ToolListDelegate.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The "Tools" tool window: the tools, "&Launch", "&New Address..." and "&Close".
class TToolsDlgView : public TDialogView {
public:
    TToolsDlgView(TToolsDlg& p, QWidget* parent)
        : TDialogView(p, new QDialog(DialogParent(parent), Qt::Tool)), P(p) {
        QDialog* dlg = Dialog();
        dlg->setObjectName("ToolsDlg");
        ToolsList = new QListWidget;
        ToolsList->setObjectName("ToolsList");
        ToolsList->setItemDelegate(new TToolListDelegate(ToolsList));
        ToolsList->setUniformItemSizes(true);
        QObject::connect(ToolsList, &QListWidget::currentRowChanged, dlg, [this](int row) {
            if (!Filling()) P.ToolsListClick(row);
        });
        QObject::connect(ToolsList, &QListWidget::itemDoubleClicked, dlg,
                         [this] { P.LaunchBtnClick(); });
        LaunchBtn = new QPushButton(QObject::tr("&Launch"));
        LaunchBtn->setObjectName("LaunchBtn");
        AddrBtn = new QPushButton(QObject::tr("&New Address..."));
        AddrBtn->setObjectName("AddrBtn");
        CloseBtn = new QPushButton(QObject::tr("&Close"));
        auto* close = CloseBtn;
        close->setObjectName("CloseBtn");
        QObject::connect(LaunchBtn, &QPushButton::clicked, dlg, [this] { P.LaunchBtnClick(); });
        QObject::connect(AddrBtn, &QPushButton::clicked, dlg, [this] { P.AddrBtnClick(); });
        QObject::connect(close, &QPushButton::clicked, dlg, [this] { P.CloseBtnClick(); });
        LaunchBtn->setDefault(true);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(LaunchBtn);
        buttons->addWidget(AddrBtn);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(dlg);
        layout->addWidget(ToolsList, 1);
        layout->addLayout(buttons);
        dlg->resize(dlg->sizeHint().expandedTo(QSize(242, 228)));
        // Centred on the screen, as a tool window that belongs to no place.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            dlg->move(screen->availableGeometry().center() - dlg->rect().center());
    }

protected:
    // Not the list: focusing it would make its first tool current unasked.
    QWidget* FirstFocus() const override { return CloseBtn; }
    void Fill() override {
        TToolListDelegate::Fill(ToolsList, P.ToolsList, P.ToolsListIndex);
        LaunchBtn->setEnabled(P.LaunchBtnEnabled);
        AddrBtn->setEnabled(P.AddrBtnEnabled);
    }

private:
    TToolsDlg& P;
    QListWidget* ToolsList = nullptr;
    QPushButton* LaunchBtn = nullptr;
    QPushButton* AddrBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

} // namespace

void RegisterToolsDlgView() {
    TQtViewFactory::Register("TToolsDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TToolsDlgView>(static_cast<TToolsDlg&>(p), parent);
    });
}
