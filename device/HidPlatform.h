#pragma once

#include "device/HidBackend.h"

#include <memory>
#include <string>

// The machine's own HID interfaces (implemented by the platform folder):
// sysfs under `sysfsRoot`, device nodes under `deviceRoot`.
std::shared_ptr<HidBackend> CreatePlatformHidBackend(const std::string& sysfsRoot = "/sys",
                                                     const std::string& deviceRoot = "/dev");
