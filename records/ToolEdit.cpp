#include "records/ToolEdit.h"

#include "records/ToolObject.h"

void TToolEdit::Fill(const TToolObject& tool) {
    TitleEdit = tool.GetTitle();
    Address = tool.GetTarget();
    CommentEdit = tool.GetComment();
    Image1 = tool.IconIndex();
}

bool TToolEdit::Apply(TToolObject& tool) const {
    if (TitleEdit.empty()) return false;
    tool.SetTitle(TitleEdit);
    tool.SetTarget(Address);
    tool.SetComment(CommentEdit);
    return true;
}

bool TToolEdit::EditNewRecord(TToolObject& tool) {
    TToolEdit dlg;
    dlg.Fill(tool);
    dlg.BindCategories(tool);
    if (dlg.ShowModal() != mrOk) return false;
    return dlg.Apply(tool);
}

void TToolEdit::EditRecord(TToolObject& tool) {
    TToolEdit dlg;
    dlg.Fill(tool);
    dlg.BindCategories(tool);
    if (dlg.ShowModal() == mrOk) dlg.Apply(tool);
}
