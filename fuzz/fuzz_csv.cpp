// Feeds arbitrary bytes to the CSV reader with each separator, with and
// without a header line, and maps the header onto a person's fields. A line
// of tab or semicolon text without quotes must split into exactly the
// pieces between its separators, and a row cut to its first values must
// begin as the whole row does.
#include "exchange/CommaText.h"
#include "exchange/CsvColumns.h"
#include "exchange/CsvReader.h"
#include "exchange/ImportError.h"

#include <cstdlib>
#include <string>

namespace {
std::string Join(const std::vector<std::string>& values, char sep) {
    std::string s;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) s += sep;
        s += values[i];
    }
    return s;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto sep = static_cast<TSeparator>(data[0] % 3);
    const bool header = data[0] & 4;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        TCsvReader csv(text, {sep, "", header}, "fuzz.csv");
        TCsvColumnMap map(csv.Header(), CsvRecordTypes()[0].Fields);
        int lastLine = 0;
        std::vector<std::string> values, names;
        for (TCsvRow row; csv.Next(row);) {
            if (row.Line <= lastLine) std::abort();
            lastLine = row.Line;
            map.Select(row.Values, map.Fields(), values, names);
            if (values.size() != names.size()) std::abort();
        }
    } catch (const EImportError&) {
        // a NUL byte: no text file
    }
    // One line of tab or semicolon text without quotes splits at every
    // separator and nowhere else.
    if (sep != TSeparator::Comma && text.find_first_of("\"\r\n") == std::string::npos) {
        char c = sep == TSeparator::Tab ? '\t' : ';';
        auto values = TCsvReader::SplitLine(text, sep);
        if (!text.empty() && Join(values, c) != text) std::abort();
    }
    // Comma text splits as QuoteFields and SplitCommaText split it.
    if (sep == TSeparator::Comma) {
        std::string quoted = text;
        commatext::QuoteFields(quoted);
        if (TCsvReader::SplitLine(text, sep) != commatext::SplitCommaText(quoted)) std::abort();
    }
    // Keeping the first values of a row gives the values the whole split
    // would begin with.
    if (size_t keep = data[0] >> 3) {
        auto all = TCsvReader::SplitLine(text, sep);
        auto some = TCsvReader::SplitLine(text, sep, keep);
        if (all.size() > keep) all.resize(keep);
        if (some != all) std::abort();
    }
    return 0;
}
