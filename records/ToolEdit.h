#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TToolObject;

// The tool item dialog ("Custom Tool"): title, target address and comment,
// with the tool's icon.
class TToolEdit : public TOKBottomDlg {
public:
    TToolEdit() { Caption = "Custom Tool"; }
    std::string FormName() const override { return "TToolEdit"; }

    std::string TitleEdit;
    std::string Address;
    std::string CommentEdit;
    int Image1 = 0; // image index of the tool's icon

    // A new tool item, opened with the title its creator gave it: false when
    // cancelled or the title is left empty. The address may stay empty.
    static bool EditNewRecord(TToolObject& tool);
    // An existing tool item: an OK with an empty title changes nothing.
    static void EditRecord(TToolObject& tool);

private:
    void Fill(const TToolObject& tool);
    bool Apply(TToolObject& tool) const;
};
