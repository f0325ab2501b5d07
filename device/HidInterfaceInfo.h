#pragma once

#include "device/HidTypes.h"

#include <string>

// What enumeration tells of one path without opening it.
struct HidInterfaceInfo {
    std::string path;
    HidAttributes attributes;
    HidCaps caps;
};
