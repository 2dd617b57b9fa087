#include "store/NodeKey.h"

#include "store/KexObject.h"
#include "store/TreeNodes.h"

#include <algorithm>

TNodeKey::TNodeKey(const TTreeNode* node) {
    for (const TTreeNode* n = node; n; n = n->Parent()) {
        const TKexObject* r = n->Data();
        FSteps.push_back(
            {n, r != nullptr, r ? r->GetObjectId() : 0, r ? std::string() : n->Text()});
    }
    std::reverse(FSteps.begin(), FSteps.end());
}

TTreeNode* TNodeKey::Match(const TTreeNodes& tree, const TTreeNode* parent, const TStep& step) {
    const int count = parent ? parent->Count() : tree.TopCount();
    auto child = [&](int i) { return parent ? parent->Child(i) : tree.TopItem(i); };
    auto same = [&](const TTreeNode* c) {
        const TKexObject* r = c->Data();
        if (step.HasRecord) return r && r->GetObjectId() == step.Id;
        return !r && c->Text() == step.Text;
    };
    TTreeNode* first = nullptr;
    for (int i = 0; i < count; ++i) {
        TTreeNode* c = child(i);
        if (!same(c)) continue;
        if (c == step.Node) return c;
        if (!first) first = c;
    }
    return first;
}

TTreeNode* TNodeKey::Walk(const TTreeNodes& tree, size_t& resolved) const {
    TTreeNode* at = nullptr;
    resolved = 0;
    for (const TStep& step : FSteps) {
        TTreeNode* next = Match(tree, at, step);
        if (!next) break;
        at = next;
        ++resolved;
    }
    return at;
}

TTreeNode* TNodeKey::Find(const TTreeNodes& tree) const {
    size_t resolved = 0;
    TTreeNode* n = Walk(tree, resolved);
    return !FSteps.empty() && resolved == FSteps.size() ? n : nullptr;
}

TTreeNode* TNodeKey::FindNearest(const TTreeNodes& tree) const {
    size_t resolved = 0;
    return Walk(tree, resolved);
}
