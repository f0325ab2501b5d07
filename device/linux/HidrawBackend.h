#pragma once

#include "device/HidBackend.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

// The machine's HID interfaces: hidraw nodes described by sysfs. Both roots
// are parameters so tests and the tool can point them at a fixture tree.
//
// Enumeration runs every 100 ms while detection polls, so a node is read and
// its descriptor parsed only when it is new: a node keeps its description
// while its class link names the same HID device (the kernel numbers every
// HID device it adds afresh, so a device plugged again gets a new link).
class HidrawBackend : public HidBackend {
public:
    HidrawBackend(std::string sysfsRoot, std::string deviceRoot);

    bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override;
    std::shared_ptr<HidConnection> Open(const std::string& path, const HidOpenMode& mode) override;

private:
    struct KnownNode {
        std::string link; // where class/hidraw/<node> pointed when it was read
        std::vector<HidInterfaceInfo> interfaces;
    };

    std::string sysfsRoot_;
    std::string deviceRoot_;
    std::mutex lock_;
    std::map<std::string, KnownNode> known_;
};
