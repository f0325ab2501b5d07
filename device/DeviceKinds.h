#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One row per device selector entry: what the selector shows and where the
// device keeps its files.
struct DeviceKindRow {
    const char* selectorLayout;
    const char* headerControl;
    const char* powerControl;
    const char* folderName;   // names the data folders and the default profile
    int lightPresetIndex;     // entry of this device in the light preset documents
    uint16_t vendorId;
    uint16_t productId;
    uint16_t kind;
    uint16_t variant;
};

// The device page of each selector entry, in the order of kDeviceKinds.
struct DevicePageRow {
    const char* pageLayout;
    int ledCount;
    int keyButtonCount;
    int pageFlag; // 1 enables the periodic power status poll
    int logoLed;
    const char* lightConfigName;
};

constexpr std::array<DeviceKindRow, 4> kDeviceKinds{{
    {"XML\\CustomControlXML\\DeviceOption.xml", "tab_header_device", "device_power_switch",
     "mouse", 1, 0x320F, 0x7C1F, 2, 0},
    {"XML\\CustomControlXML\\DeviceOption.xml", "tab_header_device", "device_power_switch",
     "keyboard", 0, 0x320F, 0x505B, 1, 0},
    {"XML\\CustomControlXML\\DeviceOption.xml", "tab_header_device", "device_power_switch",
     "MousePad", 2, 0x320F, 0x1004, 3, 0},
    {"XML\\CustomControlXML\\DeviceOption.xml", "tab_header_device", "device_power_switch",
     "HD", 3, 0x0C76, 0x1630, 7, 0},
}};

constexpr std::array<DevicePageRow, 4> kDevicePages{{
    {"XML\\DeviceXml\\mousedevice.xml", 15, 11, 1, -1, "kovra_light"},
    {"XML\\DeviceXml\\keyboarddevice.xml", 170, 170, 0, -1, "kovra_light"},
    {"XML\\DeviceXml\\mousepaddevice.xml", 15, 0, 0, -1, "kovra_light"},
    {"XML\\DeviceXml\\hs6533device.xml", 13, 0, 0, -1, "kovra_light"},
}};

// Index of the first device kind row with these four values, -1 when none.
int FindKindRow(uint16_t vendorId, uint16_t productId, uint16_t kind, uint16_t variant);
