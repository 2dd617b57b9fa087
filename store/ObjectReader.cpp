#include "store/ObjectReader.h"

#include "store/FieldText.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TextReader.h"
#include "store/TreeNodes.h"

#include <vector>

void ReadObjects(TTextReader& f, TTreeNode* parent) {
    if (!parent) return;
    TTreeNode* root = parent->Owner()->GetFirstNode();
    const int64_t baseLevel = parent->Level();
    int64_t curLevel = baseLevel + 1;
    TTreeNode* curParent = parent;
    TTreeNode* lastNode = parent;
    std::vector<std::string> fields;

    while (!f.Eof()) {
        char c1 = f.ReadChar();
        int64_t level = f.ReadInt();
        int64_t kind = f.ReadInt();
        f.ReadChar(); // the blank after the kind
        char c2 = f.ReadChar();
        if (c1 != '{' || c2 != '}') {
            f.SkipLn();
            continue;
        }
        std::string t = f.ReadLn();
        fields.clear();
        fieldtext::SplitFields(t, fields);
        if (fields.size() != 4) continue; // dropped; its class line is read as a record line

        level += baseLevel;
        if (level > curLevel) {
            curLevel = level;
            curParent = lastNode;
        } else {
            while (level < curLevel && curParent) {
                curParent = curParent->Parent();
                --curLevel;
            }
            if (level < curLevel) curLevel = level;
        }
        auto k = static_cast<uint8_t>(kind & 0xFF);
        std::string classLine;
        if (k != kindRoot) classLine = f.ReadLn();
        int32_t id = fieldtext::LeadingIntDef(fields[3], 0);
        if (k == kindRoot) continue; // the existing root keeps its own record

        // A record above the top of the tree (only in a damaged file) goes to the root.
        TTreeNode* owner = curParent ? curParent : root;
        TCreated r = CreateObject(k, fields[0], fields[1], fields[2], owner, classLine, id);
        if (IsTreeKind(k)) lastNode = r.Node;
    }
}
