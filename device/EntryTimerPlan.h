#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The timers of a device's selector entry. Each fires once (the entry kills
// it when it fires) and calls the device, which answers what comes next.
namespace EntryTimer {
constexpr uint32_t kLightTick = 1000;
constexpr uint32_t kConnect = 1001;
constexpr uint32_t kReadSettings = 1002;
constexpr uint32_t kDevice1003 = 1003;
constexpr uint32_t kDevice1004 = 1004;
constexpr uint32_t kPowerStatus = 1005;
constexpr uint32_t kLinkWatch = 1007;
} // namespace EntryTimer

// What the selector entry does after a device operation: show or hide
// itself (telling the main window with message 3331) and start timers.
struct EntryTimerPlan {
    struct Start {
        uint32_t id;
        uint32_t delayMs;
        bool operator==(const Start&) const = default;
    };

    std::optional<bool> online; // true: show the entry; false: hide it
    std::vector<Start> timers;

    bool operator==(const EntryTimerPlan&) const = default;
};
