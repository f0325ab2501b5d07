#pragma once

#include "device/DeviceIdentity.h"
#include "device/SupportedDevices.h"

#include <array>
#include <optional>

// The main window's copy of the catalogue, where entries are marked connected
// while their interface is present. The detection thread reads and changes it
// without a lock: the main window changes it only while it handles the arrival
// and removal messages, which the detection thread sends and waits for.
class DeviceEntryTable {
public:
    DeviceEntryTable();

    size_t size() const { return entries_.size(); }
    const DeviceIdentity& operator[](size_t row) const { return entries_[row]; }
    DeviceIdentity& operator[](size_t row) { return entries_[row]; }

    // True when some catalogue row has the identity's vendor id, product id,
    // interface and collection number and some entry with those four values is
    // free. Usage page and usage are not known yet when this is asked.
    bool IsCandidate(const DeviceIdentity& identity) const;

    // Matches the identity, now with its usage page and usage, against the
    // catalogue (copying kind and role into it) and claims the first free entry
    // with the same six values: marks it connected, stores the path and returns
    // its row. Nothing when no row matches or every matching entry is taken.
    std::optional<size_t> ClaimEntry(DeviceIdentity& identity);

    // The interface of a claimed entry went away: the entry is free again.
    void ReleaseEntry(size_t row);

    // True when no entry is free, so a pass only has to watch for removals.
    bool AllEntriesClaimed() const;

private:
    std::array<DeviceIdentity, kSupportedDevices.size()> entries_;
};
