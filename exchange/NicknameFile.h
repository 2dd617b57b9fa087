#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading a mail program's nickname file ("nndbase.txt").
//
// Lines that begin with "alias" name a nickname and its addresses:
//   alias bob "Bob Smith" <bob@example.com>
// The line is split as comma text (blanks and commas separate, double quotes
// hold blanks); after "alias", the first item is the nickname and the first
// further item holding "@" is the address, each without one "<", ">" or
// double quote at either end. An alias without an address gives no entry.
// Lines that begin with "note" give a nickname's note: the text after the
// nickname ("note bob likes tea" gives "likes tea"). Other lines are not read.
// A UTF-8 byte-order mark is dropped; a file that is not UTF-8 is read as
// Windows-1252.
//
// Usage (the nickname page, the command line):
//   std::string file = FindNicknameFile(dir);          // "" when none
//   for (const TNickname& n : ReadNicknameFile(file).Entries)
//       e-mail item titled n.Nickname, target n.Address, comment n.Note

struct TNickname {
    std::string Nickname;
    std::string Address;
    std::string Note; // of the last note line for this nickname, "" for none
    int Line = 0;     // the alias line
};

struct TNicknameFile {
    std::vector<TNickname> Entries; // in file order
};

// Raises EInOutError when the file cannot be read and EImportError (with
// the line) when it holds a NUL byte.
TNicknameFile ReadNicknameFile(const std::string& fileName);
TNicknameFile ParseNicknameFile(std::string bytes, const std::string& fileName = {});

// "nndbase.txt" in a folder (letter case ignored): its path, or "".
std::string FindNicknameFile(const std::string& folder);
