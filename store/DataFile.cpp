#include "store/DataFile.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Services.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/ObjectReader.h"
#include "store/TextReader.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"

namespace {
// Keeps the tree's update bracket balanced whatever the reader raises.
class TUpdateGuard {
public:
    explicit TUpdateGuard(TTreeNodes& tree) : FTree(tree) { FTree.BeginUpdate(); }
    ~TUpdateGuard() { FTree.EndUpdate(); }
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
    TTreeNodes& FTree;
};
} // namespace

void LoadDataFile(TTreeNode* root) {
    if (!root) return;
    TTreeNodes& tree = *root->Owner();
    TUpdateGuard guard(tree);
    try {
        // The whole file or an error: a file that is there but cannot be read
        // must never pass for an empty one.
        auto text = fileio::ReadFileIfExists(Svc().ProgramFile(kDataFileName));
        tree.DataFileIncomplete = false;
        if (!text) return;
        TTextReader f(*text, kDataFileName);
        f.SkipLn(); // the header line, whatever it holds
        ReadObjects(f, root);
    } catch (...) {
        tree.DataFileIncomplete = true;
        throw;
    }
}

bool IsTransferFileName(const std::string& fileName) {
    return fileName == kClipFileName ||
           fieldtext::SameTextFolded(fileio::ExtractFileExt(fileName), ".TVD");
}

void ReadTransferText(TTreeNode* node, const std::string& text, const std::string& fileName) {
    if (!node) return;
    TUpdateGuard guard(*node->Owner());
    TTextReader f(text, fileName);
    ReadObjects(f, node);
}

void LoadTransferFile(TTreeNode* node, const std::string& fileName) {
    if (!node || !IsTransferFileName(fileName)) return;
    auto text = fileio::TryReadFile(Svc().ProgramFile(fileName));
    if (!text) return;
    ReadTransferText(node, *text, fileName);
}

void WriteSubtree(TTreeNode* node, const std::string& fileName, bool asCsv, const TCsvExport* csv,
                  bool keepCategories) {
    if (!node) return;
    TTextWriter f(Svc().ProgramFile(fileName));
    static const TCsvExport kNoColumns;
    const TCsvExport& columns = csv ? *csv : kNoColumns;
    if (asCsv && columns.CsvHeader && !columns.CsvFields.empty()) {
        std::vector<std::string> header(columns.CsvFields.begin(), columns.CsvFields.end() - 1);
        std::string line;
        for (size_t i = 0; i < header.size(); ++i) {
            if (i) line += ',';
            const std::string& e = header[i];
            bool quote = e.find_first_of(" ,\"") != std::string::npos;
            for (char c : e)
                quote = quote || static_cast<unsigned char>(c) < ' ';
            if (!quote) {
                line += e;
                continue;
            }
            line += '"';
            for (char c : e) {
                if (c == '"') line += '"';
                line += c;
            }
            line += '"';
        }
        f.WriteLn(line);
    }
    const auto& order = node->Owner()->InOrder();
    int start = node->AbsoluteIndex();
    int end = node->DeepestLastDescendant()->AbsoluteIndex();
    int baseLevel = node->Level();
    for (int i = start; i <= end; ++i) {
        TTreeNode* n = order[static_cast<size_t>(i)];
        TKexObject* r = n->Data();
        if (!r || r->IsFilteredOut()) continue;
        if (asCsv) {
            r->WriteCsv(f, columns.CsvFields);
        } else if (keepCategories) {
            r->WriteObject(f, n->Level() - baseLevel + 1);
        } else {
            uint32_t categories = r->GetCategories();
            r->SetCategories(0);
            r->WriteObject(f, n->Level() - baseLevel + 1);
            r->SetCategories(categories);
        }
    }
    f.Close();
}

void SaveDataFile(TTreeNodes& nodes) {
    std::string path = Svc().ProgramFile(kDataFileName);
    if (nodes.DataFileIncomplete) {
        // The file on disk holds records the tree could not read: keep it,
        // and write nothing while it cannot be read to keep.
        if (auto old = fileio::ReadFileIfExists(path))
            fileio::WriteFileReplacing(Svc().ProgramFile(kBackupFileName), *old);
    }
    TTextWriter f(path);
    f.Buffer().reserve(1 << 16);
    f.WriteLn(kDataFileHeader);
    for (TTreeNode* n : nodes.InOrder())
        if (TKexObject* r = n->Data()) r->WriteObject(f, n->Level());
    f.Close();
    nodes.DataFileIncomplete = false;
}
