#pragma once

#include "report/PrintSpooler.h"
#include "report/Report.h"
#include "report/ReportPrinter.h"
#include "report/ui/QtFontMetrics.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPrinter>
#include <memory>

class QWidget;

// Reports on the desktop: printed through CUPS, previewed in Qt's print
// preview, written as PDF. Pages are drawn on the paper's full area, so
// everything is placed from the paper's edge, as label sheets are measured.
//
// A report that takes its paper from the printer is laid out on the
// printer's paper (for a PDF: the current printer's, Qt's default without
// one); one with its own paper (envelopes, label sheets) asks for it.
class TQtReportPrinter : public IReportPrinter {
public:
    // Without a spooler, jobs go to CUPS.
    explicit TQtReportPrinter(std::unique_ptr<IPrintSpooler> spooler = nullptr,
                              QWidget* parent = nullptr);
    ~TQtReportPrinter() override;

    // The printer, paper and orientation chosen in the printer setup.
    QPrinter& Printer() { return *FPrinter; }

    TPrintResult Print(TReport& report) override;
    TPrintResult Preview(TReport& report) override;
    TPrintResult WritePdf(TReport& report, const std::string& path) override;

    // The report laid out and drawn as a PDF document.
    QByteArray PdfDocument(TReport& report);
    // Laid-out pages of the report drawn as a PDF document.
    static QByteArray DrawPdf(const TReport& report, const std::vector<TReportPage>& pages);

    // The job attributes for CUPS: the print dialog's own options, then the
    // copies, sides, colour, pages and paper.
    static std::vector<std::pair<std::string, std::string>> JobOptions(const QPrinter& printer,
                                                                       const TReport& report);
    static QPageLayout PageLayoutOf(const TReport& report);
    // The IPP "sides" for the printer's duplex setting.
    static std::string SidesFor(QPrinter::DuplexMode duplex, TOrientation orientation);

    // The report as a job for the named print queue; a refused job fails
    // with the spooler's message.
    TPrintResult PrintTo(const std::string& printerName, TReport& report,
                         std::vector<std::pair<std::string, std::string>> options);

private:
    TPrintResult PrintOn(QPrinter& printer, TReport& report);
    TPrintResult WritePdfFile(TReport& report, const QPrinter& printer, const std::string& path);
    void TakePaper(TReport& report, const QPrinter& printer) const;

    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<IPrintSpooler> FSpooler;
    QWidget* FParent;
    TQtFontMetrics FMetrics;
};
