#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class TTextWriter;
class TTreeNode;

// What the publishing wizard's pages choose for an HTML site.
struct TPublishOptions {
    bool Frames = true;        // index and content in two frames
    int Levels = 0;            // index depth: 0 all, N at most N levels below the node
    std::string Title;         // the pages' title and heading
    std::string BackgroundGif; // full path of the background picture, "" for none
    std::string TextColor = "Black";
    std::string LinkColor = "Navy";
    bool IncludeTVD = true;   // "tavimain.tvd" with all contents, linked from the index
    bool IncludeVCard = true; // "vc" + id + ".vcf" per person and organization
    std::string IconsDir;     // where the pictures come from (with its "/")
};

// Writes a branch of the tree as a small web site. Files are written one by
// one; a file that cannot be written raises EInOutError naming it, the files
// written before it stay, and the tree is not changed.
class TPublishJob {
public:
    explicit TPublishJob(TPublishOptions options) : FOptions(std::move(options)) {}

    // The site for node and everything below it, the main page at fileName:
    // with frames the frameset, "taviindex.htm" and "tavimain.htm", without
    // frames one page; the transfer file and the vCards when chosen;
    // "tavihome.htm", which the credit link opens; the pictures, copied only
    // when the folder does not hold them yet.
    void PublishHtml(TTreeNode* node, const std::string& fileName);

    void WriteHtmlHead(TTextWriter& f, const std::string& baseTarget, bool withTitle);
    // The links to the nodes below node (not node itself) that enter the index.
    void WriteIndexEntries(TTextWriter& f, TTreeNode* node, const std::string& pageName);
    // The blocks of node and of every node below it.
    void WriteContentEntries(TTextWriter& f, TTreeNode* node);

    // The pages' BODY line.
    std::string BodyLine() const;

private:
    void WriteCredit(TTextWriter& f, bool withTarget) const;
    void WriteHomePage();
    void CopyPictures() const;
    // Declares the page's character set in its head, then writes it.
    void Finish(TTextWriter& f);

    TPublishOptions FOptions;
    TTreeNode* FDestNode = nullptr;
    std::string FDir;      // the main page's folder, with its "/"
    size_t FCharsetAt = 0; // where the head takes the character set
};

// The name of the site's main page that the wizard proposes for node: its
// title + ".htm", a "/" in the title written as "_".
std::string ProposedFileName(const TTreeNode* node, const char* extension);

// The transfer and vCard forms refuse other extensions: the text of the
// "Check Filename" box, or "" when fileName ends in extension (any case).
std::string CheckExtension(const std::string& fileName, const char* extension);

// The vCard form is for persons and organizations only.
bool CanPublishVCard(const TTreeNode* node);
inline constexpr const char* kVCardOnlyText =
    "vCard publishing is only supported for Person and Organization items.";

// The transfer form: node and everything below it, without categories.
void PublishTransfer(TTreeNode* node, const std::string& fileName);

// The comma-separated form: one row per record of kind in node's branch,
// with the named columns in order, and a first row of the names when header.
void PublishCsv(TTreeNode* node, const std::string& fileName, int kind,
                const std::vector<std::string>& fields, bool header);

// The vCard form: node's own card.
void PublishVCard(TTreeNode* node, const std::string& fileName);
