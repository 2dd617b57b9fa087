#include "records/FolderObject.h"

#include "records/FolderEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"

TFolderObject::TFolderObject(uint8_t kind, const std::string& title, const std::string& target,
                             const std::string& comment, int32_t objectId,
                             const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TFolderObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, "{Fold}") != 0) return;
    SetCategories(container::ReadCategories(line, "{Fold}"));
}

bool TFolderObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, "{Fold}", GetCategories());
    return true;
}

void TFolderObject::EditProperties() {
    TFolderEditDlg::EditRecord(*this);
}

void TFolderObject::WriteHtmlContent(TTextWriter& f, bool /*withVCards*/) const {
    container::WriteHeading(*this, f, true);
    f.WriteLn("<blockquote>");
    for (const auto& item : Items())
        item->WriteHtmlContent(f, false);
    f.WriteLn("</blockquote>");
}

void TFolderObject::WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const {
    container::WriteIndexLink(
        *this, f, pageName,
        "<img src=\"folder.gif\" align=bottom border=0 hspace=5 width=15 height=13>");
}
