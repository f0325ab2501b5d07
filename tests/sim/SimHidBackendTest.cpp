#include "device/HidBackendRegistry.h"
#include "device/HidDevice.h"
#include "sim/SimCatalogue.h"
#include "tests/device/SimTransport.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>

namespace {

const std::string kVendor = "sim:mousepad&vid_320f&pid_1004&mi_01&col04";

TEST(SimCatalogue, ProductsCarryTheCatalogueInterfaces)
{
    SimTransport transport;
    for (const SimProductInfo& product : SimCatalogue::Products())
        transport.PlugEchoProduct(std::string(product.name));
    HidDevice device;
    ASSERT_TRUE(device.Enumerate());
    int checked = 0;
    while (auto path = device.NextPath()) {
        const uint16_t interface = HidDevice::ParseHexField(*path, "&mi_");
        const uint16_t collection = HidDevice::ParseHexField(*path, "&col");
        ASSERT_TRUE(device.Open(*path, true, false, true, false)) << *path;
        const HidCaps caps = device.Caps();
        if (device.Attributes().vendorId == 0x0C76) {
            EXPECT_EQ(device.Attributes().productId, 0x1630);
            EXPECT_EQ(interface, 3);
            EXPECT_EQ(collection, 0);
            EXPECT_EQ(caps.usagePage, 0x000C);
            EXPECT_EQ(caps.usage, 0x01);
            EXPECT_EQ(caps.outputReportByteLength, 17);
            ++checked;
        } else if (interface == 1 && collection == 3) {
            EXPECT_EQ(caps.usagePage, 0x000C);
            EXPECT_EQ(caps.usage, 0x01);
            ++checked;
        } else if (interface == 1 && collection == 4) {
            EXPECT_EQ(caps.usagePage, 0xFF1C);
            EXPECT_EQ(caps.usage, 0x92);
            EXPECT_EQ(caps.inputReportByteLength, 64);
            EXPECT_EQ(caps.outputReportByteLength, 64);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 5 * 2 + 1);
}

TEST(SimHidBackend, PlugAndUnplugAtRunTimeAndTellListeners)
{
    SimTransport transport;
    std::atomic<int> changes{0};
    const int listener = HidBackendRegistry::AddChangeListener([&] { ++changes; });
    HidDevice device;
    EXPECT_FALSE(device.Open(kVendor, true, true, true, false));

    transport.PlugEchoProduct("mousepad");
    EXPECT_GE(changes.load(), 1);
    ASSERT_TRUE(device.Open(kVendor, true, true, true, false));
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 4u);

    const int before = changes.load();
    transport.Backend().Unplug("mousepad");
    EXPECT_GT(changes.load(), before);
    EXPECT_FALSE(transport.Backend().IsPlugged("mousepad"));
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 0u);

    transport.PlugEchoProduct("mousepad"); // plugged again: a fresh open works, the old handle stays dead
    uint8_t report[64] = {4};
    size_t count = 0;
    EXPECT_FALSE(device.Write(report, sizeof(report), &count, 100));
    HidDevice again;
    EXPECT_TRUE(again.Open(kVendor, true, true, true, false));
    HidBackendRegistry::RemoveChangeListener(listener);
}

TEST(SimHidBackend, DelayedInputIsReadableOnlyAfterItsDelay)
{
    SimTransport transport;
    auto interfaces = SimCatalogue::MakeInterfaces(*SimCatalogue::Find("mousepad"));
    for (auto& interface : interfaces)
        transport.Backend().Plug(interface);
    HidDevice device;
    ASSERT_TRUE(device.Open(kVendor, true, true, true, false));
    std::vector<uint8_t> late(64, 0);
    late[0] = 4;
    late[1] = 2;
    std::vector<uint8_t> early(64, 0);
    early[0] = 4;
    early[1] = 1;
    interfaces.back()->SendInput(late, 150);
    interfaces.back()->SendInput(early);
    uint8_t buffer[64];
    size_t count = 0;
    ASSERT_TRUE(device.Read(buffer, sizeof(buffer), &count, 0));
    EXPECT_EQ(buffer[1], 1);
    EXPECT_FALSE(device.Read(buffer, sizeof(buffer), &count, 50));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(device.Read(buffer, sizeof(buffer), &count, 1000));
    EXPECT_EQ(buffer[1], 2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

} // namespace
