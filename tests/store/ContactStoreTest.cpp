#include "store/ContactStore.h"

#include "platform/Errors.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeObserver.h"
#include "support/RecordingObserver.h"
#include "support/TestServices.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>

namespace {

const std::string kFile = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                          "{1 5 }Home~~12 High St~~~~11\r\n"
                          "{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5\r\n"
                          "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                          "{2 6 }Mobile~~555 0100~~~~99120\r\n{Phon}~~0\r\n"
                          "{2 3 }Ann Lee~~Ann Lee~~~~7\r\n{Pers}~~Ann~~~~Lee~~~~~~~~~~~~0\r\n";

// Counts the sorts of each parent, as the tree reports them.
class TSortCounter : public ITreeObserver {
public:
    explicit TSortCounter(TTreeNodes& tree) : FTree(tree) { FTree.AddObserver(this); }
    ~TSortCounter() override { FTree.RemoveObserver(this); }
    void ChildrenSorted(TTreeNode* parent) override { ++Sorts[parent]; }
    std::map<TTreeNode*, int> Sorts;

private:
    TTreeNodes& FTree;
};

class ContactStoreTest : public ::testing::Test {
protected:
    TTestServices svc;
    TContactStore doc;
    TTreeNode* root = doc.Root();

    TTreeNode* Folder(const std::string& title, TTreeNode* parent = nullptr) {
        return CreateObject(kindFolder, title, "", "", parent ? parent : root, "", 0).Node;
    }
    TKexObject* Phone(TTreeNode* owner, const std::string& title) {
        return CreateObject(kindPhone, title, "555", "", owner, "", 0).Object;
    }
    std::vector<std::string> Children(const TTreeNode* n) const {
        std::vector<std::string> out;
        for (TTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling())
            out.push_back(c->Text());
        return out;
    }
    void LoadFile(const std::string& text) {
        WriteText(svc.File(kDataFileName), text);
        doc.Load();
    }
};

// --- record change events ---------------------------------------------------------

TEST_F(ContactStoreTest, EachMutationTellsItsEvents) {
    TTreeNode* friends = Folder("Friends");
    TTreeNode* work = Folder("Work");
    TKexObject* mobile = Phone(friends, "Mobile");
    struct TCase {
        const char* Name;
        std::function<void()> Mutate;
        // The records told, with their events, in order.
        std::vector<std::pair<TKexObject*, uint32_t>> Changes;
        bool Removed;
    };
    const TCase cases[] = {
        {"title of a tree record",
         [&] { friends->Data()->SetTitle("Pals"); },
         {{friends->Data(), reTitle}},
         false},
        {"title of an item", [&] { mobile->SetTitle("Cell"); }, {{mobile, reTitle}}, false},
        {"target", [&] { mobile->SetTarget("555 0199"); }, {{mobile, reTarget}}, false},
        {"comment", [&] { mobile->SetComment("evenings"); }, {{mobile, reComment}}, false},
        {"categories",
         [&] { friends->Data()->SetCategories(5); },
         {{friends->Data(), reCategories}},
         false},
        {"an unchanged value tells nothing", [&] { mobile->SetTarget("555 0199"); }, {}, false},
        {"a new item", [&] { Phone(work, "Desk"); }, {{work->Data(), reItemInserted}}, false},
        {"a new item of the root",
         [&] { Phone(root, "Main"); },
         {{root->Data(), reItemInserted}},
         false},
        {"an item moved",
         [&] { MoveItemTo(mobile, friends->Data(), work); },
         {{work->Data(), reItemInserted}},
         true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordingObserver seen(doc);
        c.Mutate();
        if (c.Changes.empty() && !c.Removed) {
            EXPECT_TRUE(seen.Deliveries.empty());
            continue;
        }
        ASSERT_EQ(seen.Deliveries.size(), 1u); // outside a scope: at once, once
        const TRecordChanges& d = seen.Deliveries[0];
        ASSERT_EQ(d.Records.size(), c.Changes.size());
        for (size_t i = 0; i < c.Changes.size(); ++i) {
            EXPECT_EQ(d.Records[i].Record, c.Changes[i].first);
            EXPECT_EQ(d.Records[i].Events, c.Changes[i].second);
        }
        EXPECT_EQ(d.Removed, c.Removed);
    }
}

TEST_F(ContactStoreTest, RemovalsAreToldWhileTheRecordsAreWholeThenOnceAtTheScopesEnd) {
    TTreeNode* friends = Folder("Friends");
    TTreeNode* inner = Folder("Inner", friends);
    TKexObject* mobile = Phone(friends, "Mobile");
    TKexObject* desk = Phone(inner, "Desk");
    TKexObject* fax = Phone(root, "Fax");

    // Told for each record, items before their owner; titles still readable.
    struct TTitles : TRecordingObserver {
        using TRecordingObserver::TRecordingObserver;
        void RecordRemoving(TKexObject* r) override {
            Titles.push_back(r->GetTitle());
            TRecordingObserver::RecordRemoving(r);
        }
        std::vector<std::string> Titles;
    } seen(doc);

    DeleteListItem(root, fax);
    ASSERT_EQ(seen.Removals.size(), 2u);
    EXPECT_EQ(seen.Removals[0].What, "item");
    EXPECT_EQ(seen.Removals[0].Owner, root->Data());
    EXPECT_EQ(seen.Removals[0].Record, fax);
    EXPECT_EQ(seen.Removals[1].What, "record");
    ASSERT_EQ(seen.Deliveries.size(), 1u);
    EXPECT_TRUE(seen.Deliveries[0].Removed);
    EXPECT_TRUE(seen.Deliveries[0].Records.empty());

    seen.Clear();
    seen.Titles.clear();
    TKexObject* friendsRecord = friends->Data();
    TKexObject* innerRecord = inner->Data();
    friends->Delete();
    EXPECT_EQ(seen.Titles, (std::vector<std::string>{"Mobile", "Friends", "Desk", "Inner"}));
    std::vector<TKexObject*> told;
    for (const auto& r : seen.Removals)
        told.push_back(r.Record);
    EXPECT_EQ(told, (std::vector<TKexObject*>{mobile, friendsRecord, desk, innerRecord}));
    ASSERT_EQ(seen.Deliveries.size(), 1u); // the whole subtree is one scope
    EXPECT_TRUE(seen.Deliveries[0].Removed);
}

TEST_F(ContactStoreTest, AScopeTellsEachRecordOnceWithAllItsEventsInOrderOfFirstChange) {
    TTreeNode* friends = Folder("Friends");
    TKexObject* mobile = Phone(friends, "Mobile");
    TKexObject* doomed = Phone(friends, "Old");
    TRecordingObserver seen(doc);
    {
        TContactStore::TUpdate scope(doc);
        mobile->SetTarget("1");
        friends->Data()->SetComment("c");
        doomed->SetTitle("Going");
        mobile->SetTitle("Cell");
        mobile->SetTarget("2");
        Phone(friends, "New");
        DeleteListItem(friends, doomed);
        EXPECT_TRUE(seen.Deliveries.empty());
        EXPECT_EQ(seen.Removals.size(), 2u); // removals come at once
    }
    ASSERT_EQ(seen.Deliveries.size(), 1u);
    const TRecordChanges& d = seen.Deliveries[0];
    ASSERT_EQ(d.Records.size(), 2u); // the removed record is left out
    EXPECT_EQ(d.Records[0].Record, mobile);
    EXPECT_EQ(d.Records[0].Events, reTarget | reTitle);
    EXPECT_EQ(d.Records[1].Record, friends->Data());
    EXPECT_EQ(d.Records[1].Events, reComment | reItemInserted);
    EXPECT_TRUE(d.Removed);
    EXPECT_FALSE(doc.Updating());
}

TEST_F(ContactStoreTest, NestedScopesTellOnlyAtTheOutermostEnd) {
    TKexObject* r = Folder("F")->Data();
    TRecordingObserver seen(doc);
    doc.BeginUpdate();
    {
        TContactStore::TUpdate inner(doc);
        r->SetComment("x");
    }
    EXPECT_TRUE(seen.Deliveries.empty());
    EXPECT_TRUE(doc.Updating());
    doc.EndUpdate();
    EXPECT_EQ(seen.Deliveries.size(), 1u);
    doc.EndUpdate(); // unbalanced: ignored
    EXPECT_FALSE(doc.Updating());
}

TEST_F(ContactStoreTest, AnObserverRemovedWhileOthersAreToldIsNotToldAfterwards) {
    TKexObject* r = Folder("F")->Data();
    TRecordingObserver second(doc);
    struct TLeaver : IRecordObserver {
        TContactStore* Doc;
        IRecordObserver* Other;
        void RecordsChanged(const TRecordChanges&) override { Doc->RemoveObserver(Other); }
    } leaver;
    leaver.Doc = &doc;
    leaver.Other = &second;
    doc.RemoveObserver(&second);
    doc.AddObserver(&leaver);
    doc.AddObserver(&second);
    r->SetComment("x");
    EXPECT_TRUE(second.Deliveries.empty());
    doc.RemoveObserver(&leaver);
}

TEST_F(ContactStoreTest, RecordsOfABareTreeTellNobody) {
    TTreeNodes bare;
    TTreeNode* top = CreateRoot(bare);
    TTreeNode* f = CreateObject(kindFolder, "b", "", "", top, "", 0).Node;
    CreateObject(kindFolder, "a", "", "", top, "", 0);
    EXPECT_EQ(f->Data()->Document(), nullptr);
    f->Data()->SetTitle("c"); // sorts at once, as before there were documents
    EXPECT_EQ(top->Child(1), f);
}

// --- sorting once per scope ---------------------------------------------------------

TEST_F(ContactStoreTest, RenamesInAScopeSortEachParentOnceAtItsEnd) {
    TTreeNode* friends = Folder("Friends");
    TTreeNode* work = Folder("Work");
    for (const char* t : {"d", "c", "b"})
        Folder(t, friends);
    Folder("y", work);
    Folder("x", work);
    TSortCounter sorts(doc.Tree());
    {
        TContactStore::TUpdate scope(doc);
        friends->Child(0)->Data()->SetTitle("a3");
        friends->Child(1)->Data()->SetTitle("a2");
        friends->Child(2)->Data()->SetTitle("a1");
        work->Child(0)->Data()->SetTitle("z");
        EXPECT_TRUE(sorts.Sorts.empty());
        EXPECT_EQ(Children(friends), (std::vector<std::string>{"a3", "a2", "a1"}));
    }
    EXPECT_EQ(sorts.Sorts[friends], 1);
    EXPECT_EQ(sorts.Sorts[work], 1);
    EXPECT_EQ(Children(friends), (std::vector<std::string>{"a1", "a2", "a3"}));
    EXPECT_EQ(Children(work), (std::vector<std::string>{"x", "z"}));

    // Outside a scope every rename sorts at once.
    sorts.Sorts.clear();
    friends->Child(0)->Data()->SetTitle("b1");
    friends->Child(0)->Data()->SetTitle("b2");
    EXPECT_EQ(sorts.Sorts[friends], 2);
    EXPECT_EQ(Children(friends), (std::vector<std::string>{"a3", "b1", "b2"}));
}

TEST_F(ContactStoreTest, AParentDeletedInTheScopeIsNotSortedAtItsEnd) {
    TTreeNode* friends = Folder("Friends");
    TTreeNode* inner = Folder("Inner", friends);
    Folder("q", inner);
    Folder("p", inner);
    TSortCounter sorts(doc.Tree());
    {
        TContactStore::TUpdate scope(doc);
        inner->Child(0)->Data()->SetTitle("r"); // marks inner
        inner->Data()->SetTitle("Inside");      // marks friends
        friends->Delete();                      // both go
    }
    EXPECT_TRUE(sorts.Sorts.empty());
    EXPECT_EQ(root->Count(), 0);
}

TEST_F(ContactStoreTest, ImportingIntoOneFolderInAScopeSortsItOnce) {
    TTreeNode* folder = Folder("Imported");
    TSortCounter sorts(doc.Tree());
    const std::vector<std::string> names = {"First Name", "Last Name", "Phone Number"};
    {
        TContactStore::TUpdate scope(doc);
        for (const char* last : {"Young", "Adams", "Moss", "Brown"}) {
            std::vector<std::string> row = {"Ann", last, "555 01"};
            TCreated c = CreateObject(kindPerson, "", "", "", folder, "", 0);
            ASSERT_TRUE(c.Object->ImportColumns(row, names));
        }
    }
    EXPECT_EQ(sorts.Sorts[folder], 1);
    EXPECT_EQ(Children(folder),
              (std::vector<std::string>{"Ann Adams", "Ann Brown", "Ann Moss", "Ann Young"}));
}

// --- the data file --------------------------------------------------------------------

TEST_F(ContactStoreTest, DataFileIsTaviDatInTheProgramFolderUnlessNamed) {
    EXPECT_EQ(doc.FileName(), svc.File("tavi.dat"));
    EXPECT_EQ(doc.BackupFileName(), svc.File("tavi.bak"));
    TTempDir other;
    doc.SetFileName(other.File("contacts.dat"));
    Folder("Kept");
    doc.Save();
    EXPECT_NE(ReadText(other.File("contacts.dat")).find("}Kept~~"), std::string::npos);
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), "");
    EXPECT_EQ(doc.BackupFileName(), other.File("tavi.bak"));
}

TEST_F(ContactStoreTest, RevertDropsTheSessionsChangesAndReadsTheFileOnce) {
    LoadFile(kFile);
    Folder("Unsaved");
    root->GetFirstChild()->Data()->SetTitle("Renamed");
    CreateObject(kindPhone, "Extra", "1", "", root, "", 0);
    TRecordingObserver seen(doc);
    doc.Revert();
    // The root's items are in the file too: they are read once, not doubled.
    EXPECT_EQ(Children(root), (std::vector<std::string>{"Friends"}));
    ASSERT_EQ(root->Data()->ItemCount(), 1);
    EXPECT_EQ(root->Data()->GetItem(0)->GetTitle(), "Home");
    EXPECT_EQ(root->GetFirstChild()->Data()->ItemCount(), 1);
    EXPECT_FALSE(doc.Incomplete());
    EXPECT_EQ(seen.Deliveries.size(), 1u);
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), kFile);
}

TEST_F(ContactStoreTest, DamagedFileIsKeptOnceAtTheNextSave) {
    const std::string damaged =
        "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\ngarbage\r\n{1 0 }B~~~~~~2\r\n{Fold}0\r\n";
    WriteText(svc.File("tavi.dat"), damaged);
    EXPECT_THROW(doc.Load(), EInOutError);
    EXPECT_TRUE(doc.Incomplete());
    EXPECT_EQ(Children(root), (std::vector<std::string>{"A"}));
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), damaged);
    EXPECT_FALSE(doc.Incomplete());
    WriteText(svc.File("tavi.bak"), "older");
    doc.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), "older");
}

TEST_F(ContactStoreTest, ABackupThatCannotBeWrittenStopsTheSaveBeforeTheDataFile) {
    const std::string damaged = "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n{x";
    WriteText(svc.File("tavi.dat"), damaged);
    EXPECT_THROW(doc.Load(), EInOutError);
    std::filesystem::create_directory(svc.File("tavi.bak")); // not a file
    EXPECT_THROW(doc.Save(), EInOutError);
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), damaged);
    EXPECT_TRUE(doc.Incomplete()); // the next save still keeps it
}

TEST_F(ContactStoreTest, ASaveThatFailsPartWayAfterADamagedLoadStaysIncomplete) {
    const std::string damaged = "{Params}\r\n{1 0 }A~~~~~~1\r\n{Fold}0\r\n{x";
    WriteText(svc.File("tavi.dat"), damaged);
    EXPECT_THROW(doc.Load(), EInOutError);
    root->GetFirstChild()->Data()->SetComment(std::string(4096, 'x'));
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(doc.Save(), EInOutError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), damaged);
    EXPECT_EQ(ReadText(svc.File("tavi.bak")), damaged);
    EXPECT_TRUE(doc.Incomplete());
}

} // namespace
