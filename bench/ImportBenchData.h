#pragma once

#include "platform/FileIO.h"

#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

// Files as other programs write them, for the import benchmarks: a CSV of
// persons with a header line, an address, a phone and an e-mail address
// (some values quoted with commas and line ends inside), and a bookmark page
// with anchors in nested folders.

inline std::string GenerateCsvPersons(int persons) {
    std::string s = "Title,First Name,Last Name,Address Line 1,Address Line 2,City,Postal Code,"
                    "Country,Phone Number,E-Mail Address,Comment\r\n";
    for (int i = 0; i < persons; ++i) {
        std::string n = std::to_string(i);
        for (const std::string& piece :
             {"\"Doe, John " + n + "\",John,Doe " + n + ",", n + " High Street,",
              std::string(i % 3 ? "" : "\"Flat 2, Back Lane\""), std::string(",Leeds,LS1 4AB,UK,"),
              "(0113) 496 " + n + ",", "john.doe" + n + "@example.com,",
              std::string(i % 10 ? "met at the fair" : "\"met at the fair,\r\nlikes tea\""),
              std::string("\r\n")})
            s.append(piece);
    }
    return s;
}

inline std::string GenerateBookmarkPage(int anchors) {
    std::string s = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated "
                    "file. -->\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                    "charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < anchors; ++i) {
        std::string n = std::to_string(i);
        if (i % 50 == 0) {
            if (i) s += "    </DL><p>\n";
            s += "    <DT><H3 ADD_DATE=\"1700000000\">Folder " + n + "</H3>\n    <DL><p>\n";
        }
        for (const std::string& piece :
             {std::string("        <DT><A HREF=\"https://www.example.org/page/"), n,
              std::string("?q=a&amp;b\" ADD_DATE=\"1700000000\" ICON=\"data:image/png;base64,"
                          "iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAABGdBTUEAAK\">Page "),
              n, std::string(" &amp; more</A>\n")})
            s.append(piece);
        if (i % 7 == 0) s += "        <DD>A description of page " + n + "\n";
    }
    s += "    </DL><p>\n</DL><p>\n";
    return s;
}

// The generated files on disk ("csv" persons or a bookmark page of n
// anchors), made once per size, removed at exit.
inline const std::string& ImportBenchFile(const std::string& kind, int n) {
    class TFiles {
    public:
        TFiles()
            : FDir(std::filesystem::temp_directory_path() /
                   ("merrowin-bench-import-" + std::to_string(::getpid()))) {
            std::filesystem::create_directories(FDir);
        }
        ~TFiles() { std::filesystem::remove_all(FDir); }
        const std::string& Get(const std::string& kind, int n) {
            std::string& path = FPaths[{kind, n}];
            if (path.empty()) {
                path = (FDir / (kind + std::to_string(n))).string();
                fileio::WriteFileReplacing(path, kind == "csv" ? GenerateCsvPersons(n)
                                                               : GenerateBookmarkPage(n));
            }
            return path;
        }

    private:
        std::filesystem::path FDir;
        std::map<std::pair<std::string, int>, std::string> FPaths;
    };
    static TFiles files;
    return files.Get(kind, n);
}
