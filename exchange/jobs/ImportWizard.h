#pragma once

#include "exchange/WizardForm.h"
#include "exchange/jobs/ImportJob.h"

#include <string>
#include <vector>

class TTreeNode;

// "Import Wizard": the user picks a source on the first page, goes through
// its one or two pages and presses "Finish"; the import then runs (FormClose)
// and Result says what it made.
//
// Pages, in the dialog's order, and what the view shows on each:
//   TabSheet1  the source list ImportType
//   TabSheet2  favorites: folder DirectoryListBox1, its path Label3, the
//              destination Label7
//   TabSheet3  transfer file: folder DirectoryListBox2, file FileListBox1 ("*.tvd")
//   TabSheet4  bookmark page: folder NavDirListBox, status Label10
//   TabSheet5  address-book page: folder NavAddrDirList, status Label12
//   TabSheet6  nickname file: folder EudoraDirList, status Label13
//   TabSheet8  CSV fields: record type RecTypeCombo, ListBox1 (available,
//              several selected), ListBox2 (to import, in order), HeaderCheck
//              ("First line holds field names": the file's first line then
//              chooses the fields, so "Next >>" needs none chosen here)
//   TabSheet7  CSV file: folder DirectoryListBox3, file FileListBox2 with the
//              mask of FilterComboBox2, SepCharCombo, EncodingCombo, the
//              header's fields in HeaderLabel
//   TabSheet9  vCard file: folder DirectoryListBox4, file FileListBox3 ("*.vcf")
// Folder fields hold a full path; file fields the full path of the selected
// file ("" for none). The view calls the *Change handlers when the user
// picks another folder or file.
class TImportWizard : public TWizardForm {
public:
    TImportWizard();
    std::string FormName() const override { return "TImportWizard"; }

    // Where the records go; Label7 shows its path.
    void SetParent(TTreeNode* node);
    // Shows the wizard (FormShow, then the dialog) and imports on "Finish".
    TModalResult Execute();

    // --- handlers ------------------------------------------------------------
    void FormShow();
    void ImportTypeChange();
    void NextBtnClick() override;
    void PrevBtnClick() override;
    void PageChange();
    // The favorites folder list gets the focus: the first time, it goes to
    // the home folder.
    void DirectoryListBox1Enter();
    void DirectoryListBox1Change();
    void NavDirListBoxChange();
    void NavAddrDirListChange();
    void EudoraDirListChange();
    void RecTypeComboChange();
    void CopyRtBtnClick();
    void CopyLtBtnClick();
    bool ListBox2DragOver() const { return true; }
    // Moves the dragged entry to the place of the entry it is dropped on; a
    // drop below the last entry makes it the last.
    void ListBox2DragDrop(int from, int onto);
    // The CSV page: a file picked, the mask, the separator, the header box,
    // the encoding.
    void FileListBox2Change();
    void FilterComboBox2Change();
    void SepCharComboChange();
    void HeaderCheckClick();
    void EncodingComboChange();
    // Runs the import when the dialog closed with OK.
    void FormClose(TModalResult result);

    // Moves the selected entries of source to the top of target, in their
    // order, before what target held.
    static void MoveSelected(std::vector<std::string>& source, std::vector<bool>& selected,
                             std::vector<std::string>& target);

    // What Finish asks of the import job (no file chosen: Path "").
    TImportRequest Request() const;

    // --- the controls ------------------------------------------------------------
    std::vector<std::string> ImportTypeItems;
    int ImportType = 0;

    std::string DirectoryListBox1;
    std::string Label3;
    std::string Label7;

    std::string DirectoryListBox2;
    std::string FileListBox1;

    std::string NavDirListBox;
    std::string Label10 = "None Found";
    std::string NavAddrDirList;
    std::string Label12 = "None Found";
    std::string EudoraDirList;
    std::string Label13 = "None Found";

    int RecTypeCombo = 0;
    std::vector<std::string> ListBox1;
    std::vector<bool> ListBox1Selected;
    std::vector<std::string> ListBox2;
    int ListBox2Index = -1;

    std::string DirectoryListBox3;
    std::string FileListBox2;
    std::vector<std::string> FilterComboBox2Items;
    int FilterComboBox2 = 0;
    std::string FileListBox2Mask = "*.CSV";
    int SepCharCombo = 0;
    bool HeaderCheck = false;
    std::string EncodingCombo;
    bool EncodingComboEnabled = true;
    std::string HeaderLabel; // the fields the header line names, or why none

    std::string DirectoryListBox4;
    std::string FileListBox3;

    // --- state -------------------------------------------------------------------
    TTreeNode* DestNode = nullptr;
    int RootLevel = 0;
    bool FirstEnter = true;
    TImportResult Result;
    bool Imported = false; // the import ran (the dialog closed with OK)

    static constexpr int kClientWidth = 434;
    static constexpr int kClientHeight = 292;

private:
    TCsvOptions CsvOptions() const;
    bool FieldsChosen() const;
    // The header line's fields preselect the fields to import.
    void ApplyHeader();
    void EnableNextForFields();
    // The found file of a page's folder, for Finish.
    std::string FoundBookmarkFile() const;
    std::string FoundAddressFile() const;
    std::string FoundNicknameFile() const;
};
