#include "platform/Services.h"

#include "reminders/RecurringDate.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "support/TestServices.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Every required service, missing, raises at its first use and names itself.
TEST(Services, AMissingRequiredServiceRaisesNamingIt) {
    TServices empty;
    const struct {
        const char* Name;
        std::function<void()> Use;
    } cases[] = {
        {"Settings", [&] { empty.UseSettings(); }}, {"Browser", [&] { empty.UseBrowser(); }},
        {"Mail", [&] { empty.UseMail(); }},         {"Telephony", [&] { empty.UseTelephony(); }},
        {"Shell", [&] { empty.UseShell(); }},       {"Clipboard", [&] { empty.UseClipboard(); }},
        {"Clock", [&] { empty.UseClock(); }},       {"Random", [&] { empty.UseRandom(); }},
        {"Locale", [&] { empty.UseLocale(); }},
    };
    for (const auto& c : cases) {
        try {
            c.Use();
            ADD_FAILURE() << c.Name << " answered without being installed";
        } catch (const EServiceMissing& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("the ") + c.Name + " service is not installed");
        }
    }
}

TEST(Services, AnInstalledServiceIsTheOneHandedOut) {
    TTestServices svc;
    EXPECT_EQ(&Svc().UseClock(), &svc.Clock);
    EXPECT_EQ(&Svc().UseRandom(), &svc.Random);
    EXPECT_EQ(&Svc().UseSettings(), &svc.Settings);
}

// What used to go wrong quietly: ids of 0 without a random source, the real
// day without a clock.
TEST(Services, NewRecordsAndDueDatesNeedTheirServices) {
    TTestServices svc;
    TContactStore doc;
    svc.Services.Random = nullptr;
    EXPECT_THROW(CreateObject(kindFolder, "F", "", "", doc.Root(), "", 0), EServiceMissing);
    EXPECT_EQ(doc.Root()->Count(), 0);
    // A stored id needs no random source.
    EXPECT_NE(CreateObject(kindFolder, "F", "", "", doc.Root(), "", 7).Node, nullptr);
    svc.Services.Clock = nullptr;
    EXPECT_THROW(TRecurringDate::Today(), EServiceMissing);
}

} // namespace
