#pragma once

#include "device/HidTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What sysfs tells of one hidraw node: the HID device's ids (uevent HID_ID),
// the USB interface number (bInterfaceNumber of the interface above it), the
// device's release number (bcdDevice) and the raw report descriptor.
struct SysfsHidrawNode {
    std::string name; // "hidraw3"
    HidAttributes attributes;
    std::optional<uint16_t> interfaceNumber;
    std::vector<uint8_t> reportDescriptor;

    // The hidraw node names under <sysfsRoot>/class/hidraw, by number.
    static std::vector<std::string> List(const std::string& sysfsRoot);
    // Where <sysfsRoot>/class/hidraw/<name> points: names the HID device the
    // node belongs to. Empty when the node is gone.
    static std::string ClassLink(const std::string& sysfsRoot, const std::string& name);
    // False when the node is gone or an entry it needs cannot be read.
    static bool Read(const std::string& sysfsRoot, const std::string& name, SysfsHidrawNode& node);
};
