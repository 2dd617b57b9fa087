#pragma once

#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "store/TreePath.h"
#include "support/TestServices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

// The small tree of tests/data/exchange/publish/small.dat below a fresh root.
struct TPublishTree {
    TTreeNodes Tree;
    TTreeNode* Root = CreateRoot(Tree);
    TPublishTree() { LoadDataFile(Root, DataPath("exchange/publish/small.dat")); }
    TTreeNode* At(const std::string& path) { return FindNodeByPath(Tree, path); }
};

// The names of the files in a folder, sorted.
inline std::vector<std::string> FileNames(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The errors `tidy -errors -quiet` finds in a page (warnings left out: the
// pages keep their old-style markup): "" when there are none.
// Answers "no tidy" when the program is missing.
inline std::string TidyErrors(const std::string& page) {
    if (std::system("command -v tidy >/dev/null 2>&1") != 0) return "no tidy";
    std::string out;
    FILE* p = popen(("tidy -errors -quiet --show-warnings no '" + page + "' 2>&1").c_str(), "r");
    if (!p) return "tidy did not start";
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    int status = pclose(p);
    // Exit status 2 means errors; 1 only warnings, which the old-style pages have.
    if (WEXITSTATUS(status) >= 2 && out.empty()) out = "tidy failed";
    return out;
}
