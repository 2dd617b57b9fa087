#include "report/LabelStock.h"

#include "report/Report.h"

#include <algorithm>

namespace {

TLabelStock Stock(const char* name, int top, int side, int height, int width, int hpitch,
                  int vpitch, int across, TPaperSize paper) {
    return {name, top, side, height, width, hpitch, vpitch, across, paper};
}

std::vector<TLabelStock> MakeStocks() {
    using paper::A4;
    using paper::Letter;
    return {
        Stock("Avery 5095-Name Tag", 58, 69, 233, 338, 375, 250, 2, Letter),
        Stock("Avery 5160-Address", 50, 19, 100, 263, 275, 100, 3, Letter),
        Stock("Avery 5161-Address", 50, 16, 100, 400, 419, 100, 2, Letter),
        Stock("Avery 5162-Address", 83, 16, 133, 400, 419, 133, 2, Letter),
        Stock("Avery 5163-Shipping", 50, 16, 200, 400, 419, 200, 2, Letter),
        Stock("Avery 5164-Shipping", 50, 16, 333, 400, 419, 333, 2, Letter),
        Stock("Avery 5260-Address", 50, 19, 100, 263, 275, 100, 3, Letter),
        Stock("Avery 5261-Address", 50, 16, 100, 400, 419, 100, 2, Letter),
        Stock("Avery 5262-Address", 83, 16, 133, 400, 419, 133, 2, Letter),
        Stock("Avery 5385-Rotary Card", 117, 25, 217, 400, 400, 217, 2, Letter),
        Stock("Avery 5386-Rotary Card", 100, 175, 300, 500, 500, 300, 1, Letter),
        Stock("Avery 5388-Index Card", 100, 175, 300, 500, 500, 300, 1, Letter),
        Stock("Avery 5389-Post Card", 150, 175, 400, 600, 600, 400, 1, Letter),
        Stock("Avery 5660-Address", 50, 0, 100, 283, 283, 100, 3, Letter),
        Stock("Avery 5661-Address", 50, 16, 100, 400, 419, 100, 2, Letter),
        Stock("Avery 5662-Address", 83, 0, 133, 425, 425, 133, 2, Letter),
        Stock("Avery 5663-Address", 50, 0, 200, 425, 425, 200, 2, Letter),
        Stock("Avery 5664-Shipping", 50, 16, 333, 400, 419, 333, 2, Letter),
        // A4 sheets, from their makers' millimetres: 63.5 x 38.1 mm labels
        // on a 66.04 x 38.1 mm pitch are 250 x 150 on 260 x 150, and so on.
        Stock("Avery L7160-Address", 60, 28, 150, 250, 260, 150, 3, A4),
        Stock("Avery L7161-Address", 34, 28, 183, 250, 260, 183, 3, A4),
        Stock("Avery L7162-Address", 51, 18, 133, 390, 400, 133, 2, A4),
        Stock("Avery L7163-Address", 60, 18, 150, 390, 400, 150, 2, A4),
        Stock("Avery L7165-Shipping", 52, 18, 267, 390, 400, 267, 2, A4),
        Stock("Avery L7173-Shipping", 24, 18, 224, 390, 400, 224, 2, A4),
        Stock("Avery J8160-Address", 60, 28, 150, 250, 260, 150, 3, A4),
    };
}

} // namespace

int TLabelStock::RowsPerSheet() const {
    if (VPitch <= 0) return 1;
    double free = Paper.Height - TopMargin - Height;
    return free < 0 ? 1 : static_cast<int>(free / VPitch) + 1;
}

namespace labelstock {

const std::vector<TLabelStock>& Stocks() {
    static const std::vector<TLabelStock> stocks = MakeStocks();
    return stocks;
}

const TLabelStock* Find(const std::string& name) {
    for (const TLabelStock& stock : Stocks())
        if (stock.Name == name) return &stock;
    return nullptr;
}

namespace {
int StartSlot(const TLabelStock& stock, int startLabel) {
    return std::clamp(startLabel, 1, std::max(1, stock.LabelsPerSheet())) - 1;
}
} // namespace

TLabelPlace LabelPlace(const TLabelStock& stock, int k, int startLabel, TDeviceOffset offset) {
    const int across = std::max(1, stock.Across);
    const int perSheet = across * stock.RowsPerSheet();
    const int slot = k + StartSlot(stock, startLabel);
    TLabelPlace place;
    place.Sheet = slot / perSheet;
    place.Row = slot % perSheet / across;
    place.Column = slot % across;
    place.Box = {stock.SideMargin + place.Column * stock.HPitch - offset.X,
                 stock.TopMargin + place.Row * stock.VPitch - offset.Y,
                 static_cast<double>(stock.Width), static_cast<double>(stock.Height)};
    return place;
}

void SetupReport(TReport& report, const TLabelStock& stock, int startLabel, TDeviceOffset offset) {
    report.PaperWidth = stock.Paper.Width;
    report.PaperHeight = stock.Paper.Height;
    report.Orientation = TOrientation::Portrait;
    report.PaperFromPrinter = false;
    report.Margins = {stock.SideMargin - offset.X, stock.TopMargin - offset.Y, 0, 0};
    report.Columns = std::max(1, stock.Across);
    report.ColumnWidth = stock.Width;
    report.ColumnSpace = stock.HPitch - stock.Width;
    report.Flow = TColumnFlow::AcrossThenDown;
    report.Detail.Height = stock.Height;
    report.Detail.SpaceAfter = stock.VPitch - stock.Height;
    report.PageHeader.Height = 0;
    report.TitleBand.Height = 0;
    report.ColumnHeader.Height = 0;
    report.PageFooter.Height = 0;
    report.FirstSlot = StartSlot(stock, startLabel);
}

} // namespace labelstock
