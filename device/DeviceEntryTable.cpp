#include "device/DeviceEntryTable.h"

namespace {

bool SameInterface(const SupportedDeviceEntry& a, const SupportedDeviceEntry& b)
{
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.interfaceNumber == b.interfaceNumber && a.collectionNumber == b.collectionNumber;
}

bool SameInterfaceAndUsage(const SupportedDeviceEntry& a, const SupportedDeviceEntry& b)
{
    return SameInterface(a, b) && a.usagePage == b.usagePage && a.usage == b.usage;
}

} // namespace

DeviceEntryTable::DeviceEntryTable()
{
    for (size_t row = 0; row < entries_.size(); ++row)
        entries_[row] = DeviceIdentity(kSupportedDevices[row]);
}

bool DeviceEntryTable::IsCandidate(const DeviceIdentity& identity) const
{
    bool catalogued = false;
    for (const SupportedDeviceEntry& row : kSupportedDevices)
        catalogued = catalogued || SameInterface(row, identity);
    if (!catalogued)
        return false;
    for (const DeviceIdentity& entry : entries_)
        if (SameInterface(entry, identity) && entry.IsFree())
            return true;
    return false;
}

std::optional<size_t> DeviceEntryTable::ClaimEntry(DeviceIdentity& identity)
{
    const SupportedDeviceEntry* match = nullptr;
    for (const SupportedDeviceEntry& row : kSupportedDevices) {
        if (SameInterfaceAndUsage(row, identity)) {
            match = &row;
            break;
        }
    }
    if (!match)
        return std::nullopt;
    identity.kind = match->kind;
    identity.role = match->role;

    for (size_t row = 0; row < entries_.size(); ++row) {
        DeviceIdentity& entry = entries_[row];
        if (SameInterfaceAndUsage(entry, identity) && entry.IsFree()) {
            entry.connected = 1;
            entry.devicePath = identity.devicePath;
            return row;
        }
    }
    return std::nullopt;
}

void DeviceEntryTable::ReleaseEntry(size_t row)
{
    entries_[row].connected = 0;
    entries_[row].devicePath.clear();
}

bool DeviceEntryTable::AllEntriesClaimed() const
{
    for (const DeviceIdentity& entry : entries_)
        if (entry.IsFree())
            return false;
    return true;
}
