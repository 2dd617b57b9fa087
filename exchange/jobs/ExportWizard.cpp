#include "exchange/jobs/ExportWizard.h"

#include "exchange/CsvColumns.h"
#include "exchange/UserFolders.h"
#include "exchange/jobs/PublishJob.h"
#include "exchange/jobs/WebArt.h"
#include "platform/AskUser.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "platform/ViewFactory.h"
#include "store/KexObject.h"
#include "store/TreeNode.h"
#include "store/TreePath.h"

#include <algorithm>

namespace {

const char* const kSheets[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5",
                               "TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9"};

// The pages of each form, by index of ExportType.
const std::vector<std::vector<std::string>>& Sequences() {
    static const std::vector<std::vector<std::string>> s = {
        {"TabSheet1", "TabSheet2"},
        {"TabSheet1", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6"},
        {"TabSheet1", "TabSheet7", "TabSheet8"},
        {"TabSheet1", "TabSheet9"}};
    return s;
}

// The small image list's picture of each record type's kind.
int KindImage(int kind) {
    switch (kind) {
    case kindOrg:
        return 1;
    case kindPerson:
        return 3;
    case kindWeb:
        return 4;
    case kindAddress:
        return 5;
    case kindPhone:
        return 6;
    case kindEMail:
        return 7;
    case kindFax:
        return 8;
    default:
        return 0;
    }
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return fileio::JoinPath(folder, name);
}

} // namespace

TExportWizard::TExportWizard()
    : TWizardForm(std::vector<std::string>(std::begin(kSheets), std::end(kSheets))) {
    Caption = "Publishing Wizard";
    HelpContext = kHelpContext;
    ExportTypeItems = {"Merrowin File (.TVD)", "HTML File (.HTM)", "Comma-separated Values (.CSV)",
                       "vCard File (.VCF)"};
    BkgComboBoxItems = webart::Backgrounds();
    BkgComboBox = webart::kNoBackground;
    for (const auto& c : webart::Colors())
        ColorItems.push_back(c.Name);
    TextColorCombo = webart::kDefaultTextColor;
    LinkColorCombo = webart::kDefaultLinkColor;
    for (const auto& t : CsvRecordTypes()) {
        RecTypeItems.push_back(t.Entry);
        RecTypeImages.push_back(KindImage(t.Kind));
    }
    // The folder lists start in the user's documents folder: the program's
    // own folder is no place for published files.
    const TUserFolders user = TUserFolders::FromEnvironment();
    std::string documents = user.UserDir("DOCUMENTS", "Documents");
    if (!fileio::DirectoryExists(documents)) documents = user.Home;
    DirectoryListBox1 = DirectoryListBox2 = DirectoryListBox3 = DirectoryListBox4 = documents;
}

void TExportWizard::SetParent(TTreeNode* node) {
    DestNode = node;
    Label4 = NodePath(node);
    Edit1 = ProposedFileName(node, ".tvd");
    Edit2 = ProposedFileName(node, ".csv");
    Edit3 = ProposedFileName(node, ".vcf");
    StartPageEdit = ProposedFileName(node, ".htm");
    TitleEdit = node && node->Data() ? node->Data()->GetTitle() : std::string();
    Changed();
}

void TExportWizard::FormShow() {
    ExportType = etTransfer;
    ExportTypeChange();
    TextColorCombo = webart::kDefaultTextColor;
    LinkColorCombo = webart::kDefaultLinkColor;
    BackgroundsDir = webart::BackgroundsDir();
    IconsDir = webart::IconsDir();
    BackgroundBmp.clear();
    ShowPreview(BackgroundBmp);
    RecTypeCombo = 0;
    RecTypeComboChange();
}

void TExportWizard::ExportTypeChange() {
    if (ExportType == etVCard && !CanPublishVCard(DestNode)) {
        AskUser(kVCardOnlyText, "Warning", mb::OkCancel | mb::IconWarning);
        ExportType = etTransfer;
    }
    if (ExportType < 0 || ExportType >= static_cast<int>(Sequences().size()))
        ExportType = etTransfer;
    ShowAllSheets();
    Pages = Sequences()[static_cast<size_t>(ExportType)];
    if (CurPage >= static_cast<int>(Pages.size())) CurPage = 0;
    ActivePage = Pages[static_cast<size_t>(CurPage)];
    Changed();
}

void TExportWizard::BkgComboBoxChange() {
    if (BkgComboBox == webart::kNoBackground) {
        BackgroundGif.clear();
        BackgroundBmp.clear();
    } else {
        const std::string stem = BackgroundsDir + webart::BackgroundStem(BkgComboBox);
        BackgroundBmp = stem + ".png";
        BackgroundGif = fileio::FileExists(BackgroundBmp) ? stem + ".gif" : std::string();
    }
    ShowPreview(BackgroundBmp);
}

void TExportWizard::BrowseBkgButtonClick() {
    IViewFactory* views = Svc().Views;
    if (!views) return;
    auto chosen = views->OpenFileName("Open", BackgroundsDir,
                                      "GIF Images|*.gif|JPEG Images|*.jpg;*.jpeg", true);
    if (!chosen) return;
    BackgroundGif = *chosen;
    BkgComboBox = fileio::ExtractFileName(*chosen);
    BackgroundBmp.clear();
    ShowPreview(BackgroundBmp);
}

void TExportWizard::TextColorComboChange() {
    ShowPreview(BackgroundBmp);
}

void TExportWizard::ShowPreview(const std::string& bitmapPath) {
    // A preview picture that has gone shows the plain preview.
    PreviewPicture = !bitmapPath.empty() && fileio::FileExists(bitmapPath) ? bitmapPath : "";
    PreviewTextColor = ColorOfIndex(TextColorCombo);
    PreviewLinkColor = ColorOfIndex(LinkColorCombo);
    Changed();
}

uint32_t TExportWizard::ColorOfIndex(int index) {
    return webart::ColorOfIndex(index);
}

void TExportWizard::RecTypeComboChange() {
    ListBox1.clear();
    ListBox2.clear();
    ListBox1Selected.clear();
    ListBox2Selected.clear();
    const auto& types = CsvRecordTypes();
    if (RecTypeCombo >= 0 && RecTypeCombo < static_cast<int>(types.size()))
        ListBox1 = types[static_cast<size_t>(RecTypeCombo)].Fields;
    PageChange();
}

void TExportWizard::MoveSelected(std::vector<std::string>& source, std::vector<int>& selected,
                                 std::vector<std::string>& target) {
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        if (*it < 0 || *it >= static_cast<int>(source.size())) continue;
        target.insert(target.begin(), source[static_cast<size_t>(*it)]);
        source.erase(source.begin() + *it);
    }
    selected.clear();
}

void TExportWizard::CopyRtBtnClick() {
    MoveSelected(ListBox1, ListBox1Selected, ListBox2);
    PageChange();
}

void TExportWizard::CopyLtBtnClick() {
    MoveSelected(ListBox2, ListBox2Selected, ListBox1);
    PageChange();
}

void TExportWizard::ListBox2DragDrop(int from, int to) {
    const int n = static_cast<int>(ListBox2.size());
    if (from < 0 || from >= n) return;
    if (to < 0 || to >= n) to = n - 1;
    std::string entry = ListBox2[static_cast<size_t>(from)];
    ListBox2.erase(ListBox2.begin() + from);
    ListBox2.insert(ListBox2.begin() + to, entry);
    ListBox2Selected = {to};
    Changed();
}

void TExportWizard::PageChange() {
    NextBtnEnabled = ActivePage != "TabSheet7" || !ListBox2.empty();
    Changed();
}

void TExportWizard::NextBtnClick() {
    FocusControl.clear();
    // The press on "Finish" writes first; a refusal keeps the wizard open.
    if (NextBtnModalResult == mrOk && !FormClose()) return;
    TWizardForm::NextBtnClick();
    PageChange();
}

void TExportWizard::PrevBtnClick() {
    TWizardForm::PrevBtnClick();
    PageChange();
}

bool TExportWizard::Refuse(const std::string& text, const char* control) {
    AskUser(text, "Check Filename", mb::Ok | mb::IconError);
    FocusControl = control;
    Changed();
    return false;
}

bool TExportWizard::FormClose() {
    if (!DestNode) return true;
    try {
        switch (ExportType) {
        case etTransfer: {
            std::string fileName = InFolder(DirectoryListBox1, Edit1);
            std::string refusal = CheckExtension(fileName, ".tvd");
            if (!refusal.empty()) return Refuse(refusal, "Edit1");
            PublishTransfer(DestNode, fileName);
            break;
        }
        case etHtml: {
            TPublishOptions o;
            o.Frames = FramesCheckBox;
            o.Levels = LevelsEdit;
            o.Title = TitleEdit;
            o.BackgroundGif = BackgroundGif;
            o.TextColor = ColorItems[static_cast<size_t>(
                std::clamp(TextColorCombo, 0, static_cast<int>(ColorItems.size()) - 1))];
            o.LinkColor = ColorItems[static_cast<size_t>(
                std::clamp(LinkColorCombo, 0, static_cast<int>(ColorItems.size()) - 1))];
            o.IncludeTVD = IncludeTVD;
            o.IncludeVCard = IncludeVCard;
            o.IconsDir = IconsDir;
            PublishedPage = InFolder(DirectoryListBox2, StartPageEdit);
            TPublishJob(o).PublishHtml(DestNode, PublishedPage);
            OfferToOpen();
            break;
        }
        case etCsv: {
            const auto& types = CsvRecordTypes();
            if (ListBox2.empty() || RecTypeCombo < 0 ||
                RecTypeCombo >= static_cast<int>(types.size()))
                return false;
            PublishCsv(DestNode, InFolder(DirectoryListBox3, Edit2),
                       types[static_cast<size_t>(RecTypeCombo)].Kind, ListBox2, FieldNamesCheck);
            break;
        }
        case etVCard: {
            std::string fileName = InFolder(DirectoryListBox4, Edit3);
            std::string refusal = CheckExtension(fileName, ".vcf");
            if (!refusal.empty()) return Refuse(refusal, "Edit3");
            PublishVCard(DestNode, fileName);
            break;
        }
        default:
            return false;
        }
    } catch (const EInOutError& e) {
        // Reported with the file's name; the user may choose another folder.
        AskUser(e.Where(), Caption, mb::Ok | mb::IconError);
        return false;
    }
    return true;
}

void TExportWizard::OfferToOpen() {
    if (AskUser("The pages are written. Open \"" + fileio::ExtractFileName(PublishedPage) +
                    "\" in the web browser now?",
                Caption, mb::YesNo | mb::IconQuestion) != id::Yes)
        return;
    Svc().UseShell().Open(PublishedPage, "", fileio::ExtractFilePath(PublishedPage), 1);
}
