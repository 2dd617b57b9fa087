#pragma once

#include <optional>
#include <string>

// What goes on the clipboard: the transfer text under the program's private
// format, and (for a single detail item) a plain-text form beside it.
struct TClipboardData {
    std::optional<std::string> Private;
    std::optional<std::string> Plain;
};

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and places the given forms.
    virtual void SetData(const TClipboardData& data) = 0;
    // The private-format text, or nullopt when the clipboard holds none.
    virtual std::optional<std::string> PrivateText() const = 0;
};

// Name of the private clipboard format (the MIME type is derived from it).
inline constexpr const char* kPrivateClipboardFormat = "TESSALIN";
