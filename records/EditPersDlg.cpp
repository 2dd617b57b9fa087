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
}

void TEditPersDlg::TitleExit() {
    std::vector<std::string> words = commatext::SplitCommaText(Title);
    if (words.size() < 2) return;
    FName = words[0];
    if (words.size() == 2) {
        LName = words[1];
    } else {
        MName = words[1];
        LName = words[2];
    }
    Changed();
}
