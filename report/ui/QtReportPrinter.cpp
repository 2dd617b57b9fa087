#include "report/ui/QtReportPrinter.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "report/ui/CupsSpooler.h"
#include "report/ui/ReportPainter.h"

#include <QBuffer>
#include <QDir>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>

namespace {

// Where Qt's print dialog keeps the CUPS options it offers (name, value, ...).
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QPageSize PageSizeOf(const TReport& report) {
    return QPageSize(QSizeF(report.PaperWidth / 100, report.PaperHeight / 100), QPageSize::Inch,
                     QString(), QPageSize::FuzzyMatch);
}

QString MediaName(const QPageSize& size) {
    if (size.id() != QPageSize::Custom) return size.key();
    QSizeF inches = size.size(QPageSize::Inch);
    return QStringLiteral("Custom.%1x%2in").arg(inches.width()).arg(inches.height());
}

// The printer's device draws from the paper's corner on the report's paper.
void SetUpDevice(QPrinter& printer, const TReport& report) {
    printer.setFullPage(true);
    printer.setPageLayout(TQtReportPrinter::PageLayoutOf(report));
}

void CopySettings(const QPrinter& from, QPrinter& to) {
    if (!from.printerName().isEmpty()) to.setPrinterName(from.printerName());
    to.setPageLayout(from.pageLayout());
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setColorMode(from.colorMode());
}

} // namespace

TQtReportPrinter::TQtReportPrinter(std::unique_ptr<IPrintSpooler> spooler, QWidget* parent)
    : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      FSpooler(spooler ? std::move(spooler) : std::make_unique<TCupsSpooler>()), FParent(parent) {}

TQtReportPrinter::~TQtReportPrinter() = default;

QPageLayout TQtReportPrinter::PageLayoutOf(const TReport& report) {
    return QPageLayout(PageSizeOf(report),
                       report.Orientation == TOrientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

void TQtReportPrinter::TakePaper(TReport& report, const QPrinter& printer) const {
    if (!report.PaperFromPrinter) return;
    QSizeF inches = printer.pageLayout().pageSize().size(QPageSize::Inch);
    if (inches.isEmpty()) return;
    report.PaperWidth = inches.width() * 100;
    report.PaperHeight = inches.height() * 100;
}

QByteArray TQtReportPrinter::PdfDocument(TReport& report) {
    return DrawPdf(report, report.Layout(FMetrics));
}

QByteArray TQtReportPrinter::DrawPdf(const TReport& report, const std::vector<TReportPage>& pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(TQtFontMetrics::kResolution);
        writer.setTitle(QString::fromStdString(report.Title));
        writer.setCreator(QStringLiteral("Merrowin"));
        writer.setPageLayout(PageLayoutOf(report));
        QPainter painter(&writer);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) writer.newPage();
            TReportPainter::Paint(painter, pages[i]);
        }
    }
    return bytes;
}

TPrintResult TQtReportPrinter::WritePdf(TReport& report, const std::string& path) {
    return WritePdfFile(report, *FPrinter, path);
}

TPrintResult TQtReportPrinter::WritePdfFile(TReport& report, const QPrinter& printer,
                                            const std::string& path) {
    if (path.empty()) return TPrintResult::Failed("No file name was given for the PDF.");
    TakePaper(report, printer);
    QByteArray bytes = PdfDocument(report);
    try {
        fileio::WriteFileReplacing(path, std::string_view(bytes.constData(), bytes.size()));
    } catch (const EInOutError& e) {
        return TPrintResult::Failed(e.Where());
    }
    return {};
}

TPrintResult TQtReportPrinter::Print(TReport& report) {
    return PrintOn(*FPrinter, report);
}

TPrintResult TQtReportPrinter::PrintOn(QPrinter& printer, TReport& report) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // Qt offers only a PDF file when no printer is set up.
        if (printer.outputFileName().isEmpty())
            return TPrintResult::Failed("No printer is installed.");
        // "Print to file" in the print dialog.
        return WritePdfFile(report, printer, printer.outputFileName().toStdString());
    }
    const std::string name = printer.printerName().toStdString();
    if (name.empty()) return TPrintResult::Failed("No printer is installed.");
    TakePaper(report, printer);
    return PrintTo(name, report, JobOptions(printer, report));
}

TPrintResult TQtReportPrinter::PrintTo(const std::string& printerName, TReport& report,
                                       std::vector<std::pair<std::string, std::string>> options) {
    QByteArray bytes = PdfDocument(report);
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/merrowin-print-XXXXXX.pdf"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return TPrintResult::Failed("The print job could not be prepared: " +
                                    file.errorString().toStdString());
    TPrintJob job{printerName, file.fileName().toStdString(), report.Title, std::move(options)};
    std::string error;
    if (FSpooler->Submit(job, error) <= 0)
        return TPrintResult::Failed("The report was not printed on " + printerName + ": " + error);
    return {};
}

TPrintResult TQtReportPrinter::Preview(TReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    CopySettings(*FPrinter, printer);
    TakePaper(report, printer);
    SetUpDevice(printer, report);

    bool printAsked = false;
    QPrintPreviewDialog dialog(&printer, FParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* device) {
        // The preview draws on a recording engine; the real printer is only
        // asked for when the user prints, and then the job goes through
        // PrintOn, which reports what the printer says.
        if (device->paintEngine()->type() != QPaintEngine::Picture) {
            printAsked = true;
            return;
        }
        // The preview's own buttons may have turned the page.
        report.Orientation = device->pageLayout().orientation() == QPageLayout::Landscape
                                 ? TOrientation::Landscape
                                 : TOrientation::Portrait;
        TakePaper(report, *device);
        std::vector<TReportPage> pages = report.Layout(FMetrics);
        QPainter painter(device);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) device->newPage();
            TReportPainter::Paint(painter, pages[i]);
        }
    });
    dialog.exec();
    if (printAsked) return PrintOn(printer, report);
    return {};
}

std::vector<std::pair<std::string, std::string>>
TQtReportPrinter::JobOptions(const QPrinter& printer, const TReport& report) {
    std::vector<std::pair<std::string, std::string>> options;
    auto set = [&](const std::string& name, const std::string& value) {
        for (auto& option : options)
            if (option.first == name) {
                option.second = value;
                return;
            }
        options.emplace_back(name, value);
    };
    const QStringList dialogOptions = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < dialogOptions.size(); i += 2)
        set(dialogOptions[i].toStdString(), dialogOptions[i + 1].toStdString());

    if (printer.copyCount() > 1) {
        set("copies", std::to_string(printer.copyCount()));
        set("collate", printer.collateCopies() ? "true" : "false");
    }
    set("sides", SidesFor(printer.duplex(), report.Orientation));
    if (printer.colorMode() == QPrinter::GrayScale) set("print-color-mode", "monochrome");
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        set("page-ranges",
            std::to_string(printer.fromPage()) + "-" + std::to_string(printer.toPage()));
    set("media", MediaName(PageSizeOf(report)).toStdString());
    return options;
}

std::string TQtReportPrinter::SidesFor(QPrinter::DuplexMode duplex, TOrientation orientation) {
    switch (duplex) {
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    case QPrinter::DuplexAuto:
        // Turned over along the page's long edge, as it is read.
        return orientation == TOrientation::Landscape ? "two-sided-short-edge"
                                                      : "two-sided-long-edge";
    case QPrinter::DuplexNone:
        break;
    }
    return "one-sided";
}
