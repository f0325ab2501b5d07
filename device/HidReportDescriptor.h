#pragma once

#include "device/HidCollection.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Our parser of HID report descriptors: main, global and local items,
// push/pop, usage ranges, report ids and nested collections. Every collection
// at the outermost level becomes one top-level collection, in descriptor order.
class HidReportDescriptor {
public:
    // False for a truncated or malformed descriptor (unbalanced collections,
    // a pop without push, report id 0, sizes beyond what a report can hold);
    // `collections` is then empty. Never reads past `length`.
    static bool Parse(const uint8_t* data, size_t length, std::vector<HidCollection>& collections);
};
