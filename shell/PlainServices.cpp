#include "shell/PlainServices.h"

#include "shell/RecordKinds.h"

TPlainServices::TPlainServices(const std::string& programFolder, const std::string& settingsFile)
    : Settings(settingsFile) {
    Services.ProgramFolder = programFolder;
    Services.Settings = &Settings;
    Services.Clock = &Clock;
    Services.Random = &Random;
    Services.Locale = &Locale;
    InstallServices(&Services);
    RegisterRecordKinds();
}

TPlainServices::~TPlainServices() {
    InstallServices(nullptr);
}
