#pragma once

#include <cstdint>

// What one button or key does (6 bytes): its position in the device's key
// list, the assignment type and two parameters.
struct KeyAssignment {
    uint16_t keyIndex = 0;
    uint8_t type = 0;
    uint8_t param1 = 0;
    uint8_t param2 = 0;
    uint8_t reserved = 0;

    bool operator==(const KeyAssignment&) const = default;
};
static_assert(sizeof(KeyAssignment) == 6);

// A key's current assignment and its factory one.
struct KeyAssignmentEntry {
    KeyAssignment current;
    KeyAssignment standard;

    bool operator==(const KeyAssignmentEntry&) const = default;
};
