#pragma once

#include <string>
#include <utility>
#include <vector>

// A finished document on its way to a printer queue.
struct TPrintJob {
    std::string Printer;
    std::string File; // a PDF
    std::string Title;
    std::vector<std::pair<std::string, std::string>> Options; // IPP job attributes
};

// The system's print queue.
class IPrintSpooler {
public:
    virtual ~IPrintSpooler() = default;

    // The job's id, or 0 with the spooler's message in error.
    virtual int Submit(const TPrintJob& job, std::string& error) = 0;
};
