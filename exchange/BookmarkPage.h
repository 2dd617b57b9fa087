#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading the bookmark and address-book pages that browsers export (the
// NETSCAPE-Bookmark-file-1 HTML: "bookmark.htm", "bookmarks.html",
// "address.htm").
//
// The page is read tag by tag, not line by line: a tag may span lines, a
// line may hold several anchors, tags may be written in any letter case,
// and quoted attribute values may hold commas, blanks and ">". Each anchor
// <A HREF="address">title</A> with a non-empty address is one bookmark;
// a title without its closing </A> ends at the next <DT>, <DD>, <DL>, <H3>
// or <A>. Character references are decoded in titles and addresses ("Tom
// &amp; Jerry" is Tom & Jerry), a UTF-8 byte-order mark is dropped, and a
// page that is not UTF-8 is converted from the charset its META tag names
// (Windows-1252 when that is unknown). Comments are skipped.
//
// Usage (the wizard's bookmark and address-book pages, the command line):
//   std::string file = FindBookmarkFile(dir);           // "" when none
//   TBookmarkPage page = ReadBookmarkPage(file);        // EInOutError, EImportError
//   folder titled page.Title; for (const TBookmark* b : page.Anchors()) website
//   b->Title, b->Address ... or walk page.Root for the folder tree.
//   For an address book: AddressBookEntries(page) gives title and e-mail address.

struct TBookmark {
    bool IsFolder = false;
    std::string Title;
    std::string Address;             // anchors: the HREF value; folders: ""
    std::string Description;         // the <DD> text after it, if any
    int Line = 0;                    // where its tag begins, from 1
    size_t Position = 0;             // its place among the page's folders and anchors
    std::vector<TBookmark> Children; // folders: anchors and folders in page order
};

struct TBookmarkPage {
    std::string Title; // the <TITLE> text, "" when the page has none
    TBookmark Root;    // a folder holding the page's top level

    // Every anchor of the tree in the order the page names them (folders left
    // out; a folder's anchors need not stand together in the page). They
    // point into the page, so a temporary page has none to give.
    std::vector<const TBookmark*> Anchors() const&;
    std::vector<const TBookmark*> Anchors() const&& = delete;
};

// Reads a page; raises EInOutError when the file cannot be read and
// EImportError (with the line) when it holds a NUL byte: no text file.
TBookmarkPage ReadBookmarkPage(const std::string& fileName);
TBookmarkPage ParseBookmarkPage(std::string bytes, const std::string& fileName = {});

// The page title of a file (the status label of the bookmark and address
// pages); "" when the page has none or the file cannot be read.
std::string GetBMTitle(const std::string& fileName);

// The first anchor in a piece of page text: false when there is none with a
// non-empty address.
bool GetAnchorInfo(std::string_view text, std::string& title, std::string& url);

// The bookmark file in a folder: "bookmark.htm", else "bookmarks.html"
// (letter case ignored); the full path, or "" when there is none.
std::string FindBookmarkFile(const std::string& folder);
// The address-book file "address.htm" in a folder, the same way.
std::string FindAddressFile(const std::string& folder);

// An address book's entries: each anchor's title and its address without a
// leading "mailto:" (any letter case).
struct TAddressEntry {
    std::string Title;
    std::string Address;
    int Line = 0;
};
std::vector<TAddressEntry> AddressBookEntries(const TBookmarkPage& page);
