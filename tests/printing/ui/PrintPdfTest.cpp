// The reports of "Print Reports" written as PDF by the desktop's printer and
// read back with pdftotext: every label's text inside its label, the
// envelope's addresses where the envelope needs them, the address book's
// letters and columns.
#include "../PrintingFixture.h"
#include "platform/Services.h"
#include "printing/ReportForm.h"
#include "report/ui/QtReportPrinter.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <set>

namespace {

class PrintPdf : public PrintingFixture {
protected:
    PrintPdf() {
        svc.Services.Printer = &printer;
        form.FormCreate();
        form.Setup(root, nullptr, "");
    }

    std::vector<TPdfPage> Write(TReportForm::TReportType type) {
        form.RptTypeCombo = type;
        const std::string path = dir.filePath("report.pdf").toStdString();
        TPrintResult r = form.WritePdf(path);
        EXPECT_TRUE(r.Ok()) << r.Message;
        return pdftext::ReadPdf(path);
    }

    TQtReportPrinter printer;
    TFilterState none;
    TReportForm form{tree, none};
    QTemporaryDir dir;
};

struct TLabelCase {
    const char* Stock;
    int Start;
};

class LabelsPdf : public PrintPdf, public ::testing::WithParamInterface<TLabelCase> {};

TEST_P(LabelsPdf, TheTextOfEntryKLiesInsideLabelK) {
    const TLabelStock& stock = *labelstock::Find(GetParam().Stock);
    const int start = GetParam().Start;
    const int count = stock.LabelsPerSheet() + 4; // onto a second sheet
    // Entry k is a person named "#k" whose every line carries the tag.
    for (int k = 0; k < count; ++k) {
        const std::string tag = "#" + std::to_string(k);
        const TPostal home{{tag + " High Street, Apartment 4B and a line too long for any label"},
                           "Leeds" + tag,
                           "WY",
                           "LS1",
                           "UK" + tag};
        Person(nullptr, tag, "Smith", &home);
    }
    form.LabelList = static_cast<int>(&stock - labelstock::Stocks().data());
    form.LabelListClick();
    form.StartLabel = start;
    auto pages = Write(TReportForm::rtLabels);
    ASSERT_EQ(static_cast<int>(pages.size()),
              labelstock::LabelPlace(stock, count - 1, start).Sheet + 1);

    std::vector<int> tagged(static_cast<size_t>(count), 0);
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_NEAR(pages[p].Width, stock.Paper.Width, 0.5);
        for (const TPdfWord& w : pages[p].Words) {
            int k = -1;
            for (int i = 0; i < count; ++i)
                if (w.Text.find("#" + std::to_string(i)) != std::string::npos) k = i;
            if (k < 0) {
                // An untagged word still lies inside some label of its sheet.
                bool inside = false;
                for (int i = 0; i < count && !inside; ++i) {
                    TLabelPlace at = labelstock::LabelPlace(stock, i, start);
                    inside = at.Sheet == static_cast<int>(p) && at.Box.Contains(w.Box, 0.5);
                }
                EXPECT_TRUE(inside) << w.Text << " on sheet " << p << " is on no label";
                continue;
            }
            TLabelPlace at = labelstock::LabelPlace(stock, k, start);
            EXPECT_EQ(at.Sheet, static_cast<int>(p)) << w.Text;
            EXPECT_TRUE(at.Box.Contains(w.Box, 0.5))
                << w.Text << " at " << w.Box.Left << "," << w.Box.Top << " is not inside label "
                << k << " at " << at.Box.Left << "," << at.Box.Top;
            ++tagged[static_cast<size_t>(k)];
        }
    }
    for (int k = 0; k < count; ++k)
        EXPECT_GE(tagged[static_cast<size_t>(k)], 3) << "entry " << k; // name, street, city
}

INSTANTIATE_TEST_SUITE_P(Stocks, LabelsPdf,
                         ::testing::Values(TLabelCase{"Avery 5160-Address", 1},
                                           TLabelCase{"Avery 5163-Shipping", 3},
                                           TLabelCase{"Avery L7160-Address", 1},
                                           TLabelCase{"Avery L7163-Address", 6}),
                         [](const auto& info) {
                             std::string name = info.param.Stock;
                             name = name.substr(6, name.find('-') - 6);
                             return name + "_from_" + std::to_string(info.param.Start);
                         });

TEST_F(PrintPdf, EnvelopeAddressesSitWhereTheEnvelopeNeedsThem) {
    struct Row {
        int Size;
        double Width, Height;
    } rows[] = {{0, 950, 412.5}, {4, 220 / 0.254, 110 / 0.254}};
    form.Return = "Sender\r\nReturnStreet";
    form.Delivery = "Addressee\r\nDeliveryStreet\r\nLeeds, West Yorks";
    for (const Row& r : rows) {
        form.EnvSize = r.Size;
        auto pages = Write(TReportForm::rtEnvelope);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].Width, r.Width, 1); // whole points
        EXPECT_NEAR(pages[0].Height, r.Height, 1);
        const TEnvelopeSize& size = envelope::Sizes()[static_cast<size_t>(r.Size)];
        TEnvelopePlacement at = envelope::Place(size, pages[0].Width, pages[0].Height);
        auto word = [&](const std::string& text) {
            auto found = pages[0].Find(text);
            EXPECT_EQ(found.size(), 1u) << text;
            return found.empty() ? TBox{} : found[0].Box;
        };
        TBox sender = word("Sender"), addressee = word("Addressee");
        EXPECT_NEAR(sender.Left, at.ReturnX, 1.5) << size.Caption;
        EXPECT_NEAR(sender.Top, at.ReturnY, 6) << size.Caption;
        EXPECT_NEAR(addressee.Left, at.DeliveryX, 1.5) << size.Caption;
        EXPECT_NEAR(addressee.Top, at.DeliveryY, 6) << size.Caption;
        EXPECT_LT(word("ReturnStreet").Bottom(), addressee.Top);
        EXPECT_GT(word("DeliveryStreet").Top, addressee.Bottom() - 1);
    }
}

TEST_F(PrintPdf, TheAddressBookPrintsLettersAndFillsItsColumnsInTurn) {
    TTreeNode* people = Folder("People");
    Person(people, "Abe", "adams");
    Person(people, "Ann", "Abbott");
    for (int i = 0; i < 26; ++i)
        Person(people, "Kim",
               std::string(1, static_cast<char>('B' + i % 24)) + "ee" + std::to_string(i), nullptr);
    form.SpinEdit1 = 3;
    form.Gutter = 20;
    form.TopMargin2 = "50"; // a short column, so the entries need all three
    form.BottomMargin2 = "10";
    auto pages = Write(TReportForm::rtAddrBook);
    ASSERT_GE(pages.size(), 1u);
    EXPECT_EQ(pages[0].Find("A").size(), 1u);
    EXPECT_EQ(pages[0].Find("a").size(), 1u);
    // Every name ("Bee0, Kim") starts at the left edge of its column.
    std::set<int> columns;
    for (const TPdfWord& w : pages[0].Words)
        if (w.Text.back() == ',') columns.insert(static_cast<int>(w.Box.Left / 10));
    EXPECT_EQ(columns.size(), 3u) << pages[0].Text();
    // Down the first column before across: "Abbott" comes first, on top.
    auto abbott = pages[0].Find("Abbott,");
    ASSERT_EQ(abbott.size(), 1u);
    for (const TPdfWord& w : pages[0].Words)
        if (w.Text.back() == ',') {
            EXPECT_GE(w.Box.Top, abbott[0].Box.Top - 0.5) << w.Text;
        }
}

TEST_F(PrintPdf, TheListingHasItsTitleSourceAndColumns) {
    Person(nullptr, "Ann", "Adams", nullptr);
    form.Title1 = "Club Members";
    auto pages = Write(TReportForm::rtListing);
    ASSERT_EQ(pages.size(), 1u);
    const std::string text = pages[0].Text();
    for (const char* expected :
         {"Club Members", "Source: My Contacts", "created: 14/3/98", "Contact", "Address",
          "Phone Number", "FAX Number", "E-Mail", "URL", "Adams, Ann", "Page 1 of 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
    // Nothing is printed within the quarter inch a printer cannot reach.
    for (const TPdfWord& w : pages[0].Words)
        EXPECT_GE(w.Box.Left, kPrintableInset - 0.5) << w.Text;
}

} // namespace
