// Printing, preview and PDF files: what reaches the printer queue, what the
// user is told when it does not, and files that cannot be written.
#include "platform/FileIO.h"
#include "report/ui/CupsSpooler.h"
#include "report/ui/QtFontMetrics.h"
#include "report/ui/QtReportPrinter.h"
#include "support/PdfText.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A queue that keeps a copy of what it was sent and answers as told.
class TRecordingSpooler : public IPrintSpooler {
public:
    explicit TRecordingSpooler(std::string copyTo, std::string refusal = {})
        : CopyTo(std::move(copyTo)), Refusal(std::move(refusal)) {}
    int Submit(const TPrintJob& job, std::string& error) override {
        Jobs.push_back(job);
        fileio::WriteFileReplacing(CopyTo, fileio::ReadFile(job.File));
        if (!Refusal.empty()) {
            error = Refusal;
            return 0;
        }
        return 42;
    }
    std::string CopyTo, Refusal;
    std::vector<TPrintJob> Jobs;
};

// Three pages of one line each.
struct TThreePages {
    TThreePages() {
        Report.Title = "Contact List";
        Report.PaperFromPrinter = false;
        Report.Detail.Height = 1000;
        TReportText& text = Report.Detail.AddText({100, 100, 400, 20}, {});
        Report.OnStart = [this] { Next = 0; };
        Report.OnNeedData = [this, &text] {
            if (Next == 3) return false;
            text.Text = "Page" + std::to_string(++Next);
            return true;
        };
    }
    TReport Report;
    int Next = 0;
};

using TOptions = std::vector<std::pair<std::string, std::string>>;

std::string Option(const TOptions& options, const std::string& name) {
    for (const auto& [n, v] : options)
        if (n == name) return v;
    return "(none)";
}

TEST(ReportPrinter, JobGoesToTheQueueAsAPdfWithItsOptions) {
    QTemporaryDir dir;
    const std::string copy = dir.filePath("sent.pdf").toStdString();
    auto spooler = std::make_unique<TRecordingSpooler>(copy);
    TRecordingSpooler& queue = *spooler;
    TQtReportPrinter printer(std::move(spooler));
    TThreePages r;
    TPrintResult result = printer.PrintTo("Office", r.Report, {{"copies", "2"}});
    ASSERT_TRUE(result.Ok()) << result.Message;
    ASSERT_EQ(queue.Jobs.size(), 1u);
    EXPECT_EQ(queue.Jobs[0].Printer, "Office");
    EXPECT_EQ(queue.Jobs[0].Title, "Contact List");
    EXPECT_EQ(Option(queue.Jobs[0].Options, "copies"), "2");
    auto pages = pdftext::ReadPdf(copy);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].Text(), "Page3");
    EXPECT_FALSE(fileio::FileExists(queue.Jobs[0].File)); // the spool file is gone
}

TEST(ReportPrinter, RefusedJobIsReportedWithThePrintersMessage) {
    QTemporaryDir dir;
    TQtReportPrinter printer(std::make_unique<TRecordingSpooler>(
        dir.filePath("sent.pdf").toStdString(), "The printer is not accepting jobs."));
    TThreePages r;
    TPrintResult result = printer.PrintTo("Office", r.Report, {});
    EXPECT_EQ(result.Status, TPrintResult::TStatus::Failed);
    EXPECT_EQ(result.Message,
              "The report was not printed on Office: The printer is not accepting jobs.");
}

TEST(ReportPrinter, CupsAnswersAnUnknownQueueWithAnError) {
    // Whether or not a CUPS server runs here, this queue does not exist.
    QTemporaryDir dir;
    const std::string file = dir.filePath("job.pdf").toStdString();
    TThreePages r;
    TQtReportPrinter qt;
    QByteArray pdf = qt.PdfDocument(r.Report);
    fileio::WriteFileReplacing(file, std::string_view(pdf.constData(), pdf.size()));
    TCupsSpooler cups;
    std::string error;
    EXPECT_EQ(cups.Submit({"Merrowin-No-Such-Queue", file, "t", {}}, error), 0);
    EXPECT_FALSE(error.empty());
}

TEST(ReportPrinter, NoPrinterIsAFailureNotAPrint) {
    QTemporaryDir dir;
    auto spooler = std::make_unique<TRecordingSpooler>(dir.filePath("sent.pdf").toStdString());
    TRecordingSpooler& queue = *spooler;
    TQtReportPrinter printer(std::move(spooler));
    if (!printer.Printer().printerName().isEmpty()) GTEST_SKIP() << "a printer is set up here";
    TThreePages r;
    TPrintResult result = printer.Print(r.Report);
    EXPECT_EQ(result.Status, TPrintResult::TStatus::Failed);
    EXPECT_EQ(result.Message, "No printer is installed.");
    EXPECT_TRUE(queue.Jobs.empty());
}

TEST(ReportPrinter, PrintToFileFromThePrintDialogWritesThePdf) {
    QTemporaryDir dir;
    TQtReportPrinter printer;
    const QString path = dir.filePath("chosen.pdf");
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(path);
    TThreePages r;
    ASSERT_TRUE(printer.Print(r.Report).Ok());
    EXPECT_EQ(pdftext::ReadPdf(path.toStdString()).size(), 3u);
}

TEST(ReportPrinter, JobOptionsFollowThePrinterSetup) {
    struct Case {
        QPrinter::DuplexMode Duplex;
        TOrientation Orientation;
        const char* Sides;
    } cases[] = {
        {QPrinter::DuplexNone, TOrientation::Portrait, "one-sided"},
        {QPrinter::DuplexLongSide, TOrientation::Portrait, "two-sided-long-edge"},
        {QPrinter::DuplexShortSide, TOrientation::Portrait, "two-sided-short-edge"},
        {QPrinter::DuplexAuto, TOrientation::Portrait, "two-sided-long-edge"},
        {QPrinter::DuplexAuto, TOrientation::Landscape, "two-sided-short-edge"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TQtReportPrinter::SidesFor(c.Duplex, c.Orientation), c.Sides) << c.Duplex;

    QPrinter printer(QPrinter::HighResolution);
    TReport report;
    TOptions plain = TQtReportPrinter::JobOptions(printer, report);
    EXPECT_EQ(Option(plain, "copies"), "(none)");
    EXPECT_EQ(Option(plain, "print-color-mode"), "(none)");
    EXPECT_EQ(Option(plain, "page-ranges"), "(none)");
    printer.setCopyCount(3);
    printer.setCollateCopies(true);
    printer.setColorMode(QPrinter::GrayScale);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    TOptions set = TQtReportPrinter::JobOptions(printer, report);
    EXPECT_EQ(Option(set, "copies"), "3");
    EXPECT_EQ(Option(set, "collate"), "true");
    EXPECT_EQ(Option(set, "print-color-mode"), "monochrome");
    EXPECT_EQ(Option(set, "page-ranges"), "2-4");
}

TEST(ReportPrinter, MediaIsTheReportsPaper) {
    struct Case {
        double Width, Height;
        const char* Media;
    } cases[] = {
        {850, 1100, "Letter"},     {826.77, 1169.29, "A4"},    {412.5, 950, "Env10"},
        {433.07, 866.14, "EnvDL"}, {500, 700, "Custom.5x7in"},
    };
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        TReport report;
        report.PaperWidth = c.Width;
        report.PaperHeight = c.Height;
        EXPECT_EQ(Option(TQtReportPrinter::JobOptions(printer, report), "media"), c.Media)
            << c.Width << "x" << c.Height;
    }
}

TEST(ReportPrinter, PdfFileFailuresLeaveTheOldFileAndSaySo) {
    QTemporaryDir dir;
    TQtReportPrinter printer;
    TThreePages r;

    const std::string missing = dir.filePath("no/such/folder/out.pdf").toStdString();
    TPrintResult result = printer.WritePdf(r.Report, missing);
    EXPECT_EQ(result.Status, TPrintResult::TStatus::Failed);
    EXPECT_NE(result.Message.find("File not found"), std::string::npos) << result.Message;
    EXPECT_NE(result.Message.find(missing), std::string::npos) << result.Message;

    EXPECT_EQ(printer.WritePdf(r.Report, dir.path().toStdString()).Status,
              TPrintResult::TStatus::Failed);
    EXPECT_EQ(printer.WritePdf(r.Report, "").Status, TPrintResult::TStatus::Failed);

    // A disk that fills up half way: the previous PDF stays whole.
    const std::string existing = dir.filePath("old.pdf").toStdString();
    fileio::WriteFileReplacing(existing, "old contents");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    result = printer.WritePdf(r.Report, existing);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result.Status, TPrintResult::TStatus::Failed);
    EXPECT_NE(result.Message.find("Disk full"), std::string::npos) << result.Message;
    EXPECT_EQ(fileio::ReadFile(existing), "old contents");
}

TEST(ReportPrinter, PreviewShowsEveryPage) {
    TQtReportPrinter printer;
    TThreePages r;
    int shown = -1;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        dialog->reject();
    });
    EXPECT_TRUE(printer.Preview(r.Report).Ok());
    EXPECT_EQ(shown, 3);
}

TEST(ReportFonts, ArialAndNoFaceMeanTheDefaultSans) {
    struct Case {
        const char* Family;
        QString Expected;
    } cases[] = {
        {"Arial", TQtFontMetrics::DefaultFamily()},
        {"ARIAL", TQtFontMetrics::DefaultFamily()},
        {"", TQtFontMetrics::DefaultFamily()},
        {"DejaVu Serif", "DejaVu Serif"},
    };
    for (const Case& c : cases) {
        TReportFont font;
        font.Family = c.Family;
        EXPECT_EQ(TQtFontMetrics::FontFor(font).family(), c.Expected) << c.Family;
    }
    EXPECT_EQ(TQtFontMetrics::DefaultFamily(), "Liberation Sans"); // ./dev installs it

    // Liberation Sans has Arial's metrics: lines of 1.149 em, "Merrowin" at
    // 10 points about 0.58 inch.
    TQtFontMetrics metrics;
    TReportFont ten;
    ten.Size = 10;
    EXPECT_NEAR(metrics.LineHeight(ten), 1.149 * 10 / 72 * 100, 0.2);
    EXPECT_NEAR(metrics.TextWidth(ten, "Merrowin"), 58, 2);
    TReportFont bold = ten;
    bold.Bold = true;
    EXPECT_GT(metrics.TextWidth(bold, "Merrowin"), metrics.TextWidth(ten, "Merrowin"));
}

} // namespace
