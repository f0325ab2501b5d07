#include "device/HidField.h"

uint32_t HidField::UsageCount(uint32_t limit) const
{
    uint64_t count = 0;
    for (const HidUsageRange& range : usages) {
        count += static_cast<uint64_t>(range.max) - range.min + 1;
        if (count >= limit)
            return limit;
    }
    return static_cast<uint32_t>(count);
}

uint32_t HidField::UsageAt(uint32_t index) const
{
    uint32_t last = 0;
    for (const HidUsageRange& range : usages) {
        const uint64_t span = static_cast<uint64_t>(range.max) - range.min + 1;
        if (index < span)
            return range.min + index;
        index -= static_cast<uint32_t>(span);
        last = range.max;
    }
    return last;
}

bool HidField::Extract(const uint8_t* data, size_t length, uint32_t bit, uint32_t size, uint32_t& value)
{
    if (size == 0 || size > 32)
        return false;
    const uint64_t end = static_cast<uint64_t>(bit) + size;
    if (end > static_cast<uint64_t>(length) * 8)
        return false;
    uint64_t result = 0;
    for (uint32_t i = 0; i < size; ++i) {
        const uint64_t at = bit + i;
        if (data[at / 8] & (1u << (at % 8)))
            result |= uint64_t{1} << i;
    }
    value = static_cast<uint32_t>(result);
    return true;
}
