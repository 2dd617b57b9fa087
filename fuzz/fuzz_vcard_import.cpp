// Feeds arbitrary bytes to the vCard import: every card becomes a person or an
// organization (by the first byte). The tree it makes must write and read back
// to the very same text (no value broke a record line), and the cards the new
// records write must import again.
#include "FuzzServices.h"
#include "exchange/VCardFile.h"
#include "exchange/jobs/VCardImport.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "store/ContactStore.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TFuzzServices services;
    if (size == 0) return 0;
    const TCardOrgMode mode = data[0] & 1 ? TCardOrgMode::Organization : TCardOrgMode::Person;
    TVCardFile cards;
    cards.ReadText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    TContactStore doc;
    ImportVCardCards(cards, doc.Root(), mode);
    std::string first = Serialize(doc.Tree());
    TContactStore again;
    TTextReader reader(first, "written");
    ReadObjects(reader, again.Root());
    std::string second = Serialize(again.Tree());
    if (first != second) {
        std::fprintf(stderr, "round trip differs:\n--- first\n%s\n--- second\n%s\n", first.c_str(),
                     second.c_str());
        std::abort();
    }

    TVCardFile written;
    for (TTreeNode* n : doc.Tree().InOrder()) {
        if (auto* p = dynamic_cast<TPersonObject*>(n->Data())) written.AddCard(p->VCard());
        if (auto* o = dynamic_cast<TOrgObject*>(n->Data())) written.AddCard(o->VCard());
    }
    TVCardFile reread;
    reread.ReadText(written.Text());
    TContactStore third;
    if (ImportVCardCards(reread, third.Root(), mode).CardsRead != written.CardCount()) std::abort();
    return 0;
}
