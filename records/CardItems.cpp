#include "records/CardItems.h"

#include "exchange/Card.h"
#include "exchange/VCardFile.h"
#include "platform/Clock.h"
#include "platform/Date.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <cstdio>

namespace carditems {

namespace {

// The property's values 0..6 as the address class line: street lines 1 to 3,
// city, state or province, postal code and country.
std::string AddressClassLine(const TCardProperty& p) {
    std::string line = "{Addr}";
    for (size_t i = 0; i < 7; ++i) {
        if (i > 0) line += fieldtext::kSeparator;
        line += fieldtext::SafeField(p.Value(i));
    }
    return line;
}

TKexObject* CreateItem(TKexObject& owner, uint8_t kind, const TCardProperty& p,
                       const std::string& classLine) {
    return CreateObject(kind, p.ParamDescription(), p.Value(0), "", owner.GetNode(), classLine, 0)
        .Object;
}

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int Number(std::string_view s) {
    int n = 0;
    for (char c : s)
        n = n * 10 + (c - '0');
    return n;
}

std::string Two(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

struct TBirthDate {
    int Year = 0; // 0: the card gave none
    int Month = 0;
    int Day = 0;
};

bool ParseBirthDate(std::string_view text, TBirthDate& d) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (size_t t = text.find_first_of("Tt"); t != std::string_view::npos) text = text.substr(0, t);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string_view year, month, day;
    if (text.starts_with("--")) {
        std::string_view md = text.substr(2);
        if (md.size() == 4) {
            month = md.substr(0, 2);
            day = md.substr(2);
        } else if (md.size() == 5 && md[2] == '-') {
            month = md.substr(0, 2);
            day = md.substr(3);
        } else {
            return false;
        }
    } else if (text.size() == 8) {
        year = text.substr(0, 4);
        month = text.substr(4, 2);
        day = text.substr(6);
    } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = text.substr(0, 4);
        month = text.substr(5, 2);
        day = text.substr(8);
    } else {
        return false;
    }
    if (!Digits(month) || !Digits(day) || (!year.empty() && !Digits(year))) return false;
    d.Year = year.empty() ? 0 : Number(year);
    d.Month = Number(month);
    d.Day = Number(day);
    if (!year.empty() && d.Year == 0) return false;
    // Without a year, 29 February is a birthday too.
    return TDate::IsValid(d.Year ? d.Year : 2000, d.Month, d.Day);
}

std::string BirthDateText(const TBirthDate& d) {
    return (d.Year ? std::to_string(d.Year) : std::string("-")) + "-" + Two(d.Month) + "-" +
           Two(d.Day);
}

// The next day on or after today with this month and day (29 February waits
// for a leap year).
TDate NextBirthday(int month, int day) {
    const TDate today = Svc().UseClock().Today();
    for (int y = today.Year;; ++y)
        if (TDate::IsValid(y, month, day) && TDate{y, month, day} >= today)
            return TDate{y, month, day};
}

// "1998,3,14,2" of a reminder's rule; false when it is not four integers.
bool RuleOf(const TKexObject& item, TBirthDate& d, int& mode) {
    TFieldList fields;
    item.ListFields(fields);
    for (const auto& [name, value] : fields) {
        if (name != "Rule" || !std::holds_alternative<std::string>(value)) continue;
        int y = 0, m = 0, dd = 0;
        if (std::sscanf(std::get<std::string>(value).c_str(), "%d,%d,%d,%d", &y, &m, &dd, &mode) !=
            4)
            return false;
        d = {y, m, dd};
        return true;
    }
    return false;
}

} // namespace

void ImportItems(TKexObject& owner, const TCard& card, TPrimaryTitles& titles) {
    for (const TCardProperty* p : card.FindProperties("ADR")) {
        TKexObject* item = CreateItem(owner, kindAddress, *p, AddressClassLine(*p));
        if (p->Has(cpPref)) titles.Address = item->GetTitle();
    }
    for (const TCardProperty* p : card.FindProperties("EMAIL")) {
        TKexObject* item = CreateItem(owner, kindEMail, *p, "");
        if (p->Has(cpPref)) titles.EMail = item->GetTitle();
    }
    for (const TCardProperty* p : card.FindProperties("TEL")) {
        const bool fax = p->Has(cpFax);
        TKexObject* item = CreateItem(owner, fax ? kindFax : kindPhone, *p, "");
        if (p->Has(cpPref)) (fax ? titles.Fax : titles.Phone) = item->GetTitle();
    }
    if (const TCardProperty* url = card.FindProperty("URL")) {
        CreateObject(kindWeb, "Web URL", url->Value(0), "", owner.GetNode(), "", 0);
        titles.Web = "Web URL";
    }
}

void AddLine(TCard& card, std::string_view line) {
    TCardProperty p;
    p.Parse(line);
    card.AddProperty(std::move(p));
}

void AddItemLines(TCard& card, const TKexObject& owner, const TPrimaryTitles& titles) {
    for (const auto& item : owner.Items()) {
        std::string line;
        item->GetVCardLine(line);
        if (line.empty()) continue;
        TCardProperty p;
        p.Parse(line);
        const std::string* primaryTitle = nullptr;
        switch (item->GetKind()) {
        case kindAddress:
            primaryTitle = &titles.Address;
            break;
        case kindPhone:
            primaryTitle = &titles.Phone;
            break;
        case kindEMail:
            primaryTitle = &titles.EMail;
            break;
        case kindFax:
            primaryTitle = &titles.Fax;
            break;
        default:
            break;
        }
        if (primaryTitle && *primaryTitle == item->GetTitle()) p.Params.set(cpPref);
        card.AddProperty(std::move(p));
    }
}

void ImportBirthday(TKexObject& owner, const TCard& card) {
    const TCardProperty* bday = card.FindProperty("BDAY");
    TBirthDate d;
    if (!bday || !ParseBirthDate(bday->Value(0), d)) return;
    const TDate next = NextBirthday(d.Month, d.Day);
    const std::string rule = std::to_string(next.Year) + "," + std::to_string(next.Month) + "," +
                             std::to_string(next.Day) + ",2";
    CreateObject(kindReminder, "Birthday", Svc().UseLocale().ShortDate(next), BirthDateText(d),
                 owner.GetNode(), "{Remd}" + rule + "~~0", 0);
}

void AddBirthday(TCard& card, const TKexObject& owner) {
    for (const auto& item : owner.Items()) {
        TBirthDate rule;
        int mode = 0;
        if (item->GetKind() != kindReminder || item->GetTitle() != "Birthday" ||
            !RuleOf(*item, rule, mode) || mode != 2)
            continue;
        // The date the card once gave, while it still is this day of the year.
        TBirthDate born;
        if (!ParseBirthDate(item->GetComment(), born) || born.Month != rule.Month ||
            born.Day != rule.Day)
            born = rule;
        if (!TDate::IsValid(born.Year ? born.Year : 2000, born.Month, born.Day)) return;
        std::string text = BirthDateText(born);
        if (!born.Year) text = "--" + Two(born.Month) + Two(born.Day);
        AddLine(card, "BDAY:" + text);
        return;
    }
}

void AddNote(TCard& card, const std::string& text) {
    if (text.empty()) return;
    TCardProperty p;
    p.Name = "NOTE";
    p.Values.push_back(text);
    card.AddProperty(std::move(p));
}

std::string NoteText(const TCard& card) {
    const TCardProperty* note = card.FindProperty("NOTE");
    if (!note) return "";
    std::string text;
    for (size_t i = 0; i < note->Values.size(); ++i) {
        if (i > 0) text += ",";
        text += note->Values[i];
    }
    return text;
}

void WriteCardFile(const TCard& card, const std::string& fileName) {
    TVCardFile f;
    f.Filename = fileName;
    f.AddCard(card);
    f.Write();
}

std::string BirthDate(std::string_view text) {
    TBirthDate d;
    return ParseBirthDate(text, d) ? BirthDateText(d) : std::string();
}

} // namespace carditems
