#include "report/EnvelopeSize.h"

#include <algorithm>

namespace {
constexpr double kMm = 100 / 25.4;
constexpr int kReturnTop = 30;
constexpr int kDeliveryTop = 152;
} // namespace

namespace envelope {

const std::vector<TEnvelopeSize>& Sizes() {
    static const std::vector<TEnvelopeSize> sizes = {
        {"#10 Env (4.125 x 9.5 in)", 950, 412, 300, 50, {412.5, 950}},
        {"Monarch (3.875 x 7.5 in)", 750, 388, 200, 50, {387.5, 750}},
        {"B5 Env (176 x 250 mm)", 1000, 700, 325, 50, {176 * kMm, 250 * kMm}},
        {"C5 Env (162 x 229 mm)", 916, 648, 283, 50, {162 * kMm, 229 * kMm}},
        {"DL Env (110 x 220 mm)", 880, 440, 265, 50, {110 * kMm, 220 * kMm}},
    };
    return sizes;
}

TEnvelopePlacement Place(const TEnvelopeSize& size, double pageWidth, double pageHeight) {
    // The metric sizes' lengths were taken at 25 mm to the inch, so they are a
    // little larger than the envelopes: measured from the page they would put
    // the envelope's edge off the paper.
    const double left = std::max(0.0, pageWidth - size.Length);
    const double top = std::max(0, static_cast<int>((pageHeight - size.Height) / 2));
    return {left + size.ReturnLeft, top + kReturnTop, left + size.DeliveryLeft, top + kDeliveryTop};
}

} // namespace envelope
