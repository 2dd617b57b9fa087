#include "printing/ui/ReportFormView.h"

#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "printing/ReportForm.h"
#include "records/EditMask.h"
#include "records/ui/MaskEdit.h"
#include "records/ui/OKBottomView.h"
#include "report/EnvelopeSize.h"
#include "report/LabelStock.h"
#include "report/ui/QtFontMetrics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A masked edit's text as the presenter keeps it: the input positions alone,
// without the point; a position not filled keeps the blank.
std::string MaskValue(const TMaskEdit* edit) {
    const TEditMask mask(edit->Mask());
    const std::string shown = edit->text().toStdString();
    std::string value;
    for (int i = 0; i < mask.Length() && i < static_cast<int>(shown.size()); ++i)
        if (mask.IsInputPosition(i)) value += shown[static_cast<size_t>(i)];
    return value;
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TReportFormView::TReportFormView(TReportForm& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(DialogParent(parent))), P(presenter) {
    QDialog* d = Dialog();
    d->setObjectName("ReportForm");
    auto* main = new QVBoxLayout(d);

    auto* top = new QFormLayout;
    FType = new QComboBox;
    FType->setObjectName("RptTypeCombo");
    for (const std::string& t : TReportForm::ReportTypes())
        FType->addItem(QString::fromStdString(t));
    Fields.Index(FType, P.RptTypeCombo, [this] { P.RptTypeComboChange(); });
    Fields.Show([this] {
        if (P.RptTypeCombo >= 0 && P.RptTypeCombo < FPages->count())
            FPages->setCurrentIndex(P.RptTypeCombo);
        FStartLabel->setMaximum(std::max(1, P.LabelSheet().LabelsPerSheet()));
    });
    top->addRow(Caption(QObject::tr("Report &Type:"), FType), FType);
    main->addLayout(top);

    auto* from = new QGroupBox(QObject::tr("Print Items From"));
    auto* fromLayout = new QVBoxLayout(from);
    FNodeId = new QLabel;
    FNodeId->setObjectName("NodeId");
    FNodeId->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FNodeId->setWordWrap(true);
    fromLayout->addWidget(FNodeId);
    Fields.Label(FNodeId, P.NodeId);
    main->addWidget(from);

    FPages = new QStackedWidget;
    FPages->setObjectName("Pages");
    FPages->addWidget(ListingPage());
    FPages->addWidget(EnvelopePage());
    FPages->addWidget(BookPage());
    FPages->addWidget(LabelPage());
    FPages->addWidget(SimplePage());
    main->addWidget(FPages, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* preview =
        Button("PreviewBtn", QObject::tr("P&review"), [this] { P.PreviewBtnClick(); });
    preview->setDefault(true);
    buttons->addWidget(preview);
    buttons->addWidget(Button("PrintBtn", QObject::tr("&Print"), [this] { P.PrintBtnClick(); }));
    buttons->addWidget(Button("CloseBtn", QObject::tr("&Close"), [this] { P.CloseBtnClick(); }));
    main->addLayout(buttons);
}

QString TReportFormView::FontSample(const TReportFont& font, bool withSize) {
    QString face = FromStored(font.Family);
    if (!withSize) return face;
    return QObject::tr("%1, %2 pt").arg(face).arg(font.Size);
}

void TReportFormView::Fill() {
    Fields.Fill();
}

// --- bound controls ---------------------------------------------------------

QLineEdit* TReportFormView::Text(const char* name, std::string& field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    Fields.Text(edit, field);
    return edit;
}

TMaskEdit* TReportFormView::Masked(const char* name, const char* mask, std::string& field) {
    auto* edit = new TMaskEdit;
    edit->setObjectName(name);
    edit->SetMask(mask);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 16);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this, edit, &field] { field = MaskValue(edit); });
    Fields.Show([edit, &field] {
        // A field that already shows what is kept stays as the user left it.
        QSignalBlocker block(edit);
        if (MaskValue(edit) != field) edit->SetMaskedText(FromStored(field));
    });
    return edit;
}

QPlainTextEdit* TReportFormView::Lines(const char* name, std::string& field) {
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    Fields.Lines(edit, field);
    return edit;
}

QSpinBox* TReportFormView::Spin(const char* name, int min, int max, int& field) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(min, max);
    Fields.Number(spin, field);
    return spin;
}

QCheckBox* TReportFormView::Check(const char* name, const QString& caption, bool& field) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    Fields.Check(box, field);
    return box;
}

QWidget* TReportFormView::Orientation(const char* suffix, bool& portrait) {
    auto* group = new QGroupBox(QObject::tr("Orientation"));
    auto* layout = new QVBoxLayout(group);
    auto* up = new QRadioButton(QObject::tr("P&ortrait"));
    up->setObjectName(QStringLiteral("Portrait") + suffix);
    auto* across = new QRadioButton(QObject::tr("&Landscape"));
    across->setObjectName(QStringLiteral("Landscape") + suffix);
    layout->addWidget(up);
    layout->addWidget(across);
    layout->addStretch(1);
    Fields.Choice(up, across, portrait);
    return group;
}

QWidget* TReportFormView::FontRow(const char* sample, const char* button, const TReportFont& font,
                                  bool withSize, std::function<void()> choose) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel;
    label->setObjectName(sample);
    label->setMinimumWidth(160);
    label->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(label, 1);
    layout->addWidget(Button(button, QObject::tr("&Select..."), std::move(choose)));
    Fields.Show([label, &font, withSize] {
        label->setText(FontSample(font, withSize));
        QFont f = TQtFontMetrics::FontFor(font);
        if (!withSize) f.setPointSizeF(label->parentWidget()->font().pointSizeF());
        label->setFont(f);
    });
    return row;
}

QPushButton* TReportFormView::Button(const char* name, const QString& caption,
                                     std::function<void()> click) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [click = std::move(click)] { click(); });
    return button;
}

// --- pages ------------------------------------------------------------------

QWidget* TReportFormView::PageSettings(const TPageFields& f) {
    auto* margins = new QGroupBox(QObject::tr("Margins (inches)"));
    auto* form = new QFormLayout(margins);
    const std::string n = f.Name;
    TMaskEdit* top = Masked(("TopMargin" + n).c_str(), TReportForm::kMarginMask, *f.Top);
    TMaskEdit* bottom = Masked(("BottomMargin" + n).c_str(), TReportForm::kMarginMask, *f.Bottom);
    TMaskEdit* left = Masked(("LeftMargin" + n).c_str(), TReportForm::kMarginMask, *f.Left);
    form->addRow(Caption(QObject::tr("To&p:"), top), top);
    form->addRow(Caption(QObject::tr("&Bottom:"), bottom), bottom);
    form->addRow(Caption(QObject::tr("Le&ft:"), left), left);

    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Orientation(f.Name, *f.Portrait));
    row->addWidget(margins);
    auto* font = new QGroupBox(QObject::tr("Typeface"));
    auto* fontLayout = new QVBoxLayout(font);
    fontLayout->addWidget(FontRow(f.FontSample, f.FontButton, *f.Face, false, f.Choose));
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(box);
    column->addWidget(font);
    return page;
}

QWidget* TReportFormView::ListingPage() {
    auto* page = new QWidget;
    page->setObjectName("PeopleReportSheet");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    QLineEdit* title = Text("Title1", P.Title1);
    form->addRow(Caption(QObject::tr("Report T&itle:"), title), title);
    layout->addLayout(form);
    layout->addWidget(
        PageSettings({&P.Portrait1, &P.TopMargin1, &P.BottomMargin1, &P.LeftMargin1, &P.ListText,
                      "1", "Button3", "ListText", [this] { P.Button3Click(); }}));
    layout->addStretch(1);
    return page;
}

QWidget* TReportFormView::EnvelopePage() {
    auto* page = new QWidget;
    page->setObjectName("EnvelopeSheet");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    auto* size = new QComboBox;
    size->setObjectName("EnvSize");
    for (const TEnvelopeSize& s : envelope::Sizes())
        size->addItem(QString::fromStdString(s.Caption));
    Fields.Index(size, P.EnvSize);
    form->addRow(Caption(QObject::tr("Envelope &Size:"), size), size);
    layout->addLayout(form);

    auto* addresses = new QHBoxLayout;
    auto* ret = new QGroupBox(QObject::tr("Return Address"));
    auto* retLayout = new QVBoxLayout(ret);
    retLayout->addWidget(Lines("Return", P.Return), 1);
    retLayout->addWidget(Check("SaveRetAddr", QObject::tr("Sa&ve Return Address"), P.SaveRetAddr));
    retLayout->addWidget(Check("OmitRetAddr", QObject::tr("&Omit Return Address"), P.OmitRetAddr));
    retLayout->addWidget(
        FontRow("ReturnText", "Button1", P.ReturnFont, true, [this] { P.Button1Click(); }));
    auto* delivery = new QGroupBox(QObject::tr("Delivery Address"));
    auto* deliveryLayout = new QVBoxLayout(delivery);
    deliveryLayout->addWidget(Lines("Delivery", P.Delivery), 1);
    deliveryLayout->addWidget(
        FontRow("DeliveryText", "Button2", P.DeliveryFont, true, [this] { P.Button2Click(); }));
    addresses->addWidget(ret);
    addresses->addWidget(delivery);
    layout->addLayout(addresses, 1);
    return page;
}

QWidget* TReportFormView::BookPage() {
    auto* page = new QWidget;
    page->setObjectName("AddressBookSheet");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    QSpinBox* columns = Spin("SpinEdit1", 1, TReportForm::kMaxColumns, P.SpinEdit1);
    // The gutter is kept in hundredths of an inch and shown in inches.
    auto* gutter = new QDoubleSpinBox;
    gutter->setObjectName("Gutter");
    gutter->setRange(0, 2);
    gutter->setDecimals(2);
    gutter->setSingleStep(0.05);
    gutter->setSuffix(QObject::tr(" in"));
    QObject::connect(gutter, &QDoubleSpinBox::valueChanged, gutter, [this](double inches) {
        P.Gutter = static_cast<int>(std::lround(inches * 100));
    });
    Fields.Show([this, gutter] {
        QSignalBlocker block(gutter);
        if (std::lround(gutter->value() * 100) != P.Gutter) gutter->setValue(P.Gutter / 100.0);
    });
    form->addRow(Caption(QObject::tr("Number of &Columns:"), columns), columns);
    form->addRow(Caption(QObject::tr("Column &Gutter:"), gutter), gutter);
    layout->addLayout(form);
    layout->addWidget(
        PageSettings({&P.Portrait2, &P.TopMargin2, &P.BottomMargin2, &P.LeftMargin2, &P.BookText,
                      "2", "Button4", "BookText", [this] { P.Button4Click(); }}));
    layout->addStretch(1);
    return page;
}

QWidget* TReportFormView::LabelPage() {
    auto* page = new QWidget;
    page->setObjectName("LabelSheet");
    auto* layout = new QHBoxLayout(page);

    auto* types = new QVBoxLayout;
    FLabelList = new QListWidget;
    FLabelList->setObjectName("LabelList");
    for (const TLabelStock& s : labelstock::Stocks())
        FLabelList->addItem(QString::fromStdString(s.Name));
    Fields.Row(FLabelList, P.LabelList, [this] { P.LabelListClick(); });
    types->addWidget(Caption(QObject::tr("Label T&ypes"), FLabelList));
    types->addWidget(FLabelList, 1);
    layout->addLayout(types, 1);

    auto* right = new QVBoxLayout;
    auto* sizes = new QGroupBox(QObject::tr("Label Sizes (inches)"));
    auto* form = new QFormLayout(sizes);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const char* mask = TReportForm::kLabelMask;
    struct TRow {
        const char* Name;
        QString Caption;
        std::string* Field;
    };
    for (const TRow& r : {TRow{"TopEdit", QObject::tr("&Top Margin"), &P.TopEdit},
                          TRow{"SideEdit", QObject::tr("S&ide Margin"), &P.SideEdit},
                          TRow{"HeightEdit", QObject::tr("Label &Height"), &P.HeightEdit},
                          TRow{"WidthEdit", QObject::tr("Label &Width"), &P.WidthEdit},
                          TRow{"HPitchEdit", QObject::tr("Hori&z. Pitch"), &P.HPitchEdit},
                          TRow{"VPitchEdit", QObject::tr("&Vert Pitch"), &P.VPitchEdit}}) {
        TMaskEdit* edit = Masked(r.Name, mask, *r.Field);
        form->addRow(Caption(r.Caption, edit), edit);
    }
    QSpinBox* across = Spin("NumAcross", 1, TReportForm::kMaxAcross, P.NumAcross);
    form->addRow(Caption(QObject::tr("Number &Across"), across), across);
    FStartLabel = Spin("StartLabel", 1, 1, P.StartLabel);
    FStartLabel->setToolTip(QObject::tr("The first sheet starts at this label, so that a sheet "
                                        "already partly used can be used up"));
    form->addRow(Caption(QObject::tr("Start at &label"), FStartLabel), FStartLabel);
    right->addWidget(sizes);
    auto* font = new QGroupBox(QObject::tr("Font"));
    auto* fontLayout = new QVBoxLayout(font);
    fontLayout->addWidget(
        FontRow("LabelText", "Button5", P.LabelText, true, [this] { P.Button5Click(); }));
    right->addWidget(font);
    right->addStretch(1);
    layout->addLayout(right);
    return page;
}

QWidget* TReportFormView::SimplePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    QLineEdit* title = Text("Title2", P.Title2);
    form->addRow(Caption(QObject::tr("Report T&itle:"), title), title);
    layout->addLayout(form);
    layout->addWidget(PageSettings({&P.Portrait3, &P.TopMargin3, &P.BottomMargin3, &P.LeftMargin3,
                                    &P.SimpListText, "3", "Button6", "SimpListText",
                                    [this] { P.Button6Click(); }}));
    layout->addStretch(1);
    return page;
}

void RegisterReportFormView() {
    TQtViewFactory::Register("TReportForm", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TReportFormView>(dynamic_cast<TReportForm&>(p), parent);
    });
}
