#pragma once

#include "exchange/CsvReader.h"

#include <string>
#include <vector>

class TContactStore;
class TTreeNode;

// One import of a file (or, for favorites, a folder) into the contact tree:
// what the import wizard runs at "Finish" and "merrowin-cli import" runs.
//
// The job runs inside one update scope of the document (each parent it fills
// is sorted once, observers are told once) and counts what it did. An error
// (a file that cannot be read, a damaged line, a record that fails) stops it:
// the records made so far stay, and Error names the file and line.
//
// Usage:
//   TImportRequest r;  r.Type = TImportType::Csv;  r.Path = file;  r.Parent = node;
//   r.Csv.Fields = {"First Name", "Last Name"};
//   TImportResult done = TImportJob(document).Run(r);
//   status bar: done.Summary(); if (!done.Error.empty()) tell the user.

// The sources, in the order of the wizard's list.
enum class TImportType { Transfer, Favorites, Bookmarks, AddressBook, Nicknames, Csv, VCard };

// The command line's names: "tvd", "favorites", "bookmarks", "addressbook",
// "nicknames", "csv", "vcard" (letter case ignored); false for any other.
bool ImportTypeFromName(const std::string& name, TImportType& type);
const std::vector<std::string>& ImportTypeNames();

struct TCsvImport {
    size_t RecordType = 0;           // index into CsvRecordTypes()
    std::vector<std::string> Fields; // the fields of the row's values, in order; with a
                                     // header line and none given, the header's fields
    TCsvOptions Options;
};

struct TImportRequest {
    TImportType Type = TImportType::Csv;
    std::string Path;            // the file; the folder for favorites
    TTreeNode* Parent = nullptr; // where the records (or their folder) go
    TCsvImport Csv;
};

struct TImportResult {
    int Created = 0; // records made from the file's entries (rows, anchors, aliases, links)
    int Folders = 0; // folders made to hold them
    int Skipped = 0; // lines that no record took
    TTreeNode* Folder = nullptr;       // the folder made for the file, if any
    std::vector<std::string> Warnings; // what the import passed over (unreadable folders ...)
    std::string Error;                 // "" when the import ran to its end, else "FILE:LINE: ..."

    // "N records created, M lines skipped"
    std::string Summary() const;
};

class TImportJob {
public:
    explicit TImportJob(TContactStore& document) : FDocument(document) {}

    TImportResult Run(const TImportRequest& request);

private:
    void Dispatch(const TImportRequest& request);
    void ImportTransfer(const TImportRequest& request);
    void ImportFavorites(const TImportRequest& request);
    void ImportPage(const TImportRequest& request, bool addressBook);
    void ImportNicknames(const TImportRequest& request);
    void ImportCsv(const TImportRequest& request);
    void ImportVCard(const TImportRequest& request);

    TTreeNode* MakeFolder(const std::string& title, TTreeNode* parent);
    // The file a source reads: the path itself, or for a folder the file
    // that find looks for in it.
    static std::string SourceFile(const std::string& path, std::string (*find)(const std::string&));

    TContactStore& FDocument;
    TImportResult FResult;
    std::vector<TTreeNode*> FFilled; // parents given new nodes, sorted once at the end
    std::string FFile;               // where the import is, for the error
    int FLine = 0;
};
