#include "reminders/RecurringDateDlg.h"
#include "reminders/RemdDlg.h"
#include "reminders/ReminderObject.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "support/RecordingObserver.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

const std::string kPersonLine = "{Pers}Ms.~~Ann~~~~Lee~~~~~~~~~~~~0";

std::string Reminder(int level, const std::string& title, const std::string& rule,
                     const std::string& target = "") {
    return "{" + std::to_string(level) + " 9 }" + title + "~~" + target + "~~~~" +
           std::to_string(title.size()) + "\r\n{Remd}" + rule + "\r\n";
}

// Root > Friends (folder) > Ann Lee (person) with three reminders, and a
// second folder with one.
std::string SampleFile() {
    return "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
           "{1 0 }Friends~~~~~~100\r\n{Fold}0\r\n"
           "{2 3 }Ann Lee~~~~~~200\r\n" +
           kPersonLine + "\r\n" + Reminder(3, "Call", "1998,3,13,2~~0", "13/3/98") +
           Reminder(3, "Birthday", "1998,3,14,3~~2", "14/3/98") +
           Reminder(3, "Dentist", "1998,3,15,0~~0", "15/3/98") +
           "{1 0 }Work~~~~~~300\r\n{Fold}0\r\n" + Reminder(2, "Review", "1998,4,1,5~~0", "1/4/98");
}

struct Loaded {
    TContactStore Doc;
    TTreeNode* Root = Doc.Root();
    TTreeNode* Friends = nullptr;
    TTreeNode* Person = nullptr;
    TTreeNode* Work = nullptr;

    explicit Loaded(TTestServices& svc, const std::string& text = SampleFile()) {
        WriteText(svc.File(kDataFileName), text);
        Doc.Load();
        Friends = Root->GetFirstChild();
        Person = Friends ? Friends->GetFirstChild() : nullptr;
        Work = Friends ? Friends->GetNextSibling() : nullptr;
    }
    TReminderObject& Item(TTreeNode* node, int index) {
        return dynamic_cast<TReminderObject&>(*node->Data()->GetItem(index));
    }
};

TReminderObject& NewReminder(TTreeNode* owner, const std::string& classLine) {
    TCreated c = CreateObject(kindReminder, "New Reminder", "", "", owner, classLine, 0);
    return dynamic_cast<TReminderObject&>(*c.Object);
}

} // namespace

TEST(Reminder, DataFileRoundTripsByteForByteAndReadsRuleAndCategories) {
    TTestServices svc;
    Loaded f(svc);
    ASSERT_NE(f.Person, nullptr);
    ASSERT_EQ(f.Person->Data()->ItemCount(), 3);

    const TReminderObject& birthday = f.Item(f.Person, 1);
    EXPECT_EQ(birthday.Rule().GetDate(), (TDate{1998, 3, 14}));
    EXPECT_EQ(birthday.Rule().RecurMode, 3);
    EXPECT_EQ(birthday.GetCategories(), 2u);
    EXPECT_FALSE(birthday.Rule().UseToday);
    TFieldList fields;
    birthday.ListFields(fields);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].first, "Rule");
    EXPECT_EQ(std::get<std::string>(fields[0].second), "1998,3,14,3");

    f.Doc.Save();
    EXPECT_EQ(ReadText(svc.File(kDataFileName)), SampleFile());
}

TEST(Reminder, DueRemindersMarkOwnerAndAncestorsButNotTheRoot) {
    TTestServices svc;
    Loaded f(svc);
    TReminderObject& call = f.Item(f.Person, 0);     // yesterday, yearly
    TReminderObject& birthday = f.Item(f.Person, 1); // today, weekly
    TReminderObject& dentist = f.Item(f.Person, 2);  // tomorrow
    EXPECT_EQ(call.GetImageIndex(), 11);
    EXPECT_EQ(birthday.GetImageIndex(), 11);
    EXPECT_EQ(dentist.GetImageIndex(), 9);
    EXPECT_EQ(dentist.GetDue(), 0);

    EXPECT_EQ(f.Person->Data()->GetDueCount(), 2);
    EXPECT_EQ(f.Person->OverlayIndex(), 1);
    EXPECT_EQ(f.Friends->Data()->GetDueCount(), 2);
    EXPECT_EQ(f.Friends->OverlayIndex(), 1);
    EXPECT_EQ(f.Root->Data()->GetDueCount(), 0);
    EXPECT_EQ(f.Root->OverlayIndex(), -1);
    EXPECT_EQ(f.Work->OverlayIndex(), -1);

    call.AdvanceDate(); // to 13/3/99
    EXPECT_EQ(call.GetDue(), 0);
    EXPECT_EQ(call.GetTarget(), "13/3/99");
    EXPECT_EQ(f.Person->Data()->GetDueCount(), 1);
    EXPECT_EQ(f.Person->OverlayIndex(), 1);
    EXPECT_EQ(f.Friends->OverlayIndex(), 1);

    birthday.AdvanceDate(); // to 21/3/98
    EXPECT_EQ(birthday.GetImageIndex(), 9);
    EXPECT_EQ(f.Person->Data()->GetDueCount(), 0);
    EXPECT_EQ(f.Person->OverlayIndex(), -1);
    EXPECT_EQ(f.Friends->Data()->GetDueCount(), 0);
    EXPECT_EQ(f.Friends->OverlayIndex(), -1);
}

TEST(Reminder, DeletingDueRemindersOrTheirNodeDropsTheCounts) {
    TTestServices svc;
    Loaded f(svc);
    DeleteListItem(f.Person, &f.Item(f.Person, 0));
    EXPECT_EQ(f.Friends->Data()->GetDueCount(), 1);
    EXPECT_EQ(f.Friends->OverlayIndex(), 1);

    f.Person->Delete();
    EXPECT_EQ(f.Friends->Data()->GetDueCount(), 0);
    EXPECT_EQ(f.Friends->OverlayIndex(), -1);
}

TEST(Reminder, DamagedClassLinesLoadWithoutAMessage) {
    TTestServices svc;
    struct Case {
        const char* Line;
        const char* Rule;
        int Due;
        uint32_t Categories;
    };
    const Case cases[] = {
        // A bad item stops reading: no due mark, no categories.
        {"{Remd}1990,x,3,4~~5", "1990,3,14,0", 0, 0},
        // The due mark comes before the (missing) categories.
        {"{Remd}1998,3,10,1", "1998,3,10,1", 1, 0},
        {"{Remd}1998,3,10,1~~junk", "1998,3,10,1", 1, 0},
        // Another tag is no reminder line at all.
        {"{Remx}1990,1,1,0~~3", "1998,3,14,0", 0, 0},
        {"", "1998,3,14,0", 0, 0},
        // Not four items: the rule stays at today, which is due.
        {"{Remd}1990,1,1~~4", "1998,3,14,0", 1, 4},
        // Numbers that form no date are kept as they are, and never due.
        {"{Remd}1998,2,31,0~~1", "1998,2,31,0", 0, 1},
    };
    for (const Case& c : cases) {
        TTreeNodes tree;
        TTreeNode* root = CreateRoot(tree);
        TTreeNode* folder = CreateObject(kindFolder, "F", "", "", root, "{Fold}0", 1).Node;
        TReminderObject& r = NewReminder(folder, c.Line);
        EXPECT_EQ(r.Rule().AsText(), c.Rule) << c.Line;
        EXPECT_EQ(r.GetDue(), c.Due) << c.Line;
        EXPECT_EQ(folder->Data()->GetDueCount(), c.Due) << c.Line;
        EXPECT_EQ(r.GetCategories(), c.Categories) << c.Line;
    }
}

TEST(Reminder, AdvanceKeepsAnOverdueDailyReminderDueAndTellsTheDocument) {
    TTestServices svc;
    Loaded f(svc, "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n{1 0 }F~~~~~~1\r\n{Fold}0\r\n" +
                      Reminder(2, "Pills", "1998,3,12,0~~0", "12/3/98") +
                      Reminder(2, "Rent", "1998,1,31,1~~0", "31/1/98"));
    TReminderObject& pills = f.Item(f.Friends, 0);
    TReminderObject& rent = f.Item(f.Friends, 1);
    ASSERT_EQ(f.Friends->Data()->GetDueCount(), 2);
    TRecordingObserver seen(f.Doc);

    pills.AdvanceDate();
    EXPECT_EQ(pills.GetTarget(), "13/3/98");
    pills.AdvanceDate();
    EXPECT_EQ(pills.GetTarget(), "14/3/98");
    EXPECT_EQ(pills.GetDue(), 1);
    // Each advance is a change of the target the list shows.
    ASSERT_EQ(seen.Deliveries.size(), 2u);
    EXPECT_EQ(seen.EventsOf(&pills), reTarget);

    // A monthly reminder on the 31st skips the months without one and keeps
    // its day for the advances after.
    rent.AdvanceDate();
    EXPECT_EQ(rent.Rule().AsText(), "1998,3,31,1");
    EXPECT_EQ(rent.GetTarget(), "31/3/98");
    EXPECT_EQ(rent.GetDue(), 0);
    EXPECT_EQ(f.Friends->Data()->GetDueCount(), 1);
    rent.AdvanceDate();
    EXPECT_EQ(rent.Rule().AsText(), "1998,5,31,1");
}

// --- the reminder dialog -------------------------------------------------------

TEST(RemdDlg, NewReminderTakesTitleCommentAndDateAndIsDueAtOnce) {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);
    TTreeNode* folder = CreateObject(kindFolder, "F", "", "", root, "{Fold}0", 1).Node;
    TReminderObject& r = NewReminder(folder, "");
    std::string caption, title, label;
    svc.Views.On<TRemdDlg>("TRemdDlg", [&](TRemdDlg& d) {
        caption = d.Caption;
        title = d.TitleEdit;
        label = d.TargetDateLabel;
        d.TitleEdit = "Dentist";
        d.RemdComment = "bring the card";
        return mrOk;
    });
    EXPECT_TRUE(r.EditNew(nullptr));
    EXPECT_EQ(caption, "Reminder");
    EXPECT_EQ(title, "New Reminder");
    EXPECT_EQ(label, "14/3/98");
    EXPECT_EQ(r.GetTitle(), "Dentist");
    EXPECT_EQ(r.GetComment(), "bring the card");
    EXPECT_EQ(r.GetTarget(), "14/3/98");
    EXPECT_EQ(r.GetDue(), 1);
    EXPECT_EQ(folder->OverlayIndex(), 1);
}

TEST(RemdDlg, NewReminderCancelledOrWithoutTitleAnswersFalse) {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);
    TTreeNode* folder = CreateObject(kindFolder, "F", "", "", root, "{Fold}0", 1).Node;
    TReminderObject& r = NewReminder(folder, "");
    svc.Views.On<TRemdDlg>("TRemdDlg", [](TRemdDlg& d) {
        d.TitleEdit = "Dentist";
        return mrCancel;
    });
    svc.Views.On<TRemdDlg>("TRemdDlg", [](TRemdDlg& d) {
        d.TitleEdit.clear();
        return mrOk;
    });
    EXPECT_FALSE(r.EditNew(nullptr));
    EXPECT_FALSE(r.EditNew(nullptr));
    EXPECT_EQ(r.GetTitle(), "New Reminder");
    EXPECT_EQ(r.GetDue(), 0);
    EXPECT_EQ(folder->OverlayIndex(), -1);
}

TEST(RemdDlg, AdvanceOrSetDateThenCancelLeavesTheReminderAsItWas) {
    TTestServices svc;
    Loaded f(svc);
    TReminderObject& call = f.Item(f.Person, 0); // 13/3/98 yearly, due
    std::string label;
    svc.Views.On<TRemdDlg>("TRemdDlg", [&](TRemdDlg& d) {
        d.AdvanceBtnClick();
        label = d.TargetDateLabel;
        d.TitleEdit = "Changed";
        return mrCancel;
    });
    call.EditProperties();
    EXPECT_EQ(label, "13/3/99 and every following March 13th");
    EXPECT_EQ(call.Rule().AsText(), "1998,3,13,2");
    EXPECT_EQ(call.GetTitle(), "Call");
    EXPECT_EQ(call.GetTarget(), "13/3/98");
    EXPECT_EQ(call.GetDue(), 1);
    EXPECT_EQ(f.Person->Data()->GetDueCount(), 2);

    svc.Views.On<TRecurringDateDlg>("TRecurringDateDlg", [](TRecurringDateDlg& d) {
        d.RecurModeCombo = 3;
        d.OKButtonClick();
        return mrNone;
    });
    svc.Views.On<TRemdDlg>("TRemdDlg", [](TRemdDlg& d) {
        d.SetDateBtnClick();
        return mrCancel;
    });
    call.EditProperties();
    EXPECT_EQ(call.Rule().AsText(), "1998,3,13,2");
}

TEST(RemdDlg, SetDateOpensAtTheRemindersDateAndOkStoresItsText) {
    TTestServices svc;
    Loaded f(svc);
    TReminderObject& birthday = f.Item(f.Person, 1); // 14/3/98 weekly, due
    birthday.Rule().Year = 1998;
    birthday.Rule().Month = 2;
    birthday.Rule().Day = 20;
    TDate shownAt;
    svc.Views.On<TRecurringDateDlg>("TRecurringDateDlg", [&](TRecurringDateDlg& d) {
        shownAt = d.CurrentDate();
        d.MonthSelector = 2; // March
        d.MonthSelectorChange();
        d.RecurModeCombo = 4;
        d.OKButtonClick();
        return mrNone;
    });
    std::string label;
    svc.Views.On<TRemdDlg>("TRemdDlg", [&](TRemdDlg& d) {
        d.SetDateBtnClick();
        label = d.TargetDateLabel;
        return mrOk;
    });
    TRecordingObserver seen(f.Doc);
    birthday.DefaultAction();
    EXPECT_EQ(shownAt, (TDate{1998, 2, 20}));
    EXPECT_EQ(label, "20/3/98 and every following other Friday");
    EXPECT_EQ(birthday.GetTarget(), "20/3/98");
    EXPECT_EQ(birthday.Rule().AsText(), "1998,3,20,4");
    EXPECT_EQ(birthday.GetDue(), 0);
    EXPECT_EQ(f.Person->Data()->GetDueCount(), 1);
    EXPECT_EQ(seen.EventsOf(&birthday), reTarget);
}

TEST(RemdDlg, PropertiesOkWithEmptyTitleChangesNothing) {
    TTestServices svc;
    Loaded f(svc);
    TReminderObject& dentist = f.Item(f.Person, 2);
    svc.Views.On<TRemdDlg>("TRemdDlg", [](TRemdDlg& d) {
        d.TitleEdit.clear();
        d.RemdComment = "x";
        return mrOk;
    });
    dentist.EditProperties();
    EXPECT_EQ(dentist.GetTitle(), "Dentist");
    EXPECT_EQ(dentist.GetComment(), "");
    EXPECT_EQ(dentist.GetTarget(), "15/3/98");
}
