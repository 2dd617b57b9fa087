#include "report/FixedFontMetrics.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace {

// 10-point text: every character 10 wide, lines 20 high, baseline at 16.
const TFixedFontMetrics kMetrics(1, 2);

TReportFont Font(double size = 10) {
    TReportFont f;
    f.Size = size;
    return f;
}

struct TPlaced {
    size_t Page;
    const TDrawText* Text;
};

// Every text command whose text is s, with its page.
std::vector<TPlaced> Find(const std::vector<TReportPage>& pages, const std::string& s) {
    std::vector<TPlaced> found;
    for (size_t p = 0; p < pages.size(); ++p)
        for (const TDrawText* t : pages[p].Texts())
            if (t->Text == s) found.push_back({p, t});
    return found;
}

const TDrawText& One(const std::vector<TReportPage>& pages, const std::string& s,
                     size_t* page = nullptr) {
    auto found = Find(pages, s);
    EXPECT_EQ(found.size(), 1u) << s;
    if (found.empty()) {
        static const TDrawText none;
        return none;
    }
    if (page) *page = found[0].Page;
    return *found[0].Text;
}

// A report of n records "R0", "R1", ... on a 300 x 200 page, one line each.
struct TListReport {
    explicit TListReport(int n, double detailHeight = 30) : Count(n) {
        Report.PaperWidth = 300;
        Report.PaperHeight = 200;
        Report.PageHeader.Height = 20;
        Report.PageFooter.Height = 20;
        Report.Detail.Height = detailHeight;
        Name = &Report.Detail.AddText({0, 0, 100, 20}, Font());
        Report.OnStart = [this] { Next = 0; };
        Report.OnNeedData = [this] {
            if (Next >= Count) return false;
            Name->Text = "R" + std::to_string(Next++);
            return true;
        };
    }
    TReport Report;
    TReportText* Name;
    int Count;
    int Next = 0;
};

TEST(ReportLayout, PaginatesBetweenHeaderAndFooter) {
    // The detail area is 200 - 20 - 20 = 160: five records of 30 per page.
    TListReport r(12);
    r.Report.PageFooter.AddText({0, 0, 300, 20}, Font(), "Page [Page] of [Pages]").PageFields =
        true;
    auto pages = r.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 3u);
    for (int k = 0; k < 12; ++k) {
        size_t page = 99;
        const TDrawText& t = One(pages, "R" + std::to_string(k), &page);
        EXPECT_EQ(page, static_cast<size_t>(k / 5)) << k;
        EXPECT_DOUBLE_EQ(t.Baseline, 20 + (k % 5) * 30 + 16) << k;
        EXPECT_DOUBLE_EQ(t.X, 0) << k;
    }
    for (int p = 1; p <= 3; ++p) {
        size_t page = 99;
        const TDrawText& footer = One(pages, "Page " + std::to_string(p) + " of 3", &page);
        EXPECT_EQ(page, static_cast<size_t>(p - 1));
        EXPECT_DOUBLE_EQ(footer.Baseline, 180 + 16);
    }
}

TEST(ReportLayout, TitleTakesRoomOnTheFirstPageOnly) {
    TListReport r(9);
    r.Report.TitleBand.Height = 40;
    r.Report.TitleBand.AddText({0, 0, 300, 40}, Font(), "Contact List");
    auto pages = r.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(Find(pages, "Contact List").size(), 1u);
    size_t page = 99;
    EXPECT_DOUBLE_EQ(One(pages, "R0", &page).Baseline, 20 + 40 + 16);
    EXPECT_EQ(page, 0u);
    One(pages, "R4", &page); // (160 - 40) / 30 = 4 records on the first page
    EXPECT_EQ(page, 1u);
    EXPECT_DOUBLE_EQ(One(pages, "R4").Baseline, 20 + 16);
}

TEST(ReportLayout, ColumnsFillDownThenAcross) {
    TListReport r(20);
    r.Report.Columns = 3;
    r.Report.ColumnSpace = 30; // (300 - 60) / 3 = 80 per column
    r.Report.ColumnHeader.Height = 10;
    r.Report.ColumnHeader.AddText({0, 0, 80, 10}, Font(5), "Name");
    auto pages = r.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_DOUBLE_EQ(r.Report.EffectiveColumnWidth(), 80);
    // 150 of detail area per column: five records of 30.
    for (int k = 0; k < 20; ++k) {
        size_t page = 99;
        const TDrawText& t = One(pages, "R" + std::to_string(k), &page);
        int slot = k % 15;
        EXPECT_EQ(page, static_cast<size_t>(k / 15)) << k;
        EXPECT_DOUBLE_EQ(t.X, (slot / 5) * 110) << k;
        EXPECT_DOUBLE_EQ(t.Baseline, 30 + (slot % 5) * 30 + 16) << k;
        EXPECT_LE(t.Clip.Right(), (slot / 5) * 110 + 80) << k;
    }
    EXPECT_EQ(Find(pages, "Name").size(), 6u); // above every column of both pages
}

TEST(ReportLayout, AcrossThenDownSkipsTheFirstSlots) {
    TListReport r(7);
    r.Report.Columns = 3;
    r.Report.ColumnWidth = 90;
    r.Report.ColumnSpace = 10;
    r.Report.Margins.Left = 5;
    r.Report.Flow = TColumnFlow::AcrossThenDown;
    r.Report.FirstSlot = 2;
    auto pages = r.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 1u);
    for (int k = 0; k < 7; ++k) {
        int slot = k + 2;
        const TDrawText& t = One(pages, "R" + std::to_string(k));
        EXPECT_DOUBLE_EQ(t.X, 5 + (slot % 3) * 100) << k;
        EXPECT_DOUBLE_EQ(t.Baseline, 20 + (slot / 3) * 30 + 16) << k;
    }
}

// An address book: a letter header when the first character changes, the
// name, and an address band that is left out when the address is empty.
struct TBook {
    struct TEntry {
        std::string Name, Address;
    };
    explicit TBook(std::vector<TEntry> entries) : Entries(std::move(entries)) {
        Report.PaperWidth = 300;
        Report.PaperHeight = 200;
        Report.Columns = 2;
        Report.ColumnSpace = 20;
        TReportBand& group = Report.AddGroupHeader(20, [this] { return Letter; });
        group.AddShape(TReportShape::TKind::Fill, {0, 0, 20, 20}).StretchWidth = true;
        LetterText = &group.AddText({0, 0, 20, 20}, Font());
        LetterText->Font.Color = 0xFFFFFF;
        Report.Detail.Height = 20;
        Name = &Report.Detail.AddText({0, 0, 140, 20}, Font());
        TReportBand& address = Report.AddChild(40);
        AddressText = &address.AddText({10, 0, 130, 40}, Font());
        address.BeforePrint = [this](TReportBand& band) {
            band.Height = AddressText->Text.empty() ? 0 : 40;
        };
        Report.OnStart = [this] { Next = 0; };
        Report.OnNeedData = [this] {
            if (Next >= Entries.size()) return false;
            const TEntry& e = Entries[Next++];
            Name->Text = e.Name;
            AddressText->Text = e.Address;
            Letter = e.Name.substr(0, 1);
            LetterText->Text = Letter;
            return true;
        };
    }
    TReport Report;
    std::vector<TEntry> Entries;
    size_t Next = 0;
    std::string Letter;
    TReportText* LetterText;
    TReportText* Name;
    TReportText* AddressText;
};

TEST(ReportLayout, GroupHeaderWhenTheFirstCharacterChangesExactly) {
    TBook book(
        std::vector<TBook::TEntry>{{"abel", ""}, {"Adams", ""}, {"Allen", ""}, {"Baker", ""}});
    auto pages = book.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Find(pages, "a").size(), 1u);
    EXPECT_EQ(Find(pages, "A").size(), 1u);
    EXPECT_EQ(Find(pages, "B").size(), 1u);
    // a, abel, A, Adams, Allen, B, Baker: 20 each, no address bands.
    EXPECT_DOUBLE_EQ(One(pages, "Baker").Baseline, 6 * 20 + 16);
    const TDrawText& letter = One(pages, "A");
    EXPECT_EQ(letter.Font.Color, 0xFFFFFFu);
    // The letter's box is filled across the whole column.
    int filled = 0;
    for (const TDrawCommand& c : pages[0].Commands)
        if (const auto* box = std::get_if<TDrawBox>(&c); box && box->Filled) {
            EXPECT_DOUBLE_EQ(box->Box.Width, 140);
            ++filled;
        }
    EXPECT_EQ(filled, 3);
}

TEST(ReportLayout, RecordStaysInOneColumnAndHeaderGoesWithIt) {
    // Column height 200. Eight one-line records fill 160; then "B" (20) with
    // "Baker" (20) and an address (40) need 80: all three go to column 2.
    std::vector<TBook::TEntry> entries;
    for (int i = 0; i < 7; ++i)
        entries.push_back({"A" + std::to_string(i), ""});
    entries.push_back({"Baker", "1 High St"});
    TBook book(entries);
    auto pages = book.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 1u);
    const TDrawText& header = One(pages, "B");
    const TDrawText& name = One(pages, "Baker");
    const TDrawText& address = One(pages, "1 High St");
    EXPECT_DOUBLE_EQ(header.X, 160);
    EXPECT_DOUBLE_EQ(header.Baseline, 16);
    EXPECT_DOUBLE_EQ(name.Baseline, 20 + 16);
    EXPECT_DOUBLE_EQ(address.X, 170);
    EXPECT_DOUBLE_EQ(address.Baseline, 40 + 16);
}

TEST(ReportLayout, TextIsCutAtItsBoxAndNeverReachesTheNextColumn) {
    TBook book(std::vector<TBook::TEntry>{
        {"Bartholomew Fitzgerald-Smythe", "1234 Long Avenue Name Here\nSpringfield"}});
    auto pages = book.Report.Layout(kMetrics);
    for (const TDrawText* t : pages[0].Texts()) {
        EXPECT_LE(t->X + kMetrics.TextWidth(t->Font, t->Text), t->Clip.Right() + 1e-9) << t->Text;
        EXPECT_LE(t->Clip.Right(), 140 + 1e-9) << t->Text;
    }
    EXPECT_DOUBLE_EQ(One(pages, "Bartholomew Fi").X, 0); // 140 wide: 14 characters
    EXPECT_EQ(Find(pages, "Springfield").size(), 1u);
}

TEST(ReportLayout, StoredWindows1252TextIsDrawnAsUtf8) {
    TListReport r(0);
    r.Report.TitleBand.Height = 20;
    r.Report.TitleBand.AddText({0, 0, 300, 20}, Font(), "M\xFCller");
    auto pages = r.Report.Layout(kMetrics);
    EXPECT_EQ(Find(pages, "M\xC3\xBCller").size(), 1u);
}

TEST(ReportLayout, AlignmentInTheBox) {
    TListReport r(0);
    r.Report.TitleBand.Height = 60;
    TReportText& center = r.Report.TitleBand.AddText({0, 0, 300, 20}, Font(), "Centre");
    center.Alignment = TAlignment::Center;
    TReportText& right = r.Report.TitleBand.AddText({0, 20, 0, 20}, Font(), "Right");
    right.Alignment = TAlignment::Right;
    right.StretchWidth = true;
    auto pages = r.Report.Layout(kMetrics);
    EXPECT_DOUBLE_EQ(One(pages, "Centre").X, 120);
    EXPECT_DOUBLE_EQ(One(pages, "Right").X, 250);
}

TEST(ReportLayout, SecondLayoutGivesTheSamePages) {
    TBook book(std::vector<TBook::TEntry>{{"Adams", "1 High St\nLeeds"}, {"Baker", ""}});
    auto first = book.Report.Layout(kMetrics);
    auto second = book.Report.Layout(kMetrics);
    ASSERT_EQ(first.size(), second.size());
    ASSERT_EQ(first[0].Texts().size(), second[0].Texts().size());
    for (size_t i = 0; i < first[0].Texts().size(); ++i)
        EXPECT_EQ(first[0].Texts()[i]->Text, second[0].Texts()[i]->Text);
}

TEST(ReportLayout, OversizedBandsStillEndTheReport) {
    // Each record is taller than a page: one page each, clipped at the footer.
    TListReport r(3, 500);
    auto pages = r.Report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_LE(One(pages, "R1").Clip.Bottom(), 180);
}

TEST(ReportLayout, EmptyAndLandscapeReports) {
    TReport report;
    report.Orientation = TOrientation::Landscape;
    auto pages = report.Layout(kMetrics);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_DOUBLE_EQ(pages[0].Width, 1100);
    EXPECT_DOUBLE_EQ(pages[0].Height, 850);
    EXPECT_TRUE(pages[0].Commands.empty());
}

} // namespace
