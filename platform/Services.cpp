#include "platform/Services.h"

#include "platform/FileIO.h"

namespace {
TServices gEmpty;
TServices* gCurrent = &gEmpty;
} // namespace

TServices& Svc() {
    return *gCurrent;
}

void InstallServices(TServices* services) {
    gCurrent = services ? services : &gEmpty;
}

std::string TServices::ProgramFile(const std::string& name) const {
    return fileio::JoinPath(ProgramFolder, name);
}

EServiceMissing::EServiceMissing(const std::string& service)
    : std::logic_error("the " + service + " service is not installed") {}

namespace {
template <typename T>
T& Required(T* service, const char* name) {
    if (!service) throw EServiceMissing(name);
    return *service;
}
} // namespace

ISettings& TServices::UseSettings() const {
    return Required(Settings, "Settings");
}
IBrowserLink& TServices::UseBrowser() const {
    return Required(Browser, "Browser");
}
IMailSystem& TServices::UseMail() const {
    return Required(Mail, "Mail");
}
ITelephony& TServices::UseTelephony() const {
    return Required(Telephony, "Telephony");
}
IShell& TServices::UseShell() const {
    return Required(Shell, "Shell");
}
IClipboard& TServices::UseClipboard() const {
    return Required(Clipboard, "Clipboard");
}
IClock& TServices::UseClock() const {
    return Required(Clock, "Clock");
}
IRandom& TServices::UseRandom() const {
    return Required(Random, "Random");
}
ILocale& TServices::UseLocale() const {
    return Required(Locale, "Locale");
}
