#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads a text file the way the stored files were always read: character
// reads return raw characters (line ends included, and the end-of-file mark
// 0x1A past the end); integer reads skip every character up to and including
// the blank, then take a run of at most 32 characters above the blank as a
// decimal number (optional sign, "$" for hexadecimal) and answer 0 at the end
// of the file; a run that is no number raises I/O error 106 "Invalid numeric
// input" with the line it stands on. A line ends at CR LF, LF or a lone CR.
class TTextReader {
public:
    TTextReader(std::string_view text, std::string fileName);

    static constexpr char kEofMark = '\x1A';

    bool Eof() const { return FPos >= FText.size(); }
    char ReadChar();
    int64_t ReadInt();
    // The rest of the current line; moves to the start of the next line.
    std::string ReadLn();
    void SkipLn();
    // 1-based number of the line the next read starts on.
    int Line() const { return FLine; }
    const std::string& FileName() const { return FFileName; }

private:
    // Consumes a line end at FPos, if there is one.
    void ConsumeLineEnd();

    std::string_view FText;
    size_t FPos = 0;
    int FLine = 1;
    std::string FFileName;
};
