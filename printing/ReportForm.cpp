#include "printing/ReportForm.h"

#include "platform/AskUser.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "printing/FontDialog.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ReportFields.h"
#include "printing/ReturnAddress.h"
#include "store/FieldText.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "store/TreePath.h"

#include <algorithm>

using reportfields::DigitsValue;

namespace {

TReportFont Arial(double size) {
    TReportFont font;
    font.Family = "Arial";
    font.Size = size;
    return font;
}

// Margins typed in tenths of an inch, as hundredths.
TPageSetup PageSetup(const std::string& top, const std::string& bottom, const std::string& left,
                     bool portrait, const TReportFont& face) {
    TPageSetup page;
    page.TopMargin = DigitsValue(top) * 10;
    page.BottomMargin = DigitsValue(bottom) * 10;
    page.LeftMargin = DigitsValue(left) * 10;
    page.Orientation = portrait ? TOrientation::Portrait : TOrientation::Landscape;
    page.Face = face.Family;
    return page;
}

// A memo's lines (CR LF between them) as a report text's.
std::string MemoText(const std::string& memo) {
    return reportfields::JoinLines(fieldtext::TextLines(memo));
}

} // namespace

TReportForm::TReportForm(TTreeNodes& tree, const TFilterState& filter)
    : FTree(tree), FFilter(filter) {
    Caption = "Print Reports";
    FTree.AddObserver(this);
}

TReportForm::~TReportForm() {
    FTree.RemoveObserver(this);
}

void TReportForm::NodeRemoving(TTreeNode* node) {
    if (FNode && (FNode == node || FNode->HasAsAncestor(node))) FNode = nullptr;
}

void TReportForm::UpdateEnded() {
    // Removals during a bulk update are not told one by one.
    const auto& nodes = FTree.InOrder();
    if (FNode && std::find(nodes.begin(), nodes.end(), FNode) == nodes.end()) FNode = nullptr;
}

const std::vector<std::string>& TReportForm::ReportTypes() {
    static const std::vector<std::string> types = {"People & Organization List", "Envelope",
                                                   "Address & Phone Book", "Address Labels",
                                                   "Simple List"};
    return types;
}

void TReportForm::FormCreate() {
    RptTypeCombo = rtListing;
    EnvSize = 0;
    LabelList = 0;
    LabelListClick();
    ListText = BookText = SimpListText = Arial(8);
    LabelText = ReturnFont = Arial(10);
    DeliveryFont = Arial(12);
    const bool landscape = TPrinterSettings::Load(Svc().UseSettings()).Landscape;
    Portrait1 = Portrait2 = Portrait3 = !landscape;
    try {
        Return = retaddr::Read(Svc().ProgramFile(retaddr::kFileName));
    } catch (const EInOutError& e) {
        Return.clear();
        ShowError("The return address could not be read.\n\n" + e.Where());
    }
    Changed();
}

void TReportForm::Setup(TTreeNode* node, const TKexObject* address, const std::string& name) {
    FNode = node;
    NodeId = node ? NodePath(node) : std::string();
    Title2 = NodeId;
    Delivery.clear();
    if (address)
        Delivery = reportfields::JoinLines(TEnvelopeForm::DeliveryLines(name, *address), "\r\n");
    Changed();
}

void TReportForm::LabelListClick() {
    const auto& stocks = labelstock::Stocks();
    if (LabelList < 0 || LabelList >= static_cast<int>(stocks.size())) return;
    const TLabelStock& s = stocks[static_cast<size_t>(LabelList)];
    TopEdit = reportfields::PaddedDigits(s.TopMargin, 3);
    SideEdit = reportfields::PaddedDigits(s.SideMargin, 3);
    HeightEdit = reportfields::PaddedDigits(s.Height, 3);
    WidthEdit = reportfields::PaddedDigits(s.Width, 3);
    HPitchEdit = reportfields::PaddedDigits(s.HPitch, 3);
    VPitchEdit = reportfields::PaddedDigits(s.VPitch, 3);
    NumAcross = s.Across;
    StartLabel = std::clamp(StartLabel, 1, std::max(1, LabelSheet().LabelsPerSheet()));
    Changed();
}

TLabelStock TReportForm::LabelSheet() const {
    const auto& stocks = labelstock::Stocks();
    TLabelStock sheet =
        stocks[static_cast<size_t>(std::clamp(LabelList, 0, static_cast<int>(stocks.size()) - 1))];
    sheet.TopMargin = DigitsValue(TopEdit);
    sheet.SideMargin = DigitsValue(SideEdit);
    sheet.Height = DigitsValue(HeightEdit);
    sheet.Width = DigitsValue(WidthEdit);
    sheet.HPitch = DigitsValue(HPitchEdit);
    sheet.VPitch = DigitsValue(VPitchEdit);
    sheet.Across = std::clamp(NumAcross, 1, kMaxAcross);
    return sheet;
}

void TReportForm::UsePrinterOrientation(bool landscape) {
    Portrait1 = Portrait2 = Portrait3 = !landscape;
    Changed();
}

TReport* TReportForm::PrepareReport(std::string& problem) {
    if (!FNode) {
        problem = "There is nothing to print.";
        return nullptr;
    }
    const reportfields::TNodeRange range = reportfields::NodeRange(*FNode);
    switch (RptTypeCombo) {
    case rtListing: {
        std::string created;
        created = Svc().UseLocale().ShortDate(Svc().UseClock().Today());
        ListingForm.Init(range, FTree, FFilter);
        ListingForm.SetPage(PageSetup(TopMargin1, BottomMargin1, LeftMargin1, Portrait1, ListText));
        ListingForm.SetTitle(Title1, "Source: " + NodeId, "created: " + created);
        ListingForm.Report.Title = Title1;
        return &ListingForm.Report;
    }
    case rtEnvelope: {
        const auto& sizes = envelope::Sizes();
        const TEnvelopeSize& size =
            sizes[static_cast<size_t>(std::clamp(EnvSize, 0, static_cast<int>(sizes.size()) - 1))];
        EnvelopeForm.SetEnvelope(size, MemoText(Delivery), DeliveryFont, MemoText(Return),
                                 ReturnFont, OmitRetAddr);
        return &EnvelopeForm.Report;
    }
    case rtAddrBook:
        AddrBookForm.Init(range, FTree, FFilter);
        AddrBookForm.SetPage(
            SpinEdit1, Gutter,
            PageSetup(TopMargin2, BottomMargin2, LeftMargin2, Portrait2, BookText));
        AddrBookForm.Report.Title = ReportTypes()[rtAddrBook];
        return &AddrBookForm.Report;
    case rtLabels: {
        const TLabelStock sheet = LabelSheet();
        if (sheet.Width <= 0 || sheet.Height <= 0) {
            problem = "The labels need a height and a width.";
            return nullptr;
        }
        LabelForm.Init(range, FTree, FFilter);
        LabelForm.SetSheet(sheet, StartLabel, LabelText);
        LabelForm.Report.Title = ReportTypes()[rtLabels];
        return &LabelForm.Report;
    }
    case rtSimple:
        SimpleForm.Init(range, FTree, FFilter);
        SimpleForm.SetPage(
            PageSetup(TopMargin3, BottomMargin3, LeftMargin3, Portrait3, SimpListText));
        SimpleForm.SetTitle(Title2, {}, {});
        SimpleForm.Report.Title = Title2;
        return &SimpleForm.Report;
    default:
        problem = "There is no such report.";
        return nullptr;
    }
}

TPrintResult
TReportForm::Output(const std::function<TPrintResult(IReportPrinter&, TReport&)>& how) {
    std::string problem;
    TReport* report = PrepareReport(problem);
    if (!report) return TPrintResult::Failed(problem);
    IReportPrinter* printer = Svc().Printer;
    if (!printer) return TPrintResult::Failed("No printer is available.");
    return how(*printer, *report);
}

void TReportForm::PreviewBtnClick() {
    TPrintResult r = Output([](IReportPrinter& p, TReport& report) { return p.Preview(report); });
    if (r.Status == TPrintResult::TStatus::Failed) ShowError(r.Message);
}

void TReportForm::PrintBtnClick() {
    TPrintResult r = Output([](IReportPrinter& p, TReport& report) { return p.Print(report); });
    if (r.Status == TPrintResult::TStatus::Failed) ShowError(r.Message);
}

TPrintResult TReportForm::WritePdf(const std::string& path) {
    return Output([&path](IReportPrinter& p, TReport& report) { return p.WritePdf(report, path); });
}

void TReportForm::ChooseFont(TReportFont& font) {
    if (TFontDialog::Execute(font)) Changed();
}

void TReportForm::Button1Click() {
    ChooseFont(ReturnFont);
}
void TReportForm::Button2Click() {
    ChooseFont(DeliveryFont);
}
void TReportForm::Button3Click() {
    ChooseFont(ListText);
}
void TReportForm::Button4Click() {
    ChooseFont(BookText);
}
void TReportForm::Button5Click() {
    ChooseFont(LabelText);
}
void TReportForm::Button6Click() {
    ChooseFont(SimpListText);
}

void TReportForm::FormClose() {
    if (!SaveRetAddr) return;
    try {
        retaddr::Write(Svc().ProgramFile(retaddr::kFileName), Return);
    } catch (const EInOutError& e) {
        ShowError("The return address could not be saved.\n\n" + e.Where());
    }
}

TModalResult TReportForm::Execute() {
    TModalResult result = ShowModal();
    FormClose();
    return result;
}

void TReportForm::ShowError(const std::string& text) {
    AskUser(text, Caption, mb::Ok | mb::IconError);
}
