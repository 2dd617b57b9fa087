#include "printing/EnvelopeForm.h"

#include "printing/ReportFields.h"

#include <algorithm>

namespace {
constexpr double kEdge = 25; // kept free at the envelope's right and bottom edges
constexpr double kGap = 10;
} // namespace

TEnvelopeForm::TEnvelopeForm() {
    FReturn = &Report.TitleBand.AddText({}, {});
    FDelivery = &Report.TitleBand.AddText({}, {});
    FReturn->WordWrap = FDelivery->WordWrap = true;
    Report.Title = "Envelope";
    SetEnvelope(envelope::Sizes().front(), {}, {}, {}, {}, false);
}

std::vector<std::string> TEnvelopeForm::DeliveryLines(const std::string& name,
                                                      const TKexObject& address) {
    std::vector<std::string> e = reportfields::AddressFields(address);
    e.insert(e.begin(), name);
    std::vector<std::string> lines;
    for (size_t i = 0; i <= 3; ++i)
        if (!e[i].empty()) lines.push_back(e[i]);
    lines.push_back(e[4] + ", " + e[5]);
    lines.push_back(e[6] + " " + e[7]);
    return lines;
}

void TEnvelopeForm::SetEnvelope(const TEnvelopeSize& size, const std::string& delivery,
                                const TReportFont& deliveryFont, const std::string& returnAddress,
                                const TReportFont& returnFont, bool omitReturn) {
    Report.PaperWidth = size.Paper.Width;
    Report.PaperHeight = size.Paper.Height;
    Report.Orientation = TOrientation::Landscape;
    Report.PaperFromPrinter = false;
    Report.Margins = {};
    Report.Columns = 1;
    const double width = Report.PageWidth();
    const double height = Report.PageHeight();
    const TEnvelopePlacement at = envelope::Place(size, width, height);
    Report.TitleBand.Height = height;

    FReturn->Text = omitReturn ? std::string() : returnAddress;
    FReturn->Font = returnFont;
    // The return address ends above the delivery address.
    FReturn->Box = {at.ReturnX, at.ReturnY, std::max(1.0, width - at.ReturnX - kEdge),
                    std::max(1.0, at.DeliveryY - at.ReturnY - kGap)};
    FDelivery->Text = delivery;
    FDelivery->Font = deliveryFont;
    FDelivery->Box = {at.DeliveryX, at.DeliveryY, std::max(1.0, width - at.DeliveryX - kEdge),
                      std::max(1.0, height - at.DeliveryY - kEdge)};
}
