#include "store/TreeCompare.h"

#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/TreeNode.h"

int CompareObjects(const TKexObject* a, const TKexObject* b) {
    if (!a || !b) return 0;
    bool af = a->GetKind() == kindFolder;
    bool bf = b->GetKind() == kindFolder;
    if (af && !bf) return -1;
    if (bf && !af) return 1;
    return fieldtext::CompareTextFolded(a->GetTitle(), b->GetTitle());
}

int FoldersCompare(const TTreeNode* a, const TTreeNode* b) {
    return CompareObjects(a ? a->Data() : nullptr, b ? b->Data() : nullptr);
}
