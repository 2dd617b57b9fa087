#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The record types a CSV file can be imported as, and how the names of a
// header line map onto their fields.

// One entry of the record-type list: its caption, the object kind it creates
// and the fields it offers, in the order the list shows them.
struct TCsvRecordType {
    std::string Entry;
    int Kind;
    std::vector<std::string> Fields;
};

// "Person", "Organization", "Website Addresses", "Addresses", "Phone Numbers",
// "E-mail Addresses", "FAX Numbers", in this order.
const std::vector<TCsvRecordType>& CsvRecordTypes();

// Maps the column names of a header line onto a record type's fields.
//
// Known are Merrowin's own field names ("First Name", "Address Line 1",
// "E-Mail Address", ...) and the names that other address books write:
// Google Contacts ("Given Name", "E-mail 1 - Value", "Phone 2 - Value" with
// its "Phone 2 - Type", "Address 1 - Street"), Thunderbird ("Primary Email",
// "Work Phone", "Home Address 2", "Web Page 1") and Outlook ("Business
// Street", "Home Phone", "E-mail Address"; its "Title" column is the
// salutation). Letter case and blanks around names do not matter; unknown
// columns are skipped.
//
// Several columns may offer one field (Outlook's home and business phones).
// For each row the first one that holds a value gives it: the person's own
// kind first (home before business for a person, business first for an
// organization), and a whole address comes from one place, never a street
// from home and a city from work. A Google phone whose type says "Fax" is a
// fax number, not a phone number.
//
// The wizard preselects Fields() and lets the user change the list; Select
// then gives, for one row, the values and names to hand to ImportColumns.
class TCsvColumnMap {
public:
    TCsvColumnMap() = default;
    TCsvColumnMap(const std::vector<std::string>& header, const std::vector<std::string>& fields);

    // The fields that some column gives, in the order of the type's fields.
    std::vector<std::string> Fields() const;
    // The columns that may give the field, best first (empty for none).
    std::vector<size_t> ColumnsOf(const std::string& field) const;

    // The row's values for the chosen fields that some column gives, as
    // ImportColumns takes them: values[i] belongs to names[i].
    void Select(const std::vector<std::string>& row, const std::vector<std::string>& chosen,
                std::vector<std::string>& values, std::vector<std::string>& names) const;

    struct TCandidate {
        size_t Column;
        int Order;            // lower is better
        std::string Group;    // where an address column belongs ("home", "address 2", ...)
        long TypeColumn = -1; // Google: the column naming the phone's type
    };

private:
    struct TField {
        std::string Name;
        std::vector<TCandidate> Candidates;
    };
    const TField* Find(const std::string& field) const;
    std::string ChooseAddressGroup(const std::vector<std::string>& row,
                                   const std::vector<std::string>& chosen) const;

    std::vector<TField> FFields; // in the order of the type's fields
};
