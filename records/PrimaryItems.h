#pragma once

#include "store/KexObject.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TTextWriter;

// The titles of the five detail items a person or an organization treats as
// its own. Only the titles are kept: the items are looked up again by title
// and kind at every use, so a deleted or renamed item is simply not found.
struct TPrimaryTitles {
    std::string Address; // kind 5
    std::string Phone;   // kind 6
    std::string Fax;     // kind 8
    std::string EMail;   // kind 7
    std::string Web;     // kind 4, a child node
};

// What persons and organizations share about their primary items.
namespace primary {

// One primary slot: its kind, the title the column import gives it and the
// title a new record's dialog proposes.
struct TSlot {
    uint8_t Kind;
    const char* ImportTitle;
    const char* DefaultTitle;
    std::string TPrimaryTitles::*Field;
};

// Address, phone, fax, e-mail, website: the order of the dialog pages, the
// import, the export and the published block.
extern const std::array<TSlot, 5> kSlots;

// Every stored title made safe (what a class line read back may need).
void MakeSafe(TPrimaryTitles& titles);

// Popup entries for the primary items: shown when the title is set, even if
// no item carries it any more (the command then does nothing).
void SetupPopup(const TPrimaryTitles& titles, TItemPopup& menu);

// The found primary item of a kind, or nullptr.
TKexObject* Find(const TKexObject& owner, const TPrimaryTitles& titles, uint8_t kind);

// Titles of the owner's detail items of a kind, in item order; for websites
// also the titles of its website child nodes, in node order.
void FillTitleList(const TKexObject& owner, uint8_t kind, std::vector<std::string>& list);

// Forwarding of the commands to the primary item of the right class.
void SendMail(const TKexObject& owner, const TPrimaryTitles& titles, const std::string& attachment);
void SendFax(const TKexObject& owner, const TPrimaryTitles& titles, const std::string& document);
void Dial(const TKexObject& owner, const TPrimaryTitles& titles);
void Browse(const TKexObject& owner, const TPrimaryTitles& titles);

// Blanks the row's "Comment" value, so that the primary items take none.
void BlankComment(std::vector<std::string>& values, const std::vector<std::string>& names);

// Tries to import each primary item from the row: a new item titled by its
// slot's import title is kept when its own column import accepts the row,
// and its title becomes the primary one; otherwise it is destroyed again.
void ImportPrimaries(TKexObject& owner, std::vector<std::string>& values,
                     const std::vector<std::string>& names, TPrimaryTitles& titles);

// Export of a column the owner does not know itself: the first non-empty
// answer of the primary items in slot order, else "," (an empty column).
void CsvField(const TKexObject& owner, const TPrimaryTitles& titles, const std::string& fieldName,
              std::string& text);

// The primary item's block of the published page, when it is found.
void WriteItemHtml(const TKexObject& owner, const TPrimaryTitles& titles, uint8_t kind,
                   TTextWriter& f);
// Every detail item whose title is none of the primary titles, each followed
// by afterEach when that is not empty.
void WriteOtherItemsHtml(const TKexObject& owner, const TPrimaryTitles& titles, TTextWriter& f,
                         const char* afterEach);

} // namespace primary
