#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"
#include "shell/OptionPages.h"
#include "shell/ui/ShellViews.h"
#include "shell/ui/ToolListDelegate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

// The options dialog: three pages, OK, Cancel and "&Help".
class TOptionPagesView : public TDialogView {
public:
    TOptionPagesView(TOptionPages& p, QWidget* parent)
        : TDialogView(p, new QDialog(DialogParent(parent))), P(p) {
        QDialog* dlg = Dialog();
        dlg->setObjectName("OptionPages");
        auto* pages = Named(new QTabWidget, "PageControl");
        pages->addTab(BrowserPage(), QObject::tr("Browser/Mail"));
        pages->addTab(ToolsPage(), QObject::tr("Tools Menu"));
        pages->addTab(CategoriesPage(), QObject::tr("Categories"));

        auto* buttons = new QDialogButtonBox;
        auto* ok =
            Named(buttons->addButton(QObject::tr("OK"), QDialogButtonBox::AcceptRole), "OKBtn");
        auto* cancel = Named(
            buttons->addButton(QObject::tr("Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
        auto* help =
            Named(buttons->addButton(QObject::tr("&Help"), QDialogButtonBox::HelpRole), "HelpBtn");
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, dlg, [this] { P.OKBtnClick(); });
        QObject::connect(cancel, &QPushButton::clicked, dlg, [this] { P.CancelBtnClick(); });
        // HelpBtnClick: the help topic of the form.
        QObject::connect(help, &QPushButton::clicked, dlg,
                         [this] { ShowHelpTopic(P.HelpContext, Dialog()); });

        auto* layout = new QVBoxLayout(dlg);
        layout->addWidget(pages);
        layout->addWidget(buttons);
        dlg->resize(440, 420);
    }

protected:
    void Fill() override {
        Fields.Fill();
        DebugPort->setValue(P.DebugPort);
        {
            // No button checked when the stored route is none of the three.
            Mail->setExclusive(false);
            for (QAbstractButton* b : Mail->buttons())
                b->setChecked(Mail->id(b) == P.EMailOpt);
            Mail->setExclusive(true);
        }
        TToolListDelegate::Fill(ToolsList, P.ToolsList, P.ToolsListIndex);
        const bool tool = P.SelectedTool() != nullptr;
        for (QWidget* w : {static_cast<QWidget*>(Description), static_cast<QWidget*>(FilenameEdit),
                           static_cast<QWidget*>(Arguments), static_cast<QWidget*>(AddressCheckBox),
                           static_cast<QWidget*>(DelToolBtn)})
            w->setEnabled(tool);
        {
            const QSignalBlocker block(AddressCheckBox);
            AddressCheckBox->setChecked(P.AddressCheckBox);
        }
        {
            const QSignalBlocker block(CatList);
            const bool same = CatList->count() == static_cast<int>(P.CatList.size());
            if (!same) CatList->clear();
            for (size_t i = 0; i < P.CatList.size(); ++i) {
                QString name = FromStored(P.CatList[i]);
                if (same)
                    CatList->item(static_cast<int>(i))->setText(name);
                else
                    CatList->addItem(name);
            }
            if (P.CatListIndex >= 0 && P.CatListIndex < CatList->count())
                CatList->setCurrentRow(P.CatListIndex);
        }
        if (P.FocusControl == "CatName") {
            CatName->setFocus(Qt::OtherFocusReason);
            CatName->selectAll();
        }
        P.FocusControl.clear();
    }

    void Store() override { P.ActiveControl = CatName->hasFocus() ? "CatName" : ""; }

private:
    QWidget* BrowserPage() {
        auto* page = new QWidget;
        auto* browser = new QGroupBox(QObject::tr("Preferred Browser"));
        auto* form = new QFormLayout(browser);
        auto* dde = Named(new QComboBox, "DDE");
        dde->setEditable(true);
        Fields.Combo(dde, P.DDE, P.DDEItems);
        form->addRow(QObject::tr("&Browser"), dde);
        auto* path = Named(new QLineEdit, "Path");
        Fields.Text(path, P.Path);
        auto* select = Named(new QPushButton(QStringLiteral("...")), "SelectPath");
        select->setFixedWidth(32);
        QObject::connect(select, &QPushButton::clicked, Dialog(), [this] { P.SelectPathClick(); });
        auto* pathRow = new QHBoxLayout;
        pathRow->addWidget(path);
        pathRow->addWidget(select);
        auto* pathLabel = new QLabel(QObject::tr("E&xecutable File Name"));
        pathLabel->setBuddy(path);
        form->addRow(pathLabel, pathRow);
        DebugPort = Named(new QSpinBox, "DebugPort");
        DebugPort->setRange(1, 65535);
        QObject::connect(DebugPort, &QSpinBox::valueChanged, Dialog(),
                         [this](int v) { P.DebugPort = v; });
        auto* portNote = new QLabel(QObject::tr("Chromium and Chrome; used from the next start"));
        portNote->setEnabled(false);
        auto* portRow = new QHBoxLayout;
        portRow->addWidget(DebugPort);
        portRow->addWidget(portNote, 1);
        auto* portLabel = new QLabel(QObject::tr("&Debug Port"));
        portLabel->setBuddy(DebugPort);
        form->addRow(portLabel, portRow);

        auto* mail = new QGroupBox(QObject::tr("Internet E-Mail"));
        auto* mailLayout = new QVBoxLayout(mail);
        auto* text = new QLabel(
            QObject::tr("Select the method to use for sending E-Mail to an Internet address."));
        text->setWordWrap(true);
        mailLayout->addWidget(text);
        Mail = new QButtonGroup(page);
        const char* names[] = {"EMailOpt1", "EMailOpt2", "EMailOpt3"};
        const QString captions[] = {QObject::tr("Use \"mailto\" protocol"),
                                    QObject::tr("Use the desktop mail composer"),
                                    QObject::tr("Use Web Browser ")};
        for (int i = 0; i < 3; ++i) {
            auto* b = Named(new QRadioButton(captions[i]), names[i]);
            Mail->addButton(b, i + 1);
            mailLayout->addWidget(b);
        }
        QObject::connect(Mail, &QButtonGroup::idToggled, Dialog(), [this](int id, bool on) {
            if (on && !Filling()) P.EMailOpt = id;
        });

        auto* layout = new QVBoxLayout(page);
        layout->addWidget(browser);
        layout->addWidget(mail);
        layout->addStretch();
        return page;
    }

    QWidget* ToolsPage() {
        auto* page = new QWidget;
        ToolsList = Named(new QListWidget, "ToolsList");
        ToolsList->setItemDelegate(new TToolListDelegate(ToolsList));
        ToolsList->setUniformItemSizes(true);
        QObject::connect(ToolsList, &QListWidget::currentRowChanged, Dialog(), [this](int row) {
            if (!Filling()) P.ToolsListClick(row);
        });
        auto* newBtn = Named(new QPushButton(QObject::tr("New")), "NewToolBtn");
        DelToolBtn = Named(new QPushButton(QObject::tr("Delete")), "DelToolBtn");
        QObject::connect(newBtn, &QPushButton::clicked, Dialog(), [this] { P.NewToolBtnClick(); });
        QObject::connect(DelToolBtn, &QPushButton::clicked, Dialog(),
                         [this] { P.DelToolBtnClick(); });
        auto* side = new QVBoxLayout;
        side->addWidget(newBtn);
        side->addWidget(DelToolBtn);
        side->addStretch();
        auto* top = new QHBoxLayout;
        top->addWidget(ToolsList, 1);
        top->addLayout(side);

        auto* attributes = new QGroupBox(QObject::tr("Tool Attributes"));
        auto* form = new QFormLayout(attributes);
        Description = Named(new QLineEdit, "Description");
        FilenameEdit = Named(new QLineEdit, "FilenameEdit");
        Arguments = Named(new QLineEdit, "Arguments");
        AddressCheckBox =
            Named(new QCheckBox(QObject::tr("Allow address item creation")), "AddressCheckBox");
        Fields.Text(Description, P.Description);
        Fields.Text(FilenameEdit, P.FilenameEdit);
        Fields.Text(Arguments, P.Arguments);
        form->addRow(QObject::tr("Description"), Description);
        form->addRow(QObject::tr("Executable File Name"), FilenameEdit);
        form->addRow(QObject::tr("Program Arguments"), Arguments);
        form->addRow(AddressCheckBox);
        // AttributesChange: leaving an edit or clicking the check box.
        for (QLineEdit* e : {Description, FilenameEdit, Arguments}) {
            const std::string name = ToStored(e->objectName());
            QObject::connect(e, &QLineEdit::editingFinished, Dialog(),
                             [this, name] { P.AttributesChange(name); });
        }
        QObject::connect(AddressCheckBox, &QCheckBox::clicked, Dialog(), [this](bool on) {
            P.AddressCheckBox = on;
            P.AttributesChange("AddressCheckBox");
        });

        auto* layout = new QVBoxLayout(page);
        layout->addLayout(top, 1);
        layout->addWidget(attributes);
        return page;
    }

    QWidget* CategoriesPage() {
        auto* page = new QWidget;
        auto* group = new QGroupBox(QObject::tr("Category Names"));
        CatList = Named(new QListWidget, "CatList");
        QObject::connect(CatList, &QListWidget::itemClicked, Dialog(),
                         [this](QListWidgetItem* item) { P.CatListClick(CatList->row(item)); });
        QObject::connect(CatList, &QListWidget::currentRowChanged, Dialog(), [this](int row) {
            if (!Filling() && row != P.CatListIndex) P.CatListClick(row);
        });
        CatName = Named(new QLineEdit, "CatName");
        Fields.Text(CatName, P.CatName);
        QObject::connect(CatName, &QLineEdit::editingFinished, Dialog(),
                         [this] { P.CatNameExit(); });
        auto* nameRow = new QHBoxLayout;
        auto* label = new QLabel(QObject::tr("&Edit Name:"));
        label->setBuddy(CatName);
        nameRow->addWidget(label);
        nameRow->addWidget(CatName, 1);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(CatList, 1);
        inner->addLayout(nameRow);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(group);
        return page;
    }

    TOptionPages& P;
    TFieldBinder Fields;
    QSpinBox* DebugPort = nullptr;
    QButtonGroup* Mail = nullptr;
    QListWidget* ToolsList = nullptr;
    QPushButton* DelToolBtn = nullptr;
    QLineEdit* Description = nullptr;
    QLineEdit* FilenameEdit = nullptr;
    QLineEdit* Arguments = nullptr;
    QCheckBox* AddressCheckBox = nullptr;
    QListWidget* CatList = nullptr;
    QLineEdit* CatName = nullptr;
};

} // namespace

void RegisterOptionPagesView() {
    TQtViewFactory::Register("TOptionPages", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TOptionPagesView>(static_cast<TOptionPages&>(p), parent);
    });
}
