#include "exchange/jobs/VCardImport.h"

#include "exchange/Card.h"
#include "exchange/VCImportDlg.h"
#include "exchange/VCardFile.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

namespace {

// The names the record import reads; a card with none of them would only
// make a nameless, empty person.
bool HasContent(const TCard& card) {
    for (const char* name :
         {"N", "FN", "TITLE", "ORG", "ADR", "TEL", "EMAIL", "URL", "BDAY", "NOTE"})
        if (card.HasProperty(name)) return true;
    return false;
}

bool BecomesOrganization(const TCard& card, TCardOrgMode mode) {
    const TCardProperty* org = card.FindProperty("ORG");
    if (!org) return false;
    switch (mode) {
    case TCardOrgMode::Person:
        return false;
    case TCardOrgMode::Organization:
        return true;
    case TCardOrgMode::Ask:
        break;
    }
    return TVCImportDlg::ImportAsOrganization(CardDisplayName(card), org->Value(0));
}

std::string Counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string TVCardImport::Summary() const {
    return Counted(CardsRead, "card", "cards") + " read, " +
           Counted(RecordsCreated, "record", "records") + " created (" +
           Counted(Organizations, "organization", "organizations") + "), " +
           std::to_string(Skipped) + " skipped";
}

TVCardImport ImportVCardFile(const std::string& fileName, TTreeNode* parent, TCardOrgMode mode) {
    TVCardFile f;
    f.Filename = fileName;
    f.Read();
    return ImportVCardCards(f, parent, mode);
}

TVCardImport ImportVCardCards(const TVCardFile& file, TTreeNode* parent, TCardOrgMode mode) {
    TVCardImport result;
    result.CardsRead = file.CardCount();
    if (!parent) return result;
    TContactStore::TUpdate scope(parent->Owner()->Document());
    for (const TCard& card : file.Cards()) {
        if (!HasContent(card)) {
            ++result.Skipped;
            continue;
        }
        const bool asOrg = BecomesOrganization(card, mode);
        TCreated c = CreateObject(asOrg ? kindOrg : kindPerson, "", "", "", parent, "", 0);
        c.Object->ImportVCard(card);
        ++result.RecordsCreated;
        if (asOrg) ++result.Organizations;
    }
    return result;
}
