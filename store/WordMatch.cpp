#include "store/WordMatch.h"

#include "platform/Locale.h"
#include "platform/Services.h"

std::string LowerCase(const std::string& text) {
    return Svc().UseLocale().LowerCase(text);
}

bool WordStartMatches(const std::string& title, const std::string& lowerText) {
    const std::string lower = LowerCase(title);
    const size_t p = lower.find(lowerText);
    return p != std::string::npos && (p == 0 || lower[p - 1] == ' ');
}
