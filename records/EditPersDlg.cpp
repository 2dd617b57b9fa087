#include "records/EditPersDlg.h"

#include "exchange/CommaText.h"
#include "records/PersonObject.h"

TEditPersDlg::TEditPersDlg()
    : SalutationItems{"Mr.", "Mrs.", "Ms.", "Miss", "Dr.", "Mr. & Mrs.", "Dr. & Mrs."} {
    Caption = "Person";
}

void TEditPersDlg::SetPerson(TPersonObject& person) {
    LoadRecord(person, person.PrimaryTitles());
    Salutation = person.Salutation();
    FName = person.FirstName();
    MName = person.MiddleName();
    LName = person.LastName();
    FSplitTitle = Title;
}

void TEditPersDlg::TitleExit() {
    // Passing through an untouched title must not overwrite the names.
    if (Title == FSplitTitle) return;
    FSplitTitle = Title;
    std::vector<std::string> words = commatext::SplitCommaText(Title);
    if (words.size() < 2) return;
    if (LastNameFirst(Title)) {
        LName = words[0];
        FName = words[1];
        if (words.size() > 2) MName = words[2];
    } else {
        FName = words[0];
        if (words.size() == 2) {
            LName = words[1];
        } else {
            MName = words[1];
            LName = words[2];
        }
    }
    Changed();
}

bool TEditPersDlg::LastNameFirst(std::string_view title) {
    // Find the end of the first word as the comma-text reader does, then
    // look for a comma before the next word.
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t i = 0, n = title.size();
    while (i < n && blank(title[i]))
        ++i;
    if (i < n && title[i] == '"') {
        for (++i; i < n; ++i) {
            if (title[i] != '"') continue;
            if (i + 1 < n && title[i + 1] == '"') {
                ++i;
                continue;
            }
            ++i;
            break;
        }
    } else {
        while (i < n && !blank(title[i]) && title[i] != ',')
            ++i;
    }
    return i < n && title[i] == ',';
}
