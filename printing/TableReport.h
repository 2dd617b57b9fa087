#pragma once

#include "printing/PageSetup.h"
#include "report/Report.h"

#include <cstddef>
#include <string>
#include <vector>

// A report of rows in columns below a title: the people and organization
// list and the simple list. The title band holds the title (14 points) and a
// line of notes below it (8 points); the column headings (8 points bold)
// head every page; each row is as tall as its tallest cell; the footer shows
// the page number when the bottom margin leaves room for it.
class TTableReport {
public:
    TTableReport(const TTableReport&) = delete;
    TTableReport& operator=(const TTableReport&) = delete;
    virtual ~TTableReport() = default;

    TReport Report;

    // The title, and the notes at the left and right below it ("" for none).
    void SetTitle(const std::string& title, const std::string& leftNote,
                  const std::string& rightNote);
    void SetPage(const TPageSetup& page);

protected:
    struct TColumn {
        const char* Heading;
        double Share; // of the width between the margins
    };
    explicit TTableReport(const std::vector<TColumn>& columns);

    // Puts the next row's texts into Cells (lines of a cell separated by
    // "\n"); false when no row is left.
    virtual bool NextRow(std::vector<std::string>& cells) = 0;
    // Before the first row, for every layout of the report.
    virtual void Restart() = 0;

private:
    void Arrange(std::deque<TReportText>& texts) const;
    void FitTitleBand();

    std::vector<double> FShares;
    std::vector<std::string> FRow;
    TReportText* FTitle = nullptr;
    TReportText* FLeftNote = nullptr;
    TReportText* FRightNote = nullptr;
    TReportText* FPageNumber = nullptr;
};
