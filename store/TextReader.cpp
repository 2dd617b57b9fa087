#include "store/TextReader.h"

#include "platform/Errors.h"

#include <cstring>

TTextReader::TTextReader(std::string_view text, std::string fileName)
    : FText(text), FFileName(std::move(fileName)) {}

void TTextReader::ConsumeLineEnd() {
    if (FPos >= FText.size()) return;
    if (FText[FPos] == '\r') {
        ++FPos;
        if (FPos < FText.size() && FText[FPos] == '\n') ++FPos;
        ++FLine;
    } else if (FText[FPos] == '\n') {
        ++FPos;
        ++FLine;
    }
}

char TTextReader::ReadChar() {
    if (FPos >= FText.size()) return kEofMark;
    char c = FText[FPos];
    if (c == '\r' || c == '\n') {
        // A line end read as characters: CR, then LF, count one line.
        ++FPos;
        if (c == '\n' || FPos >= FText.size() || FText[FPos] != '\n') ++FLine;
        return c;
    }
    ++FPos;
    return c;
}

int64_t TTextReader::ReadInt() {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
        char c = FText[FPos];
        if (c == '\r' || c == '\n')
            ConsumeLineEnd();
        else
            ++FPos;
    }
    if (FPos >= FText.size()) return 0;
    int line = FLine;
    size_t start = FPos;
    while (FPos < FText.size() && FPos - start < 32 &&
           static_cast<unsigned char>(FText[FPos]) > ' ')
        ++FPos;
    std::string_view run = FText.substr(start, FPos - start);

    size_t i = 0;
    bool neg = false;
    if (i < run.size() && (run[i] == '+' || run[i] == '-')) neg = run[i++] == '-';
    bool hex = false;
    if (i < run.size() && run[i] == '$') {
        hex = true;
        ++i;
    }
    if (i >= run.size()) throw EInOutError(io_error::InvalidNumericInput, FFileName, line);
    int64_t v = 0;
    for (; i < run.size(); ++i) {
        char c = run[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            throw EInOutError(io_error::InvalidNumericInput, FFileName, line);
        v = v * (hex ? 16 : 10) + d;
        if (v > (hex ? 0xFFFFFFFFLL : 2147483648LL))
            throw EInOutError(io_error::InvalidNumericInput, FFileName, line);
    }
    if (hex) v = static_cast<int32_t>(static_cast<uint32_t>(v));
    if (neg) v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        throw EInOutError(io_error::InvalidNumericInput, FFileName, line);
    return v;
}

std::string TTextReader::ReadLn() {
    size_t start = FPos;
    const char* base = FText.data();
    size_t n = FText.size();
    // Find the first CR or LF from here.
    size_t end = start;
    while (end < n) {
        const void* lf = std::memchr(base + end, '\n', n - end);
        size_t lfPos = lf ? static_cast<size_t>(static_cast<const char*>(lf) - base) : n;
        const void* cr = std::memchr(base + end, '\r', lfPos - end);
        end = cr ? static_cast<size_t>(static_cast<const char*>(cr) - base) : lfPos;
        break;
    }
    std::string line(FText.substr(start, end - start));
    FPos = end;
    ConsumeLineEnd();
    return line;
}

void TTextReader::SkipLn() {
    while (FPos < FText.size() && FText[FPos] != '\r' && FText[FPos] != '\n')
        ++FPos;
    ConsumeLineEnd();
}
