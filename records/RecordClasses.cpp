#include "records/RecordClasses.h"

#include "records/AddressObject.h"
#include "records/DocObject.h"
#include "records/EMailObject.h"
#include "records/FaxObject.h"
#include "records/FolderObject.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "records/PhoneObject.h"
#include "records/TeamObject.h"
#include "records/ToolObject.h"
#include "records/WebObject.h"
#include "store/RecordRegistry.h"

void RegisterRecordClasses() {
    TRecordRegistry::Register(kindFolder, MakeRecord<TFolderObject>);
    TRecordRegistry::Register(kindOrg, MakeRecord<TOrgObject>);
    TRecordRegistry::Register(kindTeam, MakeRecord<TTeamObject>);
    TRecordRegistry::Register(kindPerson, MakeRecord<TPersonObject>);
    TRecordRegistry::Register(kindWeb, MakeRecord<TWebObject>);
    TRecordRegistry::Register(kindAddress, MakeRecord<TAddressObject>);
    TRecordRegistry::Register(kindPhone, MakeRecord<TPhoneObject>);
    TRecordRegistry::Register(kindEMail, MakeRecord<TEMailObject>);
    TRecordRegistry::Register(kindFax, MakeRecord<TFaxObject>);
    TRecordRegistry::Register(kindDoc, MakeRecord<TDocObject>);
    TRecordRegistry::Register(kindTool, MakeRecord<TToolObject>);
}
