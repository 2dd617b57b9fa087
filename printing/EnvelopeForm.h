#pragma once

#include "report/EnvelopeSize.h"
#include "report/Report.h"

#include <string>
#include <vector>

class TKexObject;

// "Envelope": the return address at the top left and the delivery address
// in the middle of one envelope, printed landscape on the envelope's size.
class TEnvelopeForm {
public:
    TEnvelopeForm();
    TEnvelopeForm(const TEnvelopeForm&) = delete;
    TEnvelopeForm& operator=(const TEnvelopeForm&) = delete;

    // The delivery address of a contact: the name and the street lines that
    // are not empty, then "City, State" and "Postal Country", which are
    // always there (", " when the address has neither city nor state).
    static std::vector<std::string> DeliveryLines(const std::string& name,
                                                  const TKexObject& address);

    // The addresses are lines separated by "\n"; with omitReturn no return
    // address is printed.
    void SetEnvelope(const TEnvelopeSize& size, const std::string& delivery,
                     const TReportFont& deliveryFont, const std::string& returnAddress,
                     const TReportFont& returnFont, bool omitReturn);

    TReport Report;

private:
    TReportText* FReturn = nullptr;
    TReportText* FDelivery = nullptr;
};
