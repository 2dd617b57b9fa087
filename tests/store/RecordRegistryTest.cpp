#include "store/RecordRegistry.h"

#include "shell/RecordKinds.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Empties the table for a test and fills it again afterwards, as the other
// tests of this program expect it.
struct TEmptyRegistry {
    TEmptyRegistry() { TRecordRegistry::Clear(); }
    ~TEmptyRegistry() { RegisterRecordKinds(); }
};

TEST(RecordRegistry, AKindWithoutItsClassIsAWiringMistakeNamingTheKind) {
    TTestServices svc;
    TEmptyRegistry empty;
    for (uint8_t kind : {kindFolder, kindPerson, kindReminder, kindTool}) {
        try {
            TRecordRegistry::Construct(kind, "T", "", "", 1, "");
            FAIL() << "kind " << int(kind) << " was built without a class";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find("kind " + std::to_string(kind)), std::string::npos)
                << e.what();
        }
    }
}

TEST(RecordRegistry, TheRootAndKindsOfANewerProgramNeedNoClass) {
    TTestServices svc;
    TEmptyRegistry empty;
    auto root = TRecordRegistry::Construct(kindRoot, "My Contacts", "", "", 1, "");
    EXPECT_EQ(root->GetKind(), kindRoot);
    auto future = TRecordRegistry::Construct(13, "Future", "t", "c", 2, "{Futr}a~~b");
    std::string text;
    future->GetSaveText(text, 1);
    EXPECT_EQ(text, "{1 13 }Future~~t~~c~~2\r\n{Futr}a~~b");
}

TEST(RecordRegistry, ARegisteredMakerBuildsTheKindWithItsClassLine) {
    TTestServices svc;
    TEmptyRegistry empty;
    struct TMarked : TKexObject {
        TMarked(uint8_t kind, const std::string& title, const std::string& target,
                const std::string& comment, int32_t id, const std::string& classLine)
            : TKexObject(kind, title, target, comment, id), Line(classLine) {}
        std::string Line;
    };
    EXPECT_FALSE(TRecordRegistry::IsRegistered(kindFolder));
    TRecordRegistry::Register(kindFolder, MakeRecord<TMarked>);
    EXPECT_TRUE(TRecordRegistry::IsRegistered(kindFolder));
    auto r = TRecordRegistry::Construct(kindFolder, "F", "", "", 3, "{Fold}7");
    auto* marked = dynamic_cast<TMarked*>(r.get());
    ASSERT_NE(marked, nullptr);
    EXPECT_EQ(marked->Line, "{Fold}7");
    EXPECT_EQ(marked->GetObjectId(), 3);
}

} // namespace
