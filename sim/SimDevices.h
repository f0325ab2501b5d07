#pragma once

#include "sim/SimFirmware.h"
#include "sim/SimHeadset.h"
#include "sim/SimHidBackend.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The simulated products with their firmware, ready to plug: the fixture of
// device tests and the devices of --demo. Each product keeps its firmware
// (and memory) across unplug and plug; the mouse and the mouse through its
// receiver share one memory, as do the two keyboard routes.
class SimDevices {
public:
    // Installs its own simulated backend with the transport; the destructor removes it.
    SimDevices();
    ~SimDevices();
    SimDevices(const SimDevices&) = delete;
    SimDevices& operator=(const SimDevices&) = delete;

    SimHidBackend& Backend() { return *backend_; }

    // mouse, mouse-receiver, keyboard, keyboard-receiver, mousepad; null for
    // an unknown name or the headset.
    SimFirmware* Plug(std::string_view name);
    SimHeadset& PlugHeadset();
    void Unplug(std::string_view name);
    // What --demo shows: mouse, keyboard, mouse pad and headset.
    void PlugDemoSet();

    // The product's firmware or headset, plugged or not (created on first use).
    SimFirmware* Firmware(std::string_view name);
    SimHeadset& Headset();

    // The vendor command collection (the headset's only collection) and the
    // consumer-control collection of a product.
    static std::string CommandPath(std::string_view name);
    static std::string NotificationPath(std::string_view name);

private:
    struct Product {
        std::vector<std::shared_ptr<SimHidInterface>> interfaces;
        std::shared_ptr<SimFirmware> firmware;
        std::shared_ptr<SimHeadset> headset;
    };
    Product* Find(std::string_view name);
    std::shared_ptr<SimDeviceMemory> MemoryFor(std::string_view name);

    std::shared_ptr<SimHidBackend> backend_;
    std::map<std::string, Product, std::less<>> products_;
    std::map<std::string, std::shared_ptr<SimDeviceMemory>, std::less<>> memories_;
};
