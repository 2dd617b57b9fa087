#include "store/TreeNode.h"

#include "store/KexObject.h"
#include "store/TreeNodes.h"
#include "store/TreeObserver.h"

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text,
                     std::unique_ptr<TKexObject> data)
    : FOwner(owner), FParent(parent), FText(std::move(text)), FData(std::move(data)),
      FLevel(parent ? parent->FLevel + 1 : 0) {}

TTreeNode::~TTreeNode() = default;

void TTreeNode::Changed() {
    FOwner->Notify([this](ITreeObserver* o) { o->NodeChanged(this); });
}

void TTreeNode::SetText(const std::string& text) {
    if (FText == text) return;
    FText = text;
    Changed();
}

void TTreeNode::SetImageIndex(int index) {
    if (FImageIndex == index) return;
    FImageIndex = index;
    Changed();
}

void TTreeNode::SetSelectedIndex(int index) {
    if (FSelectedIndex == index) return;
    FSelectedIndex = index;
    Changed();
}

void TTreeNode::SetStateIndex(int index) {
    if (FStateIndex == index) return;
    FStateIndex = index;
    Changed();
}

void TTreeNode::SetOverlayIndex(int index) {
    if (FOverlayIndex == index) return;
    FOverlayIndex = index;
    Changed();
}

TTreeNode* TTreeNode::Child(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return FChildren[static_cast<size_t>(index)].get();
}

TTreeNode* TTreeNode::GetNextSibling() const {
    auto& sib = FOwner->SiblingsOf(this);
    size_t next = static_cast<size_t>(FIndex) + 1;
    return next < sib.size() ? sib[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    auto& sib = FOwner->SiblingsOf(this);
    return FIndex > 0 ? sib[static_cast<size_t>(FIndex) - 1].get() : nullptr;
}

TTreeNode* TTreeNode::DeepestLastDescendant() const {
    const TTreeNode* n = this;
    while (n->HasChildren())
        n = n->FChildren.back().get();
    return const_cast<TTreeNode*>(n);
}

int TTreeNode::AbsoluteIndex() const {
    FOwner->EnsureOrder();
    return FAbsoluteIndex;
}

bool TTreeNode::IsFirstNode() const {
    return !FParent && FOwner->GetFirstNode() == this;
}

bool TTreeNode::HasAsAncestor(const TTreeNode* ancestor) const {
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (p == ancestor) return true;
    return false;
}

bool TTreeNode::MoveTo(TTreeNode* newParent) {
    if (newParent == this || (newParent && newParent->HasAsAncestor(this))) return false;
    if (newParent && newParent->FOwner != FOwner) return false;
    auto& newSiblings = FOwner->ChildrenOf(newParent);
    int newIndex = static_cast<int>(newSiblings.size());
    if (FParent == newParent) --newIndex; // it leaves its place first
    FOwner->Notify([&](ITreeObserver* o) { o->NodeMoving(this, newParent, newIndex); });

    auto& oldSiblings = FOwner->SiblingsOf(this);
    size_t at = static_cast<size_t>(FIndex);
    std::unique_ptr<TTreeNode> self = std::move(oldSiblings[at]);
    oldSiblings.erase(oldSiblings.begin() + static_cast<long>(at));
    TTreeNodes::Reindex(oldSiblings, at);
    FParent = newParent;
    newSiblings.push_back(std::move(self));
    FIndex = static_cast<int>(newSiblings.size()) - 1;

    // Levels below the moved node follow it.
    std::vector<TTreeNode*> stack{this};
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        n->FLevel = n->FParent ? n->FParent->FLevel + 1 : 0;
        for (auto& c : n->FChildren)
            stack.push_back(c.get());
    }
    FOwner->Invalidate();
    FOwner->Notify([this](ITreeObserver* o) { o->NodeMoved(this); });
    return true;
}

void TTreeNode::SortChildren() {
    FOwner->SortSiblings(this);
}

void TTreeNode::DeleteChildren() {
    while (HasChildren())
        FOwner->Delete(FChildren.back().get());
}

void TTreeNode::Delete() {
    FOwner->Delete(this);
}
