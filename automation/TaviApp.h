#pragma once

#include "store/RecordObserver.h"

#include <cstdint>
#include <stdexcept>
#include <string>

class TContactStore;
class TMainForm;
class TTreeNode;
class TKexObject;

// A failure that goes back to the automation client with its message.
class EAutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the raised members say when the cursor's record went meanwhile.
inline constexpr const char* kRecordDeletedMessage = "The current record was deleted";

// One automation client's cursor over the main window's folder tree: a
// current node and a current record (the node's own, one of its detail
// items, or a child node's record). It borrows both; when the document tells
// that either goes, the reference is dropped, so the cursor never reads freed
// memory. Until it is positioned again (Items, Child, UserSelected,
// NextItemWithTitle, ItemWithId) the readers answer 0, false or "" and the
// members that raise say kRecordDeletedMessage.
//
// Readers swallow every failure; writers and actions raise EAutomationError
// (or whatever the record raised). Text is the stored bytes, as the records
// hold them.
class TTaviApp : private IRecordObserver {
public:
    // A new cursor stands on the tree's first node (the root) and its record.
    // The form and its document must outlive the cursor.
    explicit TTaviApp(TMainForm& form);
    ~TTaviApp() override;
    TTaviApp(const TTaviApp&) = delete;
    TTaviApp& operator=(const TTaviApp&) = delete;

    // Kinds 0 to 4 become the current node's new last child, other kinds a
    // detail item of its record; a fresh id is drawn. The cursor stays.
    void Insert(int32_t kind, const std::string& title, const std::string& target,
                const std::string& comment, const std::string& classLine);
    // The current record's clipboard text as plain text.
    void CopyClipboard();
    void DoDefaultAction();

    int32_t taviID() const;
    // The record's kind, its lowest 7 bits.
    int32_t taviClass() const;
    std::string taviTitle() const;
    // Renames the record (its tree node follows) and refreshes the folder titles.
    void SetTaviTitle(const std::string& value);
    std::string taviTarget() const;
    void SetTaviTarget(const std::string& value);
    std::string taviComment() const;
    void SetTaviComment(const std::string& value);
    // The record's export column as the export writes it (quoted, with a comma).
    std::string taviField(const std::string& name) const;
    // Imports the one column; a column the record's class does not know
    // changes nothing.
    void SetTaviField(const std::string& name, const std::string& value);

    // Nodes in the whole tree (detail items not counted).
    int32_t ItemCount() const;
    // Moves to the node at a tree-order position; false outside the tree.
    bool Items(int32_t index);
    int32_t CurrentItemIndex() const;
    // The next sibling's position, else the last child's, else -1.
    int32_t NextSiblingIndex() const;
    int32_t ChildCount() const;
    // The current node's child nodes first, then its record's detail items.
    bool Child(int32_t index);
    // 1 with the tree focused, the selected rows with the list focused.
    int32_t SelectCount() const;
    // With the list focused and rows selected: the (index + 1)-th selected
    // row (false past the last); otherwise the tree's selected node.
    bool UserSelected(int32_t index);
    // The main window's find, then UserSelected(0).
    bool NextItemWithTitle(const std::string& title);
    // A tree record with the id answers at once; else the last node whose
    // detail items hold it decides.
    bool ItemWithId(int32_t id);

    // For the tests and the bus side: where the cursor stands (nullptr once gone).
    TTreeNode* CurrentNode() const { return FNode; }
    TKexObject* CurrentRecord() const { return FRecord; }

private:
    void ItemRemoving(TKexObject* owner, TKexObject* item) override;
    void RecordRemoving(TKexObject* record) override;

    // The current record and node, or EAutomationError when they went.
    TKexObject& Record() const;
    TTreeNode& Node() const;
    void MoveTo(TTreeNode* node, TKexObject* record);

    TMainForm& FForm;
    TContactStore& FDocument;
    TTreeNode* FNode = nullptr;
    TKexObject* FRecord = nullptr;
};
