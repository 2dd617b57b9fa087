#include "cli/VCardCommands.h"

#include "exchange/jobs/VCardExport.h"
#include "exchange/jobs/VCardImport.h"
#include "platform/Errors.h"
#include "platform/ProgramFolder.h"
#include "store/ContactStore.h"
#include "store/TreeNodes.h"
#include "store/TreePath.h"

#include <cstdio>
#include <stdexcept>

namespace {

struct TUsage : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TTreeNode* NodeAt(TContactStore& document, const std::string& path) {
    TTreeNode* n = FindNodeByPath(document.Tree(), path);
    if (!n) throw TUsage("no such node: " + path);
    return n;
}

TCardOrgMode OrgMode(const std::string& value) {
    if (value == "ask") return TCardOrgMode::Ask;
    if (value == "person") return TCardOrgMode::Person;
    if (value == "org") return TCardOrgMode::Organization;
    throw TUsage("--orgs takes ask, person or org");
}

int ImportVcf(TContactStore& document, const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    TCardOrgMode mode = TCardOrgMode::Person;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--orgs") {
            if (i + 1 >= args.size()) throw TUsage("--orgs needs ask, person or org");
            mode = OrgMode(args[++i]);
        } else if (args[i].starts_with("--orgs=")) {
            mode = OrgMode(args[i].substr(7));
        } else {
            plain.push_back(args[i]);
        }
    }
    if (plain.empty() || plain.size() > 2) throw TUsage("wrong number of arguments");
    document.Load();
    TTreeNode* parent = plain.size() > 1 ? NodeAt(document, plain[1]) : document.Root();
    // Read before anything is created: a missing file leaves the tree as it was.
    TVCardImport done = ImportVCardFile(programfolder::Absolute(plain[0]), parent, mode);
    if (done.RecordsCreated > 0) document.Save();
    std::printf("%s\n", done.Summary().c_str());
    return 0;
}

int ExportVcf(TContactStore& document, const std::vector<std::string>& args) {
    if (args.size() != 2) throw TUsage("wrong number of arguments");
    document.Load();
    int written = ExportVCardFile(NodeAt(document, args[0]), programfolder::Absolute(args[1]));
    std::printf("%d %s written to %s\n", written, written == 1 ? "card" : "cards", args[1].c_str());
    return 0;
}

} // namespace

int VCardCommand(TContactStore& document, const std::string& command,
                 const std::vector<std::string>& args) {
    try {
        if (command == "import-vcf") return ImportVcf(document, args);
        return ExportVcf(document, args);
    } catch (const TUsage& e) {
        std::fprintf(stderr, "merrowin-cli: %s (merrowin-cli --help lists the commands)\n",
                     e.what());
        return 2;
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "%s\n", e.Where().c_str());
        return 1;
    }
}
