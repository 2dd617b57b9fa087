#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TDocObject;

// The document dialog ("Document"): title, file name with a "Browse..."
// button, comment.
class TDocEditDlg : public TOKBottomDlg {
public:
    TDocEditDlg() { Caption = "Document"; }
    std::string FormName() const override { return "TDocEditDlg"; }

    std::string TitleEdit;
    std::string FilenameEdit;
    std::string CommentEdit;

    // Picks an existing file, starting in the folder of the current file
    // name; the title becomes the file's name.
    void BrowseBtnClick();

    // A new document: false when cancelled or when the title or the file
    // name is left empty (the caller then deletes the record).
    static bool EditNewRecord(TDocObject& doc);
    // An existing document: an OK with an empty title or file name changes
    // nothing.
    static void EditRecord(TDocObject& doc);

private:
    // Stores the boxes when the title and file name are filled in.
    bool Apply(TDocObject& doc) const;
};
