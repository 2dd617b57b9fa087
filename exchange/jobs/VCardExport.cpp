#include "exchange/jobs/VCardExport.h"

#include "exchange/VCardFile.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "store/TreeNode.h"

namespace {

// The card of a person or an organization; false for every other record.
bool CardOf(const TKexObject* record, TCard& card) {
    if (auto* p = dynamic_cast<const TPersonObject*>(record)) {
        card = p->VCard();
        return true;
    }
    if (auto* o = dynamic_cast<const TOrgObject*>(record)) {
        card = o->VCard();
        return true;
    }
    return false;
}

void CollectBelow(const TTreeNode* node, TVCardFile& file) {
    for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) {
        TCard card;
        if (CardOf(child->Data(), card)) file.AddCard(std::move(card));
        CollectBelow(child, file);
    }
}

} // namespace

int ExportVCardFile(const TTreeNode* node, const std::string& fileName) {
    TVCardFile file;
    file.Filename = fileName;
    TCard card;
    if (CardOf(node->Data(), card))
        file.AddCard(std::move(card));
    else
        CollectBelow(node, file);
    file.Write();
    return file.CardCount();
}
