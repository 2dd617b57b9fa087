#pragma once

#include "records/OKBottomDlg.h"

#include <string>

// The folder dialog ("Folder"): title (at most 40 characters) and comment
// (at most 255).
class TFolderEditDlg : public TOKBottomDlg {
public:
    TFolderEditDlg() { Caption = "Folder"; }
    std::string FormName() const override { return "TFolderEditDlg"; }

    std::string FolderTitle;
    std::string FolderComment;

    static constexpr int kTitleMax = 40;
    static constexpr int kCommentMax = 255;

    // The folder's properties: fills the boxes, and on OK sets the title and
    // the comment; categories chosen through CatSelect stay whatever the outcome.
    static void EditRecord(TKexObject& folder);
};
