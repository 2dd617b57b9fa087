#include "support/PdfText.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>

namespace {

constexpr double kPointsToHundredths = 100.0 / 72.0;

// The value of attribute name="..." in the tag starting at pos.
double Attribute(const std::string& s, size_t tagStart, size_t tagEnd, const char* name) {
    std::string key = std::string(" ") + name + "=\"";
    size_t pos = s.find(key, tagStart);
    if (pos == std::string::npos || pos > tagEnd)
        throw std::runtime_error(std::string("pdftotext output lacks ") + name);
    return std::stod(s.substr(pos + key.size()));
}

std::string DecodeEntities(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        size_t end = s.find(';', i);
        if (end == std::string::npos) {
            out += s.substr(i);
            break;
        }
        std::string name = s.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else
            out += s.substr(i, end - i + 1);
        i = end;
    }
    return out;
}

std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

std::vector<TPdfWord> TPdfPage::Find(const std::string& text) const {
    std::vector<TPdfWord> found;
    for (const TPdfWord& w : Words)
        if (w.Text == text) found.push_back(w);
    return found;
}

std::string TPdfPage::Text() const {
    std::string s;
    for (const TPdfWord& w : Words)
        s += (s.empty() ? "" : " ") + w.Text;
    return s;
}

namespace pdftext {

std::vector<TPdfPage> ParseBbox(const std::string& s) {
    std::vector<TPdfPage> pages;
    size_t pos = 0;
    while ((pos = s.find('<', pos)) != std::string::npos) {
        size_t tagEnd = s.find('>', pos);
        if (tagEnd == std::string::npos) break;
        if (s.compare(pos, 6, "<page ") == 0) {
            TPdfPage& page = pages.emplace_back();
            page.Width = Attribute(s, pos, tagEnd, "width") * kPointsToHundredths;
            page.Height = Attribute(s, pos, tagEnd, "height") * kPointsToHundredths;
        } else if (s.compare(pos, 6, "<word ") == 0) {
            if (pages.empty()) throw std::runtime_error("pdftotext output: a word outside a page");
            size_t close = s.find("</word>", tagEnd);
            if (close == std::string::npos) throw std::runtime_error("pdftotext output: open word");
            double xMin = Attribute(s, pos, tagEnd, "xMin") * kPointsToHundredths;
            double yMin = Attribute(s, pos, tagEnd, "yMin") * kPointsToHundredths;
            double xMax = Attribute(s, pos, tagEnd, "xMax") * kPointsToHundredths;
            double yMax = Attribute(s, pos, tagEnd, "yMax") * kPointsToHundredths;
            pages.back().Words.push_back({DecodeEntities(s.substr(tagEnd + 1, close - tagEnd - 1)),
                                          {xMin, yMin, xMax - xMin, yMax - yMin}});
            tagEnd = close;
        }
        pos = tagEnd + 1;
    }
    return pages;
}

std::vector<TPdfPage> ReadPdf(const std::string& path) {
    std::string command = "pdftotext -bbox " + ShellQuoted(path) + " - 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run pdftotext");
    std::string output;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("pdftotext failed on " + path + ": " + output);
    return ParseBbox(output);
}

} // namespace pdftext
