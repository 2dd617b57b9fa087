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
