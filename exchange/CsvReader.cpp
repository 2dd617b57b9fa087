#include "exchange/CsvReader.h"

#include "exchange/CommaItems.h"
#include "exchange/CommaText.h"
#include "exchange/ImportError.h"
#include "exchange/TextEncoding.h"
#include "platform/FileIO.h"

#include <cctype>
#include <cstring>

const std::vector<std::string>& SeparatorNames() {
    static const std::vector<std::string> names = {"Comma", "Tab", "Semicolon"};
    return names;
}

bool SeparatorFromName(const std::string& name, TSeparator& separator) {
    const auto& names = SeparatorNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& n = names[i];
        if (n.size() != name.size()) continue;
        bool same = true;
        for (size_t k = 0; k < n.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(n[k])) ==
                   std::tolower(static_cast<unsigned char>(name[k]));
        if (same) {
            separator = static_cast<TSeparator>(i);
            return true;
        }
    }
    return false;
}

namespace {
char SeparatorChar(TSeparator s) {
    switch (s) {
    case TSeparator::Tab:
        return '\t';
    case TSeparator::Semicolon:
        return ';';
    case TSeparator::Comma:
        break;
    }
    return ',';
}

// Tab and semicolon text: only the separator splits; a value opening with a
// double quote runs to the closing one, "" inside standing for one quote.
std::vector<std::string> SplitOn(std::string_view s, char sep, size_t maxValues) {
    std::vector<std::string> values;
    if (s.empty()) return values;
    size_t i = 0, n = s.size();
    while (maxValues == 0 || values.size() < maxValues) {
        std::string v;
        if (i < n && s[i] == '"') {
            for (++i; i < n; ++i) {
                if (s[i] != '"') {
                    v += s[i];
                } else if (i + 1 < n && s[i + 1] == '"') {
                    v += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        }
        // Unquoted text, or whatever follows a closing quote, up to the separator.
        size_t end = s.find(sep, i);
        if (end == std::string_view::npos) end = n;
        v.append(s.substr(i, end - i));
        values.push_back(std::move(v));
        if (end == n) break;
        i = end + 1;
    }
    return values;
}
} // namespace

std::vector<std::string> TCsvReader::SplitLine(std::string_view line, TSeparator separator,
                                               size_t maxValues) {
    if (separator != TSeparator::Comma) return SplitOn(line, SeparatorChar(separator), maxValues);
    std::string text(line);
    commatext::QuoteFields(text);
    std::vector<std::string> values;
    TCommaItems items(text);
    for (std::string v; (maxValues == 0 || values.size() < maxValues) && items.Next(v);)
        values.push_back(std::move(v));
    return values;
}

TCsvReader TCsvReader::Open(const std::string& fileName, const TCsvOptions& options) {
    return TCsvReader(fileio::ReadFile(fileName), options, fileName);
}

TCsvReader::TCsvReader(std::string bytes, const TCsvOptions& options, std::string fileName)
    : FFileName(std::move(fileName)), FSeparator(options.Separator), FMaxValues(options.MaxValues),
      FSepChar(SeparatorChar(options.Separator)) {
    textencoding::TDecoded d = textencoding::DecodeToUtf8(std::move(bytes), options.Encoding);
    FText = std::move(d.Text);
    FEncoding = std::move(d.Encoding);
    FReplaced = d.Replaced;
    FLastQuote = FText.rfind('"');
    if (options.HeaderLine) {
        TCsvRow first;
        if (Next(first)) FHeader = std::move(first.Values);
    }
}

bool TCsvReader::NextRecord(std::string_view& record, int& line) {
    const size_t n = FText.size();
    if (FPos >= n) return false;
    const size_t start = FPos;
    line = FLine;
    bool fieldStart = true, inQuotes = false;
    size_t i = start;
    // Steps over the line end at i; true when there was one.
    auto lineEnd = [&]() {
        if (FText[i] != '\r' && FText[i] != '\n') return false;
        i += FText[i] == '\r' && i + 1 < n && FText[i + 1] == '\n' ? 2 : 1;
        ++FLine;
        return true;
    };
    while (i < n) {
        char c = FText[i];
        if (inQuotes) {
            if (c == '"') {
                if (i + 1 < n && FText[i + 1] == '"') {
                    i += 2;
                    continue;
                }
                inQuotes = false;
                ++i;
                continue;
            }
            // A line end inside quotes belongs to the value only when a
            // quote further on can close it.
            if (FLastQuote != std::string::npos && FLastQuote > i && lineEnd()) continue;
        }
        size_t end = i;
        if (lineEnd()) {
            record = std::string_view(FText).substr(start, end - start);
            FPos = i;
            return true;
        }
        if (inQuotes) {
            ++i;
        } else if (c == FSepChar) {
            fieldStart = true;
            ++i;
        } else if (c == '"' && fieldStart) {
            inQuotes = true;
            fieldStart = false;
            ++i;
        } else {
            // Blanks before an opening quote still count as the field's start.
            if (c != ' ' && c != '\t') fieldStart = false;
            ++i;
        }
    }
    record = std::string_view(FText).substr(start);
    FPos = n;
    return true;
}

bool TCsvReader::Next(TCsvRow& row) {
    std::string_view record;
    if (!NextRecord(record, row.Line)) return false;
    if (const void* nul = std::memchr(record.data(), '\0', record.size())) {
        // The line of the NUL itself, within a row over several lines.
        auto before =
            record.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - record.data()));
        int line = row.Line;
        for (size_t k = 0; k < before.size(); ++k)
            line += before[k] == '\n' ||
                    (before[k] == '\r' && (k + 1 == before.size() || before[k + 1] != '\n'));
        throw EImportError("Not a text file", FFileName, line);
    }
    row.Values = SplitLine(record, FSeparator, FMaxValues);
    return true;
}
