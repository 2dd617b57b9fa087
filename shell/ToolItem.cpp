#include "shell/ToolItem.h"

#include "platform/ImageList.h"
#include "platform/Services.h"
#include "platform/ShellService.h"

TToolItem::TToolItem(std::string description, const std::string& fileName, std::string arguments,
                     const std::string& allowAddress)
    : Description(std::move(description)), Arguments(std::move(arguments)),
      AllowAddress(allowAddress == "1") {
    SetFileName(fileName);
}

TToolItem::TToolItem(const TToolOption& option)
    : TToolItem(option.Description, option.FileName, option.Arguments,
                option.AllowAddress ? "1" : "0") {}

void TToolItem::SetFileName(const std::string& fileName) {
    FFileName = fileName;
    IImageList* images = Svc().Images;
    if (!images) {
        FImageIndex = kGenericDocumentImage;
        return;
    }
    if (FImageIndex < 0 || FImageIndex == kGenericDocumentImage)
        FImageIndex = images->AddProgramIcon(fileName);
    else
        images->ReplaceProgramIcon(FImageIndex, fileName);
}

void TToolItem::Start() const {
    Run("");
}

void TToolItem::Start(const std::string& text) const {
    Run(Arguments.empty() && text.empty() ? std::string() : Arguments + " " + text);
}

void TToolItem::Run(const std::string& parameters) const {
    // The program runs in its own folder.
    size_t slash = FFileName.find_last_of('/');
    std::string folder =
        slash == std::string::npos ? std::string() : FFileName.substr(0, slash + 1);
    Svc().UseShell().Open(FFileName, parameters, folder, 1);
}
