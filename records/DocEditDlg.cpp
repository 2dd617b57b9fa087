#include "records/DocEditDlg.h"

#include "platform/FileIO.h"
#include "platform/Services.h"
#include "platform/ViewFactory.h"
#include "records/DocObject.h"

void TDocEditDlg::BrowseBtnClick() {
    IViewFactory* views = Svc().Views;
    if (!views) return;
    std::optional<std::string> file =
        views->OpenFileName("Open", fileio::ExtractFilePath(FilenameEdit), "", true);
    if (!file || file->empty()) return;
    TitleEdit = fileio::ExtractFileName(*file);
    FilenameEdit = *file;
    Changed();
}

bool TDocEditDlg::Apply(TDocObject& doc) const {
    if (TitleEdit.empty() || FilenameEdit.empty()) return false;
    doc.SetTitle(TitleEdit);
    doc.SetTarget(FilenameEdit);
    doc.SetComment(CommentEdit);
    doc.UpdateIcon();
    return true;
}

bool TDocEditDlg::EditNewRecord(TDocObject& doc) {
    TDocEditDlg dlg;
    dlg.TitleEdit = "New Document";
    dlg.FilenameEdit = doc.GetTarget();
    dlg.CommentEdit = doc.GetComment();
    dlg.BindCategories(doc);
    if (dlg.ShowModal() != mrOk) return false;
    return dlg.Apply(doc);
}

void TDocEditDlg::EditRecord(TDocObject& doc) {
    TDocEditDlg dlg;
    dlg.TitleEdit = doc.GetTitle();
    dlg.FilenameEdit = doc.GetTarget();
    dlg.CommentEdit = doc.GetComment();
    dlg.BindCategories(doc);
    if (dlg.ShowModal() == mrOk) dlg.Apply(doc);
}
