#include "records/TeamObject.h"

#include "records/TeamEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"
#include "store/TextWriter.h"

TTeamObject::TTeamObject(uint8_t kind, const std::string& title, const std::string& target,
                         const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    ReadClassLine(classLine);
}

void TTeamObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, "{Team}") != 0) return;
    SetCategories(container::ReadCategories(line, "{Team}"));
}

bool TTeamObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, "{Team}", GetCategories());
    return true;
}

void TTeamObject::EditProperties() {
    TTeamEditDlg::EditRecord(*this);
}

void TTeamObject::WriteHtmlContent(TTextWriter& f, bool /*withVCards*/) const {
    container::WriteHeading(*this, f, false);
    for (const auto& item : Items())
        item->WriteHtmlContent(f, false);
}

void TTeamObject::WriteHtmlIndex(TTextWriter& f, const std::string& pageName) const {
    container::WriteIndexLink(
        *this, f, pageName,
        "<img src=\"team.gif\" align=bottom border=0 hspace=5 width=16 height=16>");
}
