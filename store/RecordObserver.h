#pragma once

#include <cstdint>
#include <vector>

class TKexObject;

// What changed about a record, as bits: its common fields, and items added
// to its detail items.
enum TRecordEvent : uint32_t {
    reTitle = 1u << 0,
    reTarget = 1u << 1,
    reComment = 1u << 2,
    reCategories = 1u << 3,
    reItemInserted = 1u << 4,
};

// A record that changed during an update scope, with every event it had.
struct TRecordChange {
    TKexObject* Record = nullptr;
    uint32_t Events = 0;
};

// What an update scope did: the records that changed and still exist, each
// once, in the order of their first change; and whether any record or item
// went (told at once through RecordRemoving and ItemRemoving).
struct TRecordChanges {
    std::vector<TRecordChange> Records;
    bool Removed = false;

    bool Empty() const { return Records.empty() && !Removed; }
};

// Told of the records of a document (TContactStore). Removals come at once,
// while the record is still whole, so that nobody keeps a reference to it;
// everything else comes once, when the outermost update scope ends, and the
// observer then reads again what it shows. Observers must not throw.
class IRecordObserver {
public:
    virtual ~IRecordObserver() = default;
    // The item leaves its owner's detail items (deleted, or moved elsewhere).
    virtual void ItemRemoving(TKexObject* /*owner*/, TKexObject* /*item*/) {}
    // The record is about to be destroyed: with its node (told for every
    // record below a deleted node, their items included) or as a deleted
    // detail item.
    virtual void RecordRemoving(TKexObject* /*record*/) {}
    // An update scope ended that changed or removed something.
    virtual void RecordsChanged(const TRecordChanges& /*changes*/) {}
};
