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

void LoadDataFile(TTreeNode* root, const std::string& path) {
    if (!root) return;
    // The whole file or an error: a file that is there but cannot be read
    // must never pass for an empty one.
    auto text = fileio::ReadFileIfExists(path);
    if (!text) return;
    LoadDataText(root, *text, fileio::ExtractFileName(path));
}

void LoadDataText(TTreeNode* root, const std::string& text, const std::string& fileName) {
    if (!root) return;
    TTreeUpdate guard(*root->Owner());
    TTextReader f(text, fileName);
    f.SkipLn(); // the header line, whatever it holds
    ReadObjects(f, root);
}

bool IsTransferFileName(const std::string& fileName) {
    return fileName == kClipFileName ||
           fieldtext::SameTextFolded(fileio::ExtractFileExt(fileName), ".TVD");
}

void ReadTransferText(TTreeNode* node, const std::string& text, const std::string& fileName) {
    if (!node) return;
    TTreeUpdate guard(*node->Owner());
    TTextReader f(text, fileName);
    ReadObjects(f, node);
}

void LoadTransferFile(TTreeNode* node, const std::string& fileName) {
    if (!node || !IsTransferFileName(fileName)) return;
    auto text = fileio::TryReadFile(Svc().ProgramFile(fileName));
    if (!text) return;
    ReadTransferText(node, *text, fileName);
}

void WriteSubtree(TTreeNode* node, const std::string& fileName, const TSubtreeWrite& how) {
    if (!node) return;
    TTextWriter f(Svc().ProgramFile(fileName));
    static const TCsvExport kNoColumns;
    const bool asCsv = how.Csv != nullptr;
    const TCsvExport& columns = asCsv ? *how.Csv : kNoColumns;
    const bool keepCategories = how.KeepCategories;
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
        if (!r || r->IsFilteredOut(how.Filter)) continue;
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

void SaveDataFile(TTreeNodes& nodes, const std::string& path) {
    TTextWriter f(path);
    f.Buffer().reserve(1 << 16);
    f.WriteLn(kDataFileHeader);
    for (TTreeNode* n : nodes.InOrder())
        if (TKexObject* r = n->Data()) r->WriteObject(f, n->Level());
    f.Close();
}
