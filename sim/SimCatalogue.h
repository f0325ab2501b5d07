#pragma once

#include "device/DeviceIdentity.h"
#include "sim/SimHidInterface.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The simulated products: one per catalogue product and route, with the
// interfaces and collections the real ones have.
struct SimProductInfo {
    std::string_view name;
    uint16_t vendorId;
    uint16_t productId;
    DeviceKindCode kind;
    bool viaReceiver;  // reached through a wireless receiver
};

class SimCatalogue {
public:
    static constexpr uint16_t kCommandInterface = 1; // mouse, keyboards, pad
    static constexpr uint16_t kHeadsetInterface = 3;

    // mouse, mouse-receiver, keyboard, keyboard-receiver, mousepad, headset.
    static const std::vector<SimProductInfo>& Products();
    static const SimProductInfo* Find(std::string_view name);
    // The product's interfaces, unplugged and without a device model.
    static std::vector<std::shared_ptr<SimHidInterface>> MakeInterfaces(const SimProductInfo& product);
};
