#pragma once

#include "platform/Settings.h"

#include <functional>
#include <string>
#include <vector>

// A Windows-style profile file. The file is read once; every write changes the
// lines in memory and writes the whole file back atomically (once per batch,
// see ISettings::BeginUpdate), keeping comments,
// unknown lines and the order of everything it does not touch. Section and key
// names are matched without regard to ASCII case; values are kept verbatim.
// Lines that are neither a section header nor "key=value" are ignored, the first
// of two equal keys wins, and a missing file reads as empty. A file that exists
// but cannot be read gives the defaults, and every write then raises that read
// error instead of replacing the file. An empty path keeps the settings in
// memory only. A write the file refuses raises EInOutError; the change stays in
// memory.
class TIniFile : public ISettings {
public:
    explicit TIniFile(std::string path = {});

    const std::string& FileName() const { return FPath; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    int ReadInteger(const std::string& section, const std::string& key,
                    int defaultValue) const override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void WriteInteger(const std::string& section, const std::string& key, int value) override;
    void EraseSection(const std::string& section) override;
    std::vector<std::string> ReadSection(const std::string& section) const override;
    void BeginUpdate() override { ++FBatch; }
    void EndUpdate() override;
    void CancelUpdate() override;

    // Reads the file again, dropping what is in memory.
    void Reload();
    // The whole file as it would be written (CR LF line ends).
    std::string Text() const;

    // Parses the text of a profile file (used by Reload and by the fuzzer).
    void Parse(const std::string& text);

    // Writes the whole text to the file; fileio::WriteFileReplacing unless
    // replaced (the tests count the writes through it).
    std::function<void(const std::string& path, const std::string& text)> Writer;

private:
    struct Line {
        std::string Raw;     // the line as read, without its line end
        std::string Section; // for a header: the section name, trimmed
        std::string Key;     // for a key line: the key name, trimmed
        bool IsHeader = false;
        bool IsKey = false;
    };

    // Index of the section's header line, or -1.
    int FindSection(const std::string& section) const;
    // Index of the key's line inside the section starting at header, or -1.
    int FindKey(int header, const std::string& key) const;
    // One past the last line of the section starting at header.
    int SectionEnd(int header) const;
    // A change was made: written now, or at the end of the batch.
    void Flush();
    void WriteFile();

    std::string FPath;
    std::vector<Line> FLines;
    int FReadError = 0; // the I/O error code of a file that could not be read
    int FBatch = 0;
    bool FDirty = false; // changes not yet in the file
};
