#pragma once

#include <string>

class TReport;

// What became of a print, a preview or a PDF. Failed carries the message to
// show: the printer's own, or the file's.
struct TPrintResult {
    enum class TStatus { Done, Canceled, Failed };
    TStatus Status = TStatus::Done;
    std::string Message;

    bool Ok() const { return Status == TStatus::Done; }
    static TPrintResult Failed(std::string message) {
        return {TStatus::Failed, std::move(message)};
    }
};

// Where reports go: the printer chosen in the printer setup, the screen, or a
// PDF file. The report is laid out again for each (a preview's paper may
// differ from the file's).
class IReportPrinter {
public:
    virtual ~IReportPrinter() = default;

    // To the current printer, without asking.
    virtual TPrintResult Print(TReport& report) = 0;
    // On screen, from where the user may print it.
    virtual TPrintResult Preview(TReport& report) = 0;
    virtual TPrintResult WritePdf(TReport& report, const std::string& path) = 0;
};
