#include "exchange/jobs/ImportWizard.h"

#include "exchange/BookmarkPage.h"
#include "exchange/CsvColumns.h"
#include "exchange/IShortCut.h"
#include "exchange/NicknameFile.h"
#include "exchange/TextEncoding.h"
#include "exchange/UserFolders.h"
#include "platform/FileIO.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "store/TreePath.h"

#include <algorithm>

namespace {

// Every page of the dialog, in its order.
const std::vector<std::string> kAllPages = {"TabSheet1", "TabSheet2", "TabSheet3",
                                            "TabSheet4", "TabSheet5", "TabSheet6",
                                            "TabSheet8", "TabSheet7", "TabSheet9"};

struct TSource {
    const char* Entry;
    std::vector<std::string> Pages;
};

const std::vector<TSource>& Sources() {
    static const std::vector<TSource> sources = {
        {"Merrowin File (*.TVD)", {"TabSheet1", "TabSheet3"}},
        {"Microsoft Internet Explorer Favorites (*.URL)", {"TabSheet1", "TabSheet2"}},
        {"Netscape Bookmarks", {"TabSheet1", "TabSheet4"}},
        {"Netscape Address Book", {"TabSheet1", "TabSheet5"}},
        {"Eudora Nicknames File", {"TabSheet1", "TabSheet6"}},
        {"Comma or Tab-Delimited Text", {"TabSheet1", "TabSheet8", "TabSheet7"}},
        {"vCard File (*.VCF)", {"TabSheet1", "TabSheet9"}},
    };
    return sources;
}

// The masks of the CSV page's filter box, by entry.
const char* const kCsvMasks[] = {"*.CSV", "*.TXT", "*.*"};

// A page's status label for the file found in its folder: the page's title
// and the file's name.
std::string FoundLabel(const std::string& file) {
    if (file.empty()) return "None Found";
    std::string title = GetBMTitle(file);
    std::string name = fileio::ExtractFileName(file);
    return title.empty() ? name : title + " (" + name + ")";
}

} // namespace

TImportWizard::TImportWizard() : TWizardForm(kAllPages) {
    Caption = "Import Wizard";
    HelpContext = 1044;
    for (const TSource& s : Sources())
        ImportTypeItems.emplace_back(s.Entry);
    FilterComboBox2Items = {"Comma Separated (*.CSV)", "Text Files (*.TXT)", "All Files (*.*)"};
    // There is no program folder to start in: every folder list opens in the
    // home folder.
    const std::string home = TUserFolders::FromEnvironment().Home;
    DirectoryListBox1 = DirectoryListBox2 = NavDirListBox = NavAddrDirList = EudoraDirList =
        DirectoryListBox3 = DirectoryListBox4 = home;
    Label3 = home;
}

void TImportWizard::SetParent(TTreeNode* node) {
    DestNode = node;
    RootLevel = node ? node->Level() : 0;
    Label7 = node ? NodePath(node) : std::string();
}

TModalResult TImportWizard::Execute() {
    FormShow();
    TModalResult result = ShowModal();
    FormClose(result);
    return result;
}

void TImportWizard::FormShow() {
    FirstEnter = true;
    ImportType = 0;
    ImportTypeChange();
    RecTypeCombo = 0;
    SepCharCombo = 0;
    RecTypeComboChange();
    NavDirListBoxChange();
    NavAddrDirListChange();
    EudoraDirListChange();
    Changed();
}

void TImportWizard::ImportTypeChange() {
    ShowAllSheets();
    if (ImportType < 0 || ImportType >= static_cast<int>(Sources().size())) return;
    const auto& keep = Sources()[static_cast<size_t>(ImportType)].Pages;
    std::erase_if(Pages, [&keep](const std::string& page) {
        return std::find(keep.begin(), keep.end(), page) == keep.end();
    });
    Changed();
}

void TImportWizard::NextBtnClick() {
    TWizardForm::NextBtnClick();
    PageChange();
}

void TImportWizard::PrevBtnClick() {
    TWizardForm::PrevBtnClick();
    PageChange();
}

void TImportWizard::PageChange() {
    NextBtnEnabled = ActivePage != "TabSheet8" || FieldsChosen();
    Changed();
}

bool TImportWizard::FieldsChosen() const {
    // With a header line the file's first line chooses them.
    return !ListBox2.empty() || HeaderCheck;
}

void TImportWizard::DirectoryListBox1Enter() {
    if (!FirstEnter) return;
    DirectoryListBox1 = ShellFolderPath(sfFavorites, TUserFolders::FromEnvironment());
    FirstEnter = false;
    DirectoryListBox1Change();
}

void TImportWizard::DirectoryListBox1Change() {
    Label3 = DirectoryListBox1;
    Changed();
}

void TImportWizard::NavDirListBoxChange() {
    Label10 = FoundLabel(FoundBookmarkFile());
    Changed();
}

void TImportWizard::NavAddrDirListChange() {
    Label12 = FoundLabel(FoundAddressFile());
    Changed();
}

void TImportWizard::EudoraDirListChange() {
    std::string file = FoundNicknameFile();
    Label13 = file.empty() ? "None Found"
                           : "Found Eudora Address File in this directory (" +
                                 fileio::ExtractFileName(file) + ")";
    Changed();
}

void TImportWizard::RecTypeComboChange() {
    ListBox1.clear();
    ListBox2.clear();
    ListBox2Index = -1;
    const auto& types = CsvRecordTypes();
    if (RecTypeCombo >= 0 && RecTypeCombo < static_cast<int>(types.size()))
        ListBox1 = types[static_cast<size_t>(RecTypeCombo)].Fields;
    ListBox1Selected.assign(ListBox1.size(), false);
    if (HeaderCheck) ApplyHeader();
    if (ActivePage == "TabSheet8") NextBtnEnabled = FieldsChosen();
    Changed();
}

void TImportWizard::MoveSelected(std::vector<std::string>& source, std::vector<bool>& selected,
                                 std::vector<std::string>& target) {
    selected.resize(source.size(), false);
    for (size_t i = source.size(); i-- > 0;) {
        if (!selected[i]) continue;
        target.insert(target.begin(), source[i]);
        source.erase(source.begin() + static_cast<std::ptrdiff_t>(i));
        selected.erase(selected.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void TImportWizard::CopyRtBtnClick() {
    MoveSelected(ListBox1, ListBox1Selected, ListBox2);
    if (!ListBox2.empty()) NextBtnEnabled = true;
    ListBox2Index = ListBox2.empty() ? -1 : 0;
    Changed();
}

void TImportWizard::CopyLtBtnClick() {
    // ListBox2 selects one entry at a time.
    std::vector<bool> selected(ListBox2.size(), false);
    if (ListBox2Index >= 0 && ListBox2Index < static_cast<int>(ListBox2.size()))
        selected[static_cast<size_t>(ListBox2Index)] = true;
    ListBox1Selected.resize(ListBox1.size(), false);
    const size_t before = ListBox1.size();
    MoveSelected(ListBox2, selected, ListBox1);
    ListBox1Selected.insert(ListBox1Selected.begin(), ListBox1.size() - before, false);
    ListBox2Index = -1;
    if (!FieldsChosen()) NextBtnEnabled = false;
    Changed();
}

void TImportWizard::ListBox2DragDrop(int from, int onto) {
    const int count = static_cast<int>(ListBox2.size());
    if (from < 0 || from >= count) return;
    if (onto < 0 || onto >= count) onto = count - 1;
    if (onto == from) return;
    std::string moved = ListBox2[static_cast<size_t>(from)];
    ListBox2.erase(ListBox2.begin() + from);
    ListBox2.insert(ListBox2.begin() + onto, std::move(moved));
    ListBox2Index = onto;
    Changed();
}

TCsvOptions TImportWizard::CsvOptions() const {
    TCsvOptions o;
    const auto& names = SeparatorNames();
    if (SepCharCombo >= 0 && SepCharCombo < static_cast<int>(names.size()))
        SeparatorFromName(names[static_cast<size_t>(SepCharCombo)], o.Separator);
    o.Encoding = EncodingComboEnabled ? EncodingCombo : std::string();
    o.HeaderLine = HeaderCheck;
    return o;
}

void TImportWizard::FileListBox2Change() {
    // What the file says about its encoding: a byte-order mark or UTF-16
    // decides; otherwise the list offers UTF-8 when the file is valid UTF-8.
    EncodingCombo.clear();
    EncodingComboEnabled = true;
    if (!FileListBox2.empty()) {
        if (auto bytes = fileio::TryReadFile(FileListBox2)) {
            using textencoding::TUnicodeForm;
            switch (textencoding::DetectUnicode(*bytes)) {
            case TUnicodeForm::Utf8Bom:
                EncodingCombo = "UTF-8";
                break;
            case TUnicodeForm::Utf16LE:
                EncodingCombo = "UTF-16LE";
                break;
            case TUnicodeForm::Utf16BE:
                EncodingCombo = "UTF-16BE";
                break;
            case TUnicodeForm::None:
                EncodingCombo = textencoding::DefaultEncoding(*bytes);
                break;
            }
            EncodingComboEnabled = textencoding::DetectUnicode(*bytes) == TUnicodeForm::None;
        }
    }
    if (HeaderCheck) ApplyHeader();
    Changed();
}

void TImportWizard::FilterComboBox2Change() {
    if (FilterComboBox2 >= 0 && FilterComboBox2 < static_cast<int>(std::size(kCsvMasks)))
        FileListBox2Mask = kCsvMasks[FilterComboBox2];
    if (!FileListBox2.empty() &&
        !MatchesMask(fileio::ExtractFileName(FileListBox2), FileListBox2Mask)) {
        FileListBox2.clear();
        FileListBox2Change();
    }
    Changed();
}

void TImportWizard::SepCharComboChange() {
    if (HeaderCheck) ApplyHeader();
    Changed();
}

void TImportWizard::HeaderCheckClick() {
    if (HeaderCheck)
        ApplyHeader();
    else
        HeaderLabel.clear();
    if (ActivePage == "TabSheet8") NextBtnEnabled = FieldsChosen();
    Changed();
}

void TImportWizard::EncodingComboChange() {
    if (HeaderCheck) ApplyHeader();
    Changed();
}

void TImportWizard::ApplyHeader() {
    HeaderLabel.clear();
    if (FileListBox2.empty()) return;
    const auto& types = CsvRecordTypes();
    if (RecTypeCombo < 0 || RecTypeCombo >= static_cast<int>(types.size())) return;
    const TCsvRecordType& type = types[static_cast<size_t>(RecTypeCombo)];
    std::vector<std::string> header;
    try {
        header = TCsvReader::Open(FileListBox2, CsvOptions()).Header();
    } catch (const std::exception& e) {
        HeaderLabel = e.what();
        return;
    }
    // The header's fields to import, the type's others to choose from.
    ListBox2 = TCsvColumnMap(header, type.Fields).Fields();
    ListBox1.clear();
    for (const std::string& f : type.Fields)
        if (std::find(ListBox2.begin(), ListBox2.end(), f) == ListBox2.end()) ListBox1.push_back(f);
    ListBox1Selected.assign(ListBox1.size(), false);
    ListBox2Index = -1;
    if (ListBox2.empty()) {
        HeaderLabel = "No column of the first line is a field of " + type.Entry + ".";
        return;
    }
    HeaderLabel = "Fields from the first line: ";
    for (size_t i = 0; i < ListBox2.size(); ++i)
        HeaderLabel += (i ? ", " : "") + ListBox2[i];
}

std::string TImportWizard::FoundBookmarkFile() const {
    return FindBookmarkFile(NavDirListBox);
}

std::string TImportWizard::FoundAddressFile() const {
    return FindAddressFile(NavAddrDirList);
}

std::string TImportWizard::FoundNicknameFile() const {
    return FindNicknameFile(EudoraDirList);
}

TImportRequest TImportWizard::Request() const {
    TImportRequest r;
    r.Type = static_cast<TImportType>(ImportType);
    r.Parent = DestNode;
    // Transfer files, bookmark and address pages and nickname files go below
    // the root, wherever the wizard was opened.
    TTreeNode* root = DestNode ? DestNode->Owner()->GetFirstNode() : nullptr;
    switch (r.Type) {
    case TImportType::Transfer:
        r.Path = FileListBox1;
        r.Parent = root;
        break;
    case TImportType::Favorites:
        r.Path = DirectoryListBox1;
        break;
    case TImportType::Bookmarks:
        r.Path = FoundBookmarkFile();
        r.Parent = root;
        break;
    case TImportType::AddressBook:
        r.Path = FoundAddressFile();
        r.Parent = root;
        break;
    case TImportType::Nicknames:
        r.Path = FoundNicknameFile();
        r.Parent = root;
        break;
    case TImportType::Csv:
        r.Path = FileListBox2;
        r.Csv.RecordType = static_cast<size_t>(std::max(RecTypeCombo, 0));
        r.Csv.Fields = ListBox2;
        r.Csv.Options = CsvOptions();
        break;
    case TImportType::VCard:
        r.Path = FileListBox3;
        break;
    }
    return r;
}

void TImportWizard::FormClose(TModalResult result) {
    Imported = false;
    if (result != mrOk || !DestNode) return;
    TImportRequest request = Request();
    // A source file that is not there imports nothing, without a word: the
    // page said "None Found" beforehand.
    const bool folder = request.Type == TImportType::Favorites;
    if (request.Path.empty() ||
        (folder ? !fileio::DirectoryExists(request.Path) : !fileio::FileExists(request.Path)))
        return;
    TContactStore* document = DestNode->Owner()->Document();
    if (!document) return;
    Result = TImportJob(*document).Run(request);
    Imported = true;
}
