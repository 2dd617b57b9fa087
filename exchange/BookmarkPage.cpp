#include "exchange/BookmarkPage.h"

#include "exchange/FileIterator.h"
#include "exchange/HtmlText.h"
#include "exchange/ImportError.h"
#include "exchange/TextEncoding.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The charset a page's META tag names, as iconv knows it; Windows-1252 when
// it names none that iconv knows.
std::string PageCharset(std::string_view bytes) {
    std::string head = Lower(bytes.substr(0, 65536));
    size_t at = head.find("charset=");
    std::string name;
    if (at != std::string::npos) {
        for (size_t i = at + 8; i < head.size(); ++i) {
            char c = head[i];
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.' &&
                c != ':')
                break;
            name += c;
        }
    }
    if (name.rfind("x-mac", 0) == 0) return "MACINTOSH";
    if (!name.empty() && textencoding::IsKnownEncoding(name)) return name;
    return "Windows-1252";
}

// Reads tags and text of a page into the bookmark tree.
class TPageParser {
public:
    explicit TPageParser(std::string_view text)
        : S(text),
          FLastCommentEnd(text.rfind("-->")), FLastQuote{text.rfind('"'), text.rfind('\'')} {}
    TBookmarkPage Run();

private:
    enum class TCapture { None, PageTitle, FolderTitle, AnchorTitle, Description };
    struct TRef {
        TBookmark* Folder = nullptr;
        size_t Index = 0;
        explicit operator bool() const { return Folder != nullptr; }
        TBookmark& operator*() const { return Folder->Children[Index]; }
    };

    void CountLinesTo(size_t p);
    size_t SkipTag(size_t lt, std::string& name, bool& closing, std::string& href);
    void Tag(const std::string& name, bool closing, const std::string& href, int line);
    void EndCapture();
    TRef Add(TBookmark item);

    std::string_view S;
    // Where the last comment end and quotes are: an unclosed comment or quote
    // is known as such at once, so no page makes the reader search it twice.
    size_t FLastCommentEnd;
    size_t FLastQuote[2];
    size_t FCounted = 0;
    int FLine = 1;
    TBookmarkPage FPage;
    bool FTitleDone = false;
    std::vector<TBookmark*> FStack;
    TRef FPending;  // the last folder heading, waiting for its <DL>
    TRef FLastItem; // what a <DD> describes
    TRef FTarget;   // what the captured text is for
    TCapture FCapture = TCapture::None;
    std::string FText;
    size_t FPosition = 0;
};

void TPageParser::CountLinesTo(size_t p) {
    for (; FCounted < p; ++FCounted) {
        char c = S[FCounted];
        if (c == '\n' || (c == '\r' && (FCounted + 1 >= S.size() || S[FCounted + 1] != '\n')))
            ++FLine;
    }
}

TBookmarkPage TPageParser::Run() {
    FStack.push_back(&FPage.Root);
    FPage.Root.IsFolder = true;
    size_t pos = 0;
    const size_t n = S.size();
    while (pos < n) {
        size_t lt = S.find('<', pos);
        if (lt == std::string_view::npos) lt = n;
        if (FCapture != TCapture::None) FText.append(S.substr(pos, lt - pos));
        if (lt >= n) break;
        std::string_view rest = S.substr(lt);
        size_t end;
        if (rest.substr(0, 4) == "<!--") {
            bool closed = FLastCommentEnd != std::string_view::npos && FLastCommentEnd >= lt + 4;
            end = closed ? S.find("-->", lt + 4) + 2 : S.find('>', lt);
        } else if (rest.size() > 1 && (rest[1] == '!' || rest[1] == '?')) {
            end = S.find('>', lt);
        } else {
            std::string name, href;
            bool closing = false;
            end = SkipTag(lt, name, closing, href);
            if (name.empty()) {
                // A "<" that starts no tag is text.
                if (FCapture != TCapture::None) FText += '<';
                pos = lt + 1;
                continue;
            }
            CountLinesTo(lt);
            Tag(name, closing, href, FLine);
        }
        pos = end == std::string_view::npos ? n : end + 1;
    }
    EndCapture();
    return std::move(FPage);
}

// Reads the tag at lt: its lower-case name, whether it closes, and its HREF
// value. Returns the position of its ">" (npos when the text ends first).
size_t TPageParser::SkipTag(size_t lt, std::string& name, bool& closing, std::string& href) {
    const size_t n = S.size();
    size_t i = lt + 1;
    closing = i < n && S[i] == '/';
    if (closing) ++i;
    size_t start = i;
    while (i < n && std::isalnum(static_cast<unsigned char>(S[i])))
        ++i;
    if (i == start || !std::isalpha(static_cast<unsigned char>(S[start]))) return lt;
    name = Lower(S.substr(start, i - start));
    while (i < n && S[i] != '>') {
        if (IsBlank(S[i]) || S[i] == '/') {
            ++i;
            continue;
        }
        size_t a = i;
        while (i < n && !IsBlank(S[i]) && S[i] != '=' && S[i] != '>')
            ++i;
        std::string attr = Lower(S.substr(a, i - a));
        while (i < n && IsBlank(S[i]))
            ++i;
        if (i >= n || S[i] != '=') continue;
        ++i;
        while (i < n && IsBlank(S[i]))
            ++i;
        std::string_view value;
        if (i < n && (S[i] == '"' || S[i] == '\'')) {
            size_t last = FLastQuote[S[i] == '"' ? 0 : 1];
            size_t close = last > i && last != std::string_view::npos ? S.find(S[i], i + 1)
                                                                      : std::string_view::npos;
            if (close == std::string_view::npos) {
                // An unclosed quote ends with the tag.
                close = std::min(S.find('>', i), n);
                value = S.substr(i + 1, close - i - 1);
                i = close;
            } else {
                value = S.substr(i + 1, close - i - 1);
                i = close + 1;
            }
        } else {
            size_t v = i;
            while (i < n && !IsBlank(S[i]) && S[i] != '>')
                ++i;
            value = S.substr(v, i - v);
        }
        if (attr == "href" && href.empty()) href = htmltext::AddressText(value);
    }
    return i < n ? i : std::string_view::npos;
}

TPageParser::TRef TPageParser::Add(TBookmark item) {
    item.Position = FPosition++;
    TBookmark* folder = FStack.back();
    folder->Children.push_back(std::move(item));
    return TRef{folder, folder->Children.size() - 1};
}

void TPageParser::EndCapture() {
    if (FCapture == TCapture::None) return;
    std::string text = htmltext::ElementText(FText);
    switch (FCapture) {
    case TCapture::PageTitle:
        FPage.Title = std::move(text);
        FTitleDone = true;
        break;
    case TCapture::FolderTitle:
    case TCapture::AnchorTitle:
        if (FTarget) (*FTarget).Title = std::move(text);
        break;
    case TCapture::Description:
        if (FTarget) {
            std::string& d = (*FTarget).Description;
            if (!d.empty() && !text.empty()) d += ' ';
            d += text;
        }
        break;
    case TCapture::None:
        break;
    }
    FCapture = TCapture::None;
    FText.clear();
    FTarget = {};
}

void TPageParser::Tag(const std::string& name, bool closing, const std::string& href, int line) {
    static const char* const kStructural[] = {"a", "dt", "dd", "dl", "h1", "h3", "hr", "title"};
    bool structural = std::any_of(std::begin(kStructural), std::end(kStructural),
                                  [&](const char* s) { return name == s; });
    if (!structural) return; // inline markup inside a title or description
    if (FCapture != TCapture::None) EndCapture();
    if (closing) {
        if (name == "dl") {
            if (FStack.size() > 1) FStack.pop_back();
            FPending = {};
            FLastItem = {};
        }
        return;
    }
    if (name == "title") {
        if (!FTitleDone) FCapture = TCapture::PageTitle;
    } else if (name == "h3") {
        TBookmark folder;
        folder.IsFolder = true;
        folder.Line = line;
        FPending = FLastItem = FTarget = Add(std::move(folder));
        FCapture = TCapture::FolderTitle;
    } else if (name == "dl") {
        FStack.push_back(FPending ? &*FPending : FStack.back());
        FPending = {};
        FLastItem = {};
    } else if (name == "a") {
        if (href.empty()) return; // an anchor without an address is no bookmark
        TBookmark anchor;
        anchor.Address = href;
        anchor.Line = line;
        FLastItem = FTarget = Add(std::move(anchor));
        FCapture = TCapture::AnchorTitle;
    } else if (name == "dd" && FLastItem) {
        FTarget = FLastItem;
        FCapture = TCapture::Description;
    }
}

void CollectAnchors(const TBookmark& folder, std::vector<const TBookmark*>& out) {
    for (const TBookmark& b : folder.Children) {
        if (b.IsFolder)
            CollectAnchors(b, out);
        else
            out.push_back(&b);
    }
}

} // namespace

std::vector<const TBookmark*> TBookmarkPage::Anchors() const& {
    std::vector<const TBookmark*> out;
    CollectAnchors(Root, out);
    std::sort(out.begin(), out.end(),
              [](const TBookmark* a, const TBookmark* b) { return a->Position < b->Position; });
    return out;
}

TBookmarkPage ParseBookmarkPage(std::string bytes, const std::string& fileName) {
    std::string encoding;
    if (textencoding::DetectUnicode(bytes) == textencoding::TUnicodeForm::None &&
        !textcodec::IsValidUtf8(bytes))
        encoding = PageCharset(bytes);
    std::string text = textencoding::DecodeToUtf8(std::move(bytes), encoding).Text;
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
        size_t at = static_cast<size_t>(static_cast<const char*>(nul) - text.data());
        int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
        throw EImportError("Not a text file", fileName, line);
    }
    return TPageParser(text).Run();
}

TBookmarkPage ReadBookmarkPage(const std::string& fileName) {
    return ParseBookmarkPage(fileio::ReadFile(fileName), fileName);
}

std::string GetBMTitle(const std::string& fileName) {
    auto bytes = fileio::TryReadFile(fileName);
    if (!bytes) return {};
    try {
        return ParseBookmarkPage(std::move(*bytes), fileName).Title;
    } catch (const EImportError&) {
        return {};
    }
}

bool GetAnchorInfo(std::string_view text, std::string& title, std::string& url) {
    TBookmarkPage page = TPageParser(text).Run();
    auto anchors = page.Anchors();
    if (anchors.empty()) return false;
    title = anchors.front()->Title;
    url = anchors.front()->Address;
    return true;
}

std::string FindBookmarkFile(const std::string& folder) {
    return FindFileInFolder(folder, {"bookmark.htm", "bookmarks.html"});
}

std::string FindAddressFile(const std::string& folder) {
    return FindFileInFolder(folder, {"address.htm"});
}

std::vector<TAddressEntry> AddressBookEntries(const TBookmarkPage& page) {
    std::vector<TAddressEntry> out;
    for (const TBookmark* b : page.Anchors()) {
        std::string address = b->Address;
        if (Lower(std::string_view(address).substr(0, 7)) == "mailto:") address.erase(0, 7);
        out.push_back({b->Title, std::move(address), b->Line});
    }
    return out;
}
