#include "support/TestServices.h"

#include "platform/FileIO.h"
#include "shell/RecordKinds.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

TTempDir::TTempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "merrowin-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    FPath = tmpl;
}

TTempDir::~TTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

TTestServices::TTestServices() {
    Services.ProgramFolder = Home.Path();
    Services.Settings = &Settings;
    Services.Clock = &Clock;
    Services.Random = &Random;
    Services.Locale = &Locale;
    Services.Clipboard = &Clipboard;
    Services.Shell = &Shell;
    Services.Telephony = &Telephony;
    Services.Mail = &Mail;
    Services.Browser = &Browser;
    Services.Images = &Images;
    Services.MainWindow = &MainWindow;
    Services.Views = &Views;
    for (int n = 1; n <= 32; ++n)
        MainWindow.Names.push_back("Cat " + std::to_string(n));
    InstallServices(&Services);
    RegisterRecordKinds();
}

TTestServices::~TTestServices() {
    InstallServices(nullptr);
}

std::string ReadText(const std::string& path) {
    return fileio::TryReadFile(path).value_or("");
}

void WriteText(const std::string& path, const std::string& text) {
    fileio::WriteFileReplacing(path, text);
}

std::string DataPath(const std::string& relative) {
    return std::string(MERROWIN_TEST_DATA) + "/" + relative;
}
