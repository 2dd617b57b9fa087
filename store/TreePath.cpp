#include "store/TreePath.h"

#include "store/TreeNodes.h"

#include <string_view>

std::string NodePath(const TTreeNode* node) {
    if (!node) return {};
    std::string path = node->Text();
    for (const TTreeNode* p = node->Parent(); p; p = p->Parent())
        path = p->Text() + "/" + path;
    return path;
}

namespace {
// Matches rest against the subtree below one of the candidates, trying every
// label that is a prefix of rest followed by "/" or the end.
TTreeNode* Match(TTreeNode* first, std::string_view rest) {
    for (TTreeNode* n = first; n; n = n->GetNextSibling()) {
        const std::string& t = n->Text();
        if (rest.substr(0, t.size()) != t) continue;
        if (rest.size() == t.size()) return n;
        if (rest[t.size()] != '/') continue;
        if (TTreeNode* found = Match(n->GetFirstChild(), rest.substr(t.size() + 1))) return found;
    }
    return nullptr;
}
} // namespace

TTreeNode* FindNodeByPath(const TTreeNodes& tree, const std::string& path) {
    std::string_view p = path;
    while (p.size() > 1 && p.back() == '/')
        p.remove_suffix(1);
    return Match(tree.GetFirstNode(), p);
}
