#include "cli/PrintCommand.h"

#include "cli/PdfPrinter.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "printing/Addressee.h"
#include "printing/ReportForm.h"
#include "printing/ReturnAddress.h"
#include "report/EnvelopeSize.h"
#include "report/LabelStock.h"
#include "report/ReportPrinter.h"
#include "store/FieldText.h"
#include "store/FilterState.h"
#include "store/TreePath.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

#ifndef MERROWIN_CLI_PRINT
std::unique_ptr<IReportPrinter> MakePdfPrinter() {
    return nullptr;
}
#endif

const char* const kPrintUsage =
    "  print TYPE PATH --pdf FILE [OPTIONS]\n"
    "                          a report of the node at PATH as a PDF; TYPE is list,\n"
    "                          envelope, book, labels or simple; OPTIONS:\n"
    "                          --stock NAME (labels), --start N (labels), --envelope N\n"
    "                          (0-4 or #10, Monarch, B5, C5, DL), --columns N (book),\n"
    "                          --landscape or --portrait (list, book, simple), --title T\n"
    "                          (list, simple), --return FILE (envelope)\n";

namespace {

struct TUsage : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int Number(const std::string& option, const std::string& text, int min, int max) {
    bool ok = false;
    int32_t n = fieldtext::LeadingInt(text, ok);
    if (!ok || std::to_string(n) != text || n < min || n > max)
        throw TUsage(option + " needs a number from " + std::to_string(min) + " to " +
                     std::to_string(max));
    return n;
}

int EnvelopeIndex(const std::string& text) {
    const auto& sizes = envelope::Sizes();
    for (size_t i = 0; i < sizes.size(); ++i) {
        const std::string& caption = sizes[i].Caption;
        if (text == std::to_string(i) ||
            (text.size() <= caption.size() &&
             fieldtext::SameTextFolded(caption.substr(0, text.size()), text) &&
             (text.size() == caption.size() || caption[text.size()] == ' ')))
            return static_cast<int>(i);
    }
    throw TUsage("no such envelope: " + text + " (0 to 4, or #10, Monarch, B5, C5, DL)");
}

struct TOptions {
    int Type = -1;
    std::string Path, Pdf, Stock, Title, ReturnFile;
    std::optional<int> Envelope, Columns, Start;
    std::optional<bool> Landscape;
    std::string OrientationOption; // as given: --landscape or --portrait
};

TOptions Parse(const std::vector<std::string>& args) {
    static const char* const types[] = {"list", "envelope", "book", "labels", "simple"};
    TOptions o;
    std::vector<std::string> plain;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            plain.push_back(a);
            continue;
        }
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw TUsage(a + " needs a value");
            return args[++i];
        };
        if (a == "--pdf")
            o.Pdf = value();
        else if (a == "--stock")
            o.Stock = value();
        else if (a == "--envelope")
            o.Envelope = EnvelopeIndex(value());
        else if (a == "--columns")
            o.Columns = Number(a, value(), 1, TReportForm::kMaxColumns);
        else if (a == "--start")
            o.Start = Number(a, value(), 1, 1000);
        else if (a == "--title")
            o.Title = value();
        else if (a == "--return")
            o.ReturnFile = value();
        else if (a == "--landscape" || a == "--portrait") {
            o.Landscape = a == "--landscape";
            o.OrientationOption = a;
        } else
            throw TUsage("unknown option: " + a);
    }
    if (plain.size() != 2) throw TUsage("print needs a report type and a path");
    for (int t = 0; t < 5; ++t)
        if (plain[0] == types[t]) o.Type = t;
    if (o.Type < 0) throw TUsage("no such report: " + plain[0]);
    o.Path = plain[1];
    if (o.Pdf.empty()) throw TUsage("print needs --pdf FILE");

    auto onlyFor = [&](bool given, const char* option, std::initializer_list<int> reports) {
        if (!given) return;
        for (int r : reports)
            if (r == o.Type) return;
        throw TUsage(std::string(option) + " does not apply to " + plain[0]);
    };
    using F = TReportForm;
    onlyFor(!o.Stock.empty(), "--stock", {F::rtLabels});
    onlyFor(o.Start.has_value(), "--start", {F::rtLabels});
    onlyFor(o.Envelope.has_value(), "--envelope", {F::rtEnvelope});
    onlyFor(!o.ReturnFile.empty(), "--return", {F::rtEnvelope});
    onlyFor(o.Columns.has_value(), "--columns", {F::rtAddrBook});
    onlyFor(!o.Title.empty(), "--title", {F::rtListing, F::rtSimple});
    onlyFor(o.Landscape.has_value(), o.OrientationOption.c_str(),
            {F::rtListing, F::rtAddrBook, F::rtSimple});
    return o;
}

// The settings of the "Print Reports" window as the options give them.
void Apply(const TOptions& o, TReportForm& form) {
    form.RptTypeCombo = o.Type;
    if (!o.Stock.empty()) {
        const auto& stocks = labelstock::Stocks();
        const TLabelStock* stock = labelstock::Find(o.Stock);
        if (!stock) throw TUsage("no such label stock: " + o.Stock);
        form.LabelList = static_cast<int>(stock - stocks.data());
        form.LabelListClick();
    }
    if (o.Start) {
        const int perSheet = form.LabelSheet().LabelsPerSheet();
        if (*o.Start > perSheet)
            throw TUsage("--start: a sheet of " + form.LabelSheet().Name + " has " +
                         std::to_string(perSheet) + " labels");
        form.StartLabel = *o.Start;
    }
    if (o.Envelope) form.EnvSize = *o.Envelope;
    if (!o.ReturnFile.empty()) {
        const std::string file = programfolder::Absolute(o.ReturnFile);
        if (!fileio::FileExists(file)) throw EInOutError(io_error::FileNotFound, o.ReturnFile);
        form.Return = retaddr::Read(file);
    }
    if (o.Columns) form.SpinEdit1 = *o.Columns;
    if (!o.Title.empty()) (o.Type == TReportForm::rtListing ? form.Title1 : form.Title2) = o.Title;
    if (o.Landscape) form.Portrait1 = form.Portrait2 = form.Portrait3 = !*o.Landscape;
}

} // namespace

int PrintCommand(TTreeNodes& tree, const std::vector<std::string>& args) {
    try {
        const TOptions options = Parse(args);
        TTreeNode* node = FindNodeByPath(tree, options.Path);
        if (!node) throw TUsage("no such node: " + options.Path);

        const TFilterState noFilter;
        TReportForm form(tree, noFilter);
        form.FormCreate();
        const TAddressee to = EnvelopeAddressee(node->Data());
        form.Setup(node, to.Address, to.Name);
        Apply(options, form);

        std::unique_ptr<IReportPrinter> printer = MakePdfPrinter();
        if (!printer) {
            std::fputs("merrowin-cli: print needs the Qt front end, which this build leaves out\n",
                       stderr);
            return 1;
        }
        struct TInstalled {
            explicit TInstalled(IReportPrinter* p) { Svc().Printer = p; }
            ~TInstalled() { Svc().Printer = nullptr; }
        } installed(printer.get());
        TPrintResult result = form.WritePdf(programfolder::Absolute(options.Pdf));
        if (!result.Ok()) {
            std::fprintf(stderr, "merrowin-cli: %s\n", result.Message.c_str());
            return 1;
        }
        return 0;
    } catch (const TUsage& e) {
        std::fprintf(stderr, "merrowin-cli: %s (merrowin-cli --help lists the commands)\n",
                     e.what());
        return 2;
    }
}
