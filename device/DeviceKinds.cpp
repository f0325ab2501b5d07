#include "device/DeviceKinds.h"

int FindKindRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t variant)
{
    for (std::size_t row = 0; row < kDeviceKinds.size(); ++row) {
        const DeviceKindRow& entry = kDeviceKinds[row];
        if (entry.vendorId == vendorId && entry.productId == productId && entry.kind == kind &&
            entry.variant == variant)
            return static_cast<int>(row);
    }
    return -1;
}
