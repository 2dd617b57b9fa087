#pragma once

#include "report/FixedFontMetrics.h"
#include "report/Report.h"
#include "report/ReportPrinter.h"

#include <string>
#include <vector>

// A report printer that lays every report out with fixed metrics on the
// report's own paper, keeps the pages and answers Result.
class TRecordingPrinter : public IReportPrinter {
public:
    enum class TCall { Print, Preview, Pdf };
    struct TJob {
        TCall Call;
        std::string Title;
        std::string Path;
        std::vector<TReportPage> Pages;
    };

    TPrintResult Print(TReport& report) override { return Record(TCall::Print, report, {}); }
    TPrintResult Preview(TReport& report) override { return Record(TCall::Preview, report, {}); }
    TPrintResult WritePdf(TReport& report, const std::string& path) override {
        return Record(TCall::Pdf, report, path);
    }

    std::vector<TJob> Jobs;
    TPrintResult Result;

private:
    TPrintResult Record(TCall call, TReport& report, const std::string& path) {
        Jobs.push_back({call, report.Title, path, report.Layout(FMetrics)});
        return Result;
    }
    TFixedFontMetrics FMetrics;
};
