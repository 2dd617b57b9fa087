#include "printing/Addressee.h"

#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "store/KexObject.h"

TAddressee EnvelopeAddressee(const TKexObject* record) {
    if (!record) return {};
    switch (record->GetKind()) {
    case kindPerson:
        if (auto* person = dynamic_cast<const TPersonObject*>(record))
            return {person->FindItem(person->PrimaryAddress(), kindAddress), person->GetTarget()};
        break;
    case kindOrg:
        if (auto* org = dynamic_cast<const TOrgObject*>(record))
            return {org->FindItem(org->PrimaryAddress(), kindAddress), org->GetTitle()};
        break;
    case kindAddress:
        return {record, record->GetTitle()};
    default:
        break;
    }
    return {};
}
