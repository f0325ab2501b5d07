#pragma once

#include <cstdint>
#include <vector>

// Report descriptors of the simulated products, laid out as such devices
// declare them.
class SimDescriptors {
public:
    static constexpr uint8_t kKeysReportId = 1;
    static constexpr uint8_t kSystemReportId = 2;
    static constexpr uint8_t kConsumerReportId = 3; // device notifications
    static constexpr uint8_t kVendorReportId = 4;   // vendor commands, 64-byte reports
    static constexpr uint8_t kHeadsetConsumerReportId = 1;
    static constexpr uint8_t kHeadsetLightReportId = 0xFF; // 17-byte light output reports

    // Interface 1 of the mouse, keyboards and mouse pad: four top-level
    // collections (keys, system control, consumer control, vendor).
    static std::vector<uint8_t> CommandInterface();
    // Interface 0 of the mice: a boot mouse, no report ids.
    static std::vector<uint8_t> MouseInterface();
    // Interface 0 of the keyboards: a boot keyboard, no report ids.
    static std::vector<uint8_t> KeyboardInterface();
    // Interface 3 of the headset: one consumer-control collection with the
    // light output report.
    static std::vector<uint8_t> HeadsetInterface();
};
