#pragma once

#include "exchange/WizardForm.h"

#include <cstdint>
#include <string>
#include <vector>

class TTreeNode;

// "Publishing Wizard": writes one node of the tree and everything below it as
// a transfer file, a set of HTML pages, a comma-separated file of one record
// kind, or one person's or organization's vCard. Fields are named like the
// form's controls; the view shows them and writes the user's edits back
// before it calls a handler.
class TExportWizard : public TWizardForm {
public:
    TExportWizard();
    std::string FormName() const override { return "TExportWizard"; }

    // Index of ExportType's entries.
    enum { etTransfer = 0, etHtml = 1, etCsv = 2, etVCard = 3 };

    void SetParent(TTreeNode* node);
    void FormShow();
    void ExportTypeChange();
    void BkgComboBoxChange();
    void BrowseBkgButtonClick();
    void TextColorComboChange(); // both colour lists
    void RecTypeComboChange();
    void CopyRtBtnClick();
    void CopyLtBtnClick();
    bool ListBox2DragOver() const { return true; }
    // Moves ListBox2's entry from its index to the index of the entry under
    // the drop point; a drop below the last entry moves it to the end.
    void ListBox2DragDrop(int from, int to);
    void PageChange();
    void NextBtnClick() override;
    void PrevBtnClick() override;
    // Writes the chosen form after OK. False when the wizard stays open: a
    // refused file name (focus to its edit) or a file that could not be
    // written (reported with its name).
    bool FormClose();

    void ShowPreview(const std::string& bitmapPath);
    static uint32_t ColorOfIndex(int index);
    // Each selected entry of source goes, in its order, to the top of target.
    static void MoveSelected(std::vector<std::string>& source, std::vector<int>& selected,
                             std::vector<std::string>& target);

    TTreeNode* DestNode = nullptr;
    std::string Label4; // the node's path

    std::vector<std::string> ExportTypeItems;
    int ExportType = 0;

    std::string DirectoryListBox1, DirectoryListBox2, DirectoryListBox3, DirectoryListBox4;
    std::string Edit1, Edit2, Edit3; // transfer, CSV and vCard file names

    int LevelsEdit = 0; // 0 to 9
    bool FramesCheckBox = true;

    std::vector<std::string> BkgComboBoxItems;
    std::string BkgComboBox;
    std::vector<std::string> ColorItems; // both colour lists
    int TextColorCombo = 1;
    int LinkColorCombo = 7;
    bool IncludeTVD = true;
    bool IncludeVCard = true;
    std::string StartPageEdit;
    std::string TitleEdit;

    std::vector<std::string> RecTypeItems;
    std::vector<int> RecTypeImages; // small image list index per entry
    int RecTypeCombo = 0;
    std::vector<std::string> ListBox1; // available fields
    std::vector<int> ListBox1Selected;
    std::vector<std::string> ListBox2; // fields to export, in order
    std::vector<int> ListBox2Selected;
    bool FieldNamesCheck = true;

    std::string BackgroundsDir;
    std::string IconsDir;
    std::string BackgroundGif; // full path of the pages' background, "" for none
    std::string BackgroundBmp; // full path of the preview picture, "" for a plain preview

    // What BkgImage shows: the picture (may be "") and the two colours.
    std::string PreviewPicture;
    uint32_t PreviewTextColor = 0;
    uint32_t PreviewLinkColor = 0;

    std::string FocusControl;  // the control that gets the focus, after a refusal
    std::string PublishedPage; // the main page of the last site written

    static constexpr int kHelpContext = 1045;
    static constexpr int kPreviewWidth = 137;
    static constexpr int kPreviewHeight = 129;

private:
    bool Refuse(const std::string& text, const char* control);
    void OfferToOpen();
};
