#pragma once

#include "store/Options.h"

#include <string>

// One configured external program: the name shown in the Tools menus, the
// program, the arguments the Tools dialog passes and whether tool items may
// be made for it. Its icon sits in the main window's image lists.
class TToolItem {
public:
    // allowAddress: the stored flag text, "1" for yes.
    TToolItem(std::string description, const std::string& fileName, std::string arguments,
              const std::string& allowAddress);
    explicit TToolItem(const TToolOption& option);

    std::string Description;
    std::string Arguments;
    bool AllowAddress = false;

    const std::string& FileName() const { return FFileName; }
    // A new program: its icon replaces the old one at the same image index.
    void SetFileName(const std::string& fileName);
    // Where the icon is in the image lists; 13, the generic document image,
    // without an image list.
    int ImageIndex() const { return FImageIndex; }

    // From a Tools menu: the program alone.
    void Start() const;
    // From the Tools dialog with the argument text text: Arguments + " " +
    // text, or nothing when both are empty.
    void Start(const std::string& text) const;

    TToolOption Option() const { return {Description, FFileName, Arguments, AllowAddress}; }

private:
    void Run(const std::string& parameters) const;

    std::string FFileName;
    int FImageIndex = -1; // -1: no icon taken yet
};
