#pragma once

#include "platform/Clipboard.h"

// The program's private MIME type for the transfer text.
inline constexpr const char* kTransferMimeType = "application/x-merrowin-transfer";

// The desktop clipboard: the transfer text under the private MIME type, the
// plain-text form (when there is one) as text/plain beside it.
class TQtClipboard : public IClipboard {
public:
    void SetData(const TClipboardData& data) override;
    std::optional<std::string> PrivateText() const override;
};
