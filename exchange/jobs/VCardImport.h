#pragma once

#include <string>

class TTreeNode;
class TVCardFile;

// What a card that names an organization ("ORG") becomes: ask the user
// (TVCImportDlg; without a desktop that is a person), or decide for all.
enum class TCardOrgMode { Ask, Person, Organization };

// What an import did, for the user to be told.
struct TVCardImport {
    int CardsRead = 0;
    int RecordsCreated = 0;
    int Organizations = 0; // among the records created
    int Skipped = 0;       // empty cards: nothing in them to make a record of

    // "12 cards read, 12 records created (3 organizations), 0 skipped"
    std::string Summary() const;
};

// Reads the file and makes a person or an organization of every card below
// parent, in file order, inside one update scope of parent's document. A file
// that cannot be read raises EInOutError ("File not found") before anything
// is created.
TVCardImport ImportVCardFile(const std::string& fileName, TTreeNode* parent,
                             TCardOrgMode mode = TCardOrgMode::Ask);
// The same for cards already read (the import wizard keeps its file).
TVCardImport ImportVCardCards(const TVCardFile& file, TTreeNode* parent,
                              TCardOrgMode mode = TCardOrgMode::Ask);
