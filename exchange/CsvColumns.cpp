#include "exchange/CsvColumns.h"

#include <algorithm>
#include <cctype>
#include <map>

const std::vector<TCsvRecordType>& CsvRecordTypes() {
    static const std::vector<TCsvRecordType> types = [] {
        const std::vector<std::string> address = {
            "Address Line 1", "Address Line 2", "Address Line 3", "City",
            "State/Province", "Postal Code",    "Country"};
        const std::vector<std::string> contact = {"Phone Number", "Fax Number", "E-Mail Address",
                                                  "Website", "Comment"};
        std::vector<std::string> person = {"Title", "Salutation", "First Name", "Middle Name",
                                           "Last Name"};
        std::vector<std::string> org = {"Title"};
        for (auto* list : {&person, &org}) {
            list->insert(list->end(), address.begin(), address.end());
            list->insert(list->end(), contact.begin(), contact.end());
        }
        std::vector<std::string> addresses = {"Title"};
        addresses.insert(addresses.end(), address.begin(), address.end());
        return std::vector<TCsvRecordType>{
            {"Person", 3, person},
            {"Organization", 1, org},
            {"Website Addresses", 4, {"Title", "Website", "Comment"}},
            {"Addresses", 5, addresses},
            {"Phone Numbers", 6, {"Title", "Phone Number", "Extension", "Comment"}},
            {"E-mail Addresses", 7, {"Title", "E-Mail Address", "Comment"}},
            {"FAX Numbers", 8, {"Title", "Fax Number", "Comment"}}};
    }();
    return types;
}

namespace {

const char kPhone[] = "Phone Number";
const char kFax[] = "Fax Number";
// Merrowin's own names come before any other program's.
constexpr int kOwnOrder = -100000;

bool IsAddressField(const std::string& f) {
    return f.rfind("Address Line", 0) == 0 || f == "City" || f == "State/Province" ||
           f == "Postal Code" || f == "Country";
}

// Column names as compared: trimmed, lower case, inner blanks as one.
std::string Fold(const std::string& name) {
    std::string s;
    bool blank = false;
    for (char c : name) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !s.empty();
            continue;
        }
        if (blank) s += ' ';
        blank = false;
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

struct TAlias {
    std::string Field;
    std::string Group;
    int Rank;
};

// Names other programs write, folded, with the field each gives.
const std::multimap<std::string, TAlias>& Aliases() {
    static const std::multimap<std::string, TAlias> table = [] {
        std::multimap<std::string, TAlias> t;
        auto add = [&](const std::string& name, const std::string& field,
                       const std::string& group = {}, int rank = 1) {
            t.insert({name, {field, group, rank}});
        };
        for (const char* n : {"display name", "name", "full name"})
            add(n, "Title");
        add("file as", "Title", "", 2);
        for (const char* n : {"company", "organization", "organisation", "organization name"})
            add(n, "Title", "org");
        add("name prefix", "Salutation");
        add("prefix", "Salutation");
        for (const char* n : {"given name", "firstname", "forename"})
            add(n, "First Name");
        add("additional name", "Middle Name");
        for (const char* n : {"family name", "surname", "lastname"})
            add(n, "Last Name");
        for (const char* n : {"notes", "note", "comments"})
            add(n, "Comment");

        // Outlook's and Thunderbird's address blocks, and plain names.
        for (const char* g : {"home", "business", "other"}) {
            std::string p = std::string(g) + " ";
            add(p + "street", "Address Line 1", g);
            add(p + "street 2", "Address Line 2", g);
            add(p + "street 3", "Address Line 3", g);
            add(p + "city", "City", g);
            add(p + "state", "State/Province", g);
            add(p + "postal code", "Postal Code", g);
            add(p + "country/region", "Country", g);
            add(p + "country", "Country", g);
        }
        for (const char* g : {"home", "work"}) {
            std::string p = std::string(g) + " ";
            std::string group = g == std::string("work") ? "business" : g;
            add(p + "address", "Address Line 1", group);
            add(p + "address 2", "Address Line 2", group);
            add(p + "city", "City", group);
            add(p + "state", "State/Province", group);
            add(p + "zipcode", "Postal Code", group);
            add(p + "country", "Country", group);
        }
        for (const char* n : {"street", "address", "street address"})
            add(n, "Address Line 1");
        for (const char* n : {"state", "province", "region"})
            add(n, "State/Province");
        for (const char* n : {"zip", "zip code", "zipcode", "postcode"})
            add(n, "Postal Code");

        for (const char* n : {"primary phone", "phone", "telephone"})
            add(n, kPhone);
        add("home phone", kPhone, "home");
        add("home phone 2", kPhone, "home", 2);
        for (const char* n : {"mobile phone", "mobile number", "mobile"})
            add(n, kPhone, "mobile");
        add("business phone", kPhone, "business");
        add("work phone", kPhone, "business");
        add("business phone 2", kPhone, "business", 2);
        add("company main phone", kPhone, "business", 3);
        add("other phone", kPhone, "other");
        add("fax", kFax);
        for (const char* g : {"home", "business", "other"})
            add(std::string(g) + " fax", kFax, g);

        for (const char* n : {"primary email", "email", "e-mail", "email address"})
            add(n, "E-Mail Address");
        for (const char* n : {"secondary email", "e-mail 2 address"})
            add(n, "E-Mail Address", "", 2);
        add("e-mail 3 address", "E-Mail Address", "", 3);
        for (const char* n : {"web page", "web page 1", "web site", "homepage", "home page", "url"})
            add(n, "Website");
        add("web page 2", "Website", "", 2);
        add("personal web page", "Website", "", 2);
        return t;
    }();
    return table;
}

// Google's numbered columns: "e-mail 2 - value" gives base "e-mail", 2 and
// part "value".
bool SplitNumbered(const std::string& folded, std::string& base, int& number, std::string& part) {
    size_t dash = folded.find(" - ");
    if (dash == std::string::npos) return false;
    size_t space = folded.rfind(' ', dash - 1);
    if (space == std::string::npos || space + 1 >= dash) return false;
    std::string digits = folded.substr(space + 1, dash - space - 1);
    if (digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    base = folded.substr(0, space);
    number = std::stoi(digits);
    part = folded.substr(dash + 3);
    return true;
}

// How good a kind of column is for the record type: its own kind first.
int GroupOrder(const std::string& group, bool person) {
    static const std::map<std::string, int> forPerson = {
        {"", 0}, {"home", 1}, {"mobile", 2}, {"business", 3}, {"other", 4}};
    static const std::map<std::string, int> forOrg = {{"", 0},     {"org", -1},   {"business", 1},
                                                      {"home", 2}, {"mobile", 3}, {"other", 4}};
    const auto& m = person ? forPerson : forOrg;
    auto it = m.find(group);
    if (it != m.end()) return it->second;
    // "address N": Google's numbered addresses in their order.
    return group.rfind("address ", 0) == 0 ? std::atoi(group.c_str() + 8) : 5;
}

bool Has(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

} // namespace

TCsvColumnMap::TCsvColumnMap(const std::vector<std::string>& header,
                             const std::vector<std::string>& fields) {
    for (const auto& f : fields)
        FFields.push_back({f, {}});
    const bool person = Has(fields, "First Name");
    const bool org = !person && Has(fields, "Address Line 1") && Has(fields, "E-Mail Address");

    std::vector<std::string> folded;
    for (const auto& h : header)
        folded.push_back(Fold(h));
    // Outlook's "Title" is "Mr." or "Dr.", not the name of the record.
    const bool outlook = !Has(folded, "salutation") &&
                         std::any_of(folded.begin(), folded.end(), [](const std::string& n) {
                             return n == "job title" || n == "business street" ||
                                    n == "home street" || n == "e-mail display name";
                         });

    auto offer = [&](const std::string& field, TCandidate c) {
        for (auto& f : FFields)
            if (f.Name == field) f.Candidates.push_back(std::move(c));
    };
    auto typeColumn = [&](const std::string& base, int number) -> long {
        for (const char* kind : {" - type", " - label"}) {
            auto it =
                std::find(folded.begin(), folded.end(), base + " " + std::to_string(number) + kind);
            if (it != folded.end()) return it - folded.begin();
        }
        return -1;
    };

    for (size_t col = 0; col < folded.size(); ++col) {
        const std::string& name = folded[col];
        if (outlook && name == "title") {
            offer("Salutation", {col, 0, "", -1});
            continue;
        }
        bool own = false;
        for (const auto& f : fields)
            if (Fold(f) == name) {
                offer(f, {col, kOwnOrder, "", -1});
                own = true;
            }
        if (own) continue;
        auto [from, to] = Aliases().equal_range(name);
        for (auto it = from; it != to; ++it) {
            const TAlias& a = it->second;
            if (a.Group == "org" && !org) continue;
            offer(a.Field, {col, GroupOrder(a.Group, person) * 100 + a.Rank, a.Group, -1});
        }
        std::string base, part;
        int n;
        if (from != to || !SplitNumbered(name, base, n, part)) continue;
        if ((base == "e-mail" || base == "email") && part == "value") {
            offer("E-Mail Address", {col, n, "", -1});
        } else if (base == "website" && part == "value") {
            offer("Website", {col, n, "", -1});
        } else if (base == "phone" && part == "value") {
            long type = typeColumn(base, n);
            offer(kPhone, {col, n, "", type});
            if (type >= 0) offer(kFax, {col, n, "", type});
        } else if (base == "organization" && part == "name" && org) {
            offer("Title", {col, n, "org", -1});
        } else if (base == "address") {
            static const std::map<std::string, std::string> parts = {
                {"street", "Address Line 1"}, {"extended address", "Address Line 2"},
                {"po box", "Address Line 3"}, {"city", "City"},
                {"region", "State/Province"}, {"postal code", "Postal Code"},
                {"country", "Country"}};
            auto p = parts.find(part);
            if (p != parts.end()) offer(p->second, {col, n, "address " + std::to_string(n), -1});
        }
    }
    for (auto& f : FFields)
        std::stable_sort(
            f.Candidates.begin(), f.Candidates.end(),
            [](const TCandidate& a, const TCandidate& b) { return a.Order < b.Order; });
}

const TCsvColumnMap::TField* TCsvColumnMap::Find(const std::string& field) const {
    for (const auto& f : FFields)
        if (f.Name == field) return &f;
    return nullptr;
}

std::vector<std::string> TCsvColumnMap::Fields() const {
    std::vector<std::string> out;
    for (const auto& f : FFields)
        if (!f.Candidates.empty()) out.push_back(f.Name);
    return out;
}

std::vector<size_t> TCsvColumnMap::ColumnsOf(const std::string& field) const {
    std::vector<size_t> out;
    if (const TField* f = Find(field))
        for (const auto& c : f->Candidates)
            out.push_back(c.Column);
    return out;
}

namespace {
const std::string& Cell(const std::vector<std::string>& row, size_t col) {
    static const std::string empty;
    return col < row.size() ? row[col] : empty;
}

// A Google phone column counts for the fax field only when its type names a
// fax, and for the phone field only when it does not.
bool TypeFits(const TCsvColumnMap::TCandidate& c, const std::string& field,
              const std::vector<std::string>& row) {
    if (c.TypeColumn < 0) return true;
    std::string type = Fold(Cell(row, static_cast<size_t>(c.TypeColumn)));
    bool fax = type.find("fax") != std::string::npos;
    return fax == (field == kFax);
}
} // namespace

std::string TCsvColumnMap::ChooseAddressGroup(const std::vector<std::string>& row,
                                              const std::vector<std::string>& chosen) const {
    const TCandidate* first = nullptr;
    const TCandidate* filled = nullptr;
    for (const auto& name : chosen) {
        const TField* f = IsAddressField(name) ? Find(name) : nullptr;
        if (!f) continue;
        for (const auto& c : f->Candidates) {
            if (!first || c.Order < first->Order) first = &c;
            if (!Cell(row, c.Column).empty() && (!filled || c.Order < filled->Order)) filled = &c;
        }
    }
    return filled ? filled->Group : first ? first->Group : std::string();
}

void TCsvColumnMap::Select(const std::vector<std::string>& row,
                           const std::vector<std::string>& chosen, std::vector<std::string>& values,
                           std::vector<std::string>& names) const {
    values.clear();
    names.clear();
    bool groupKnown = false;
    std::string group;
    for (const auto& name : chosen) {
        const TField* f = Find(name);
        if (!f) continue;
        bool address = IsAddressField(name);
        if (address && !groupKnown) {
            group = ChooseAddressGroup(row, chosen);
            groupKnown = true;
        }
        const TCandidate* pick = nullptr;
        for (const auto& c : f->Candidates) {
            if ((address && c.Group != group) || !TypeFits(c, name, row)) continue;
            if (!pick) pick = &c;
            if (!Cell(row, c.Column).empty()) {
                pick = &c;
                break;
            }
        }
        if (!pick) continue;
        names.push_back(name);
        values.push_back(Cell(row, pick->Column));
    }
}
