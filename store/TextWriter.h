#pragma once

#include <string>
#include <string_view>

// A text file being written: lines end with CR LF. Text is collected in
// memory and written in one go by Close, which replaces the file safely
// (fileio::WriteFileReplacing) and raises EInOutError when that fails.
class TTextWriter {
public:
    TTextWriter() = default;
    explicit TTextWriter(std::string fileName) : FFileName(std::move(fileName)) {}

    void Write(std::string_view text) { FText.append(text); }
    void WriteLn(std::string_view text) {
        FText.append(text);
        FText.append("\r\n");
    }
    void WriteLn() { FText.append("\r\n"); }

    const std::string& Text() const { return FText; }
    std::string& Buffer() { return FText; }
    const std::string& FileName() const { return FFileName; }
    // Writes the collected text to the file (nothing when no file name is set).
    void Close();

private:
    std::string FFileName;
    std::string FText;
};
