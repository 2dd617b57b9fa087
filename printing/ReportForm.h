#pragma once

#include "platform/FormPresenter.h"
#include "printing/AddrBookForm.h"
#include "printing/EnvelopeForm.h"
#include "printing/LabelForm.h"
#include "printing/ListingForm.h"
#include "printing/SimpleForm.h"
#include "report/LabelStock.h"
#include "report/ReportFont.h"
#include "report/ReportPrinter.h"
#include "store/TreeObserver.h"

#include <functional>
#include <string>
#include <vector>

class TKexObject;
class TTreeNode;
class TTreeNodes;
struct TFilterState;

// "Print Reports": the report type with its page of settings, and preview or
// print of the chosen report for a node and everything below it. The window
// is made once and reused, so its settings last for the run; only the return
// address is kept, in "ret_addr.dat".
//
// Margins are typed in inches with one decimal and kept without the point
// ("05" is 0.5 inch); label lengths with two decimals ("050" is 0.50 inch).
class TReportForm : public TFormPresenter, private ITreeObserver {
public:
    enum TReportType { rtListing, rtEnvelope, rtAddrBook, rtLabels, rtSimple };

    // The reports walk tree and leave out what filter hides; both must
    // outlive the form.
    TReportForm(TTreeNodes& tree, const TFilterState& filter);
    ~TReportForm() override;
    std::string FormName() const override { return "TReportForm"; }

    // The captions of the report types, in the order of their index.
    static const std::vector<std::string>& ReportTypes();
    static constexpr const char* kMarginMask = "0.0;0;_";
    static constexpr const char* kLabelMask = "0.00;0;_";
    static constexpr int kMaxColumns = 4;
    static constexpr int kMaxAcross = 10;

    // --- the controls -------------------------------------------------------
    int RptTypeCombo = rtListing;
    std::string NodeId; // "Print Items From"

    std::string Title1 = "Contact List";
    bool Portrait1 = true;
    std::string TopMargin1 = "05", BottomMargin1 = "05", LeftMargin1 = "00";
    TReportFont ListText;

    int EnvSize = 0;
    std::string Return; // lines separated by CR LF
    TReportFont ReturnFont;
    bool SaveRetAddr = false;
    bool OmitRetAddr = false;
    std::string Delivery; // lines separated by CR LF
    TReportFont DeliveryFont;

    int SpinEdit1 = 1; // "Number of Columns:"
    int Gutter = 10;   // "Column Gutter:", hundredths of an inch
    std::string LeftMargin2 = "00", TopMargin2 = "05", BottomMargin2 = "05";
    bool Portrait2 = true;
    TReportFont BookText;

    int LabelList = 0;
    std::string TopEdit, SideEdit, HeightEdit, WidthEdit, HPitchEdit, VPitchEdit;
    int NumAcross = 1;
    int StartLabel = 1; // the label of the first sheet to start at
    TReportFont LabelText;

    std::string Title2;
    bool Portrait3 = true;
    std::string TopMargin3 = "05", BottomMargin3 = "05", LeftMargin3 = "00";
    TReportFont SimpListText;

    // --- handlers -----------------------------------------------------------
    // Chooses the first type, envelope and label stock, and reads the
    // return address.
    void FormCreate();
    // The node to print from, and the address and name for an envelope
    // (address may be null).
    void Setup(TTreeNode* node, const TKexObject* address, const std::string& name);
    void RptTypeComboChange() { Changed(); }
    void LabelListClick();
    void PreviewBtnClick();
    void PrintBtnClick();
    void Button1Click(); // return address font
    void Button2Click(); // delivery address font
    void Button3Click(); // people list typeface
    void Button4Click(); // address book typeface
    void Button5Click(); // label font
    void Button6Click(); // simple list typeface
    void CloseBtnClick() { SetModalResult(mrCancel); }
    // Keeps the return address when "Save Return Address" is checked.
    void FormClose();
    // Shows the window and closes it however the user left it.
    TModalResult Execute();

    // The printer setup chose another orientation: the pages that have one
    // take it.
    void UsePrinterOrientation(bool landscape);

    // --- reports ------------------------------------------------------------
    // The chosen report built from the tree; nullptr (with the reason in
    // problem) when there is nothing to print or the settings cannot print.
    TReport* PrepareReport(std::string& problem);
    // The chosen report as a PDF file, through the services' printer.
    TPrintResult WritePdf(const std::string& path);
    // The label sheet as the edits describe it, on the chosen stock's paper.
    TLabelStock LabelSheet() const;

    TListingForm ListingForm;
    TEnvelopeForm EnvelopeForm;
    TAddrBookForm AddrBookForm;
    TLabelForm LabelForm;
    TSimpleForm SimpleForm;

private:
    void ChooseFont(TReportFont& font);
    TPrintResult Output(const std::function<TPrintResult(IReportPrinter&, TReport&)>& how);
    void ShowError(const std::string& text);
    // The node to print from goes away with its subtree (another program may
    // change the tree while the window is open).
    void NodeRemoving(TTreeNode* node) override;
    void UpdateEnded() override;

    TTreeNodes& FTree;
    const TFilterState& FFilter;
    TTreeNode* FNode = nullptr;
};
