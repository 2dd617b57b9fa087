#include "exchange/ui/ExportWizardView.h"

#include "exchange/jobs/ExportWizard.h"
#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"
#include "platform/ui/ItemImages.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLabel* Text(const char* text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QColor ColorOf(uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A folder field with its chooser: the path and a "Browse..." button.
class TFolderChooser : public QWidget {
public:
    TFolderChooser(const char* name, std::string& field, QWidget* parent)
        : QWidget(parent), FField(field) {
        setObjectName(QString::fromLatin1(name));
        FEdit = new QLineEdit(this);
        FEdit->setObjectName(QString::fromLatin1(name) + QStringLiteral("Edit"));
        auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(FEdit, 1);
        row->addWidget(browse);
        QObject::connect(FEdit, &QLineEdit::textEdited, this,
                         [this](const QString& t) { FField = ToStored(t); });
        QObject::connect(browse, &QPushButton::clicked, this, [this] {
            QString dir = QFileDialog::getExistingDirectory(
                this, QStringLiteral("Select directory"), FromStored(FField));
            if (dir.isEmpty()) return;
            FField = ToStored(dir);
            FEdit->setText(dir);
        });
    }
    void Fill() { FEdit->setText(FromStored(FField)); }

private:
    std::string& FField;
    QLineEdit* FEdit;
};

// "Publishing Wizard": one page at a time in a stack, with the wizard's buttons.
class TExportWizardView : public TDialogView {
public:
    TExportWizardView(TExportWizard& w, QWidget* parent)
        : TDialogView(w, new QDialog(DialogParent(parent))), FWizard(w) {
        QDialog* d = Dialog();
        d->setObjectName(QStringLiteral("ExportWizard"));
        FStack = new QStackedWidget(d);
        for (const std::string& name : w.AllPages()) {
            auto* page = new QWidget(FStack);
            page->setObjectName(QString::fromStdString(name));
            FStack->addWidget(page);
        }
        BuildChoice(Page(0));
        BuildTransfer(Page(1));
        BuildIndex(Page(2));
        BuildGraphics(Page(3));
        BuildLinks(Page(4));
        BuildSite(Page(5));
        BuildFields(Page(6));
        BuildCsvFile(Page(7));
        BuildVCardFile(Page(8));

        FPrev = new QPushButton(QStringLiteral("<< Back"), d);
        FPrev->setObjectName(QStringLiteral("PrevBtn"));
        FNext = new QPushButton(d);
        FNext->setObjectName(QStringLiteral("NextBtn"));
        FNext->setDefault(true);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), d);
        cancel->setObjectName(QStringLiteral("Button1"));
        QObject::connect(FPrev, &QPushButton::clicked, d, [this] { FWizard.PrevBtnClick(); });
        QObject::connect(FNext, &QPushButton::clicked, d, [this] { FWizard.NextBtnClick(); });
        QObject::connect(cancel, &QPushButton::clicked, d, [this] { FWizard.Button1Click(); });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(cancel);
        buttons->addWidget(FPrev);
        buttons->addWidget(FNext);

        auto* layout = new QVBoxLayout(d);
        layout->addWidget(FStack, 1);
        layout->addLayout(buttons);
        d->resize(520, 400);
    }

protected:
    void Fill() override {
        TExportWizard& w = FWizard;
        d()->setWindowTitle(FromStored(w.Caption));
        FFields.Fill();
        for (auto* chooser : FChoosers)
            chooser->Fill();
        FExportType->setCurrentIndex(w.ExportType);
        FLevels->setValue(w.LevelsEdit);
        FFrames->setChecked(w.FramesCheckBox);
        FBkg->setEditText(FromStored(w.BkgComboBox));
        FTextColor->setCurrentIndex(w.TextColorCombo);
        FLinkColor->setCurrentIndex(w.LinkColorCombo);
        FIncludeTVD->setChecked(w.IncludeTVD);
        FIncludeVCard->setChecked(w.IncludeVCard);
        FRecType->setCurrentIndex(w.RecTypeCombo);
        FillList(FList1, w.ListBox1, w.ListBox1Selected);
        FillList(FList2, w.ListBox2, w.ListBox2Selected);
        FFieldNames->setChecked(w.FieldNamesCheck);
        DrawPreview();

        if (QWidget* page = FStack->findChild<QWidget*>(QString::fromStdString(w.ActivePage)))
            FStack->setCurrentWidget(page);
        FNext->setText(FromStored(w.NextBtnCaption));
        FNext->setEnabled(w.NextBtnEnabled);
        FPrev->setEnabled(w.CurPage > 0);
        if (!w.FocusControl.empty())
            if (auto* target = d()->findChild<QWidget*>(QString::fromStdString(w.FocusControl)))
                target->setFocus();
        if (!d()->isVisible()) CentreOnScreen();
    }

private:
    QDialog* d() const { return Dialog(); }
    QWidget* Page(int i) const { return FStack->widget(i); }

    QLineEdit* Edit(const char* name, std::string& field, QWidget* parent) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        FFields.Text(e, field);
        return e;
    }
    TFolderChooser* Chooser(const char* name, std::string& field, QWidget* parent) {
        auto* c = new TFolderChooser(name, field, parent);
        FChoosers.push_back(c);
        return c;
    }
    QCheckBox* Check(const char* name, const char* caption, bool& field, QWidget* parent) {
        auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
        c->setObjectName(QString::fromLatin1(name));
        QObject::connect(c, &QCheckBox::toggled, d(), [this, &field](bool on) {
            if (!Filling()) field = on;
        });
        return c;
    }

    void BuildChoice(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("You can publish any portion of your database to any of the standard "
                          "file types listed below.",
                          p));
        l->addWidget(Text("This Wizard will export all items and sub-items of:", p));
        auto* path = Text("", p, true);
        path->setObjectName(QStringLiteral("Label4"));
        path->setAlignment(Qt::AlignCenter);
        path->setTextFormat(Qt::PlainText);
        FFields.Label(path, FWizard.Label4);
        l->addWidget(path);
        l->addWidget(Text("Choose a file type below, and click the \"Next >>\" button to begin "
                          "the export process.",
                          p));
        FExportType = new QComboBox(p);
        FExportType->setObjectName(QStringLiteral("ExportType"));
        for (const auto& e : FWizard.ExportTypeItems)
            FExportType->addItem(FromStored(e));
        QObject::connect(FExportType, &QComboBox::activated, d(), [this](int index) {
            FWizard.ExportType = index;
            FWizard.ExportTypeChange();
        });
        l->addWidget(FExportType);
        l->addStretch(1);
    }

    void BuildTransfer(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Select directory:", p));
        l->addWidget(Chooser("DirectoryListBox1", FWizard.DirectoryListBox1, p));
        l->addWidget(Text("Select the drive and directory where you want to export your "
                          "Merrowin data file, and type the desired name for the file below.",
                          p));
        l->addWidget(Text("Filename", p, true));
        l->addWidget(Edit("Edit1", FWizard.Edit1, p));
        l->addStretch(1);
    }

    void BuildIndex(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Index", p, true));
        l->addWidget(Text("The HTML Publishing Wizard will automatically create an index for all "
                          "the entries that appear in your HTML file.  This will look very "
                          "similar to the left side of Merrowin's main window.",
                          p));
        l->addWidget(Text("Choose the maximum number of levels to include in your index.  A "
                          "value of zero will include all levels.",
                          p));
        FLevels = new QSpinBox(p);
        FLevels->setObjectName(QStringLiteral("LevelsEdit"));
        FLevels->setRange(0, 9);
        QObject::connect(FLevels, &QSpinBox::valueChanged, d(), [this](int v) {
            if (!Filling()) FWizard.LevelsEdit = v;
        });
        l->addWidget(FLevels, 0, Qt::AlignLeft);
        l->addWidget(Text("Choose 'Use Frames' if you will be using a Frames-compatible Web "
                          "Browser.  If you do not use frames, the index will appear at the top "
                          "of the page instead of in its own window.",
                          p));
        FFrames = Check("FramesCheckBox", "Use Frames", FWizard.FramesCheckBox, p);
        l->addWidget(FFrames);
        l->addStretch(1);
    }

    void BuildGraphics(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Graphics", p, true));
        l->addWidget(Text("Choose a background image to appear in your HTML pages.", p));
        FBkg = new QComboBox(p);
        FBkg->setObjectName(QStringLiteral("BkgComboBox"));
        FBkg->setEditable(true);
        FBkg->setInsertPolicy(QComboBox::NoInsert);
        for (const auto& e : FWizard.BkgComboBoxItems)
            FBkg->addItem(FromStored(e));
        QObject::connect(FBkg, &QComboBox::textActivated, d(), [this](const QString& t) {
            FWizard.BkgComboBox = ToStored(t);
            FWizard.BkgComboBoxChange();
        });
        auto* browse = new QPushButton(QStringLiteral("Browse..."), p);
        browse->setObjectName(QStringLiteral("BrowseBkgButton"));
        QObject::connect(browse, &QPushButton::clicked, d(),
                         [this] { FWizard.BrowseBkgButtonClick(); });
        auto* bkgRow = new QHBoxLayout;
        bkgRow->addWidget(FBkg, 1);
        bkgRow->addWidget(browse);
        l->addLayout(bkgRow);

        auto* row = new QHBoxLayout;
        auto* colors = new QGridLayout;
        colors->addWidget(Text("Choose the default text colors:", p), 0, 0, 1, 2);
        colors->addWidget(Text("Normal Text", p), 1, 0);
        FTextColor = ColorCombo("TextColorCombo", FWizard.TextColorCombo, p);
        colors->addWidget(FTextColor, 1, 1);
        colors->addWidget(Text("Links", p), 2, 0);
        FLinkColor = ColorCombo("LinkColorCombo", FWizard.LinkColorCombo, p);
        colors->addWidget(FLinkColor, 2, 1);
        colors->setRowStretch(3, 1);
        row->addLayout(colors, 1);
        auto* preview = new QGroupBox(QStringLiteral("Preview"), p);
        FPreview = new QLabel(preview);
        FPreview->setObjectName(QStringLiteral("BkgImage"));
        FPreview->setFixedSize(TExportWizard::kPreviewWidth, TExportWizard::kPreviewHeight);
        (new QVBoxLayout(preview))->addWidget(FPreview);
        row->addWidget(preview);
        l->addLayout(row);
        l->addStretch(1);
    }

    QComboBox* ColorCombo(const char* name, int& field, QWidget* p) {
        auto* box = new QComboBox(p);
        box->setObjectName(QString::fromLatin1(name));
        for (size_t i = 0; i < FWizard.ColorItems.size(); ++i) {
            QPixmap swatch(12, 12);
            swatch.fill(ColorOf(TExportWizard::ColorOfIndex(static_cast<int>(i))));
            box->addItem(QIcon(swatch), FromStored(FWizard.ColorItems[i]));
        }
        QObject::connect(box, &QComboBox::activated, d(), [this, &field](int index) {
            field = index;
            FWizard.TextColorComboChange();
        });
        return box;
    }

    void BuildLinks(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Downloadable Links", p, true));
        l->addWidget(Text("You can include links in your HTML page to allow downloading of "
                          "individual records, or the entire contents of the page.  When you "
                          "click on one of these links in your Web Browser, the information is "
                          "automatically added to your Merrowin database.",
                          p));
        FIncludeTVD =
            Check("IncludeTVD", "Include link for all contents (TVD file)", FWizard.IncludeTVD, p);
        FIncludeVCard = Check("IncludeVCard",
                              "Include links for individual person/organization records "
                              "(vCard file)",
                              FWizard.IncludeVCard, p);
        l->addWidget(FIncludeTVD);
        l->addWidget(FIncludeVCard);
        l->addStretch(1);
    }

    void BuildSite(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("You are now ready to create your HTML (and associated) files.  Select "
                          "the directory where you would like to have the files created, and "
                          "enter a title and filename.",
                          p));
        l->addWidget(Chooser("DirectoryListBox2", FWizard.DirectoryListBox2, p));
        auto* grid = new QGridLayout;
        grid->addWidget(Text("Name for main page file:", p), 0, 0);
        grid->addWidget(Edit("StartPageEdit", FWizard.StartPageEdit, p), 0, 1);
        grid->addWidget(Text("Title of page:", p), 1, 0);
        grid->addWidget(Edit("TitleEdit", FWizard.TitleEdit, p), 1, 1);
        l->addLayout(grid);
        l->addStretch(1);
    }

    void BuildFields(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("This wizard will export records to a comma-delimited text file.  Each "
                          "line of the text file will include one record, and the fields will be "
                          "separated by a comma.",
                          p));
        auto* typeRow = new QHBoxLayout;
        typeRow->addWidget(Text("Export records of type:", p, true));
        FRecType = new QComboBox(p);
        FRecType->setObjectName(QStringLiteral("RecTypeCombo"));
        for (size_t i = 0; i < FWizard.RecTypeItems.size(); ++i)
            FRecType->addItem(ItemImage(FWizard.RecTypeImages[i]),
                              FromStored(FWizard.RecTypeItems[i]));
        QObject::connect(FRecType, &QComboBox::activated, d(), [this](int index) {
            FWizard.RecTypeCombo = index;
            FWizard.RecTypeComboChange();
        });
        typeRow->addWidget(FRecType, 1);
        l->addLayout(typeRow);

        FList1 = new QListWidget(p);
        FList1->setObjectName(QStringLiteral("ListBox1"));
        FList1->setSelectionMode(QAbstractItemView::ExtendedSelection);
        FList2 = new QListWidget(p);
        FList2->setObjectName(QStringLiteral("ListBox2"));
        FList2->setSelectionMode(QAbstractItemView::ExtendedSelection);
        FList2->setToolTip(QStringLiteral("Drag & drop fields to change order"));
        FList2->setDragDropMode(QAbstractItemView::InternalMove);
        // The list moves the row itself; the presenter's order follows it.
        QObject::connect(FList2->model(), &QAbstractItemModel::rowsMoved, d(),
                         [this](const QModelIndex&, int from, int, const QModelIndex&, int to) {
                             if (Filling()) return;
                             FWizard.ListBox2DragDrop(from, to > from ? to - 1 : to);
                         });
        auto* right = new QPushButton(QStringLiteral(">"), p);
        right->setObjectName(QStringLiteral("CopyRtBtn"));
        right->setToolTip(QStringLiteral("Copy to Import"));
        auto* left = new QPushButton(QStringLiteral("<"), p);
        left->setObjectName(QStringLiteral("CopyLtBtn"));
        left->setToolTip(QStringLiteral("Copy to Available"));
        QObject::connect(right, &QPushButton::clicked, d(), [this] {
            FWizard.ListBox1Selected = Selected(FList1);
            FWizard.CopyRtBtnClick();
        });
        QObject::connect(left, &QPushButton::clicked, d(), [this] {
            FWizard.ListBox2Selected = Selected(FList2);
            FWizard.CopyLtBtnClick();
        });
        auto* lists = new QGridLayout;
        lists->addWidget(Text("Available Fields", p, true), 0, 0);
        lists->addWidget(Text("Fields to Export (in order)", p, true), 0, 2);
        lists->addWidget(FList1, 1, 0);
        auto* middle = new QVBoxLayout;
        middle->addStretch(1);
        middle->addWidget(right);
        middle->addWidget(left);
        middle->addStretch(1);
        lists->addLayout(middle, 1, 1);
        lists->addWidget(FList2, 1, 2);
        l->addLayout(lists, 1);
    }

    void BuildCsvFile(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("To begin the export, select a directory and filename below.", p));
        l->addWidget(Chooser("DirectoryListBox3", FWizard.DirectoryListBox3, p));
        l->addWidget(Text("Filename", p, true));
        l->addWidget(Edit("Edit2", FWizard.Edit2, p));
        FFieldNames = Check("FieldNamesCheck", "Include field names as first line",
                            FWizard.FieldNamesCheck, p);
        l->addWidget(FFieldNames);
        l->addStretch(1);
    }

    void BuildVCardFile(QWidget* p) {
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Select directory:", p));
        l->addWidget(Chooser("DirectoryListBox4", FWizard.DirectoryListBox4, p));
        l->addWidget(Text("Select the drive and directory where you want to export your vCard "
                          "file, and type the desired name for the file below.",
                          p));
        l->addWidget(Edit("Edit3", FWizard.Edit3, p));
        l->addStretch(1);
    }

    static std::vector<int> Selected(QListWidget* list) {
        std::vector<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) rows.push_back(i);
        return rows;
    }

    static void FillList(QListWidget* list, const std::vector<std::string>& entries,
                         const std::vector<int>& selected) {
        list->clear();
        for (const auto& e : entries)
            list->addItem(FromStored(e));
        for (int i : selected)
            if (i >= 0 && i < list->count()) list->item(i)->setSelected(true);
    }

    // "Sample Text" and "Sample Link" in the chosen colours on the background.
    void DrawPreview() {
        QPixmap pixmap(TExportWizard::kPreviewWidth, TExportWizard::kPreviewHeight);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        if (!FWizard.PreviewPicture.empty()) {
            QPixmap picture(FromStored(FWizard.PreviewPicture));
            if (!picture.isNull()) painter.drawTiledPixmap(pixmap.rect(), picture);
        }
        QFont font = painter.font();
        font.setPointSize(12);
        painter.setFont(font);
        painter.setPen(ColorOf(FWizard.PreviewTextColor));
        painter.drawText(QPoint(10, 5 + QFontMetrics(font).ascent()),
                         QStringLiteral("Sample Text"));
        font.setPointSize(10);
        font.setUnderline(true);
        painter.setFont(font);
        painter.setPen(ColorOf(FWizard.PreviewLinkColor));
        painter.drawText(QPoint(20, 40 + QFontMetrics(font).ascent()),
                         QStringLiteral("Sample Link"));
        painter.end();
        FPreview->setPixmap(pixmap);
    }

    void CentreOnScreen() {
        QScreen* screen = d()->parentWidget() ? d()->parentWidget()->screen() : d()->screen();
        if (!screen) return;
        QRect area = screen->availableGeometry();
        d()->move(area.center() - QPoint(d()->width() / 2, d()->height() / 2));
    }

    TExportWizard& FWizard;
    TFieldBinder FFields;
    std::vector<TFolderChooser*> FChoosers;
    QStackedWidget* FStack;
    QPushButton* FPrev;
    QPushButton* FNext;
    QComboBox* FExportType = nullptr;
    QSpinBox* FLevels = nullptr;
    QCheckBox* FFrames = nullptr;
    QComboBox* FBkg = nullptr;
    QComboBox* FTextColor = nullptr;
    QComboBox* FLinkColor = nullptr;
    QLabel* FPreview = nullptr;
    QCheckBox* FIncludeTVD = nullptr;
    QCheckBox* FIncludeVCard = nullptr;
    QComboBox* FRecType = nullptr;
    QListWidget* FList1 = nullptr;
    QListWidget* FList2 = nullptr;
    QCheckBox* FFieldNames = nullptr;
};

} // namespace

void RegisterExportWizardView() {
    TQtViewFactory::Register("TExportWizard", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TExportWizardView>(static_cast<TExportWizard&>(p), parent);
    });
}
