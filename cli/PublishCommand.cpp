#include "cli/PublishCommand.h"

#include "exchange/CsvColumns.h"
#include "exchange/jobs/PublishJob.h"
#include "exchange/jobs/WebArt.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/ProgramFolder.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/TreeNode.h"
#include "store/TreePath.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

const char* const kPublishUsage =
    "  publish html PATH DIR [OPTIONS]\n"
    "                          the subtree at PATH as web pages in DIR (the main page\n"
    "                          is the node's title + .htm); OPTIONS: --no-frames,\n"
    "                          --levels N (index depth, 0 = all), --title T,\n"
    "                          --background NAME (or a .gif file), --text COLOUR,\n"
    "                          --link COLOUR, --no-tvd, --no-vcards\n"
    "  publish csv PATH FILE --type TYPE --fields \"F1,F2\" [--no-header]\n"
    "                          records of TYPE (Person, Organization, ...) below PATH\n"
    "                          as comma-separated values with the named columns\n"
    "  publish tvd PATH FILE   the subtree at PATH as a transfer file (.tvd)\n"
    "  publish vcf PATH FILE   the person or organization at PATH as a vCard (.vcf)\n";

namespace {

struct TUsage : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    size_t e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

struct TArgs {
    std::vector<std::string> Plain;
    std::vector<std::pair<std::string, std::string>> Options; // name, value ("" for flags)
};

TArgs Parse(const std::vector<std::string>& args, const std::vector<std::string>& withValue,
            const std::vector<std::string>& flags) {
    TArgs out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            out.Plain.push_back(a);
        } else if (std::find(withValue.begin(), withValue.end(), a) != withValue.end()) {
            if (i + 1 >= args.size()) throw TUsage(a + " needs a value");
            out.Options.emplace_back(a, args[++i]);
        } else if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
            out.Options.emplace_back(a, "");
        } else {
            throw TUsage("unknown option: " + a);
        }
    }
    return out;
}

const std::string* Option(const TArgs& a, const char* name) {
    for (const auto& [n, v] : a.Options)
        if (n == name) return &v;
    return nullptr;
}

std::string Color(const TArgs& a, const char* option, int fallback) {
    const std::string* v = Option(a, option);
    int index = v ? webart::ColorIndex(*v) : fallback;
    if (index < 0) {
        std::string names;
        for (const auto& c : webart::Colors())
            names += (names.empty() ? "" : ", ") + c.Name;
        throw TUsage(std::string(option) + ": no such colour: " + *v + " (" + names + ")");
    }
    return webart::Colors()[static_cast<size_t>(index)].Name;
}

std::string Background(const std::string& value) {
    if (value.find('/') != std::string::npos || fileio::ExtractFileExt(value) != "") {
        std::string path = programfolder::Absolute(value);
        if (!fileio::FileExists(path)) throw TUsage("--background: no such file: " + value);
        return path;
    }
    if (fieldtext::SameTextFolded(value, webart::kNoBackground) || value == "none") return "";
    for (const std::string& name : webart::Backgrounds())
        if (name == value) {
            std::string path = webart::BackgroundsDir() + webart::BackgroundStem(name) + ".gif";
            if (!fileio::FileExists(path))
                throw TUsage("--background: the picture " + path + " is missing");
            return path;
        }
    throw TUsage("--background: no such background: " + value);
}

int Levels(const std::string& text) {
    bool ok = false;
    int32_t n = fieldtext::LeadingInt(text, ok);
    if (!ok || std::to_string(n) != text || n < 0 || n > 9)
        throw TUsage("--levels needs a number from 0 to 9");
    return n;
}

int Html(TTreeNode* node, const TArgs& a) {
    TPublishOptions o;
    o.Frames = !Option(a, "--no-frames");
    if (const std::string* v = Option(a, "--levels")) o.Levels = Levels(*v);
    const std::string* title = Option(a, "--title");
    o.Title = title ? *title : node->Data()->GetTitle();
    if (const std::string* v = Option(a, "--background")) o.BackgroundGif = Background(*v);
    o.TextColor = Color(a, "--text", webart::kDefaultTextColor);
    o.LinkColor = Color(a, "--link", webart::kDefaultLinkColor);
    o.IncludeTVD = !Option(a, "--no-tvd");
    o.IncludeVCard = !Option(a, "--no-vcards");
    o.IconsDir = webart::IconsDir();
    const std::string dir = programfolder::Absolute(a.Plain[1]);
    if (!fileio::DirectoryExists(dir) && !programfolder::MakeFolders(dir))
        throw EInOutError(io_error::AccessDenied, dir);
    TPublishJob(o).PublishHtml(node, fileio::JoinPath(dir, ProposedFileName(node, ".htm")));
    return 0;
}

int Csv(TTreeNode* node, const TArgs& a) {
    const std::string* type = Option(a, "--type");
    const std::string* fields = Option(a, "--fields");
    if (!type || !fields) throw TUsage("publish csv needs --type TYPE and --fields LIST");
    const TCsvRecordType* chosen = nullptr;
    std::string types;
    for (const auto& t : CsvRecordTypes()) {
        types += (types.empty() ? "" : ", ") + t.Entry;
        if (fieldtext::SameTextFolded(t.Entry, *type)) chosen = &t;
    }
    if (!chosen) throw TUsage("--type: no such record type: " + *type + " (" + types + ")");
    std::vector<std::string> names;
    // Names hold blanks ("E-Mail Address"), so only commas separate them.
    std::vector<std::string> given;
    for (size_t start = 0;;) {
        size_t comma = fields->find(',', start);
        given.push_back(Trim(fields->substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    for (const std::string& f : given) {
        if (f.empty()) continue;
        auto known =
            std::find_if(chosen->Fields.begin(), chosen->Fields.end(),
                         [&](const std::string& k) { return fieldtext::SameTextFolded(k, f); });
        if (known == chosen->Fields.end()) {
            std::string offered;
            for (const auto& k : chosen->Fields)
                offered += (offered.empty() ? "" : ", ") + k;
            throw TUsage("--fields: " + chosen->Entry + " has no field \"" + f + "\" (" + offered +
                         ")");
        }
        names.push_back(*known);
    }
    if (names.empty()) throw TUsage("--fields names no field");
    PublishCsv(node, programfolder::Absolute(a.Plain[1]), chosen->Kind, names,
               !Option(a, "--no-header"));
    return 0;
}

} // namespace

int PublishCommand(TTreeNodes& tree, const std::vector<std::string>& args) {
    try {
        if (args.empty()) throw TUsage("publish needs a form: html, csv, tvd or vcf");
        const std::string form = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        TArgs a;
        if (form == "html")
            a = Parse(rest, {"--levels", "--title", "--background", "--text", "--link"},
                      {"--no-frames", "--no-tvd", "--no-vcards"});
        else if (form == "csv")
            a = Parse(rest, {"--type", "--fields"}, {"--no-header"});
        else if (form == "tvd" || form == "vcf")
            a = Parse(rest, {}, {});
        else
            throw TUsage("no such form: " + form + " (html, csv, tvd or vcf)");
        if (a.Plain.size() != 2) throw TUsage("publish " + form + " needs a path and a target");
        TTreeNode* node = FindNodeByPath(tree, a.Plain[0]);
        if (!node || !node->Data()) throw TUsage("no such node: " + a.Plain[0]);
        if (form == "html") return Html(node, a);
        if (form == "csv") return Csv(node, a);
        const std::string file = programfolder::Absolute(a.Plain[1]);
        std::string refusal = CheckExtension(file, form == "tvd" ? ".tvd" : ".vcf");
        if (!refusal.empty()) throw TUsage(refusal);
        if (form == "tvd") {
            PublishTransfer(node, file);
        } else {
            if (!CanPublishVCard(node)) throw TUsage(kVCardOnlyText);
            PublishVCard(node, file);
        }
        return 0;
    } catch (const TUsage& e) {
        std::fprintf(stderr, "merrowin-cli: %s (merrowin-cli --help lists the commands)\n",
                     e.what());
        return 2;
    }
}
