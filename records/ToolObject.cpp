#include "records/ToolObject.h"

#include "platform/FileIO.h"
#include "platform/ImageList.h"
#include "platform/MainWindow.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "records/ToolEdit.h"
#include "store/FieldText.h"

TToolObject::TToolObject(uint8_t kind, const std::string& title, const std::string& target,
                         const std::string& comment, int32_t objectId, const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId), FIconIndex(kGenericDocumentImage) {
    ReadClassLine(classLine);
    // The only link to the configured tool is the program's path: a tool
    // removed from the options leaves its items with the generic image.
    if (const IMainWindow* mw = Svc().MainWindow) FIconIndex = mw->ToolImageIndex(FToolFileName);
}

void TToolObject::ListFields(TFieldList& fields) const {
    fields.emplace_back("ToolFileName", FToolFileName);
    fields.emplace_back("ToolArguments", FToolArguments);
    fields.emplace_back("IconIndex", static_cast<int64_t>(FIconIndex));
}

int TToolObject::GetImageIndex() const {
    return FIconIndex;
}

void TToolObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> fields;
    if (!SplitClassLine(line, "{Tool}", fields)) return;
    // A line cut short keeps what it has; the Tools dialog writes one
    // without the categories, from settings text that may end in "~".
    FToolFileName = fieldtext::SafeField(fields[0]);
    if (fields.size() < 2) return;
    FToolArguments = fieldtext::SafeField(fields[1]);
    if (fields.size() < 3) return;
    bool ok = false;
    int32_t categories = fieldtext::LeadingInt(fields[2], ok);
    if (ok) SetCategories(static_cast<uint32_t>(categories));
}

bool TToolObject::AppendClassLine(std::string& out) const {
    out += "{Tool}";
    out += FToolFileName;
    out += fieldtext::kSeparator;
    out += FToolArguments;
    out += fieldtext::kSeparator;
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TToolObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peLaunch);
}

bool TToolObject::EditNew(TTreeNode* /*created*/) {
    return TToolEdit::EditNewRecord(*this);
}

void TToolObject::DefaultAction() {
    Launch();
}

void TToolObject::EditProperties() {
    TToolEdit::EditRecord(*this);
}

void TToolObject::Launch() {
    IShell& shell = Svc().UseShell();
    std::string parameters = GetTarget() + " " + FToolArguments;
    // A lone blank means neither an address nor arguments: start it bare.
    if (parameters.size() < 2) parameters.clear();
    shell.Open(FToolFileName, parameters, fileio::ExtractFilePath(FToolFileName), 1);
}
