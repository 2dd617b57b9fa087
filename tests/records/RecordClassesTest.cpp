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
#include "reminders/ReminderObject.h"
#include "store/ObjectFactory.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <typeinfo>

namespace {

// Every stored kind is built as its own class, whose class line carries the
// categories through a write and a read.
TEST(RecordClasses, EveryKindIsBuiltAsItsClassAndReadsItsOwnClassLine) {
    TTestServices svc;
    const struct {
        uint8_t Kind;
        const std::type_info& Class;
        const char* FirstLine; // what the first record is built from
    } cases[] = {
        {kindFolder, typeid(TFolderObject), ""},
        {kindOrg, typeid(TOrgObject), ""},
        {kindTeam, typeid(TTeamObject), ""},
        {kindPerson, typeid(TPersonObject), ""},
        {kindWeb, typeid(TWebObject), ""},
        {kindAddress, typeid(TAddressObject), ""},
        {kindPhone, typeid(TPhoneObject), ""},
        {kindEMail, typeid(TEMailObject), ""},
        {kindFax, typeid(TFaxObject), ""},
        {kindReminder, typeid(TReminderObject), "{Remd}2030,3,14,0~~0"},
        {kindDoc, typeid(TDocObject), ""},
        {kindTool, typeid(TToolObject), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Kind));
        auto first = ConstructRecord(c.Kind, "T", "", "", 1, c.FirstLine);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(typeid(*first), c.Class);
        first->SetCategories(3);
        std::string text;
        first->GetSaveText(text, 1);
        const size_t lineEnd = text.find("\r\n");
        ASSERT_NE(lineEnd, std::string::npos) << text;
        auto second = ConstructRecord(c.Kind, "T", "", "", 1, text.substr(lineEnd + 2));
        EXPECT_EQ(typeid(*second), c.Class);
        EXPECT_EQ(second->GetKind(), c.Kind);
        EXPECT_EQ(second->GetCategories(), 3u) << text;
    }
}

} // namespace
