#include "exchange/CsvColumns.h"

#include "exchange/CsvReader.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <map>

namespace {
using V = std::vector<std::string>;

const V& PersonFields() {
    return CsvRecordTypes()[0].Fields;
}
const V& OrgFields() {
    return CsvRecordTypes()[1].Fields;
}

// What Select gives for a row, as field -> value.
std::map<std::string, std::string> Picked(const TCsvColumnMap& map, const V& row, const V& chosen) {
    V values, names;
    map.Select(row, chosen, values, names);
    EXPECT_EQ(values.size(), names.size());
    std::map<std::string, std::string> out;
    for (size_t i = 0; i < names.size(); ++i)
        out[names[i]] = values[i];
    return out;
}

TEST(CsvColumns, HeaderNamesOfEachProgramPreselectTheirFields) {
    struct Case {
        const char* Program;
        V Header;
        V Fields; // preselected for a person
    } cases[] = {
        {"Merrowin, any case and blanks",
         {" first name ", "LAST NAME", "E-Mail Address", "Bogus", "Title", "Salutation"},
         {"Title", "Salutation", "First Name", "Last Name", "E-Mail Address"}},
        {"Google Contacts",
         {"Name", "Given Name", "Additional Name", "Family Name", "Name Prefix", "Notes",
          "E-mail 1 - Type", "E-mail 1 - Value", "Phone 1 - Type", "Phone 1 - Value",
          "Address 1 - Street", "Address 1 - City", "Address 1 - Region", "Address 1 - Postal Code",
          "Address 1 - Country", "Website 1 - Value"},
         {"Title", "Salutation", "First Name", "Middle Name", "Last Name", "Address Line 1", "City",
          "State/Province", "Postal Code", "Country", "Phone Number", "Fax Number",
          "E-Mail Address", "Website", "Comment"}},
        {"Thunderbird",
         {"First Name", "Last Name", "Display Name", "Nickname", "Primary Email", "Secondary Email",
          "Work Phone", "Home Phone", "Fax Number", "Home Address", "Home Address 2", "Home City",
          "Home State", "Home ZipCode", "Home Country", "Web Page 1", "Notes"},
         {"Title", "First Name", "Last Name", "Address Line 1", "Address Line 2", "City",
          "State/Province", "Postal Code", "Country", "Phone Number", "Fax Number",
          "E-Mail Address", "Website", "Comment"}},
        // Outlook's "Title" is the salutation ("Dr."), not the record's title.
        {"Outlook",
         {"Title", "First Name", "Middle Name", "Last Name", "Job Title", "Business Street",
          "Business Street 2", "Business City", "Business Postal Code", "Business Country/Region",
          "Business Fax", "Business Phone", "Mobile Phone", "E-mail Address", "Web Page", "Notes"},
         {"Salutation", "First Name", "Middle Name", "Last Name", "Address Line 1",
          "Address Line 2", "City", "Postal Code", "Country", "Phone Number", "Fax Number",
          "E-Mail Address", "Website", "Comment"}},
        {"nothing known", {"Foo", "Bar"}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCsvColumnMap(c.Header, PersonFields()).Fields(), c.Fields) << c.Program;
}

TEST(CsvColumns, OtherRecordTypesTakeOnlyTheirOwnFields) {
    V header = {"Display Name", "Company", "Primary Email", "Work Phone", "Notes", "First Name"};
    EXPECT_EQ(TCsvColumnMap(header, CsvRecordTypes()[5].Fields).Fields(),
              (V{"Title", "E-Mail Address", "Comment"}));
    // An organization is named after its company before a person's name.
    TCsvColumnMap org(header, OrgFields());
    EXPECT_EQ(org.ColumnsOf("Title"), (std::vector<size_t>{1, 0}));
    // A person never takes the company as its title.
    EXPECT_EQ(TCsvColumnMap(header, PersonFields()).ColumnsOf("Title"), (std::vector<size_t>{0}));
}

TEST(CsvColumns, EachRowTakesTheBestColumnThatHoldsAValue) {
    V header = {"First Name",      "Last Name",     "Home Phone",  "Business Phone",
                "Business Street", "Business City", "Home Street", "Home City"};
    TCsvColumnMap person(header, PersonFields());
    TCsvColumnMap org(header, OrgFields());
    V chosen = {"Phone Number", "Address Line 1", "City"};
    struct Case {
        const char* Name;
        V Row;
        std::map<std::string, std::string> Person, Org;
    } cases[] = {
        {"both given: a person's home, an organization's business",
         {"A", "B", "111", "222", "1 Mill Lane", "Leeds", "12 High St", "York"},
         {{"Phone Number", "111"}, {"Address Line 1", "12 High St"}, {"City", "York"}},
         {{"Phone Number", "222"}, {"Address Line 1", "1 Mill Lane"}, {"City", "Leeds"}}},
        {"only business given",
         {"A", "B", "", "222", "1 Mill Lane", "Leeds", "", ""},
         {{"Phone Number", "222"}, {"Address Line 1", "1 Mill Lane"}, {"City", "Leeds"}},
         {{"Phone Number", "222"}, {"Address Line 1", "1 Mill Lane"}, {"City", "Leeds"}}},
        // A whole address from one place: the home street, never the work city.
        {"an address never mixes places",
         {"A", "B", "", "", "", "Leeds", "12 High St", ""},
         {{"Phone Number", ""}, {"Address Line 1", "12 High St"}, {"City", ""}},
         {{"Phone Number", ""}, {"Address Line 1", ""}, {"City", "Leeds"}}},
        {"a short row",
         {"A"},
         {{"Phone Number", ""}, {"Address Line 1", ""}, {"City", ""}},
         {{"Phone Number", ""}, {"Address Line 1", ""}, {"City", ""}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Picked(person, c.Row, chosen), c.Person) << c.Name;
        EXPECT_EQ(Picked(org, c.Row, chosen), c.Org) << c.Name;
    }
}

TEST(CsvColumns, GooglePhonesGoToPhoneOrFaxByTheirType) {
    V header = {"Phone 1 - Type", "Phone 1 - Value", "Phone 2 - Type", "Phone 2 - Value"};
    TCsvColumnMap map(header, PersonFields());
    auto got =
        Picked(map, {"Work Fax", "555 0001", "Mobile", "777 0002"}, {"Phone Number", "Fax Number"});
    EXPECT_EQ(got, (std::map<std::string, std::string>{{"Phone Number", "777 0002"},
                                                       {"Fax Number", "555 0001"}}));
    // Without a fax among them there is no fax number to give.
    got = Picked(map, {"Home", "111", "Mobile", "222"}, {"Phone Number", "Fax Number"});
    EXPECT_EQ(got, (std::map<std::string, std::string>{{"Phone Number", "111"}}));
}

TEST(CsvColumns, TheUsersListDecidesWhatIsImported) {
    TCsvColumnMap map({"First Name", "Last Name", "Primary Email"}, PersonFields());
    V row = {"Ann", "Smith", "ann@x"};
    // A field taken off the list is not imported; one put on it without a
    // column has nothing to give; the order of the list is kept.
    EXPECT_EQ(
        Picked(map, row, {"E-Mail Address", "First Name", "Website"}),
        (std::map<std::string, std::string>{{"E-Mail Address", "ann@x"}, {"First Name", "Ann"}}));
    V values, names;
    map.Select(row, {"E-Mail Address", "First Name"}, values, names);
    EXPECT_EQ(names, (V{"E-Mail Address", "First Name"}));
    EXPECT_EQ(values, (V{"ann@x", "Ann"}));
}

TEST(CsvColumns, GoogleExportInUtf16LandsInItsFields) {
    TCsvReader csv =
        TCsvReader::Open(DataPath("exchange/google_utf16.csv"), {TSeparator::Comma, "", true});
    TCsvColumnMap map(csv.Header(), PersonFields());
    TCsvRow row;
    ASSERT_TRUE(csv.Next(row));
    EXPECT_EQ(Picked(map, row.Values, map.Fields()),
              (std::map<std::string, std::string>{
                  {"Title", "\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E"},
                  {"First Name", "\xE5\xA4\xAA\xE9\x83\x8E"},
                  {"Last Name", "\xE5\xB1\xB1\xE7\x94\xB0"},
                  {"E-Mail Address", "taro@example.jp"},
                  {"Phone Number", "090-0000-0002"},
                  {"Fax Number", "03-0000-0001"}}));
}

TEST(CsvColumns, OutlookExportLandsInItsFields) {
    TCsvReader csv =
        TCsvReader::Open(DataPath("exchange/outlook.csv"), {TSeparator::Comma, "", true});
    TCsvColumnMap map(csv.Header(), PersonFields());
    std::vector<std::map<std::string, std::string>> got;
    for (TCsvRow row; csv.Next(row);)
        got.push_back(Picked(map, row.Values, map.Fields()));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0]["Salutation"], "Dr.");
    EXPECT_EQ(got[0]["Address Line 1"], "1 Mill Lane");
    EXPECT_EQ(got[0]["City"], "Leeds");
    EXPECT_EQ(got[0]["Phone Number"], "0113 496 0000");
    EXPECT_EQ(got[0]["Comment"], "Met at the fair,\r\nlikes tea");
    EXPECT_EQ(got[1]["Address Line 1"], "12 High St");
    EXPECT_EQ(got[1]["City"], "York");
    EXPECT_EQ(got[1]["Phone Number"], "01904 000 000");
    EXPECT_EQ(got[1]["E-Mail Address"], "bob@example.org");
    EXPECT_EQ(got[1].count("Title"), 0u);
}

} // namespace
