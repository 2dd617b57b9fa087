#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TKexObject;

// The kind-to-class table. The store knows records only by their base: the
// record layers enter their classes at start-up (RegisterRecordKinds), and
// CreateObject and the readers build every record through the table.
class TRecordRegistry {
public:
    using TMaker = std::unique_ptr<TKexObject> (*)(uint8_t kind, const std::string& title,
                                                   const std::string& target,
                                                   const std::string& comment, int32_t objectId,
                                                   const std::string& classLine);

    static void Register(uint8_t kind, TMaker maker);
    static bool IsRegistered(uint8_t kind);
    // Forgets every class (for tests of the table itself).
    static void Clear();

    // The record of a kind, its class line read. The root and kinds above 12
    // (from a newer program) are plain records; a kind above 12 keeps its
    // class line verbatim. A kind of 0 to 12 whose class was never entered
    // is a wiring mistake: std::logic_error naming the kind.
    static std::unique_ptr<TKexObject> Construct(uint8_t kind, const std::string& title,
                                                 const std::string& target,
                                                 const std::string& comment, int32_t objectId,
                                                 const std::string& classLine);
};

// A maker for the table: the class's own constructor.
template <typename T>
std::unique_ptr<TKexObject> MakeRecord(uint8_t kind, const std::string& title,
                                       const std::string& target, const std::string& comment,
                                       int32_t objectId, const std::string& classLine) {
    return std::make_unique<T>(kind, title, target, comment, objectId, classLine);
}
