#include "exchange/jobs/PublishJob.h"

#include "exchange/HtmlOut.h"
#include "exchange/jobs/WebArt.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/TextWriter.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"

using htmlout::Escape;

namespace {

constexpr const char* kIndexPage = "taviindex.htm";
constexpr const char* kMainPage = "tavimain.htm";
constexpr const char* kTransferFile = "tavimain.tvd";
constexpr const char* kHomePage = "tavihome.htm";

// The nodes of node's branch in tree order: node itself first.
template <typename F>
void ForBranch(TTreeNode* node, F&& visit) {
    const auto& order = node->Owner()->InOrder();
    const int start = node->AbsoluteIndex();
    const int end = node->DeepestLastDescendant()->AbsoluteIndex();
    for (int i = start; i <= end; ++i)
        visit(order[static_cast<size_t>(i)]);
}

// The block quotes that indent deeper levels: one opens where a node is
// deeper than the one before, and each closes when a node comes back above
// the level that opened it, so every quote opened is closed again.
class TNesting {
public:
    TNesting(TTextWriter& f, int level) : FFile(f), FBase(level) {}
    void Enter(int level) {
        while (!FOpen.empty() && FOpen.back() > level) {
            FFile.WriteLn("</blockquote>");
            FOpen.pop_back();
        }
        if (level > (FOpen.empty() ? FBase : FOpen.back())) {
            FFile.WriteLn("<blockquote>");
            FOpen.push_back(level);
        }
    }
    void CloseAll() { Enter(FBase); }

private:
    TTextWriter& FFile;
    int FBase;
    std::vector<int> FOpen;
};

} // namespace

void TPublishJob::PublishHtml(TTreeNode* node, const std::string& fileName) {
    if (!node || !node->Data()) return;
    // The transfer file's writer touches records; their document hears of it once.
    TContactStore::TUpdate scope(node->Data()->Document());
    FDestNode = node;
    FDir = fileio::ExtractFilePath(fileName);
    // A card per person and organization: thousands of files in one folder.
    fileio::TWriteBatch batch(FDir);
    if (FOptions.Frames) {
        TTextWriter frames(fileName);
        frames.WriteLn("<html>");
        frames.WriteLn("<head>");
        FCharsetAt = frames.Text().size();
        frames.WriteLn("<title>" + Escape(FOptions.Title) + "</title>");
        frames.WriteLn("<meta name=\"GENERATOR\" content=\"Merrowin\">");
        frames.WriteLn("</head>");
        frames.WriteLn("<frameset cols=\"35%,65%\">");
        frames.WriteLn(std::string("<frame src=\"") + kIndexPage +
                       "\" name=\"index\" marginwidth=1 marginheight=1>");
        frames.WriteLn(std::string("<frame src=\"") + kMainPage +
                       "\" name=\"main\" marginwidth=1 marginheight=1>");
        frames.WriteLn("<noframes>");
        frames.WriteLn("<body><p>");
        frames.WriteLn("<p>This Web page uses frames, but your browser does not support them.</p>");
        frames.WriteLn("</body>");
        frames.WriteLn("</noframes>");
        frames.WriteLn("</frameset>");
        frames.WriteLn("</html>");
        Finish(frames);

        TTextWriter index(FDir + kIndexPage);
        WriteHtmlHead(index, "main", true);
        index.WriteLn(BodyLine());
        WriteIndexEntries(index, node, kMainPage);
        WriteCredit(index, true);
        index.WriteLn("</body>");
        index.WriteLn("</html>");
        Finish(index);

        TTextWriter content(FDir + kMainPage);
        WriteHtmlHead(content, "", true);
        content.WriteLn(BodyLine());
        content.WriteLn("<h2>" + Escape(FOptions.Title) + "</h2>");
        content.WriteLn("<p>&nbsp;</p>");
        content.WriteLn("<hr>");
        WriteContentEntries(content, node);
        content.WriteLn("</body>");
        content.WriteLn("</html>");
        Finish(content);
    } else {
        TTextWriter page(fileName);
        WriteHtmlHead(page, "", true);
        page.WriteLn(BodyLine());
        page.WriteLn("<h2>" + Escape(FOptions.Title) + "</h2>");
        page.WriteLn("<p>&nbsp;</p>");
        WriteCredit(page, false);
        WriteIndexEntries(page, node, "");
        page.WriteLn("<hr>");
        WriteContentEntries(page, node);
        page.WriteLn("</body>");
        page.WriteLn("</html>");
        Finish(page);
    }
    WriteHomePage();
    CopyPictures();
}

void TPublishJob::WriteHtmlHead(TTextWriter& f, const std::string& baseTarget, bool withTitle) {
    f.WriteLn("<html>");
    f.WriteLn("<head>");
    FCharsetAt = f.Text().size();
    if (withTitle) f.WriteLn("<title>" + Escape(FOptions.Title) + "</title>");
    f.WriteLn("<meta name=\"GENERATOR\" content=\"Merrowin\">");
    if (!baseTarget.empty()) f.WriteLn("<base target=" + baseTarget + ">");
    f.WriteLn("</head>");
}

void TPublishJob::WriteIndexEntries(TTextWriter& f, TTreeNode* node, const std::string& pageName) {
    if (FOptions.IncludeTVD) {
        f.WriteLn(std::string("<p><font size=2><a href=\"") + kTransferFile +
                  "\"><img src=\"kex_16.gif\" align=left border=0 width=16 height=16>"
                  "Get Merrowin&#153; file</a></font></p>");
        PublishTransfer(FDestNode ? FDestNode : node, FDir + kTransferFile);
    }
    if (!node->HasChildren()) return;
    const int top = node->Level();
    TNesting nesting(f, top + 1);
    ForBranch(node, [&](TTreeNode* n) {
        const int depth = n->Level() - top;
        if (depth == 0 || !n->Data() || !n->Data()->InHtmlIndex()) return;
        if (FOptions.Levels > 0 && depth > FOptions.Levels) return;
        nesting.Enter(n->Level());
        n->Data()->WriteHtmlIndex(f, pageName);
    });
    nesting.CloseAll();
}

void TPublishJob::WriteContentEntries(TTextWriter& f, TTreeNode* node) {
    TNesting nesting(f, node->Level());
    ForBranch(node, [&](TTreeNode* n) {
        nesting.Enter(n->Level());
        TKexObject* r = n->Data();
        if (!r) return;
        r->WriteHtmlContent(f, FOptions.IncludeVCard);
        if (FOptions.IncludeVCard)
            r->SaveVCard(FDir + "vc" + std::to_string(r->GetObjectId()) + ".vcf");
    });
    nesting.CloseAll();
}

std::string TPublishJob::BodyLine() const {
    std::string picture;
    if (!FOptions.BackgroundGif.empty())
        picture = htmlout::FileUrl(fileio::ExtractFileName(FOptions.BackgroundGif));
    return "<body background=\"" + Escape(picture) + "\" text=" + FOptions.TextColor +
           " link=" + FOptions.LinkColor + ">";
}

void TPublishJob::WriteCredit(TTextWriter& f, bool withTarget) const {
    f.WriteLn("<p><font size=1>This page created with...<br></font>");
    f.WriteLn(std::string("<a href=\"") + kHomePage + "\"" +
              (withTarget ? " target=\"window\"" : "") +
              "><img src=\"tavibtn.gif\" align=bottom border=0 width=120 height=40></a></p>");
}

void TPublishJob::WriteHomePage() {
    TTextWriter f(FDir + kHomePage);
    f.WriteLn("<html>");
    f.WriteLn("<head>");
    FCharsetAt = f.Text().size();
    f.WriteLn("<title>About Merrowin</title>");
    f.WriteLn("<meta name=\"GENERATOR\" content=\"Merrowin\">");
    f.WriteLn("</head>");
    f.WriteLn("<body>");
    f.WriteLn("<h2><img src=\"kex_16.gif\" width=16 height=16 alt=\"\"> Merrowin</h2>");
    f.WriteLn("<p>These pages were made with Merrowin, a personal contact manager for the "
              "Linux desktop. It keeps people, organizations, addresses, numbers, websites "
              "and reminders in one tree, and publishes any part of it as pages like these.</p>");
    f.WriteLn("<p>The <img src=\"vcard.gif\" width=16 height=16 alt=\"\"> Get vCard links give "
              "one person's or organization's card, which address books and mail programs "
              "read. The <img src=\"kex_16.gif\" width=16 height=16 alt=\"\"> Merrowin file "
              "holds everything the pages show, for Merrowin's File &gt; Import.</p>");
    f.WriteLn("</body>");
    f.WriteLn("</html>");
    Finish(f);
}

void TPublishJob::CopyPictures() const {
    std::vector<std::string> sources;
    if (!FOptions.BackgroundGif.empty()) sources.push_back(FOptions.BackgroundGif);
    if (!FOptions.IconsDir.empty())
        for (const std::string& name : webart::Pictures())
            sources.push_back(fileio::JoinPath(FOptions.IconsDir, name));
    for (const std::string& source : sources) {
        const std::string target = FDir + fileio::ExtractFileName(source);
        if (target == source || fileio::FileExists(target)) continue;
        auto bytes = fileio::TryReadFile(source);
        if (!bytes) continue; // a missing picture is skipped
        try {
            fileio::WriteFileReplacing(target, *bytes);
        } catch (const EInOutError&) {
            // The pages still work without a picture.
        }
    }
}

void TPublishJob::Finish(TTextWriter& f) {
    std::string meta = htmlout::CharsetMeta(f.Text()) + "\r\n";
    f.Buffer().insert(FCharsetAt, meta);
    f.Close();
}

std::string ProposedFileName(const TTreeNode* node, const char* extension) {
    std::string name = node && node->Data() ? node->Data()->GetTitle() : std::string();
    for (char& c : name)
        if (c == '/') c = '_';
    return name + extension;
}

std::string CheckExtension(const std::string& fileName, const char* extension) {
    if (fieldtext::SameTextFolded(fileio::ExtractFileExt(fileName), extension)) return "";
    return std::string("The exported filename needs to have an extension of \"") + extension + "\"";
}

bool CanPublishVCard(const TTreeNode* node) {
    const TKexObject* r = node ? node->Data() : nullptr;
    return r && (r->GetKind() == kindPerson || r->GetKind() == kindOrg);
}

void PublishTransfer(TTreeNode* node, const std::string& fileName) {
    if (!node || !node->Data()) return;
    TContactStore::TUpdate scope(node->Data()->Document());
    WriteSubtree(node, fileName);
}

void PublishCsv(TTreeNode* node, const std::string& fileName, int kind,
                const std::vector<std::string>& fields, bool header) {
    TCsvExport csv;
    csv.CsvFields = fields;
    csv.CsvFields.push_back(std::to_string(kind));
    csv.CsvHeader = header;
    TSubtreeWrite how;
    how.Csv = &csv;
    WriteSubtree(node, fileName, how);
}

void PublishVCard(TTreeNode* node, const std::string& fileName) {
    if (node && node->Data()) node->Data()->SaveVCard(fileName);
}
