// What each report takes from the tree: the nodes it covers, the records it
// picks and the lines it prints for them.
#include "PrintingFixture.h"
#include "printing/AddrBookForm.h"
#include "printing/Addressee.h"
#include "printing/EnvelopeForm.h"
#include "printing/LabelForm.h"
#include "printing/ListingForm.h"
#include "printing/ReportFields.h"
#include "printing/SimpleForm.h"
#include "report/FixedFontMetrics.h"
#include "store/FilterState.h"

namespace {

const TPostal kLeeds{{"12 High St", "Flat 2"}, "Leeds", "West Yorks", "LS1", "UK"};
const TPostal kSpringfield{{"1 Main St"}, "Springfield", "IL", "62701", "USA"};

class ReportForms : public PrintingFixture {
protected:
    TFilterState none;

    Strings Labels(TTreeNode* from, const TFilterState& filter) {
        TLabelForm form;
        form.Init(reportfields::NodeRange(*from), tree, filter);
        return form.Labels;
    }
    Strings ListingContacts(TTreeNode* from, const TFilterState& filter) {
        TListingForm form;
        form.Init(reportfields::NodeRange(*from), tree, filter);
        Strings out;
        for (const auto& e : form.Entries)
            out.push_back(e.Contact);
        return out;
    }
    Strings BookNames(TTreeNode* from, const TFilterState& filter) {
        TAddrBookForm form;
        form.Init(reportfields::NodeRange(*from), tree, filter);
        Strings out;
        for (const auto& e : form.Entries)
            out.push_back(e.Name);
        return out;
    }
    Strings SimpleTitles(TTreeNode* from, const TFilterState& filter) {
        TSimpleForm form;
        form.Init(reportfields::NodeRange(*from), tree, filter);
        Strings out;
        for (const auto& e : form.Entries)
            out.push_back(e.Title);
        return out;
    }
};

TEST_F(ReportForms, LabelsFromAPersonCoverItAndTheContactsBelowButNotTheirAddressItems) {
    TPersonObject& ann = Person(nullptr, "Ann", "Smith", &kLeeds);
    Address(ann.GetNode(), "Work", kSpringfield); // not her primary address
    Person(ann.GetNode(), "Joe", "Junior");
    Org(ann.GetNode(), "Acme", &kSpringfield);

    EXPECT_EQ(Labels(ann.GetNode(), none),
              (Strings{"Ann Smith\n12 High St\nFlat 2\nLeeds, West Yorks\nLS1 UK", "Joe Junior\n ",
                       "Acme\n1 Main St\nSpringfield, IL\n62701 USA"}));
}

TEST_F(ReportForms, TheLastChildOfAFolderCoversOnlyItsOwnSubtree) {
    TTreeNode* friends = Folder("Friends");
    Person(friends, "Ann", "Adams");
    TTreeNode* last = Person(friends, "Bob", "Brown").GetNode();
    Person(last, "Cy", "Brown");
    TTreeNode* later = Folder("Later"); // a sibling of the folder, after it
    Person(later, "Dee", "Dunn");

    reportfields::TNodeRange range = reportfields::NodeRange(*last);
    EXPECT_EQ(range.First, last->AbsoluteIndex());
    EXPECT_EQ(range.Last, last->AbsoluteIndex() + 1);
    EXPECT_EQ(ListingContacts(last, none), (Strings{"Brown, Bob", "Brown, Cy"}));
    EXPECT_EQ(Labels(last, none), (Strings{"Bob Brown\n ", "Cy Brown\n "}));
    // The tree's last node ends the range when nothing follows.
    EXPECT_EQ(reportfields::NodeRange(*later).Last, tree.Count() - 1);
}

struct TPostalCase {
    const char* Name;
    TPostal Address;
    Strings Label;    // after the name line
    Strings Envelope; // after the name line
};

class PostalLines : public ReportForms, public ::testing::WithParamInterface<TPostalCase> {};

TEST_P(PostalLines, OnLabelBookAndEnvelope) {
    const TPostalCase& c = GetParam();
    TOrgObject& org = Org(nullptr, "Acme", &c.Address);

    Strings label{"Acme"};
    label.insert(label.end(), c.Label.begin(), c.Label.end());
    EXPECT_EQ(Labels(org.GetNode(), none), Strings{reportfields::JoinLines(label)});

    TAddrBookForm book;
    book.Init(reportfields::NodeRange(*org.GetNode()), tree, none);
    ASSERT_EQ(book.Entries.size(), 1u);
    EXPECT_EQ(book.Entries[0].Address, reportfields::JoinLines(c.Label));

    Strings envelope{"Acme"};
    envelope.insert(envelope.end(), c.Envelope.begin(), c.Envelope.end());
    EXPECT_EQ(TEnvelopeForm::DeliveryLines("Acme", *org.FindItem("Office", kindAddress)), envelope);
}

INSTANTIATE_TEST_SUITE_P(
    ReportForms, PostalLines,
    ::testing::Values(TPostalCase{"Whole",
                                  {{"1 Main St"}, "Springfield", "IL", "62701", "USA"},
                                  {"1 Main St", "Springfield, IL", "62701 USA"},
                                  {"1 Main St", "Springfield, IL", "62701 USA"}},
                      TPostalCase{"NoCityNoState",
                                  {{"Unit 4", "", "Dock Rd"}, "", "", "99999", ""},
                                  {"Unit 4", "Dock Rd", "99999 "},
                                  {"Unit 4", "Dock Rd", ", ", "99999 "}},
                      TPostalCase{"CityWithoutState",
                                  {{"2 Rue Haute"}, "Lyon", "", "69001", "France"},
                                  {"2 Rue Haute", "Lyon, ", "69001 France"},
                                  {"2 Rue Haute", "Lyon, ", "69001 France"}},
                      // The state is not lost on a label because the city is missing.
                      TPostalCase{"StateWithoutCity",
                                  {{"Box 9"}, "", "CA", "90001", ""},
                                  {"Box 9", "CA", "90001 "},
                                  {"Box 9", ", CA", "90001 "}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReportForms, TheAnyFilterLeavesAPersonOutsideItsCategoriesOutOfEveryReport) {
    TTreeNode* friends = Folder("Friends");
    Person(friends, "Ann", "Adams", &kLeeds).SetCategories(0b01);
    Person(friends, "Bob", "Brown", &kLeeds).SetCategories(0b10);
    Org(friends, "Acme", &kSpringfield).SetCategories(0b100);
    TAddressObject& club = Address(friends, "Club", kSpringfield);
    club.SetCategories(0b10);
    friends->Data()->SetCategories(0b01);

    TFilterState any;
    any.FilterBtn1Down = true;
    any.CategoryMask = 0b01;
    EXPECT_EQ(ListingContacts(friends, any), (Strings{"Adams, Ann"}));
    EXPECT_EQ(BookNames(friends, any), (Strings{"Adams, Ann"}));
    EXPECT_EQ(SimpleTitles(friends, any), (Strings{"Friends", "Adams, Ann"}));
    // An organization outside the categories is left off the labels too.
    EXPECT_EQ(Labels(friends, any),
              (Strings{"Ann Adams\n12 High St\nFlat 2\nLeeds, West Yorks\nLS1 UK"}));

    // With no category ticked the filter hides nothing.
    any.CategoryMask = 0;
    EXPECT_EQ(ListingContacts(friends, any), (Strings{"Adams, Ann", "Brown, Bob", "Acme"}));
    EXPECT_EQ(Labels(friends, any).size(), 4u);
}

TEST_F(ReportForms, AddressBookNamesPersonsLastNameFirstAndSortsWithoutRegardToCase) {
    struct Row {
        const char *First, *Last, *Middle, *Entry;
    } rows[] = {
        {"Ann", "smith", "", "smith, Ann"}, {"Bob", "Smith", "J.", "Smith, Bob J."},
        {"Cher", "", "", "Cher"},     // no ", " before a lone first name
        {"", "Adams", "", "Adams"},   // nor after a lone last name
        {"", "", "", "Untitled"},     // the title when there is no name at all
        {"", "Zed", "Q.", "Zed, Q."}, // the middle name stands in for the first
    };
    TTreeNode* people = Folder("People");
    for (const Row& r : rows) {
        TPersonObject& p = Person(people, r.First, r.Last, nullptr, r.Middle);
        if (!*r.First && !*r.Last) p.SetTitle("Untitled");
    }
    EXPECT_EQ(BookNames(people, none),
              (Strings{"Adams", "Cher", "smith, Ann", "Smith, Bob J.", "Untitled", "Zed, Q."}));
}

TEST_F(ReportForms, AddressBookTakesPhonesAndAddressesOfOtherNodesWithTheirOwnColumns) {
    TTreeNode* club = Folder("Club");
    Address(club, "Club house", kSpringfield);
    Phone(club, "Bar", "555-0199");
    TPersonObject& ann = Person(club, "Ann", "Adams", &kLeeds);
    Phone(ann.GetNode(), "Mobile", "07700 900123");
    ann.SetPrimaryPhone("Mobile");

    TAddrBookForm form;
    form.Init(reportfields::NodeRange(*club), tree, none);
    ASSERT_EQ(form.Entries.size(), 3u);
    EXPECT_EQ(form.Entries[0].Name, "Adams, Ann");
    EXPECT_EQ(form.Entries[0].Phone, "07700 900123");
    EXPECT_EQ(form.Entries[0].Address, "12 High St\nFlat 2\nLeeds, West Yorks\nLS1 UK");
    EXPECT_EQ(form.Entries[1].Name, "Bar");
    EXPECT_EQ(form.Entries[1].Phone, "555-0199");
    EXPECT_EQ(form.Entries[1].Address, "");
    EXPECT_EQ(form.Entries[2].Name, "Club house");
    EXPECT_EQ(form.Entries[2].Phone, "");
}

TEST_F(ReportForms, NamesStartingWithLowerAndUpperCaseLettersGetTwoGroupHeaders) {
    TTreeNode* people = Folder("People");
    Person(people, "Bob", "adams");
    Person(people, "Ann", "Abbott");
    Person(people, "Émile", "Érard"); // a group letter is a whole character
    TAddrBookForm form;
    form.Init(reportfields::NodeRange(*people), tree, none);
    form.SetPage(1, 10, {});
    auto pages = form.Report.Layout(TFixedFontMetrics());
    ASSERT_EQ(pages.size(), 1u);
    Strings letters, names;
    int boxes = 0;
    for (const TDrawCommand& c : pages[0].Commands) {
        if (const auto* t = std::get_if<TDrawText>(&c)) {
            if (t->Font.Color == 0xFFFFFF) letters.push_back(t->Text);
            if (t->Font.Bold) names.push_back(t->Text);
        }
        if (const auto* b = std::get_if<TDrawBox>(&c); b && b->Filled) ++boxes;
    }
    EXPECT_EQ(letters, (Strings{"A", "a", "É"}));
    EXPECT_EQ(boxes, 3);
    EXPECT_EQ(names, (Strings{"Abbott, Ann", "adams, Bob", "Érard, Émile"}));
}

TEST_F(ReportForms, TheAddressBandIsLeftOutForAnEntryWithoutAddress) {
    TTreeNode* people = Folder("People");
    Person(people, "Ann", "Adams", &kLeeds);
    Person(people, "Bob", "Allen");
    Person(people, "Cy", "Avery", &kLeeds);
    TAddrBookForm form;
    form.Init(reportfields::NodeRange(*people), tree, none);
    form.SetPage(1, 10, {});
    auto pages = form.Report.Layout(TFixedFontMetrics());
    double ann = -1, bob = -1, cy = -1;
    for (const TDrawText* t : pages.at(0).Texts()) {
        if (t->Text == "Adams, Ann") ann = t->Baseline;
        if (t->Text == "Allen, Bob") bob = t->Baseline;
        if (t->Text == "Avery, Cy") cy = t->Baseline;
    }
    EXPECT_NEAR(bob - ann, 14 + TAddrBookForm::kAddressBandHeight, 0.01);
    EXPECT_NEAR(cy - bob, 14, 0.01);
}

TEST_F(ReportForms, ListingRowsShowTheContactsAddressNumbersAndNetAddresses) {
    TPersonObject& ann = Person(nullptr, "Ann", "Adams", &kLeeds);
    Phone(ann.GetNode(), "Home phone", "555-0101");
    ann.SetPrimaryPhone("Home phone");
    CreateObject(kindFax, "Fax", "555-0102", "", ann.GetNode(), "", 0);
    ann.SetPrimaryFax("Fax");
    CreateObject(kindEMail, "Mail", "ann@example.org", "", ann.GetNode(), "", 0);
    ann.SetPrimaryEMail("Mail");
    Org(nullptr, "Acme");

    TListingForm form;
    form.Init(reportfields::NodeRange(*root), tree, none);
    ASSERT_EQ(form.Entries.size(), 2u);
    const TListingForm::TEntry& e = form.Entries[0];
    EXPECT_EQ(e.Contact, "Adams, Ann");
    EXPECT_EQ(e.Address, "Adams, Ann\n12 High St\nFlat 2\nLeeds, West Yorks\nLS1 UK");
    EXPECT_EQ(e.Phone, "555-0101");
    EXPECT_EQ(e.Fax, "555-0102");
    EXPECT_EQ(e.EMail, "ann@example.org");
    EXPECT_EQ(form.Entries[1].Address, "Acme\n, \n ");

    // A row is as tall as its address: the next row starts below its last line.
    form.SetTitle("Contact List", "Source: My Contacts", "created: 14/3/98");
    auto pages = form.Report.Layout(TFixedFontMetrics());
    double lastLine = 0, acme = 0;
    for (const TDrawText* t : pages.at(0).Texts()) {
        if (t->Text == "LS1 UK") lastLine = t->Baseline;
        if (t->Text == "Acme") acme = std::max(acme, t->Baseline);
    }
    EXPECT_GT(acme, lastLine);
}

TEST_F(ReportForms, SimpleListHasEachRecordFollowedByItsItems) {
    TTreeNode* club = Folder("Club");
    Phone(club, "Bar", "555-0199").SetComment("ask for Sam");
    TPersonObject& ann = Person(club, "Ann", "Adams", &kLeeds);
    TSimpleForm form;
    form.Init(reportfields::NodeRange(*club), tree, none);
    ASSERT_EQ(form.Entries.size(), 4u);
    EXPECT_EQ(form.Entries[0].Title, "Club");
    EXPECT_EQ(form.Entries[1].Title, "Bar");
    EXPECT_EQ(form.Entries[1].Target, "555-0199");
    EXPECT_EQ(form.Entries[1].Comment, "ask for Sam");
    EXPECT_EQ(form.Entries[2].Target, ann.GetTarget());
    EXPECT_EQ(form.Entries[3].Title, "Home");
}

TEST_F(ReportForms, EnvelopeAddresseeIsChosenByTheKindOfRecord) {
    TPersonObject& ann = Person(nullptr, "Ann", "Adams", &kLeeds);
    TPersonObject& bob = Person(nullptr, "Bob", "Brown");
    Address(bob.GetNode(), "Holiday", kLeeds); // not named as his own
    TOrgObject& acme = Org(nullptr, "Acme", &kSpringfield);
    TKexObject& phone = Phone(ann.GetNode(), "Mobile", "555");
    TKexObject* office = acme.FindItem("Office", kindAddress);

    struct Row {
        const TKexObject* Record;
        const TKexObject* Address;
        const char* Name;
    } rows[] = {{&ann, ann.FindItem("Home", kindAddress), "Ann Adams"},
                {&bob, nullptr, "Bob Brown"},
                {&acme, office, "Acme"},
                {office, office, "Office"},
                {&phone, nullptr, ""},
                {root->Data(), nullptr, ""},
                {nullptr, nullptr, ""}};
    for (const Row& r : rows) {
        TAddressee to = EnvelopeAddressee(r.Record);
        EXPECT_EQ(to.Address, r.Address) << r.Name;
        EXPECT_EQ(to.Name, r.Name);
    }
}

TEST(ReportFields, FieldsAndTypedSettings) {
    EXPECT_EQ(reportfields::FirstCharacter("Émile"), "É");
    EXPECT_EQ(reportfields::FirstCharacter("\xC9mile"), "\xC9"); // Windows-1252
    EXPECT_EQ(reportfields::FirstCharacter("\xE2\x82"), "\xE2"); // cut short
    EXPECT_EQ(reportfields::FirstCharacter(""), "");
    struct Row {
        const char* Text;
        int Value;
    } rows[] = {{"05", 5}, {"050", 50}, {"263", 263}, {"_5", 5}, {"5_", 50}, {"", 0}, {"1.2", 12}};
    for (const Row& r : rows)
        EXPECT_EQ(reportfields::DigitsValue(r.Text), r.Value) << r.Text;
    EXPECT_EQ(reportfields::PaddedDigits(1000, 3), "1000");
}

} // namespace
