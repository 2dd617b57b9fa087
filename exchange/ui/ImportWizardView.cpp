#include "exchange/ui/ImportWizardView.h"

#include "exchange/CsvColumns.h"
#include "exchange/CsvReader.h"
#include "exchange/TextEncoding.h"
#include "exchange/jobs/ImportWizard.h"
#include "platform/ui/DialogView.h"
#include "platform/ui/ItemImages.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/ui/OKBottomView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>

namespace {

QString Q(const std::string& s) {
    return FromStored(s);
}

QLabel* Text(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

QLabel* Bold(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

// A folder tree and, where the page picks a file, the files of the chosen
// folder that match the page's mask (letter case ignored). Both follow the
// file system as it changes.
class TFolderFiles : public QWidget {
public:
    TFolderFiles(QWidget* parent, const char* folderName, const char* fileName) : QWidget(parent) {
        FDirModel = new QFileSystemModel(this);
        FDirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        FDirModel->setRootPath(QStringLiteral("/"));
        FDirs = new QTreeView(this);
        FDirs->setObjectName(QString::fromLatin1(folderName));
        FDirs->setModel(FDirModel);
        for (int c = 1; c < FDirModel->columnCount(); ++c)
            FDirs->hideColumn(c);
        FDirs->header()->hide();
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(FDirs, 1);
        // The chosen folder is shown once the folders above it have loaded.
        // The chosen folder stays in view while the folders above it load and
        // sort, until the user takes the list over.
        auto follow = [this] {
            if (!FFollow) return;
            FSetting = true;
            ShowFolder(FWanted);
            FDirs->scrollTo(FDirs->currentIndex(), QAbstractItemView::PositionAtCenter);
            FSetting = false;
        };
        connect(FDirModel, &QFileSystemModel::directoryLoaded, this, follow);
        connect(FDirModel, &QAbstractItemModel::layoutChanged, this, follow);
        FDirs->installEventFilter(this);
        FDirs->viewport()->installEventFilter(this);
        connect(FDirs->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& index) {
                    if (FSetting || !index.isValid()) return;
                    QString path = FDirModel->filePath(index);
                    ShowFiles(path);
                    if (OnFolder) OnFolder(ToStored(path));
                });
        if (!fileName) return;
        FFileModel = new QFileSystemModel(this);
        FFileModel->setFilter(QDir::Files);
        FFileModel->setNameFilterDisables(false);
        FFiles = new QListView(this);
        FFiles->setObjectName(QString::fromLatin1(fileName));
        FFiles->setModel(FFileModel);
        layout->addWidget(FFiles, 1);
        connect(FFiles->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& index) {
                    if (FSetting) return;
                    if (OnFile)
                        OnFile(index.isValid() ? ToStored(FFileModel->filePath(index))
                                               : std::string());
                });
    }

    // Shows the presenter's folder, file and mask without calling back.
    void Show(const std::string& folder, const std::string& file = {},
              const std::string& mask = {}) {
        FSetting = true;
        QString path = Q(folder);
        if (FWanted != path) FFollow = true;
        FWanted = path;
        ShowFolder(path);
        if (FFiles) {
            QStringList masks{Q(mask)};
            if (FFileModel->nameFilters() != masks) FFileModel->setNameFilters(masks);
            ShowFiles(path);
            QModelIndex f = file.empty() ? QModelIndex() : FFileModel->index(Q(file));
            if (FFiles->currentIndex() != f) FFiles->setCurrentIndex(f);
        }
        FSetting = false;
    }

    QTreeView* Dirs() const { return FDirs; }
    QListView* Files() const { return FFiles; }
    QFileSystemModel* FileModel() const { return FFileModel; }

    std::function<void(const std::string&)> OnFolder;
    std::function<void(const std::string&)> OnFile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            FFollow = false;
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }
    // A list scrolls only once it has its size: when its page is shown.
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        QTimer::singleShot(0, FDirs, [dirs = FDirs] {
            dirs->scrollTo(dirs->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
    }

private:
    void ShowFolder(const QString& path) {
        QModelIndex dir = FDirModel->index(path);
        if (!dir.isValid() || FDirs->currentIndex() == dir) return;
        for (QModelIndex up = dir.parent(); up.isValid(); up = up.parent())
            FDirs->expand(up);
        FDirs->setCurrentIndex(dir);
        FDirs->scrollTo(dir);
    }
    void ShowFiles(const QString& path) {
        if (!FFiles || FFileModel->rootPath() == path) return;
        FFileModel->setRootPath(path);
        FFiles->setRootIndex(FFileModel->index(path));
    }

    QFileSystemModel* FDirModel;
    QTreeView* FDirs;
    QFileSystemModel* FFileModel = nullptr;
    QListView* FFiles = nullptr;
    QString FWanted; // the presenter's folder, shown as the model loads
    bool FFollow = true;
    bool FSetting = false;
};

// The chosen fields: an entry dropped on another takes its place (the
// presenter moves it; the list is filled again from it).
class TFieldList : public QListWidget {
public:
    explicit TFieldList(QWidget* parent) : QListWidget(parent) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setDragDropMode(QAbstractItemView::InternalMove);
        setDefaultDropAction(Qt::MoveAction);
    }
    std::function<void(int from, int onto)> OnMove;

protected:
    void dropEvent(QDropEvent* event) override {
        const int from = currentRow();
        const int onto = indexAt(event->position().toPoint()).row();
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (OnMove) OnMove(from, onto);
    }
};

class TImportWizardView : public TDialogView {
public:
    TImportWizardView(TImportWizard& w, QWidget* parent)
        : TDialogView(w, new QDialog(DialogParent(parent))), FW(w) {
        QDialog* d = Dialog();
        d->setObjectName(QStringLiteral("ImportWizard"));
        FPages = new QStackedWidget(d);
        FPages->setObjectName(QStringLiteral("PageControl1"));
        BuildStart();
        BuildFavorites();
        BuildTransfer();
        FNav = BuildFolderPage(
            "TabSheet4",
            "Netscape Navigator stores your Bookmarks in a file called \"bookmark.htm.\"  This "
            "file is normally located in the same directory as Navigator.  Select the directory "
            "below, and any Bookmark file residing there will be available for import.",
            "NavDirListBox", "Bookmark File", "Label10", [&w](const std::string& dir) {
                w.NavDirListBox = dir;
                w.NavDirListBoxChange();
            });
        FNavAddr = BuildFolderPage(
            "TabSheet5",
            "Netscape Navigator stores your E-Mail Addresses in a file called \"address.htm.\"  "
            "This file is normally located in the same directory as Navigator.  Select the "
            "directory below, and any address file residing there will be available for import.",
            "NavAddrDirList", "Address File", "Label12", [&w](const std::string& dir) {
                w.NavAddrDirList = dir;
                w.NavAddrDirListChange();
            });
        FEudora = BuildFolderPage(
            "TabSheet6",
            "Eudora stores your E-Mail Addresses in a file called \"nndbase.txt.\"  This file is "
            "normally located in the same directory as Eudora.  Select the directory below, and "
            "any address file residing there will be available for import.",
            "EudoraDirList", "Address File", "Label13", [&w](const std::string& dir) {
                w.EudoraDirList = dir;
                w.EudoraDirListChange();
            });
        BuildFields();
        BuildCsvFile();
        BuildVCard();

        auto* cancel = new QPushButton(QStringLiteral("Cancel"), d);
        cancel->setObjectName(QStringLiteral("Button1"));
        FPrev = new QPushButton(QStringLiteral("<< Back"), d);
        FPrev->setObjectName(QStringLiteral("PrevBtn"));
        FNext = new QPushButton(QStringLiteral("Next >>"), d);
        FNext->setObjectName(QStringLiteral("NextBtn"));
        FNext->setDefault(true);
        QObject::connect(cancel, &QPushButton::clicked, d, [&w] { w.Button1Click(); });
        QObject::connect(FPrev, &QPushButton::clicked, d, [&w] { w.PrevBtnClick(); });
        QObject::connect(FNext, &QPushButton::clicked, d, [&w] { w.NextBtnClick(); });
        auto* bottom = new QHBoxLayout;
        bottom->addStretch(1);
        bottom->addWidget(cancel);
        bottom->addSpacing(12);
        bottom->addWidget(FPrev);
        bottom->addWidget(FNext);

        auto* layout = new QVBoxLayout(d);
        layout->addWidget(FPages, 1);
        layout->addLayout(bottom);
        d->resize(d->sizeHint().expandedTo(
            QSize(TImportWizard::kClientWidth + 150, TImportWizard::kClientHeight + 110)));
    }

protected:
    void Fill() override {
        for (int i = 0; i < FPages->count(); ++i)
            if (FPages->widget(i)->objectName() == Q(FW.ActivePage)) {
                if (FPages->currentIndex() != i) {
                    FPages->setCurrentIndex(i);
                    // The favorites folder opens in its first place when it
                    // is entered the first time.
                    if (FW.ActivePage == "TabSheet2") {
                        QTreeView* dirs = FFavorites->Dirs();
                        QTimer::singleShot(0, dirs, [dirs] { dirs->setFocus(); });
                    }
                }
            }
        FNext->setText(Q(FW.NextBtnCaption));
        FNext->setEnabled(FW.NextBtnEnabled);
        FPrev->setEnabled(FW.CurPage > 0);

        FImportType->setCurrentIndex(FW.ImportType);
        FFavorites->Show(FW.DirectoryListBox1);
        FLabel3->setText(Q(FW.Label3));
        FLabel7->setText(Q(FW.Label7));
        FTransfer->Show(FW.DirectoryListBox2, FW.FileListBox1, "*.tvd");
        FNav->Show(FW.NavDirListBox);
        FNavAddr->Show(FW.NavAddrDirList);
        FEudora->Show(FW.EudoraDirList);
        Dialog()->findChild<QLabel*>("Label10")->setText(Q(FW.Label10));
        Dialog()->findChild<QLabel*>("Label12")->setText(Q(FW.Label12));
        Dialog()->findChild<QLabel*>("Label13")->setText(Q(FW.Label13));

        FRecType->setCurrentIndex(FW.RecTypeCombo);
        FillList(FListBox1, FW.ListBox1);
        for (size_t i = 0; i < FW.ListBox1Selected.size() && i < FW.ListBox1.size(); ++i)
            FListBox1->item(static_cast<int>(i))->setSelected(FW.ListBox1Selected[i]);
        FillList(FListBox2, FW.ListBox2);
        FListBox2->setCurrentRow(FW.ListBox2Index);

        FCsv->Show(FW.DirectoryListBox3, FW.FileListBox2, FW.FileListBox2Mask);
        FFilter->setCurrentIndex(FW.FilterComboBox2);
        FSep->setCurrentIndex(FW.SepCharCombo);
        FHeader->setChecked(FW.HeaderCheck);
        int enc = FEncoding->findText(Q(FW.EncodingCombo));
        if (enc < 0 && !FW.EncodingCombo.empty()) {
            FEncoding->addItem(Q(FW.EncodingCombo)); // UTF-16 from the file's mark
            enc = FEncoding->count() - 1;
        }
        FEncoding->setCurrentIndex(enc);
        FEncoding->setEnabled(FW.EncodingComboEnabled && !FW.FileListBox2.empty());
        FHeaderLabel->setText(Q(FW.HeaderLabel));

        FVCard->Show(FW.DirectoryListBox4, FW.FileListBox3, "*.vcf");
        if (!Dialog()->isVisible()) CentreOnScreen();
    }

private:
    QWidget* Page(const char* name) {
        auto* page = new QWidget(FPages);
        page->setObjectName(QString::fromLatin1(name));
        FPages->addWidget(page);
        return page;
    }

    void BuildStart() {
        QWidget* p = Page("TabSheet1");
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("You can import bookmarks, e-mail addresses, and contacts from several "
                          "different sources.",
                          p));
        l->addWidget(Text("Choose a file type below, and click the \"Next >>\" button to begin "
                          "the import process.",
                          p));
        FImportType = new QComboBox(p);
        FImportType->setObjectName(QStringLiteral("ImportType"));
        for (const std::string& s : FW.ImportTypeItems)
            FImportType->addItem(Q(s));
        l->addWidget(FImportType);
        l->addStretch(1);
        QObject::connect(FImportType, &QComboBox::currentIndexChanged, p, [this](int i) {
            if (Filling()) return;
            FW.ImportType = i;
            FW.ImportTypeChange();
        });
    }

    void BuildFavorites() {
        QWidget* p = Page("TabSheet2");
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Select Directory to  Import:", p));
        FFavorites = new TFolderFiles(p, "DirectoryListBox1", nullptr);
        FFavorites->OnFolder = [this](const std::string& dir) {
            FW.DirectoryListBox1 = dir;
            FW.DirectoryListBox1Change();
        };
        FFavorites->Dirs()->installEventFilter(&FEnterFilter);
        FEnterFilter.OnEnter = [this] { FW.DirectoryListBox1Enter(); };
        l->addWidget(FFavorites, 1);
        l->addWidget(Text("Merrowin will import all the Internet Shortcuts (*.url files) from this "
                          "directory and its sub-directories.",
                          p));
        FLabel3 = new QLabel(p);
        FLabel3->setObjectName(QStringLiteral("Label3"));
        FLabel3->setTextFormat(Qt::PlainText);
        l->addWidget(FLabel3);
        l->addWidget(Text("The imported URL's will be added to:", p));
        FLabel7 = Bold(p, "Label7");
        l->addWidget(FLabel7);
    }

    void BuildTransfer() {
        QWidget* p = Page("TabSheet3");
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Select a Merrowin file to import to your database.  The contents of "
                          "this file will be merged with the information already stored in your "
                          "database.",
                          p));
        FTransfer = new TFolderFiles(p, "DirectoryListBox2", "FileListBox1");
        FTransfer->OnFolder = [this](const std::string& dir) {
            FW.DirectoryListBox2 = dir;
            FW.FileListBox1.clear();
        };
        FTransfer->OnFile = [this](const std::string& file) { FW.FileListBox1 = file; };
        l->addWidget(FTransfer, 1);
        auto* filter = new QComboBox(p);
        filter->setObjectName(QStringLiteral("FilterComboBox1"));
        filter->addItem(QStringLiteral("Merrowin File (*.tvd)"));
        l->addWidget(filter);
    }

    TFolderFiles* BuildFolderPage(const char* name, const char* text, const char* listName,
                                  const char* group, const char* labelName,
                                  std::function<void(const std::string&)> changed) {
        QWidget* p = Page(name);
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text(text, p));
        auto* folders = new TFolderFiles(p, listName, nullptr);
        folders->OnFolder = std::move(changed);
        l->addWidget(folders, 1);
        auto* box = new QGroupBox(QString::fromUtf8(group), p);
        auto* inBox = new QVBoxLayout(box);
        inBox->addWidget(Bold(box, labelName));
        l->addWidget(box);
        return folders;
    }

    void BuildFields() {
        QWidget* p = Page("TabSheet8");
        auto* l = new QGridLayout(p);
        l->addWidget(Text("This wizard will import records from a text file.  Each line of the "
                          "text file must include one record.  The fields on each line must be "
                          "separated by a single comma or tab character.",
                          p),
                     0, 0, 1, 3);
        auto* typeRow = new QHBoxLayout;
        typeRow->addWidget(new QLabel(QStringLiteral("Import records of type:"), p));
        FRecType = new QComboBox(p);
        FRecType->setObjectName(QStringLiteral("RecTypeCombo"));
        for (const TCsvRecordType& t : CsvRecordTypes())
            FRecType->addItem(ItemImage(t.Kind), Q(t.Entry));
        typeRow->addWidget(FRecType, 1);
        l->addLayout(typeRow, 1, 0, 1, 3);
        l->addWidget(new QLabel(QStringLiteral("Available Fields"), p), 2, 0);
        l->addWidget(new QLabel(QStringLiteral("Fields to Import (in order)"), p), 2, 2);
        FListBox1 = new QListWidget(p);
        FListBox1->setObjectName(QStringLiteral("ListBox1"));
        FListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
        FListBox2 = new TFieldList(p);
        FListBox2->setObjectName(QStringLiteral("ListBox2"));
        FListBox2->setToolTip(QStringLiteral("Drag & drop fields to change order"));
        auto* right = new QToolButton(p);
        right->setObjectName(QStringLiteral("CopyRtBtn"));
        right->setArrowType(Qt::RightArrow);
        right->setToolTip(QStringLiteral("Copy to Import"));
        auto* left = new QToolButton(p);
        left->setObjectName(QStringLiteral("CopyLtBtn"));
        left->setArrowType(Qt::LeftArrow);
        left->setToolTip(QStringLiteral("Copy to Available"));
        auto* arrows = new QVBoxLayout;
        arrows->addStretch(1);
        arrows->addWidget(right);
        arrows->addWidget(left);
        arrows->addStretch(1);
        l->addWidget(FListBox1, 3, 0);
        l->addLayout(arrows, 3, 1);
        l->addWidget(FListBox2, 3, 2);
        l->setRowStretch(3, 1);
        FHeader = new QCheckBox(QStringLiteral("First line holds field names"), p);
        FHeader->setObjectName(QStringLiteral("HeaderCheck"));
        l->addWidget(FHeader, 4, 0, 1, 3);
        QObject::connect(FHeader, &QCheckBox::toggled, p, [this](bool on) {
            if (Filling()) return;
            FW.HeaderCheck = on;
            FW.HeaderCheckClick();
        });

        QObject::connect(FRecType, &QComboBox::currentIndexChanged, p, [this](int i) {
            if (Filling()) return;
            FW.RecTypeCombo = i;
            FW.RecTypeComboChange();
        });
        QObject::connect(FListBox1, &QListWidget::itemSelectionChanged, p, [this] {
            if (Filling()) return;
            FW.ListBox1Selected.assign(FW.ListBox1.size(), false);
            for (int i = 0; i < FListBox1->count() && i < static_cast<int>(FW.ListBox1.size()); ++i)
                FW.ListBox1Selected[static_cast<size_t>(i)] = FListBox1->item(i)->isSelected();
        });
        QObject::connect(FListBox2, &QListWidget::currentRowChanged, p, [this](int row) {
            if (!Filling()) FW.ListBox2Index = row;
        });
        QObject::connect(right, &QToolButton::clicked, p, [this] { FW.CopyRtBtnClick(); });
        QObject::connect(left, &QToolButton::clicked, p, [this] { FW.CopyLtBtnClick(); });
        FListBox2->OnMove = [this](int from, int onto) {
            if (FW.ListBox2DragOver()) FW.ListBox2DragDrop(from, onto);
        };
    }

    void BuildCsvFile() {
        QWidget* p = Page("TabSheet7");
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("This wizard will import records from a text file.  Each line of the "
                          "text file must include one record.  The fields on each line must be "
                          "separated by a single comma or tab character.",
                          p));
        l->addWidget(new QLabel(QStringLiteral("Select File to Import"), p));
        FCsv = new TFolderFiles(p, "DirectoryListBox3", "FileListBox2");
        FCsv->OnFolder = [this](const std::string& dir) {
            FW.DirectoryListBox3 = dir;
            FW.FileListBox2.clear();
            FW.FileListBox2Change();
        };
        FCsv->OnFile = [this](const std::string& file) {
            FW.FileListBox2 = file;
            FW.FileListBox2Change();
        };
        l->addWidget(FCsv, 1);
        auto* grid = new QGridLayout;
        FFilter = new QComboBox(p);
        FFilter->setObjectName(QStringLiteral("FilterComboBox2"));
        for (const std::string& s : FW.FilterComboBox2Items)
            FFilter->addItem(Q(s));
        grid->addWidget(FFilter, 0, 0, 1, 2);
        grid->addWidget(new QLabel(QStringLiteral("Field Separator"), p), 1, 0);
        FSep = new QComboBox(p);
        FSep->setObjectName(QStringLiteral("SepCharCombo"));
        for (const std::string& s : SeparatorNames())
            FSep->addItem(Q(s));
        grid->addWidget(FSep, 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("Encoding"), p), 1, 2);
        FEncoding = new QComboBox(p);
        FEncoding->setObjectName(QStringLiteral("EncodingCombo"));
        for (const std::string& s : textencoding::AvailableEncodings())
            FEncoding->addItem(Q(s));
        grid->addWidget(FEncoding, 1, 3);
        grid->setColumnStretch(3, 1);
        l->addLayout(grid);
        FHeaderLabel = new QLabel(p);
        FHeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
        FHeaderLabel->setTextFormat(Qt::PlainText);
        FHeaderLabel->setWordWrap(true);
        l->addWidget(FHeaderLabel);

        QObject::connect(FFilter, &QComboBox::currentIndexChanged, p, [this](int i) {
            if (Filling()) return;
            FW.FilterComboBox2 = i;
            FW.FilterComboBox2Change();
        });
        QObject::connect(FSep, &QComboBox::currentIndexChanged, p, [this](int i) {
            if (Filling()) return;
            FW.SepCharCombo = i;
            FW.SepCharComboChange();
        });
        QObject::connect(FEncoding, &QComboBox::currentTextChanged, p, [this](const QString& s) {
            if (Filling()) return;
            FW.EncodingCombo = ToStored(s);
            FW.EncodingComboChange();
        });
    }

    void BuildVCard() {
        QWidget* p = Page("TabSheet9");
        auto* l = new QVBoxLayout(p);
        l->addWidget(Text("Merrowin supports import of the vCard standard file format.  This "
                          "format was developed by a consortium as a standard way of saving "
                          "contact information, and has received broad industry support.",
                          p));
        FVCard = new TFolderFiles(p, "DirectoryListBox4", "FileListBox3");
        FVCard->OnFolder = [this](const std::string& dir) {
            FW.DirectoryListBox4 = dir;
            FW.FileListBox3.clear();
        };
        FVCard->OnFile = [this](const std::string& file) { FW.FileListBox3 = file; };
        l->addWidget(FVCard, 1);
        auto* filter = new QComboBox(p);
        filter->setObjectName(QStringLiteral("FilterComboBox3"));
        filter->addItem(QStringLiteral("vCard Files (*.vcf)"));
        l->addWidget(filter);
    }

    static void FillList(QListWidget* list, const std::vector<std::string>& entries) {
        QStringList now;
        for (const std::string& e : entries)
            now << Q(e);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        if (shown == now) return;
        list->clear();
        list->addItems(now);
    }

    void CentreOnScreen() {
        QDialog* d = Dialog();
        QScreen* screen = d->parentWidget() ? d->parentWidget()->screen() : d->screen();
        if (!screen) return;
        QRect area = screen->availableGeometry();
        d->move(area.center() - QPoint(d->width() / 2, d->height() / 2));
    }

    // Calls OnEnter when the watched widget gets the focus.
    struct TEnterFilter : QObject {
        std::function<void()> OnEnter;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::FocusIn && OnEnter) OnEnter();
            return false;
        }
    };

    TImportWizard& FW;
    TEnterFilter FEnterFilter;
    QStackedWidget* FPages;
    QPushButton* FPrev;
    QPushButton* FNext;
    QComboBox* FImportType;
    TFolderFiles* FFavorites;
    QLabel* FLabel3;
    QLabel* FLabel7;
    TFolderFiles* FTransfer;
    TFolderFiles* FNav;
    TFolderFiles* FNavAddr;
    TFolderFiles* FEudora;
    QComboBox* FRecType;
    QListWidget* FListBox1;
    TFieldList* FListBox2;
    TFolderFiles* FCsv;
    QComboBox* FFilter;
    QComboBox* FSep;
    QComboBox* FEncoding;
    QCheckBox* FHeader;
    QLabel* FHeaderLabel;
    TFolderFiles* FVCard;
};

} // namespace

void RegisterImportWizardView() {
    TQtViewFactory::Register("TImportWizard", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TImportWizardView>(static_cast<TImportWizard&>(p), parent);
    });
}
