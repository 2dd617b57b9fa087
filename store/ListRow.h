#pragma once

#include <string>
#include <vector>

class TKexObject;

// One row of the item list: caption, target and comment columns, images and
// the record it shows (borrowed).
struct TListRow {
    std::string Caption;
    std::string Target;
    std::string Comment;
    int ImageIndex = 0;
    int StateIndex = -1;
    TKexObject* Data = nullptr;
    bool Selected = false;
};

using TListRows = std::vector<TListRow>;
