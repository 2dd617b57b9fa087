#include "report/TextFit.h"

#include <algorithm>
#include <cmath>

namespace textfit {
namespace {

constexpr double kSlack = 1e-6;

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offsets where a character ends, in order.
std::vector<size_t> CharEnds(std::string_view text) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || !IsContinuation(static_cast<unsigned char>(text[i])))
            ends.push_back(i);
    return ends;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

} // namespace

std::string CutToWidth(const IFontMetrics& metrics, const TReportFont& font, std::string_view text,
                       double width) {
    if (metrics.TextWidth(font, text) <= width + kSlack) return std::string(text);
    std::vector<size_t> ends = CharEnds(text);
    // Binary search for the last character end whose prefix still fits.
    size_t lo = 0, hi = ends.size(); // prefixes of ends[0..lo) fit; ends[hi-1] does not
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (metrics.TextWidth(font, text.substr(0, ends[mid])) <= width + kSlack)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo == 0 ? std::string() : std::string(text.substr(0, ends[lo - 1]));
}

namespace {

// A wrapped row and the offset in its line just past its last character.
struct TRow {
    std::string Text;
    size_t End;
};

std::vector<TRow> WrapRows(const IFontMetrics& metrics, const TReportFont& font,
                           std::string_view line, double width) {
    std::vector<TRow> rows;
    TRow row{{}, 0};
    auto fits = [&](std::string_view s) { return metrics.TextWidth(font, s) <= width + kSlack; };
    size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ') {
            ++pos;
            continue;
        }
        size_t end = line.find(' ', pos);
        if (end == std::string_view::npos) end = line.size();
        std::string_view word = line.substr(pos, end - pos);
        size_t wordStart = pos;
        pos = end;
        std::string candidate =
            row.Text.empty() ? std::string(word) : row.Text + " " + std::string(word);
        if (fits(candidate)) {
            row = {std::move(candidate), end};
            continue;
        }
        if (!row.Text.empty()) rows.push_back(std::move(row));
        row = {{}, 0};
        while (!fits(word)) {
            std::string piece = CutToWidth(metrics, font, word, width);
            if (piece.empty()) {
                // A single character wider than the box still takes a row.
                piece = std::string(word.substr(0, CharEnds(word).front()));
            }
            word.remove_prefix(piece.size());
            wordStart += piece.size();
            rows.push_back({std::move(piece), wordStart});
            if (word.empty()) break;
        }
        if (!word.empty()) row = {std::string(word), end};
    }
    if (!row.Text.empty() || rows.empty()) rows.push_back(std::move(row));
    return rows;
}

} // namespace

std::vector<std::string> WrapLine(const IFontMetrics& metrics, const TReportFont& font,
                                  std::string_view line, double width) {
    std::vector<std::string> texts;
    for (TRow& row : WrapRows(metrics, font, line, width))
        texts.push_back(std::move(row.Text));
    return texts;
}

std::vector<std::string> FitLines(const IFontMetrics& metrics, const TReportFont& font,
                                  std::string_view text, double width, double height,
                                  bool wordWrap) {
    std::vector<std::string_view> lines = SplitLines(text);
    double lineHeight = metrics.LineHeight(font);
    size_t capacity = 1;
    if (lineHeight > 0 && height > lineHeight)
        capacity = static_cast<size_t>(std::floor(height / lineHeight + kSlack));

    std::vector<std::string> rows;
    size_t spare = capacity > lines.size() ? capacity - lines.size() : 0;
    for (size_t i = 0; i < lines.size() && rows.size() < capacity; ++i) {
        std::string_view line = lines[i];
        if (!wordWrap || spare == 0 || metrics.TextWidth(font, line) <= width + kSlack) {
            rows.push_back(CutToWidth(metrics, font, line, width));
            continue;
        }
        std::vector<TRow> wrapped = WrapRows(metrics, font, line, width);
        size_t take = std::min(wrapped.size(), spare + 1);
        if (take < wrapped.size()) {
            // The last row we have room for takes as much of the rest as fits.
            std::string_view rest = line.substr(take >= 2 ? wrapped[take - 2].End : 0);
            while (!rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
            wrapped[take - 1].Text = CutToWidth(metrics, font, rest, width);
        }
        for (size_t r = 0; r < take; ++r)
            rows.push_back(std::move(wrapped[r].Text));
        spare -= take - 1;
    }
    return rows;
}

} // namespace textfit
