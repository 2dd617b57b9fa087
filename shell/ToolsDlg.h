#pragma once

#include "platform/FormPresenter.h"

#include <string>
#include <vector>

class TToolItems;
class TToolItem;

// The "Tools" window: starts a configured tool, or picks one for a new tool
// item ("&New Address...", result Yes).
class TToolsDlg : public TFormPresenter {
public:
    explicit TToolsDlg(const TToolItems& tools);
    std::string FormName() const override { return "TToolsDlg"; }

    std::vector<TToolItem*> ToolsList;
    int ToolsListIndex = -1;
    bool LaunchBtnEnabled = false;
    bool AddrBtnEnabled = false;

    // The tool chosen for "&New Address...", or null.
    TToolItem* Chosen() const { return FChosen; }

    // Handlers.
    void FormCreate();
    void ToolsListClick(int index);
    // Also the list's double click.
    void LaunchBtnClick();
    void AddrBtnClick();
    void CloseBtnClick() { SetModalResult(mrCancel); }

private:
    TToolItem* Selected() const;

    const TToolItems& FTools;
    TToolItem* FChosen = nullptr;
};
