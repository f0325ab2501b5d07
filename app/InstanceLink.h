#pragma once

#include "ui/WindowHandle.h"

#include <cstdint>
#include <string_view>
#include <vector>

// How this program meets its other copies and the programs around it: the
// single instance, the messages companion programs and games send it, the
// broadcasts it makes and the report it gives the service tool.
class InstanceLink {
public:
    enum class Claim {
        First,  // this is the only copy
        Second, // another copy runs; it has been asked to show itself
    };

    virtual ~InstanceLink() = default;

    virtual Claim ClaimInstance() = 0;
    // Messages that arrive from now on are posted to this window, as the
    // registered message of their name.
    virtual void SetReceiver(ui::WindowHandle window) = 0;
    // A registered message to every program listening.
    virtual void Broadcast(std::string_view messageName, int64_t wParam, int64_t lParam) = 0;
    // The service tool's report (a copy-data block); false when no tool listens.
    virtual bool SendToolReport(uint64_t dwData, const std::vector<uint8_t>& block) = 0;
};
