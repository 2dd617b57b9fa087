#pragma once

#include "store/ItemPopup.h"
#include "store/ListRow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class TContactStore;
class TTreeNode;
class TTextWriter;
class TCard;
struct TFilterState;

// Kind codes, stored in every record line; they never change.
enum : uint8_t {
    kindFolder = 0,
    kindOrg = 1,
    kindTeam = 2,
    kindPerson = 3,
    kindWeb = 4,
    kindAddress = 5,
    kindPhone = 6,
    kindEMail = 7,
    kindFax = 8,
    kindReminder = 9,
    kindDoc = 10,
    kindRoot = 11,
    kindTool = 12,
};

inline bool IsTreeKind(uint8_t kind) {
    return kind <= kindWeb;
}

// A record's own fields by their names in the code, for scripts (dump) and
// automation. Values are text, numbers or lists of text.
using TFieldValue = std::variant<std::string, int64_t, std::vector<std::string>>;
using TFieldList = std::vector<std::pair<std::string, TFieldValue>>;

// The base of every stored record: the fields every record has, its detail
// items, its link to the tree and the due mark that reminders raise, and the
// 24 operations through which the rest of the program treats records alike
// (declared below in their fixed slot order).
class TKexObject {
public:
    TKexObject(uint8_t kind, const std::string& title, const std::string& target,
               const std::string& comment, int32_t objectId);
    virtual ~TKexObject();
    TKexObject(const TKexObject&) = delete;
    TKexObject& operator=(const TKexObject&) = delete;

    // --- common fields ---------------------------------------------------
    uint8_t GetKind() const { return FKind; }
    int32_t GetObjectId() const { return FObjectId; }
    const std::string& GetTitle() const { return FTitle; }
    const std::string& GetTarget() const { return FTarget; }
    const std::string& GetComment() const { return FComment; }
    uint32_t GetCategories() const { return FCategories; }

    // Keeps the node's label and the siblings' order in step (see .cpp).
    // Each setter tells the record's document of a change.
    void SetTitle(const std::string& value);
    void SetTarget(const std::string& value);
    void SetComment(const std::string& value);
    void SetCategories(uint32_t value);

    // The tree node: a tree record's own, a detail item's owner's, none for
    // the root record.
    TTreeNode* GetNode() const { return FNode; }
    void SetNode(TTreeNode* node);
    // The document of the record's tree; none while the record is linked
    // nowhere (being read, or the root record).
    TContactStore* Document() const;

    int GetDue() const { return FDue; }
    int GetDueCount() const { return FDueCount; }
    void SetDue(int value);
    void SetDueCount(int value);

    // --- detail items ----------------------------------------------------
    // Items are linked to this record's node (SetNode) before they are added.
    void AddItem(std::unique_ptr<TKexObject> item);
    // Destroys the item; an item not in the list is ignored.
    void DeleteItem(TKexObject* item);
    // Unlinks the item and hands it back (nullptr when not in the list).
    std::unique_ptr<TKexObject> RemoveItem(TKexObject* item);
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    // Index 0 or below gives the first item, past the end nullptr.
    TKexObject* GetItem(int index) const;
    bool HasItems() const { return !FItems.empty(); }
    // Items in order; the container is only for reading.
    const std::vector<std::unique_ptr<TKexObject>>& Items() const { return FItems; }

    TKexObject* FindItem(const std::string& title, uint8_t kind) const;
    TKexObject* FindItemByWord(const std::string& lowerText) const;
    // The detail items that the filter shows, as list rows.
    void FillListView(TListRows& list, const TFilterState& filter) const;

    void WriteObject(TTextWriter& f, int level) const;
    void WriteItems(TTextWriter& f, int level) const;
    void WriteCsv(TTextWriter& f, const std::vector<std::string>& fields) const;
    bool IsFilteredOut(const TFilterState& filter) const;

    // The record line: "{" level " " kind " }" title "~~" target "~~" comment "~~" id.
    std::string RecordLine(int level) const;

    // A plain record of a kind above 12 keeps its class line verbatim and
    // writes it back, so a file survives a load and save unchanged.
    void KeepClassLine(const std::string& line) {
        FKeptClassLine = line;
        FHasKeptClassLine = true;
    }
    bool HasKeptClassLine() const { return FHasKeptClassLine; }

    // This class's own fields, by name (not the common ones).
    virtual void ListFields(TFieldList& fields) const;

    // --- the 24 operations, in slot order ---------------------------------
    /* 0*/ virtual int GetImageIndex() const;
    /* 1*/ virtual void ReadClassLine(const std::string& line);
    /* 2*/ virtual void GetSaveText(std::string& text, int level) const;
    /* 3*/ virtual void SetupPopup(TItemPopup& menu) const;
    /* 4*/ virtual int GetSelectedIndex() const;
    // created: the new tree node for kinds 0..4, nullptr for detail items.
    /* 5*/ virtual bool EditNew(TTreeNode* created);
    /* 6*/ virtual bool ImportColumns(std::vector<std::string>& values,
                                      const std::vector<std::string>& names);
    /* 7*/ virtual void GetCsvField(const std::string& fieldName, std::string& text) const;
    /* 8*/ virtual void ImportVCard(const TCard& card);
    /* 9*/ virtual void DefaultAction();
    /*10*/ virtual void EditProperties();
    /*11*/ virtual void SendMail(const std::string& attachment);
    /*12*/ virtual void SendFax(const std::string& document);
    /*13*/ virtual void Dial();
    /*14*/ virtual void Browse();
    /*15*/ virtual void AdvanceDate();
    /*16*/ virtual void Launch();
    /*17*/ virtual void WriteHtmlContent(TTextWriter& f, bool withVCards) const;
    /*18*/ virtual void WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const;
    /*19*/ virtual bool InHtmlIndex() const;
    /*20*/ virtual void SaveVCard(const std::string& fileName) const;
    /*21*/ virtual void GetVCardLine(std::string& line) const;
    /*22*/ virtual void CopyToClipboard() const;
    /*23*/ virtual void GetClipboardText(std::string& text) const;

protected:
    // The class line after the record line; false when the class has none.
    virtual bool AppendClassLine(std::string& out) const;

private:
    // Tells the document (if any) that fields of this record changed.
    void Changed(uint32_t events);

    uint32_t FCategories = 0;
    int32_t FObjectId;
    uint8_t FKind;
    std::string FTitle;
    std::string FTarget;
    std::string FComment;
    std::vector<std::unique_ptr<TKexObject>> FItems;
    TTreeNode* FNode = nullptr;
    int FDue = 0;
    int FDueCount = 0;
    bool FHasKeptClassLine = false;
    std::string FKeptClassLine;
};

// True when text starts (ignoring case) with a known scheme and is longer
// than 7 characters.
bool IsUrl(const std::string& text);
bool LooksLikeEmail(const std::string& text);

// Quoted column value of the export: a double quote, the value (inner double
// quotes doubled), a double quote and a comma.
std::string CsvValue(const std::string& value);

// The class-line marker check and field split that every class line starts with:
// false when line does not begin with marker (exact, first 6 characters).
bool SplitClassLine(const std::string& line, const char* marker, std::vector<std::string>& fields);
