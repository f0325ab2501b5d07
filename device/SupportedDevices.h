#pragma once

#include "device/DeviceIdentity.h"

#include <array>
#include <cstddef>

// The built-in catalogue. The main window's device entry table is a copy of it
// in the same order, so a row index names the same interface in both.
constexpr std::array<SupportedDeviceEntry, 11> kSupportedDevices{{
    // vendor  product interface col kind role connected page   usage partner? partner
    {0x320F, 0x505B, 1, 4, kKindKeyboard, kRoleCommand, 0, 0xFF1C, 0x92, 1, 2},
    {0x320F, 0x505B, 1, 3, kKindKeyboard, kRoleNotification, 0, 0x000C, 0x01, 1, 3},
    {0x320F, 0x5088, 1, 4, kKindKeyboardReceiver, kRoleCommand, 0, 0xFF1C, 0x92, 1, 0},
    {0x320F, 0x5088, 1, 3, kKindKeyboardReceiver, kRoleNotification, 0, 0x000C, 0x01, 1, 1},
    {0x320F, 0x7C1F, 1, 4, kKindMouse, kRoleCommand, 0, 0xFF1C, 0x92, 1, 6},
    {0x320F, 0x7C1F, 1, 3, kKindMouse, kRoleNotification, 0, 0x000C, 0x01, 1, 7},
    {0x320F, 0x7C20, 1, 4, kKindMouseReceiver, kRoleCommand, 0, 0xFF1C, 0x92, 1, 4},
    {0x320F, 0x7C20, 1, 3, kKindMouseReceiver, kRoleNotification, 0, 0x000C, 0x01, 1, 5},
    {0x320F, 0x1004, 1, 4, kKindMousePad, kRoleCommand, 0, 0xFF1C, 0x92, 0, 0},
    {0x320F, 0x1004, 1, 3, kKindMousePad, kRoleNotification, 0, 0x000C, 0x01, 0, 0},
    {0x0C76, 0x1630, 3, 0, kKindHeadset, kRoleCommand, 0, 0x000C, 0x01, 0, 0},
}};

// Index of the first catalogue row with these four values, -1 when none.
int FindEntryRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t role);
