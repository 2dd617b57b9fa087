// The report printer of merrowin-cli print: Qt draws the PDF on its
// offscreen platform, so no display is needed.
#include "cli/PdfPrinter.h"

#include "platform/Services.h"
#include "printing/PrinterSetupDlg.h"
#include "printing/ui/PrinterSettingsQt.h"
#include "report/ui/QtReportPrinter.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

class TOffscreenPdfPrinter : public IReportPrinter {
public:
    TOffscreenPdfPrinter() : FApp(MakeApp()), FPrinter(std::make_unique<TQtReportPrinter>()) {
        // The paper chosen in the printer setup, as the desktop prints on.
        printersettings::Apply(FPrinter->Printer(), TPrinterSettings::Load(Svc().UseSettings()));
    }
    ~TOffscreenPdfPrinter() override {
        FPrinter.reset();
        FApp.reset();
    }

    TPrintResult Print(TReport&) override {
        return TPrintResult::Failed("merrowin-cli only writes PDF files.");
    }
    TPrintResult Preview(TReport&) override {
        return TPrintResult::Failed("merrowin-cli shows no preview.");
    }
    TPrintResult WritePdf(TReport& report, const std::string& path) override {
        return FPrinter->WritePdf(report, path);
    }

private:
    static std::unique_ptr<QGuiApplication> MakeApp() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes about the session (no runtime folder, no display) are
        // no business of a command that writes a file; its errors are.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "merrowin-cli: %s\n", qPrintable(text));
        });
        static int argc = 1;
        static char name[] = "merrowin-cli";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }

    std::unique_ptr<QGuiApplication> FApp;
    std::unique_ptr<TQtReportPrinter> FPrinter;
};

} // namespace

std::unique_ptr<IReportPrinter> MakePdfPrinter() {
    return std::make_unique<TOffscreenPdfPrinter>();
}
