// merrowin-cli: the contact tree from the command line.
#include "cli/ImportCommand.h"
#include "cli/JsonDump.h"
#include "cli/PrintCommand.h"
#include "cli/VCardCommands.h"
#include "cli/PublishCommand.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/ProgramFolder.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/TreeNodes.h"
#include "store/TreePath.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "usage: merrowin-cli [--home DIR] COMMAND [ARGS]\n"
    "commands:\n"
    "  check                   load tavi.dat and count its records\n"
    "  save                    load and save tavi.dat\n"
    "  dump                    the whole tree as JSON\n"
    "  export-tvd PATH FILE    write the subtree at PATH to a transfer file\n"
    "  import-tvd FILE [PATH]  read a transfer file below PATH and save\n"
    "  import-vcf FILE [PATH] [--orgs ask|person|org]\n"
    "                          read a vCard file below PATH and save; cards naming\n"
    "                          an organization become persons unless --orgs org\n"
    "  export-vcf PATH FILE    write the person or organization at PATH, or each\n"
    "                          one below PATH, to a vCard file\n";
const char* const kOptionsText =
    "options:\n"
    "  --home DIR              keep tavi.dat and kex.ini in DIR\n"
    "  --help                  show this text\n"
    "  --version               show the version\n";

struct UsageError {
    std::string Message;
};

const char* KindName(int kind) {
    static const char* const names[] = {"folder",   "organization", "team",   "person", "website",
                                        "address",  "phone",        "e-mail", "fax",    "reminder",
                                        "document", "root",         "tool"};
    return kind >= 0 && kind <= 12 ? names[kind] : "other";
}

class TCli {
public:
    explicit TCli(const std::string& home)
        : FServices(programfolder::Resolve(home, programfolder::ExecutablePath()),
                    programfolder::SettingsFile(home)) {}

    int Run(const std::string& cmd, const std::vector<std::string>& args) {
        if (cmd == "check") return Check(args);
        if (cmd == "save") return Save(args);
        if (cmd == "dump") return Dump(args);
        if (cmd == "export-tvd") return ExportTvd(args);
        if (cmd == "import-tvd") return ImportTvd(args);
        if (cmd == "print") return Print(args);
        if (cmd == "import") return Import(args);
        if (cmd == "import-vcf" || cmd == "export-vcf") return VCardCommand(FDocument, cmd, args);
        if (cmd == "publish") return Publish(args);
        throw UsageError{"unknown command: " + cmd};
    }

private:
    static void Arity(const std::vector<std::string>& args, size_t min, size_t max) {
        if (args.size() < min || args.size() > max) throw UsageError{"wrong number of arguments"};
    }

    void Load() { FDocument.Load(); }

    TTreeNode* NodeAt(const std::string& path) {
        TTreeNode* n = FindNodeByPath(FDocument.Tree(), path);
        if (!n) throw UsageError{"no such node: " + path};
        return n;
    }

    int Check(const std::vector<std::string>& args) {
        Arity(args, 0, 0);
        Load();
        std::map<int, long> counts;
        long due = 0;
        std::vector<const TKexObject*> stack;
        for (TTreeNode* n : FDocument.Tree().InOrder())
            if (n->Data()) stack.push_back(n->Data());
        while (!stack.empty()) {
            const TKexObject* r = stack.back();
            stack.pop_back();
            ++counts[r->GetKind()];
            if (r->GetDue() == 1) ++due;
            for (const auto& item : r->Items())
                stack.push_back(item.get());
        }
        std::printf("nodes: %d\n", FDocument.Tree().Count());
        for (const auto& [kind, count] : counts)
            std::printf("kind %d %s: %ld\n", kind, KindName(kind), count);
        std::printf("due: %ld\n", due);
        return kOk;
    }

    int Save(const std::vector<std::string>& args) {
        Arity(args, 0, 0);
        Load();
        FDocument.Save();
        return kOk;
    }

    int Dump(const std::vector<std::string>& args) {
        Arity(args, 0, 0);
        Load();
        std::cout << DumpNode(*FDocument.Root()).dump(2) << "\n";
        return kOk;
    }

    int Print(const std::vector<std::string>& args) {
        Load();
        return PrintCommand(FDocument.Tree(), args);
    }

    int Publish(const std::vector<std::string>& args) {
        Load();
        return PublishCommand(FDocument.Tree(), args);
    }

    int Import(const std::vector<std::string>& args) {
        Load();
        return ImportCommand(FDocument, args);
    }

    int ExportTvd(const std::vector<std::string>& args) {
        Arity(args, 2, 2);
        Load();
        TTreeNode* node = NodeAt(args[0]);
        WriteSubtree(node, programfolder::Absolute(args[1]));
        return kOk;
    }

    int ImportTvd(const std::vector<std::string>& args) {
        Arity(args, 1, 2);
        std::string file = programfolder::Absolute(args[0]);
        if (!IsTransferFileName(file))
            throw UsageError{args[0] + ": a transfer file needs the extension .tvd"};
        if (!fileio::FileExists(file)) throw EInOutError(io_error::FileNotFound, args[0]);
        Load();
        TTreeNode* node = args.size() > 1 ? NodeAt(args[1]) : FDocument.Root();
        auto text = fileio::ReadFile(file);
        ReadTransferText(node, text, args[0]);
        FDocument.Tree().SortAll();
        FDocument.Save();
        return kOk;
    }

    TPlainServices FServices;
    TContactStore FDocument; // after the services: records go while they stand
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string home;
    std::string cmd;
    std::vector<std::string> rest;
    try {
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--home") {
                if (i + 1 >= args.size()) throw UsageError{"--home needs a folder"};
                home = args[++i];
            } else if (a.rfind("--home=", 0) == 0) {
                home = a.substr(7);
            } else if (a == "--help" || a == "-h") {
                std::fputs(kUsageText, stdout);
                std::fputs(kPrintUsage, stdout);
                std::fputs(kPublishUsage, stdout);
                std::fputs(kImportUsage, stdout);
                std::fputs(kOptionsText, stdout);
                return kOk;
            } else if (a == "--version") {
                std::puts("merrowin " MERROWIN_VERSION);
                return kOk;
            } else if (cmd.empty()) {
                cmd = a;
            } else {
                rest.push_back(a);
            }
        }
        if (cmd.empty()) throw UsageError{"no command given"};
        TCli cli(home);
        return cli.Run(cmd, rest);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "merrowin-cli: %s (merrowin-cli --help lists the commands)\n",
                     e.Message.c_str());
        return kUsage;
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "%s\n", e.Where().c_str());
        return kFailed;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "merrowin-cli: %s\n", e.what());
        return kFailed;
    }
}
