#include "store/Transfer.h"

#include "platform/Clipboard.h"
#include "platform/FileIO.h"
#include "platform/Services.h"
#include "store/DataFile.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"

namespace transfer {

namespace {
// Reads "clipdata.dat" back and places it on the clipboard, every line ended
// by CR LF.
void PutClipFileOnClipboard() {
    auto text = fileio::TryReadFile(Svc().ProgramFile(kClipFileName));
    if (!text) return;
    std::string out;
    out.reserve(text->size());
    for (const auto& line : fieldtext::TextLines(*text)) {
        out += line;
        out += "\r\n";
    }
    if (out.empty()) return;
    Svc().UseClipboard().SetData(TClipboardData{out, std::nullopt});
}
} // namespace

void WriteListSelection(TTextWriter& f, const std::vector<TKexObject*>& selected) {
    for (TKexObject* r : selected) {
        if (!r) continue;
        TTreeNode* m = r->GetNode();
        if (IsTreeKind(r->GetKind()) && m && m->Data() == r) {
            const auto& order = m->Owner()->InOrder();
            int start = m->AbsoluteIndex();
            int end = m->DeepestLastDescendant()->AbsoluteIndex();
            for (int i = start; i <= end; ++i) {
                TTreeNode* n = order[static_cast<size_t>(i)];
                if (TKexObject* d = n->Data()) d->WriteObject(f, n->Level() - m->Level() + 1);
            }
        } else {
            r->WriteObject(f, 1);
        }
    }
}

void CopyNode(TTreeNode* node, const TFilterState& filter) {
    if (!node) return;
    // Within the program categories mean the same everywhere, so a copy (and a
    // cut, which is a move) keeps them, as a copy from the list does.
    TSubtreeWrite how;
    how.KeepCategories = true;
    how.Filter = filter;
    WriteSubtree(node, kClipFileName, how);
    PutClipFileOnClipboard();
}

void CopyListSelection(const std::vector<TKexObject*>& selected) {
    if (selected.empty()) return;
    TTextWriter f(Svc().ProgramFile(kClipFileName));
    WriteListSelection(f, selected);
    f.Close();
    PutClipFileOnClipboard();
}

bool Paste(TTreeNode* node) {
    if (!node) return false;
    auto text = Svc().UseClipboard().PrivateText();
    if (!text || text->empty()) return false;
    fileio::WriteFileReplacing(Svc().ProgramFile(kClipFileName), *text);
    LoadTransferFile(node, kClipFileName);
    node->SortChildren();
    return true;
}

} // namespace transfer
