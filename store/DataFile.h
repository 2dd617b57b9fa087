#pragma once

#include <string>
#include <vector>

class TTreeNode;
class TTreeNodes;

// The data file "tavi.dat" in the program's folder, and transfer files.
inline constexpr const char* kDataFileName = "tavi.dat";
inline constexpr const char* kBackupFileName = "tavi.bak";
inline constexpr const char* kClipFileName = "clipdata.dat";
inline constexpr const char* kDataFileHeader = "{Params}";

// Reads "tavi.dat" below the root node. Only a missing file leaves the tree
// as it is. A file that cannot be read whole (no permission, not a regular
// file, a read error) raises EInOutError and adds nothing. A damaged file
// raises EInOutError with its line; what was read stays. After either, the
// next SaveDataFile first keeps the file as "tavi.bak", and writes nothing
// while the file cannot be read.
void LoadDataFile(TTreeNode* root);

// Reads a transfer file below node: only a name whose extension is ".tvd"
// (any case) or exactly "clipdata.dat"; any other name, or a file that cannot
// be opened, loads nothing.
void LoadTransferFile(TTreeNode* node, const std::string& fileName);
bool IsTransferFileName(const std::string& fileName);

// Reads a transfer text below node (the paste and the transfer files).
void ReadTransferText(TTreeNode* node, const std::string& text, const std::string& fileName);

// The comma-separated export's settings: the chosen column names followed by
// one last entry, the kind code of the records to export; and whether a
// header row is written.
struct TCsvExport {
    std::vector<std::string> CsvFields;
    bool CsvHeader = false;
};

// Writes node and its descendants to fileName: records (a transfer file; tree
// records without their categories, whose names mean nothing to another user,
// unless keepCategories) or, with csv, comma-separated rows. Records that the
// category filter hides are left out.
void WriteSubtree(TTreeNode* node, const std::string& fileName, bool asCsv,
                  const TCsvExport* csv = nullptr, bool keepCategories = false);

// Writes the whole tree to "tavi.dat" by the rules of
// fileio::WriteFileReplacing (the file is replaced whole or not at all, a link
// stays a link, owner, group and mode stay). Raises EInOutError.
void SaveDataFile(TTreeNodes& nodes);
