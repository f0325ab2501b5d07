#pragma once

#include "device/HidBackend.h"

#include <string>

// The machine's HID interfaces: hidraw nodes described by sysfs. Both roots
// are parameters so tests and the tool can point them at a fixture tree.
class HidrawBackend : public HidBackend {
public:
    HidrawBackend(std::string sysfsRoot, std::string deviceRoot);

    bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override;
    std::shared_ptr<HidConnection> Open(const std::string& path, const HidOpenMode& mode) override;

private:
    std::string sysfsRoot_;
    std::string deviceRoot_;
};
