// Reports written as PDF and read back with pdftotext: the text must be
// where the layout put it, inside its label or column.
#include "bench/SampleAddressBook.h"
#include "report/EnvelopeSize.h"
#include "report/LabelStock.h"
#include "report/Report.h"
#include "report/ui/QtReportPrinter.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

std::vector<TPdfPage> WriteAndRead(TReport& report, const QTemporaryDir& dir,
                                   const char* name = "report.pdf") {
    TQtReportPrinter printer;
    const std::string path = dir.filePath(name).toStdString();
    TPrintResult result = printer.WritePdf(report, path);
    EXPECT_TRUE(result.Ok()) << result.Message;
    return pdftext::ReadPdf(path);
}

TReportFont Font(double size, bool bold = false) {
    TReportFont f; // "Arial": the default sans
    f.Size = size;
    f.Bold = bold;
    return f;
}

// Entry k's label: its words begin with "k:" where a word begins; the long
// name of every seventh entry is cut or wrapped at the label's edge.
std::string LabelText(int k) {
    std::string p = std::to_string(k) + ":";
    std::string name = k % 7 == 3 ? p + "Bartholomew Fitzgerald-Smythe-Worthington-Hargreaves"
                                  : p + "Ann " + p + "Smith";
    return name + "\n" + p + "12 " + p + "High " + p + "Street\n" + p + "Leeds, " + p + "LS1\n" +
           p + "UK";
}

int EntryOf(const std::string& word) {
    size_t colon = word.find(':');
    if (colon == std::string::npos || colon == 0) return -1;
    for (size_t i = 0; i < colon; ++i)
        if (!std::isdigit(static_cast<unsigned char>(word[i]))) return -1;
    return std::stoi(word.substr(0, colon));
}

struct TLabelCase {
    const char* Stock;
    int Start;
};

class LabelSheetPdf : public ::testing::TestWithParam<TLabelCase> {};

TEST_P(LabelSheetPdf, EveryWordLiesInsideItsLabel) {
    const TLabelStock& stock = *labelstock::Find(GetParam().Stock);
    const int start = GetParam().Start;
    const int count = stock.LabelsPerSheet() + 5; // onto a second sheet
    TReport report;
    labelstock::SetupReport(report, stock, start);
    TReportText& text =
        report.Detail.AddText({8, 8, stock.Width - 16.0, stock.Height - 16.0}, Font(10));
    text.WordWrap = true;
    int next = 0;
    report.OnStart = [&] { next = 0; };
    report.OnNeedData = [&] {
        if (next >= count) return false;
        text.Text = LabelText(next++);
        return true;
    };

    QTemporaryDir dir;
    auto pages = WriteAndRead(report, dir);
    ASSERT_EQ(static_cast<int>(pages.size()),
              labelstock::LabelPlace(stock, count - 1, start).Sheet + 1);

    std::map<int, int> firstWords;
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_NEAR(pages[p].Width, stock.Paper.Width, 0.5);
        EXPECT_NEAR(pages[p].Height, stock.Paper.Height, 0.5);
        for (const TPdfWord& word : pages[p].Words) {
            // The label the word is in, by where it starts.
            int in = -1;
            for (int k = 0; k < count && in < 0; ++k) {
                TLabelPlace place = labelstock::LabelPlace(stock, k, start);
                if (place.Sheet == static_cast<int>(p) &&
                    place.Box.Contains({word.Box.Left, word.Box.Top, 0, 0}))
                    in = k;
            }
            ASSERT_GE(in, 0) << word.Text << " on sheet " << p << " is on no label";
            TBox label = labelstock::LabelPlace(stock, in, start).Box;
            EXPECT_TRUE(label.Contains(word.Box, 0.5))
                << word.Text << " runs out of label " << in << " (" << word.Box.Left << ","
                << word.Box.Top << " " << word.Box.Width << "x" << word.Box.Height << ")";
            if (int k = EntryOf(word.Text); k >= 0) {
                EXPECT_EQ(k, in) << word.Text;
                if (word.Text == std::to_string(k) + ":Ann" ||
                    word.Text == std::to_string(k) + ":Bartholomew")
                    ++firstWords[k];
            }
        }
    }
    for (int k = 0; k < count; ++k)
        EXPECT_EQ(firstWords[k], 1) << "entry " << k << " of " << stock.Name;
}

INSTANTIATE_TEST_SUITE_P(Stocks, LabelSheetPdf,
                         ::testing::Values(TLabelCase{"Avery 5160-Address", 1},
                                           TLabelCase{"Avery 5160-Address", 7},
                                           TLabelCase{"Avery 5163-Shipping", 1},
                                           TLabelCase{"Avery L7160-Address", 1},
                                           TLabelCase{"Avery L7163-Address", 4}));

// An envelope prints landscape on its own paper, its two addresses where
// the size puts them.
TEST(EnvelopePdf, AddressesSitAtTheirOffsetsOnTheEnvelope) {
    for (size_t i : {0u, 4u}) {
        const TEnvelopeSize& size = envelope::Sizes()[i];
        TReport report;
        report.PaperWidth = size.Paper.Width;
        report.PaperHeight = size.Paper.Height;
        report.Orientation = TOrientation::Landscape;
        report.PaperFromPrinter = false;
        report.TitleBand.Height = report.PageHeight();
        TEnvelopePlacement at = envelope::Place(size, report.PageWidth(), report.PageHeight());
        report.TitleBand.AddText({at.ReturnX, at.ReturnY, 300, 100}, Font(10),
                                 "Sender\n1 Low Lane");
        report.TitleBand.AddText({at.DeliveryX, at.DeliveryY, 400, 150}, Font(12),
                                 "Recipient\n12 High Street\nLeeds, LS1 4AB");
        QTemporaryDir dir;
        auto pages = WriteAndRead(report, dir);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].Width, size.Length, 16) << size.Caption; // metric sizes differ
        EXPECT_NEAR(pages[0].Height, size.Paper.Width, 0.5) << size.Caption;
        ASSERT_EQ(pages[0].Find("Sender").size(), 1u);
        ASSERT_EQ(pages[0].Find("Recipient").size(), 1u);
        TBox sender = pages[0].Find("Sender")[0].Box;
        TBox recipient = pages[0].Find("Recipient")[0].Box;
        EXPECT_NEAR(sender.Left, size.ReturnLeft, 2) << size.Caption;
        EXPECT_NEAR(sender.Top, 30, 3) << size.Caption;
        EXPECT_NEAR(recipient.Left, size.DeliveryLeft, 2) << size.Caption;
        EXPECT_NEAR(recipient.Top, 152, 3) << size.Caption;
    }
}

TEST(AddressBookPdf, GroupLettersAndColumnsDownThenAcross) {
    std::vector<TSampleAddressBook::TEntry> entries = {
        {"abbot, ann", "555-0100", "1 Low Lane\nLeeds, LS1"},
        {"Adams, Bob", "555-0101", ""},
    };
    const char* surnames[] = {"Baker", "Carter", "Dunn", "Evans", "Fisher", "Green"};
    for (const char* surname : surnames)
        for (int i = 0; i < 12; ++i)
            entries.push_back({std::string(surname) + std::to_string(10 + i) + ", Jo",
                               "555-01" + std::to_string(10 + i),
                               i % 2 ? "" : std::to_string(i) + " Long Road\nSpringfield, IL"});
    TSampleAddressBook book(entries);

    QTemporaryDir dir;
    auto pages = WriteAndRead(book.Report, dir);
    ASSERT_GE(pages.size(), 2u);

    const double width = book.Report.EffectiveColumnWidth(); // (850 - 100 - 40) / 3
    auto columnOf = [&](const TBox& box) {
        for (int c = 0; c < 3; ++c) {
            double left = book.Report.ColumnLeft(c);
            if (box.Left >= left - 0.5 && box.Right() <= left + width + 0.5) return c;
        }
        return -1;
    };
    std::map<std::string, int> letters;
    for (const TPdfPage& page : pages)
        for (const TPdfWord& word : page.Words) {
            EXPECT_GE(columnOf(word.Box), 0) << word.Text << " crosses a column's edge";
            if (word.Text.size() == 1 && std::isalpha(static_cast<unsigned char>(word.Text[0])))
                ++letters[word.Text];
        }
    // "a" and "A" are two groups; every other letter one.
    EXPECT_EQ(letters,
              (std::map<std::string, int>{
                  {"a", 1}, {"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}, {"E", 1}, {"F", 1}, {"G", 1}}));

    // Entries follow each other down a column, then across, then over the page.
    std::tuple<size_t, int, double> previous{0, -1, 0};
    for (const auto& entry : entries) {
        std::string first = entry.Name.substr(0, entry.Name.find(' '));
        std::tuple<size_t, int, double> at{99, -1, 0};
        int found = 0;
        for (size_t p = 0; p < pages.size(); ++p)
            for (const TPdfWord& word : pages[p].Find(first)) {
                at = {p, columnOf(word.Box), word.Box.Top};
                ++found;
            }
        ASSERT_EQ(found, 1) << first;
        EXPECT_LT(previous, at) << first;
        previous = at;
    }
}

} // namespace
