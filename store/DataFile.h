#pragma once

#include "store/FilterState.h"

#include <string>
#include <vector>

class TTreeNode;
class TTreeNodes;

// The data file "tavi.dat" in the program's folder, and transfer files.
inline constexpr const char* kDataFileName = "tavi.dat";
inline constexpr const char* kBackupFileName = "tavi.bak";
inline constexpr const char* kClipFileName = "clipdata.dat";
inline constexpr const char* kDataFileHeader = "{Params}";

// Reads the data file at path below the root node. Only a missing file leaves
// the tree as it is. A file that cannot be read whole (no permission, not a
// regular file, a read error) raises EInOutError and adds nothing. A damaged
// file raises EInOutError with its line; what was read stays. After either,
// TContactStore keeps the file as "tavi.bak" at its next save, and writes
// nothing while the file cannot be read.
void LoadDataFile(TTreeNode* root, const std::string& path);
// The same for the data file's text already read (fileName names it in
// errors).
void LoadDataText(TTreeNode* root, const std::string& text, const std::string& fileName);

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

// How WriteSubtree writes.
struct TSubtreeWrite {
    // Comma-separated rows with these columns (see TCsvExport) instead of
    // records.
    const TCsvExport* Csv = nullptr;
    // Records keep their categories. A transfer file for another user leaves
    // them out: their names mean nothing there.
    bool KeepCategories = false;
    // Records this filter hides are left out (the default hides none).
    TFilterState Filter;
};

// Writes node and its descendants to fileName: records (a transfer file) or
// comma-separated rows.
void WriteSubtree(TTreeNode* node, const std::string& fileName, const TSubtreeWrite& how = {});

// Writes the whole tree to the data file at path by the rules of
// fileio::WriteFileReplacing (the file is replaced whole or not at all, a link
// stays a link, owner, group and mode stay). Raises EInOutError.
void SaveDataFile(TTreeNodes& nodes, const std::string& path);
