#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a desktop entry (".desktop" file) says about the program it starts:
// the keys of its [Desktop Entry] group that matter here, their string
// escapes undone. Localised keys ("Name[de]") are left aside.
struct TDesktopEntry {
    std::string Name;
    std::string Exec;
    std::string Icon;
    std::string Path; // the working folder the entry asks for

    // The entry in file; nullopt when it cannot be read or has no
    // [Desktop Entry] group.
    static std::optional<TDesktopEntry> Read(const std::string& file);
    // A file named like a desktop entry (".desktop", letter case ignored).
    static bool IsDesktopFile(const std::string& file);

    // The words of an Exec line: blanks separate, "..." quotes (in which \"
    // \` \$ \\ stand for their character), and the field codes (%f, %U, %i
    // ...) are dropped, %% is one %. Nothing else is interpreted: no
    // variables, no globs, no command interpreter.
    static std::vector<std::string> ExecWords(std::string_view exec);
};

// A program the user may configure as a tool: a regular file with an
// execute bit, or a desktop entry with an Exec line.
bool IsProgramFile(const std::string& path);

// The name a program goes by: a desktop entry's Name, else the file name
// without its folder and without its extension, if it has one.
std::string ProgramDisplayName(const std::string& path);
