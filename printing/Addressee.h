#pragma once

#include <string>

class TKexObject;

// Whom an envelope goes to when printing from a record: a person's or an
// organization's own address under its display name or title, an address
// under its own title; nothing for any other record.
struct TAddressee {
    const TKexObject* Address = nullptr;
    std::string Name;
};

TAddressee EnvelopeAddressee(const TKexObject* record);
