#include "report/LabelStock.h"

#include "report/EnvelopeSize.h"
#include "report/FixedFontMetrics.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelStock, TheListedStocksInOrderWithTheirValues) {
    struct Row {
        const char* Name;
        int Top, Side, Height, Width, HPitch, VPitch, Across, PerSheet;
    } rows[] = {
        {"Avery 5095-Name Tag", 58, 69, 233, 338, 375, 250, 2, 8},
        {"Avery 5160-Address", 50, 19, 100, 263, 275, 100, 3, 30},
        {"Avery 5161-Address", 50, 16, 100, 400, 419, 100, 2, 20},
        {"Avery 5162-Address", 83, 16, 133, 400, 419, 133, 2, 14},
        {"Avery 5163-Shipping", 50, 16, 200, 400, 419, 200, 2, 10},
        {"Avery 5164-Shipping", 50, 16, 333, 400, 419, 333, 2, 6},
        {"Avery 5260-Address", 50, 19, 100, 263, 275, 100, 3, 30},
        {"Avery 5261-Address", 50, 16, 100, 400, 419, 100, 2, 20},
        {"Avery 5262-Address", 83, 16, 133, 400, 419, 133, 2, 14},
        {"Avery 5385-Rotary Card", 117, 25, 217, 400, 400, 217, 2, 8},
        {"Avery 5386-Rotary Card", 100, 175, 300, 500, 500, 300, 1, 3},
        {"Avery 5388-Index Card", 100, 175, 300, 500, 500, 300, 1, 3},
        {"Avery 5389-Post Card", 150, 175, 400, 600, 600, 400, 1, 2},
        {"Avery 5660-Address", 50, 0, 100, 283, 283, 100, 3, 30},
        {"Avery 5661-Address", 50, 16, 100, 400, 419, 100, 2, 20},
        {"Avery 5662-Address", 83, 0, 133, 425, 425, 133, 2, 14},
        {"Avery 5663-Address", 50, 0, 200, 425, 425, 200, 2, 10},
        {"Avery 5664-Shipping", 50, 16, 333, 400, 419, 333, 2, 6},
        {"Avery L7160-Address", 60, 28, 150, 250, 260, 150, 3, 21},
        {"Avery L7161-Address", 34, 28, 183, 250, 260, 183, 3, 18},
        {"Avery L7162-Address", 51, 18, 133, 390, 400, 133, 2, 16},
        {"Avery L7163-Address", 60, 18, 150, 390, 400, 150, 2, 14},
        {"Avery L7165-Shipping", 52, 18, 267, 390, 400, 267, 2, 8},
        {"Avery L7173-Shipping", 24, 18, 224, 390, 400, 224, 2, 10},
        {"Avery J8160-Address", 60, 28, 150, 250, 260, 150, 3, 21},
    };
    const auto& stocks = labelstock::Stocks();
    ASSERT_EQ(stocks.size(), std::size(rows));
    for (size_t i = 0; i < stocks.size(); ++i) {
        const TLabelStock& s = stocks[i];
        const Row& r = rows[i];
        EXPECT_EQ(s.Name, r.Name) << i;
        EXPECT_EQ(
            (std::vector<int>{s.TopMargin, s.SideMargin, s.Height, s.Width, s.HPitch, s.VPitch,
                              s.Across}),
            (std::vector<int>{r.Top, r.Side, r.Height, r.Width, r.HPitch, r.VPitch, r.Across}))
            << r.Name;
        EXPECT_EQ(s.LabelsPerSheet(), r.PerSheet) << r.Name;
        EXPECT_EQ(labelstock::Find(r.Name), &s);
        // Every label of a sheet lies on the paper and none overlaps the next.
        TLabelPlace last = labelstock::LabelPlace(s, s.LabelsPerSheet() - 1);
        EXPECT_EQ(last.Sheet, 0) << r.Name;
        EXPECT_TRUE((TBox{0, 0, s.Paper.Width, s.Paper.Height}.Contains(last.Box))) << r.Name;
        EXPECT_GE(s.HPitch, s.Width) << r.Name;
        EXPECT_GE(s.VPitch, s.Height) << r.Name;
    }
    EXPECT_EQ(labelstock::Find("Avery 9999"), nullptr);
}

TEST(LabelStock, A4StocksMatchTheirMillimetres) {
    // Label width, height, top and side margin, pitches, as the makers give them.
    struct Row {
        const char* Name;
        double Width, Height, Top, Side, HPitch, VPitch;
    } rows[] = {
        {"Avery L7160-Address", 63.5, 38.1, 15.15, 7.21, 66.04, 38.1},
        {"Avery L7161-Address", 63.5, 46.6, 8.7, 7.21, 66.04, 46.6},
        {"Avery L7162-Address", 99.1, 33.9, 12.9, 4.65, 101.6, 33.9},
        {"Avery L7163-Address", 99.1, 38.1, 15.15, 4.65, 101.6, 38.1},
        {"Avery L7165-Shipping", 99.1, 67.7, 13.1, 4.65, 101.6, 67.7},
        {"Avery L7173-Shipping", 99.1, 57, 6, 4.65, 101.6, 57},
        {"Avery J8160-Address", 63.5, 38.1, 15.15, 7.21, 66.04, 38.1},
    };
    auto near = [](int hundredths, double mm) { return std::abs(hundredths - mm / 0.254) <= 0.5; };
    for (const Row& r : rows) {
        const TLabelStock* s = labelstock::Find(r.Name);
        ASSERT_NE(s, nullptr) << r.Name;
        EXPECT_TRUE(near(s->Width, r.Width) && near(s->Height, r.Height) &&
                    near(s->TopMargin, r.Top) && near(s->SideMargin, r.Side) &&
                    near(s->HPitch, r.HPitch) && near(s->VPitch, r.VPitch))
            << r.Name;
        EXPECT_NEAR(s->Paper.Width, 826.77, 0.01);
        EXPECT_NEAR(s->Paper.Height, 1169.29, 0.01);
    }
}

TEST(LabelStock, LabelPlaceFromThePapersEdge) {
    const TLabelStock& avery5160 = *labelstock::Find("Avery 5160-Address");
    struct Case {
        int K, Start;
        TDeviceOffset Offset;
        int Sheet;
        TBox Box;
    } cases[] = {
        {0, 1, {}, 0, {19, 50, 263, 100}},
        {2, 1, {}, 0, {569, 50, 263, 100}},
        {3, 1, {}, 0, {19, 150, 263, 100}},
        {29, 1, {}, 0, {569, 950, 263, 100}},
        {30, 1, {}, 1, {19, 50, 263, 100}},
        {0, 5, {}, 0, {294, 150, 263, 100}}, // "Start at label" 5
        {26, 5, {}, 1, {19, 50, 263, 100}},
        {0, 0, {}, 0, {19, 50, 263, 100}},    // held within the sheet
        {0, 31, {}, 0, {569, 950, 263, 100}}, // the last label
        {0, 1, {25, 12.5}, 0, {-6, 37.5, 263, 100}},
    };
    for (const Case& c : cases) {
        TLabelPlace place = labelstock::LabelPlace(avery5160, c.K, c.Start, c.Offset);
        EXPECT_EQ(place.Sheet, c.Sheet) << c.K << " from " << c.Start;
        EXPECT_EQ(place.Box, c.Box) << c.K << " from " << c.Start;
    }
}

// The engine, set up for a stock, puts record k inside label k: for every
// stock, across two sheets, from the first label and from a later one.
TEST(LabelStock, EveryStockLaysRecordsOnTheirLabels) {
    const TFixedFontMetrics metrics;
    for (const TLabelStock& stock : labelstock::Stocks()) {
        for (int start : {1, 4}) {
            TReport report;
            labelstock::SetupReport(report, stock, start);
            int next = 0;
            const int count = 2 * stock.LabelsPerSheet() + 1;
            TReportText& text =
                report.Detail.AddText({5, 5, stock.Width - 10.0, stock.Height - 10.0}, {});
            report.OnNeedData = [&] {
                if (next >= count) return false;
                text.Text = "L" + std::to_string(next++) + "\nsecond line";
                return true;
            };
            auto pages = report.Layout(metrics);
            ASSERT_EQ(static_cast<int>(pages.size()),
                      labelstock::LabelPlace(stock, count - 1, start).Sheet + 1)
                << stock.Name;
            int seen = 0;
            for (size_t p = 0; p < pages.size(); ++p) {
                for (const TDrawText* t : pages[p].Texts()) {
                    if (t->Text[0] != 'L') continue;
                    int k = std::stoi(t->Text.substr(1));
                    TLabelPlace place = labelstock::LabelPlace(stock, k, start);
                    EXPECT_EQ(static_cast<int>(p), place.Sheet) << stock.Name << " " << k;
                    EXPECT_TRUE(place.Box.Contains(t->Clip, 1e-9))
                        << stock.Name << " label " << k << " from " << start;
                    ++seen;
                }
            }
            EXPECT_EQ(seen, count) << stock.Name;
        }
    }
}

TEST(EnvelopeSize, TheListedSizesAndWhereTheAddressesGo) {
    struct Row {
        const char* Caption;
        int Length, Height, Delivery, Return;
    } rows[] = {
        {"#10 Env (4.125 x 9.5 in)", 950, 412, 300, 50},
        {"Monarch (3.875 x 7.5 in)", 750, 388, 200, 50},
        {"B5 Env (176 x 250 mm)", 1000, 700, 325, 50},
        {"C5 Env (162 x 229 mm)", 916, 648, 283, 50},
        {"DL Env (110 x 220 mm)", 880, 440, 265, 50},
    };
    const auto& sizes = envelope::Sizes();
    ASSERT_EQ(sizes.size(), std::size(rows));
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(sizes[i].Caption, rows[i].Caption);
        EXPECT_EQ(
            (std::vector<int>{sizes[i].Length, sizes[i].Height, sizes[i].DeliveryLeft,
                              sizes[i].ReturnLeft}),
            (std::vector<int>{rows[i].Length, rows[i].Height, rows[i].Delivery, rows[i].Return}))
            << rows[i].Caption;
    }

    struct Case {
        size_t Size;
        double PageWidth, PageHeight;
        TEnvelopePlacement Expected;
    } cases[] = {
        // Fed centred at the right edge of a letter sheet lying across.
        {0, 1100, 850, {200, 249, 450, 371}},
        {1, 1100, 850, {400, 261, 550, 383}},
        // On its own paper: from the envelope's corner.
        {0, 950, 412.5, {50, 30, 300, 152}},
        {4, sizes[4].Paper.Height, sizes[4].Paper.Width, {50, 30, 265, 152}},
        {2, sizes[2].Paper.Height, sizes[2].Paper.Width, {50, 30, 325, 152}},
    };
    for (const Case& c : cases) {
        TEnvelopePlacement p = envelope::Place(sizes[c.Size], c.PageWidth, c.PageHeight);
        EXPECT_EQ((std::vector<double>{p.ReturnX, p.ReturnY, p.DeliveryX, p.DeliveryY}),
                  (std::vector<double>{c.Expected.ReturnX, c.Expected.ReturnY, c.Expected.DeliveryX,
                                       c.Expected.DeliveryY}))
            << sizes[c.Size].Caption << " on " << c.PageWidth << "x" << c.PageHeight;
    }
}

} // namespace
