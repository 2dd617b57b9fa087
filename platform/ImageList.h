#pragma once

#include <string>

// The item image lists of the main window. Fixed images are the kind codes
// 0..12 (10 doubles as the open folder, 11 the due reminder, 12 the root) and
// 13, the generic document; icons added at run time get the next positions.
class IImageList {
public:
    virtual ~IImageList() = default;
    // Adds the icon the desktop associates with a file; answers its position.
    virtual int AddFileIcon(const std::string& path) = 0;
    // Replaces the image at index with the icon of path.
    virtual void ReplaceFileIcon(int index, const std::string& path) = 0;
    // Adds a program's own icon; answers its position.
    virtual int AddProgramIcon(const std::string& programPath) = 0;
    // Replaces the image at index with the icon of another program.
    virtual void ReplaceProgramIcon(int index, const std::string& programPath) = 0;
};

inline constexpr int kGenericDocumentImage = 13;
