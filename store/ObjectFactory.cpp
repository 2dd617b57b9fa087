#include "store/ObjectFactory.h"

#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/RecordRegistry.h"
#include "store/TreeNodes.h"

#include <stdexcept>

std::unique_ptr<TKexObject> ConstructRecord(uint8_t kind, const std::string& title,
                                            const std::string& target, const std::string& comment,
                                            int32_t objectId, const std::string& classLine) {
    return TRecordRegistry::Construct(kind, title, target, comment, objectId, classLine);
}

TCreated CreateObject(uint8_t kind, const std::string& title, const std::string& target,
                      const std::string& comment, TTreeNode* parent, const std::string& classLine,
                      int32_t objectId) {
    if (objectId == 0) {
        IRandom& rnd = Svc().UseRandom();
        objectId = rnd.Random(65535) * rnd.Random(32768);
    }
    TCreated result;
    auto record = ConstructRecord(kind, title, target, comment, objectId, classLine);
    result.Object = record.get();
    if (kind == kindRoot) {
        result.Unlinked = std::move(record);
        return result;
    }
    if (!parent) throw std::logic_error("CreateObject: a record needs a parent node");
    if (IsTreeKind(kind)) {
        TKexObject* r = record.get();
        TTreeNode* node = parent->Owner()->AddChildObject(parent, r->GetTitle(), std::move(record));
        node->SetImageIndex(r->GetImageIndex());
        node->SetSelectedIndex(kind == kindFolder ? r->GetSelectedIndex() : r->GetImageIndex());
        r->SetNode(node);
        result.Node = node;
        return result;
    }
    TKexObject* owner = parent->Data();
    if (!owner) throw std::logic_error("CreateObject: the parent node has no record");
    record->SetNode(parent);
    owner->AddItem(std::move(record));
    return result;
}

void DeleteListItem(TTreeNode* owner, TKexObject* item) {
    if (owner && owner->Data()) owner->Data()->DeleteItem(item);
}

namespace {
void AddDueCount(TTreeNode* from, int d) {
    if (d == 0) return;
    for (TTreeNode* n = from; n && !n->IsFirstNode(); n = n->Parent())
        if (TKexObject* r = n->Data()) r->SetDueCount(r->GetDueCount() + d);
}
} // namespace

bool MoveNodeTo(TTreeNode* node, TTreeNode* target) {
    if (!node || !target || node == target || target->HasAsAncestor(node)) return false;
    int due = node->Data() ? node->Data()->GetDueCount() : 0;
    TTreeNode* oldParent = node->Parent();
    if (!node->MoveTo(target)) return false;
    AddDueCount(oldParent, -due);
    AddDueCount(target, due);
    return true;
}

void MoveItemTo(TKexObject* item, TKexObject* owner, TTreeNode* target) {
    if (!item || !owner || !target || !target->Data()) return;
    TContactStore::TUpdate scope(target->Owner()->Document());
    std::unique_ptr<TKexObject> moved = owner->RemoveItem(item);
    if (!moved) return;
    item->SetNode(target);
    target->Data()->AddItem(std::move(moved));
}

TTreeNode* CreateRoot(TTreeNodes& tree) {
    TCreated c = CreateObject(kindRoot, "My Contacts", "", "", nullptr, "", kRootObjectId);
    TKexObject* r = c.Object;
    TTreeNode* node = tree.AddChildObject(nullptr, r->GetTitle(), std::move(c.Unlinked));
    node->SetImageIndex(r->GetImageIndex() + 1);
    node->SetSelectedIndex(r->GetSelectedIndex() + 1);
    return node;
}
