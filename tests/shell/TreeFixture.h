#pragma once

#include "store/ListRow.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// Records made below the root as the commands make them, for fixtures over
// a document; root is set by the fixture.
class TreeFixture : public ::testing::Test {
protected:
    TTreeNode* Node(uint8_t kind, const std::string& title, TTreeNode* parent = nullptr) {
        return CreateObject(kind, title, "", "", parent ? parent : root, "", 0).Node;
    }
    TKexObject* Item(uint8_t kind, const std::string& title, TTreeNode* owner,
                     const std::string& target = "") {
        return CreateObject(kind, title, target, "", owner, "", 0).Object;
    }
    static Strings CaptionsOf(const TListRows& rows) {
        Strings out;
        for (const TListRow& r : rows)
            out.push_back(r.Caption);
        return out;
    }

    TTreeNode* root = nullptr;
};
