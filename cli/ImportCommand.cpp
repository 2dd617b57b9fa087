#include "cli/ImportCommand.h"

#include "exchange/CsvColumns.h"
#include "exchange/TextEncoding.h"
#include "exchange/jobs/ImportJob.h"
#include "platform/ProgramFolder.h"
#include "store/ContactStore.h"
#include "store/TreePath.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <stdexcept>

const char* const kImportUsage =
    "  import TYPE FILE-OR-DIR [PATH] [OPTIONS]\n"
    "                          import below PATH (default: the root) and save; TYPE is\n"
    "                          tvd, favorites, bookmarks, addressbook, nicknames, csv or\n"
    "                          vcard; csv OPTIONS: --fields \"Title,First Name,...\",\n"
    "                          --type Person|Organization|... (default Person),\n"
    "                          --sep comma|tab|semicolon, --header (the first line names\n"
    "                          the columns; without --fields they choose the fields),\n"
    "                          --encoding NAME\n";

namespace {

struct TUsage : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// A record type by its list entry or the first word of it ("Person",
// "website", "e-mail", "fax"), letter case ignored.
size_t RecordTypeByName(const std::string& name) {
    const auto& types = CsvRecordTypes();
    const std::string want = Lower(name);
    for (size_t i = 0; i < types.size(); ++i) {
        std::string entry = Lower(types[i].Entry);
        std::string first = entry.substr(0, entry.find(' '));
        if (want == entry || want == first || (!first.empty() && want + "s" == first)) return i;
    }
    std::string known;
    for (const auto& t : types)
        known += (known.empty() ? "" : ", ") + t.Entry;
    throw TUsage("no such record type: " + name + " (" + known + ")");
}

std::vector<std::string> FieldList(const std::string& text, const TCsvRecordType& type) {
    std::vector<std::string> fields;
    size_t from = 0;
    while (from <= text.size()) {
        size_t comma = text.find(',', from);
        if (comma == std::string::npos) comma = text.size();
        std::string f = Trim(text.substr(from, comma - from));
        from = comma + 1;
        if (f.empty()) continue;
        auto known = std::find_if(type.Fields.begin(), type.Fields.end(),
                                  [&](const std::string& t) { return Lower(t) == Lower(f); });
        if (known == type.Fields.end()) throw TUsage("\"" + f + "\" is no field of " + type.Entry);
        fields.push_back(*known);
    }
    if (fields.empty()) throw TUsage("--fields names no field");
    return fields;
}

TImportRequest ParseImport(TContactStore& document, const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    std::string fields, type = "Person", sep, encoding;
    bool haveFields = false, csvOption = false;
    TImportRequest r;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw TUsage(a + " needs a value");
            csvOption = true;
            return args[++i];
        };
        if (a == "--fields") {
            fields = value();
            haveFields = true;
        } else if (a == "--type") {
            type = value();
        } else if (a == "--sep") {
            sep = value();
        } else if (a == "--encoding") {
            encoding = value();
        } else if (a == "--header") {
            r.Csv.Options.HeaderLine = true;
            csvOption = true;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            throw TUsage("unknown option: " + a);
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() < 2 || plain.size() > 3)
        throw TUsage("import needs a type, a file or folder, and may name a path");
    if (!ImportTypeFromName(plain[0], r.Type)) throw TUsage("no such import type: " + plain[0]);
    if (csvOption && r.Type != TImportType::Csv) throw TUsage("the options apply to csv only");
    r.Path = programfolder::Absolute(plain[1]);
    if (plain.size() == 3) {
        r.Parent = FindNodeByPath(document.Tree(), plain[2]);
        if (!r.Parent) throw TUsage("no such node: " + plain[2]);
    } else {
        r.Parent = document.Root();
    }
    if (r.Type == TImportType::Csv) {
        r.Csv.RecordType = RecordTypeByName(type);
        const TCsvRecordType& t = CsvRecordTypes()[r.Csv.RecordType];
        if (haveFields) r.Csv.Fields = FieldList(fields, t);
        if (!haveFields && !r.Csv.Options.HeaderLine)
            throw TUsage("csv needs --fields, or --header to take them from the first line");
        if (!sep.empty() && !SeparatorFromName(sep, r.Csv.Options.Separator))
            throw TUsage("no such separator: " + sep + " (comma, tab, semicolon)");
        if (!encoding.empty() && !textencoding::IsKnownEncoding(encoding))
            throw TUsage("no such encoding: " + encoding);
        r.Csv.Options.Encoding = encoding;
    }
    return r;
}

} // namespace

int ImportCommand(TContactStore& document, const std::vector<std::string>& args) {
    TImportRequest request;
    try {
        request = ParseImport(document, args);
    } catch (const TUsage& e) {
        std::fprintf(stderr, "merrowin-cli: %s (merrowin-cli --help lists the commands)\n",
                     e.what());
        return 2;
    }
    TImportResult result = TImportJob(document).Run(request);
    for (const std::string& w : result.Warnings)
        std::fprintf(stderr, "merrowin-cli: %s\n", w.c_str());
    // What was made before an error stays, as in the program.
    if (result.Created > 0 || result.Folders > 0) document.Save();
    std::printf("%s\n", result.Summary().c_str());
    if (!result.Error.empty()) {
        std::fprintf(stderr, "%s\n", result.Error.c_str());
        return 1;
    }
    return 0;
}
