#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TKexObject;
class TTreeNode;

// What CreateObject made: the record, and for kinds 0..4 its new node. A
// record of kind 11 is linked nowhere: it is handed back in Unlinked.
struct TCreated {
    TTreeNode* Node = nullptr;
    TKexObject* Object = nullptr;
    std::unique_ptr<TKexObject> Unlinked;
};

// The id of the root record "My Contacts".
inline constexpr int32_t kRootObjectId = 32892645;

// The only way a record comes into being. Kinds 0..4 become the last child
// node of parent; kinds 5..10, 12 and above 12 become detail items of
// parent's record; kind 11 is linked nowhere. An id of 0 draws a random one.
// parent must be set for every kind but 11.
TCreated CreateObject(uint8_t kind, const std::string& title, const std::string& target,
                      const std::string& comment, TTreeNode* parent, const std::string& classLine,
                      int32_t objectId);

// Constructs the record class of a kind (reading its class line) without
// linking it anywhere.
std::unique_ptr<TKexObject> ConstructRecord(uint8_t kind, const std::string& title,
                                            const std::string& target, const std::string& comment,
                                            int32_t objectId, const std::string& classLine);

// Destroys a detail item of the owner node's record.
void DeleteListItem(TTreeNode* owner, TKexObject* item);

// Moves a node with its subtree to be the last child of target, carrying the
// due counts from the old ancestors to the new ones. Refused (false) when
// target is the node itself or lies below it.
bool MoveNodeTo(TTreeNode* node, TTreeNode* target);

// Moves a detail item from its owner to the record of target.
void MoveItemTo(TKexObject* item, TKexObject* owner, TTreeNode* target);

// The root record "My Contacts" and its node, at the top of an empty tree.
class TTreeNodes;
TTreeNode* CreateRoot(TTreeNodes& tree);
