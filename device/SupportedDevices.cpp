#include "device/SupportedDevices.h"

int FindEntryRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t role)
{
    for (std::size_t row = 0; row < kSupportedDevices.size(); ++row) {
        const SupportedDeviceEntry& entry = kSupportedDevices[row];
        if (entry.vendorId == vendorId && entry.productId == productId && entry.kind == kind &&
            entry.role == role)
            return static_cast<int>(row);
    }
    return -1;
}
