#include "exchange/jobs/ImportWizard.h"
#include "platform/AskUser.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "shell/MainForm.h"
#include "store/ContactStore.h"
#include "store/TreeNode.h"

void TMainForm::ImportBtnClick() {
    TImportWizard wizard;
    wizard.SetParent(Selected ? Selected : Document.Root());
    wizard.Execute();
    if (!wizard.Imported) return;
    // The import ran in one update of the document: the list was filled again
    // at its end with the same rows selected, and the tree held its place.
    const TImportResult& done = wizard.Result;
    std::string text = done.Summary();
    if (done.Folder) text += " in \"" + done.Folder->Text() + "\"";
    if (!done.Warnings.empty())
        text += " (" + std::to_string(done.Warnings.size()) + " passed over)";
    StatusPanels[0] = text;
    if (FView) FView->StatusChanged();
    if (!done.Error.empty() || !done.Warnings.empty()) {
        std::string message = done.Error.empty() ? "The import passed over:" : done.Error;
        for (const std::string& w : done.Warnings)
            message += "\n" + w;
        message += "\n\n" + text + ".";
        AskUser(message, "Import", mb::Ok | (done.Error.empty() ? mb::IconWarning : mb::IconError));
    }
}
