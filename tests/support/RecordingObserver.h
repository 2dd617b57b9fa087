#pragma once

#include "store/ContactStore.h"
#include "store/RecordObserver.h"

#include <string>
#include <vector>

// Watches a document for the test's lifetime and keeps what it was told, in
// order: the deliveries of changes, and the removals as they came.
class TRecordingObserver : public IRecordObserver {
public:
    explicit TRecordingObserver(TContactStore& document) : FDocument(document) {
        FDocument.AddObserver(this);
    }
    ~TRecordingObserver() override { FDocument.RemoveObserver(this); }
    TRecordingObserver(const TRecordingObserver&) = delete;
    TRecordingObserver& operator=(const TRecordingObserver&) = delete;

    void ItemRemoving(TKexObject* owner, TKexObject* item) override {
        Removals.push_back({"item", owner, item});
    }
    void RecordRemoving(TKexObject* record) override {
        Removals.push_back({"record", nullptr, record});
    }
    void RecordsChanged(const TRecordChanges& changes) override { Deliveries.push_back(changes); }

    // Every event told for the record, over all deliveries.
    uint32_t EventsOf(const TKexObject* record) const {
        uint32_t events = 0;
        for (const auto& d : Deliveries)
            for (const auto& c : d.Records)
                if (c.Record == record) events |= c.Events;
        return events;
    }
    void Clear() {
        Deliveries.clear();
        Removals.clear();
    }

    struct TRemoval {
        std::string What; // "item" (ItemRemoving) or "record" (RecordRemoving)
        TKexObject* Owner;
        TKexObject* Record;
    };
    std::vector<TRecordChanges> Deliveries;
    std::vector<TRemoval> Removals;

private:
    TContactStore& FDocument;
};
