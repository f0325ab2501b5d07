#include "device/HidBackendRegistry.h"
#include "device/HidDevice.h"
#include "device/HidPlatform.h"
#include "sim/SimDescriptors.h"
#include "tests/device/SysfsFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class HidrawBackendOnFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.AddNode(3, 0x320F, 0x7C1F, 1, SimDescriptors::CommandInterface());
        fixture.AddNode(10, 0x0C76, 0x1630, 3, SimDescriptors::HeadsetInterface());
        // A truncated descriptor: the node is skipped, the walk goes on.
        std::vector<uint8_t> broken = SimDescriptors::CommandInterface();
        broken.resize(broken.size() - 5);
        fixture.AddNode(4, 0x320F, 0x505B, 1, broken);
        HidBackendRegistry::SetPlatformBackend(
            CreatePlatformHidBackend(fixture.SysfsRoot(), fixture.DeviceRoot()));
    }
    void TearDown() override { HidBackendRegistry::SetPlatformBackend(nullptr); }

    std::string Node(unsigned number) const { return fixture.DeviceRoot() + "/hidraw" + std::to_string(number); }

    SysfsFixture fixture;
};

TEST_F(HidrawBackendOnFixture, EnumeratesOnePathPerTopLevelCollection)
{
    std::vector<HidInterfaceInfo> interfaces;
    ASSERT_TRUE(HidBackendRegistry::Enumerate(interfaces));
    std::vector<std::string> paths;
    for (const auto& info : interfaces)
        paths.push_back(info.path);
    const std::string mouse = Node(3) + "&vid_320f&pid_7c1f&mi_01";
    const std::vector<std::string> expected = {mouse + "&col01", mouse + "&col02", mouse + "&col03",
                                               mouse + "&col04", Node(10) + "&vid_0c76&pid_1630&mi_03"};
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(interfaces[3].caps.usagePage, 0xFF1C);
    EXPECT_EQ(interfaces[3].caps.inputReportByteLength, 64);
    EXPECT_EQ(interfaces[3].attributes.versionNumber, 0x0102);
    EXPECT_EQ(interfaces[4].caps.usagePage, 0x000C);
    EXPECT_EQ(interfaces[4].caps.outputReportByteLength, 17);
}

TEST_F(HidrawBackendOnFixture, UnreadableEntriesAreSkipped)
{
    const std::string hid = fixture.AddNode(5, 0x320F, 0x1004, 1, SimDescriptors::CommandInterface());
    std::filesystem::remove(hid + "/uevent");
    fixture.AddNode(6, 0x320F, 0x1004, 1, {});                         // no collections at all
    std::filesystem::create_directories(fixture.SysfsRoot() + "/class/hidraw/hidraw7"); // no device link
    HidDevice device;
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 5u);
}

TEST_F(HidrawBackendOnFixture, OpenDescribesTheCollectionOfThePath)
{
    HidDevice device;
    ASSERT_TRUE(device.Open(Node(3) + "&vid_320f&pid_7c1f&mi_01&col03", true, false, true, false));
    EXPECT_EQ(device.Caps().usagePage, 0x000C);
    EXPECT_EQ(device.Caps().inputReportByteLength, 3);
    EXPECT_EQ(device.InterfaceNumber(), 1);
    EXPECT_EQ(device.CollectionNumber(), 3);
    EXPECT_EQ(device.Attributes().productId, 0x7C1F);
    ASSERT_EQ(device.InputDataItems().size(), 1u);

    ASSERT_TRUE(device.Open(Node(10) + "&vid_0c76&pid_1630&mi_03", false, false, true, false));
    EXPECT_EQ(device.CollectionNumber(), 0);
    EXPECT_EQ(device.Caps().outputReportByteLength, 17);
}

TEST_F(HidrawBackendOnFixture, OpenRefusesVanishedOrReusedNodes)
{
    HidDevice device;
    const std::string headset = Node(10) + "&vid_0c76&pid_1630&mi_03";
    EXPECT_FALSE(device.Open(Node(3) + "&vid_320f&pid_7c1f&mi_01", true, false, true, false)); // no &col
    EXPECT_FALSE(device.Open(headset + "&col01", true, false, true, false));
    EXPECT_FALSE(device.Open(Node(10) + "&vid_320f&pid_7c1f&mi_03", true, false, true, false)); // other device now
    std::filesystem::remove(Node(10));
    EXPECT_FALSE(device.Open(headset, false, false, true, false));
    EXPECT_FALSE(device.IsOpen());
}

TEST_F(HidrawBackendOnFixture, ListingRereadsOnlyNodesThatChanged)
{
    namespace fs = std::filesystem;
    HidDevice device;
    ASSERT_TRUE(device.Enumerate());
    ASSERT_EQ(device.PathCount(), 5u);

    // A node already described is not read again while its link is the same.
    const std::string mouse = fixture.SysfsRoot() + "/class/hidraw/hidraw3";
    const fs::path hid = fs::canonical(mouse + "/device");
    fs::remove(hid / "report_descriptor");
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 5u);

    // The node number given to another device is read afresh.
    fs::remove(mouse);
    fixture.AddNode(3, 0x320F, 0x1004, 1, SimDescriptors::HeadsetInterface());
    ASSERT_TRUE(device.Enumerate());
    std::vector<std::string> paths;
    while (auto path = device.NextPath())
        paths.push_back(*path);
    const std::vector<std::string> expected = {Node(3) + "&vid_320f&pid_1004&mi_01",
                                               Node(10) + "&vid_0c76&pid_1630&mi_03"};
    EXPECT_EQ(paths, expected);

    // A node that went is forgotten, and read again when it comes back.
    fs::remove(fixture.SysfsRoot() + "/class/hidraw/hidraw10");
    ASSERT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 1u);
}

TEST(HidrawBackend, MissingTreeListsNothingAndSucceeds)
{
    HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/dev"));
    HidDevice device;
    EXPECT_TRUE(device.Enumerate());
    EXPECT_EQ(device.PathCount(), 0u);
    HidBackendRegistry::SetPlatformBackend(nullptr);
}

} // namespace
