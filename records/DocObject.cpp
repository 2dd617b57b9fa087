#include "records/DocObject.h"

#include "platform/ImageList.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "records/DocEditDlg.h"
#include "store/ContainerRules.h"
#include "store/FieldText.h"

TDocObject::TDocObject(uint8_t kind, const std::string& title, const std::string& target,
                       const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId), FIconIndex(kGenericDocumentImage) {
    if (!GetTarget().empty())
        if (IImageList* images = Svc().Images) FIconIndex = images->AddFileIcon(GetTarget());
    ReadClassLine(classLine);
}

void TDocObject::UpdateIcon() {
    IImageList* images = Svc().Images;
    if (!images || GetTarget().empty()) return;
    // Icons are never removed during a run, so a document keeps its position.
    if (FIconIndex != kGenericDocumentImage)
        images->ReplaceFileIcon(FIconIndex, GetTarget());
    else
        FIconIndex = images->AddFileIcon(GetTarget());
}

void TDocObject::ListFields(TFieldList& fields) const {
    fields.emplace_back("IconIndex", static_cast<int64_t>(FIconIndex));
}

int TDocObject::GetImageIndex() const {
    return FIconIndex;
}

void TDocObject::ReadClassLine(const std::string& line) {
    if (line.compare(0, 6, "{Docs}") != 0) return;
    SetCategories(container::ReadCategories(line, "{Docs}"));
}

bool TDocObject::AppendClassLine(std::string& out) const {
    container::AppendCategoriesLine(out, "{Docs}", GetCategories());
    return true;
}

void TDocObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peLaunch);
}

bool TDocObject::EditNew(TTreeNode* /*created*/) {
    return TDocEditDlg::EditNewRecord(*this);
}

void TDocObject::DefaultAction() {
    Launch();
}

void TDocObject::EditProperties() {
    TDocEditDlg::EditRecord(*this);
}

void TDocObject::Launch() {
    Svc().UseShell().Open(GetTarget(), "", "", 1);
}

void TDocObject::WriteHtmlContent(TTextWriter& /*f*/, bool /*withVCards*/) const {}
