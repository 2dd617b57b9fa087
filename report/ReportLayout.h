#pragma once

#include "report/Report.h"

#include <cstddef>
#include <vector>

// One run of a report through its bands: pagination and the column flow.
class TReportLayout {
public:
    TReportLayout(TReport& report, const IFontMetrics& metrics);

    std::vector<TReportPage> Run();

private:
    // A text whose page number is known only when every page is laid out.
    struct TField {
        TReportText Text;
        TBox Box;
        size_t Page = 0;
    };
    // A band as printed, relative to its top-left corner.
    struct TImage {
        double Height = 0;
        double Advance = 0; // height and the space after it
        std::vector<TDrawCommand> Commands;
        std::vector<TField> Fields;
    };

    TImage Render(TReportBand& band, double width);
    void RenderText(const TReportText& text, const std::string& content, const TBox& box,
                    std::vector<TDrawCommand>& out) const;
    void Place(const TImage& image, double x, double y, double clipBottom);
    void StartPage();
    void FinishPage();
    void NextColumn();
    static double RecordHeight(const std::vector<TImage>& images);
    void PlaceRecord(const std::vector<TImage>& images);
    void PlaceDown(const std::vector<TImage>& images);
    void PlaceAcross(const std::vector<TImage>& images);

    TReport& R;
    const IFontMetrics& M;
    std::vector<TReportPage> FPages;
    std::vector<TField> FFields;
    double FColumnWidth = 0;
    double FDetailTop = 0;
    double FDetailBottom = 0;
    int FColumns = 1;
    int FColumn = 0;
    double FY = 0;
    double FRowAdvance = 0; // the tallest cell of the row being filled across
};
