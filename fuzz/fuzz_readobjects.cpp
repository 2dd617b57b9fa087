// Feeds arbitrary bytes to the record reader as a data file (after its header
// line) or as transfer text pasted below a nested node. Whatever it reads must
// be written and read back to the very same text.
#include "FuzzServices.h"
#include "platform/Errors.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/ObjectReader.h"
#include "store/TextReader.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Serialize(TTreeNodes& tree) {
    TTextWriter f;
    for (TTreeNode* n : tree.InOrder())
        if (TKexObject* r = n->Data()) r->WriteObject(f, n->Level());
    return f.Text();
}

void Load(TTreeNodes& tree, TTreeNode* below, const std::string& text, bool skipHeader) {
    TTextReader reader(text, "input");
    if (skipHeader) reader.SkipLn();
    ReadObjects(reader, below);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TFuzzServices services;
    if (size == 0) return 0;
    bool asDataFile = data[0] & 1;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    TContactStore doc;
    TTreeNodes& tree = doc.Tree();
    TTreeNode* root = doc.Root();
    TTreeNode* below = root;
    if (!asDataFile)
        below = CreateObject(kindFolder, "Paste here", "", "", root, "{Fold}0", 5).Node;
    try {
        Load(tree, below, text, asDataFile);
    } catch (const EInOutError& e) {
        if (e.ErrorCode() != 106) std::abort();
    }

    // The tree read so far, written and read again, must not change.
    std::string first = Serialize(tree);
    TContactStore again;
    // Serialize writes the root at level 0: read it as a data file body.
    Load(again.Tree(), again.Root(), first, false);
    std::string second = Serialize(again.Tree());
    if (first != second) {
        std::fprintf(stderr, "round trip differs:\n--- first\n%s\n--- second\n%s\n", first.c_str(),
                     second.c_str());
        std::abort();
    }
    return 0;
}
