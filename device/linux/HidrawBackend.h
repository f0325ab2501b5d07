#pragma once

#include "device/HidBackend.h"
#include "device/HidCollection.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The machine's HID interfaces: hidraw nodes described by sysfs. Both roots
// are parameters so tests and the tool can point them at a fixture tree.
//
// Detection lists and probes every 100 ms while it polls, so a node is read
// and its descriptor parsed only when it is new: a node keeps its description
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
        HidAttributes attributes;
        std::vector<HidCollection> collections;
        std::vector<HidInterfaceInfo> interfaces; // one path per collection
    };

    // The node as it is now, read only when it is new or was replaced; null
    // when it is gone or cannot be read. With lock_ held.
    const KnownNode* DescribeLocked(const std::string& name);

    std::string sysfsRoot_;
    std::string deviceRoot_;
    std::mutex lock_;
    std::map<std::string, KnownNode> known_;
};
