#include "store/RecordRegistry.h"

#include "store/KexObject.h"

#include <array>
#include <stdexcept>

namespace {
std::array<TRecordRegistry::TMaker, 256>& Table() {
    static std::array<TRecordRegistry::TMaker, 256> table{};
    return table;
}
} // namespace

void TRecordRegistry::Register(uint8_t kind, TMaker maker) {
    Table()[kind] = maker;
}

bool TRecordRegistry::IsRegistered(uint8_t kind) {
    return Table()[kind] != nullptr;
}

void TRecordRegistry::Clear() {
    Table().fill(nullptr);
}

std::unique_ptr<TKexObject> TRecordRegistry::Construct(uint8_t kind, const std::string& title,
                                                       const std::string& target,
                                                       const std::string& comment, int32_t objectId,
                                                       const std::string& classLine) {
    if (TMaker maker = Table()[kind])
        return maker(kind, title, target, comment, objectId, classLine);
    if (kind == kindRoot)
        return std::make_unique<TKexObject>(kind, title, target, comment, objectId);
    if (kind <= kindTool)
        throw std::logic_error("no record class is registered for kind " + std::to_string(kind) +
                               " (RegisterRecordKinds was not called)");
    // A kind without a class of its own keeps its class line verbatim.
    auto r = std::make_unique<TKexObject>(kind, title, target, comment, objectId);
    r->KeepClassLine(classLine);
    return r;
}
