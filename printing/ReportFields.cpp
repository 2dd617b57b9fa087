#include "printing/ReportFields.h"

#include "exchange/CommaText.h"
#include "store/KexObject.h"

namespace reportfields {

TNodeRange NodeRange(const TTreeNode& node) {
    return {node.AbsoluteIndex(), node.DeepestLastDescendant()->AbsoluteIndex()};
}

std::vector<std::string> Fields(const TKexObject& object,
                                std::initializer_list<const char*> names) {
    std::vector<std::string> values;
    values.reserve(names.size());
    for (const char* name : names) {
        std::string text;
        object.GetCsvField(name, text);
        std::vector<std::string> items = commatext::SplitCommaText(text);
        values.push_back(items.empty() ? std::string() : std::move(items.front()));
    }
    return values;
}

std::vector<std::string> AddressFields(const TKexObject& object) {
    return Fields(object, {"Address Line 1", "Address Line 2", "Address Line 3", "City",
                           "State/Province", "Postal Code", "Country"});
}

std::vector<std::string> PostalLines(const std::vector<std::string>& a) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < 3 && i < a.size(); ++i)
        if (!a[i].empty()) lines.push_back(a[i]);
    if (a.size() < 7) return lines;
    if (!a[3].empty())
        lines.push_back(a[3] + ", " + a[4]);
    else if (!a[4].empty())
        lines.push_back(a[4]); // a state without a city is still part of the address
    lines.push_back(a[5] + " " + a[6]);
    return lines;
}

std::string FirstCharacter(const std::string& text) {
    if (text.empty()) return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (n > text.size()) return text.substr(0, 1);
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return text.substr(0, 1);
    return text.substr(0, n);
}

std::string JoinLines(const std::vector<std::string>& lines, const char* separator) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += separator;
        out += lines[i];
    }
    return out;
}

int DigitsValue(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
        else if (c == ' ' || c == '_')
            value *= 10;
        if (value > 100000) break; // more than any paper is long
    }
    return value;
}

std::string PaddedDigits(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
    return digits;
}

double LineHeight(const TReportFont& font) {
    // Points to hundredths of an inch. Sans faces space their lines at 1.15
    // to 1.36 of the size; a band too low would drop its last line.
    return font.Size * 100.0 / 72.0 * 1.4;
}

} // namespace reportfields
