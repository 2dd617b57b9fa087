#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading comma-, tab- or semicolon-separated text for the import.
//
// Each line is one row of values; the import gives value i to the i-th field
// chosen (or, with a header line, to the field its column names, see
// CsvColumns.h). How a line splits:
//   - comma: the line goes through QuoteFields and SplitCommaText, so a value
//     holding a comma must be in double quotes, a doubled quote inside stands
//     for one, and blanks around values stay part of them;
//   - tab and semicolon: only that character separates; a comma is text. A
//     value in double quotes may hold the separator.
// A line ends at CR, LF or CR LF, except inside a value that opens with a
// double quote and is closed later in the file: spreadsheets and address
// books write multi-line notes and addresses that way. An unclosed quote
// never swallows the rest of the file: the row then ends at its line end.
//
// The file becomes UTF-8 first: a UTF-8 byte-order mark is dropped, UTF-16
// (with a mark, or recognised by its zero bytes) is converted, other files
// are read in the encoding the user chose (TextEncoding.h). A file holding a
// NUL byte is no text file: Next raises EImportError with the file and line.
//
// Usage (the wizard's CSV page and the command line):
//   TCsvOptions opt;  opt.Separator = TSeparator::Tab;  opt.HeaderLine = true;
//   TCsvReader csv = TCsvReader::Open(path, opt);     // EInOutError if unreadable
//   TCsvColumnMap map(csv.Header(), PersonFields);     // preselects the fields
//   for (TCsvRow row; csv.Next(row);) { ... row.Values, row.Line ... }
// Memory: the file's text and one row at a time; time: linear in the file.

enum class TSeparator { Comma, Tab, Semicolon };

// The entries of the separator list, in order: "Comma", "Tab", "Semicolon".
const std::vector<std::string>& SeparatorNames();
// The separator of a list entry (or of "comma", "tab", "semicolon" on the
// command line, any letter case); false when the name is none of them.
bool SeparatorFromName(const std::string& name, TSeparator& separator);

struct TCsvOptions {
    TSeparator Separator = TSeparator::Comma;
    std::string Encoding;    // "" = UTF-8 when the file is valid UTF-8, else Windows-1252
    bool HeaderLine = false; // the first line holds field names and is no row
    // A row keeps at most this many values (0: all). No address book writes
    // a thousand columns, and a file of one huge line then cannot fill the
    // memory with millions of values that no field would take.
    size_t MaxValues = 1024;
};

struct TCsvRow {
    std::vector<std::string> Values;
    int Line = 0; // the row's first line in the file, from 1
};

class TCsvReader {
public:
    // Reads the whole file; raises EInOutError when it cannot be read, and
    // EConvertError for an encoding iconv does not know.
    static TCsvReader Open(const std::string& fileName, const TCsvOptions& options);
    // The same for bytes in memory; fileName only names them in errors.
    TCsvReader(std::string bytes, const TCsvOptions& options, std::string fileName = {});

    // The next row; false after the last. An empty line is a row without
    // values (the import rejects it as the record does).
    bool Next(TCsvRow& row);

    // The names of the first line when the options ask for a header line.
    const std::vector<std::string>& Header() const { return FHeader; }
    const std::string& Encoding() const { return FEncoding; }
    // Byte sequences the chosen encoding could not hold (shown as U+FFFD).
    size_t Replaced() const { return FReplaced; }
    const std::string& FileName() const { return FFileName; }

    // One line split into values as described above; the first maxValues
    // values (0: all).
    static std::vector<std::string> SplitLine(std::string_view line, TSeparator separator,
                                              size_t maxValues = 0);

private:
    // The next line of text, joined across line ends inside quoted values.
    bool NextRecord(std::string_view& record, int& line);

    std::string FText;
    std::string FFileName;
    std::string FEncoding;
    size_t FReplaced = 0;
    TSeparator FSeparator;
    size_t FMaxValues;
    char FSepChar;
    size_t FPos = 0;
    int FLine = 1;
    size_t FLastQuote; // npos when the text has no double quote
    std::vector<std::string> FHeader;
};
