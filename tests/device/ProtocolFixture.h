#pragma once

#include "device/DeviceProtocol.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "sim/SimDevices.h"

#include <gtest/gtest.h>
#include <string>

// A command channel opened on a simulated product, as a device object opens
// it: the route's interface, opened, SelectRoute(2) through the receiver.
class ProtocolFixture : public ::testing::Test {
protected:
    ProtocolFixture()
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
    }
    ~ProtocolFixture() override { HidBackendRegistry::SetPlatformBackend(nullptr); }

    SimFirmware& Connect(const std::string& name)
    {
        SimFirmware* firmware = devices.Plug(name);
        EXPECT_NE(firmware, nullptr);
        const bool viaReceiver = firmware->ViaReceiver();
        HidDevice& interface = viaReceiver ? channel.ReceiverInterface() : channel.DirectInterface();
        EXPECT_TRUE(interface.Open(SimDevices::CommandPath(name), true, true, true, false));
        channel.SetOpened(true);
        channel.SelectRoute(viaReceiver ? 2 : 1);
        return *firmware;
    }

    SimDevices devices;
    DeviceProtocol channel;
};

inline SimCommandRecord Read(uint8_t command, uint8_t length, uint16_t offset)
{
    return {command, length, offset, {}};
}

inline SimCommandRecord Written(uint8_t command, uint16_t offset, const std::vector<uint8_t>& payload)
{
    return {command, static_cast<uint8_t>(payload.size()), offset, payload};
}

inline void PrintTo(const SimCommandRecord& record, std::ostream* out)
{
    *out << "{cmd " << int(record.command) << ", len " << int(record.length) << ", off " << record.offset
         << ", " << record.payload.size() << " bytes}";
}
