#pragma once

#include "platform/FormPresenter.h"

#include <string>
#include <vector>

class TToolItems;
class TToolItem;

// The options dialog "Options": the preferred browser and how mail to
// Internet addresses goes out, the tools, and the 32 category names.
// Changes to the tools act on the program's tool list at once, so they hold
// even when the dialog is cancelled; everything else is written on OK.
class TOptionPages : public TFormPresenter {
public:
    static constexpr int kHelpContext = 1040;

    explicit TOptionPages(TToolItems& tools);
    std::string FormName() const override { return "TOptionPages"; }

    // --- "Browser/Mail" ------------------------------------------------------
    std::string DDE;                   // the preferred browser
    std::vector<std::string> DDEItems; // the browsers to choose from
    std::string Path;                  // the browser's program
    int DebugPort = 0;                 // where a Chromium-family browser answers
    int EMailOpt = 0;                  // the checked button, 1 to 3; 0 none

    // --- "Tools Menu" -----------------------------------------------------------
    std::vector<TToolItem*> ToolsList; // each shown with its icon and description
    int ToolsListIndex = -1;
    std::string Description;
    std::string FilenameEdit;
    std::string Arguments;
    bool AddressCheckBox = false;

    // --- "Categories" -------------------------------------------------------------
    std::vector<std::string> CatList;
    int CatListIndex = -1;
    std::string CatName;

    // The control with the focus as the dialog closes, by name ("CatName").
    std::string ActiveControl;
    // The control a handler wants focused next (the view takes it and clears it).
    std::string FocusControl;

    // Handlers.
    void FormCreate();
    // The dialog closed with result: a pending category name is committed,
    // then everything but the tools is written unless it was cancelled.
    void FormClose(TModalResult result);
    void OKBtnClick() { SetModalResult(mrOk); }
    void CancelBtnClick() { SetModalResult(mrCancel); }
    void SelectPathClick();
    void ToolsListClick(int index);
    // Leaving "Description", "FilenameEdit" or "Arguments", or a click on
    // "AddressCheckBox": the attributes go into the selected tool.
    void AttributesChange(const std::string& sender);
    void NewToolBtnClick();
    void DelToolBtnClick();
    void CatListClick(int index);
    void CatNameExit();

    // The tool selected in ToolsList, or null.
    TToolItem* SelectedTool() const;

    static constexpr const char* kInvalidFileText =
        "Only programs (executable files or desktop entries) may be used as Tools";

private:
    void ShowAttributes();

    TToolItems& FTools;
};
