#pragma once

#include "report/PaperSize.h"

#include <string>
#include <vector>

// An envelope size as the setup window lists it, with where its two
// addresses go. Lengths are hundredths of an inch; Paper is the envelope's
// own size, standing upright as a report's paper does; it prints landscape.
struct TEnvelopeSize {
    std::string Caption;
    int Length = 0;
    int Height = 0;
    int DeliveryLeft = 0;
    int ReturnLeft = 0;
    TPaperSize Paper;
};

// The top-left corners of the two address blocks on the page.
struct TEnvelopePlacement {
    double ReturnX = 0;
    double ReturnY = 0;
    double DeliveryX = 0;
    double DeliveryY = 0;
};

namespace envelope {

const std::vector<TEnvelopeSize>& Sizes();

// The envelope lies at the page's right edge, centred from top to bottom; the
// return address goes 0.30 inch and the delivery address 1.52 inches below
// its top edge, each at its size's offset from its left edge. When the page
// is no larger than the envelope, the envelope's edges are the page's.
TEnvelopePlacement Place(const TEnvelopeSize& size, double pageWidth, double pageHeight);

} // namespace envelope
