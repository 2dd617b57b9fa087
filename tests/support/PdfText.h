#pragma once

#include "report/ReportPage.h"

#include <string>
#include <vector>

// The words of a PDF as poppler's pdftotext -bbox reads them back, for tests
// that check where printed text landed. Lengths are hundredths of an inch
// from the page's top-left corner, as the report engine measures.
struct TPdfWord {
    std::string Text;
    TBox Box;
};

struct TPdfPage {
    double Width = 0;
    double Height = 0;
    std::vector<TPdfWord> Words;

    // The words whose text is exactly text.
    std::vector<TPdfWord> Find(const std::string& text) const;
    // The page's words joined with spaces, in reading order as pdftotext gives them.
    std::string Text() const;
};

namespace pdftext {

// Runs pdftotext -bbox on the file; throws std::runtime_error when it fails.
std::vector<TPdfPage> ReadPdf(const std::string& path);

// Parses pdftotext's -bbox output (XHTML with <page> and <word> elements).
std::vector<TPdfPage> ParseBbox(const std::string& xhtml);

} // namespace pdftext
