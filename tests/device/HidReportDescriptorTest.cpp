#include "device/HidReportDescriptor.h"
#include "sim/SimDescriptors.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

std::vector<HidCollection> Parse(const std::vector<uint8_t>& bytes)
{
    std::vector<HidCollection> collections;
    EXPECT_TRUE(HidReportDescriptor::Parse(bytes.data(), bytes.size(), collections));
    return collections;
}

TEST(HidReportDescriptor, CommandInterfaceGivesFourTopLevelCollections)
{
    const auto collections = Parse(SimDescriptors::CommandInterface());
    ASSERT_EQ(collections.size(), 4u);
    struct Expected {
        uint16_t page, usage, in, out;
    };
    const Expected expected[] = {{0x0001, 0x0006, 9, 2}, {0x0001, 0x0080, 2, 0}, {0x000C, 0x0001, 3, 0},
                                 {0xFF1C, 0x0092, 64, 64}};
    for (size_t i = 0; i < 4; ++i) {
        const HidCaps caps = collections[i].Caps();
        EXPECT_EQ(caps.usagePage, expected[i].page) << i;
        EXPECT_EQ(caps.usage, expected[i].usage) << i;
        EXPECT_EQ(caps.inputReportByteLength, expected[i].in) << i;
        EXPECT_EQ(caps.outputReportByteLength, expected[i].out) << i;
        EXPECT_EQ(caps.featureReportByteLength, 0) << i;
        EXPECT_TRUE(collections[i].UsesReportIds());
    }
    EXPECT_TRUE(collections[3].HasReport(HidReportType::Input, 4));
    EXPECT_FALSE(collections[2].HasReport(HidReportType::Input, 4));
    EXPECT_EQ(collections[3].Caps().numberInputValueCaps, 1);
    EXPECT_EQ(collections[2].Caps().numberInputButtonCaps, 1);
}

TEST(HidReportDescriptor, ConsumerReportGivesItsUsageAsFirstItem)
{
    const auto collections = Parse(SimDescriptors::CommandInterface());
    const HidCollection& consumer = collections[2];
    auto items = consumer.InputDataItems();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0].isButton);
    EXPECT_EQ(items[0].usagePage, 0x000C);
    EXPECT_EQ(items[0].usages.size(), 1u);

    const uint8_t settingsChanged[] = {3, 0x01, 0x04};
    EXPECT_EQ(consumer.Unpack(items, settingsChanged, sizeof(settingsChanged)), HidStatus::Success);
    EXPECT_TRUE(items[0].isSet);
    EXPECT_EQ(items[0].usages[0], 0x0401);

    const uint8_t keyboardEvent[] = {3, 0x23, 0x81}; // above 0x8000: needs the unsigned maximum
    consumer.Unpack(items, keyboardEvent, sizeof(keyboardEvent));
    EXPECT_EQ(items[0].usages[0], 0x8123);

    const uint8_t released[] = {3, 0, 0};
    consumer.Unpack(items, released, sizeof(released));
    EXPECT_EQ(items[0].usages[0], 0);

    const uint8_t otherReport[] = {4, 0x01, 0x04};
    items[0].isSet = false;
    consumer.Unpack(items, otherReport, sizeof(otherReport));
    EXPECT_FALSE(items[0].isSet);
}

TEST(HidReportDescriptor, MouseButtonsAndSignedValues)
{
    const auto collections = Parse(SimDescriptors::MouseInterface());
    ASSERT_EQ(collections.size(), 1u); // the physical collection nests inside
    const HidCollection& mouse = collections[0];
    EXPECT_FALSE(mouse.UsesReportIds());
    EXPECT_EQ(mouse.Caps().inputReportByteLength, 7); // id byte + 1 + 2 + 2 + 1
    auto items = mouse.InputDataItems();
    ASSERT_EQ(items.size(), 4u); // buttons, X, Y, wheel
    EXPECT_EQ(items[0].usageMin, 1);
    EXPECT_EQ(items[0].usageMax, 5);
    EXPECT_EQ(items[0].usages.size(), 5u);

    // Report id 0, buttons 1 and 3, X = -5, Y = 300, wheel = -1.
    const uint8_t report[] = {0, 0x05, 0xFB, 0xFF, 0x2C, 0x01, 0xFF};
    EXPECT_EQ(mouse.Unpack(items, report, sizeof(report)), HidStatus::Success);
    EXPECT_EQ(items[0].usages[0], 1);
    EXPECT_EQ(items[0].usages[1], 3);
    EXPECT_EQ(items[0].usages[2], 0);
    EXPECT_EQ(items[1].usage, 0x30);
    EXPECT_EQ(items[1].rawValue, 0xFFFBu);
    EXPECT_EQ(items[1].scaledValue, -5);
    EXPECT_EQ(items[2].scaledValue, 300);
    EXPECT_EQ(items[3].scaledValue, -1);

    EXPECT_EQ(mouse.Unpack(items, report, 3), HidStatus::InvalidReportLength);
}

TEST(HidReportDescriptor, PushPopAndUsageRangesKeepTheirState)
{
    const std::vector<uint8_t> bytes = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07,
        0x75, 0x08, 0x95, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00,
        0xA4,                   // push: size 8, count 2
        0x75, 0x10, 0x95, 0x04, // size 16, count 4
        0x19, 0x10, 0x29, 0x13, 0x81, 0x02,
        0xB4,                   // pop
        0x09, 0x20, 0x09, 0x21, 0x81, 0x02,
        0xA1, 0x02, 0x09, 0x30, 0x95, 0x01, 0xB1, 0x02, 0xC0, // nested logical collection, a feature
        0xC0,
    };
    const auto collections = Parse(bytes);
    ASSERT_EQ(collections.size(), 1u);
    const auto& fields = collections[0].Fields();
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].reportSize, 16u);
    EXPECT_EQ(fields[0].reportCount, 4u);
    EXPECT_EQ(fields[1].reportSize, 8u);
    EXPECT_EQ(fields[1].reportCount, 2u);
    EXPECT_EQ(fields[1].bitOffset, 64u);
    EXPECT_EQ(collections[0].Caps().inputReportByteLength, 1 + 8 + 2);
    EXPECT_EQ(collections[0].Caps().featureReportByteLength, 2);
    // Four value items from the range, two from the single usages.
    EXPECT_EQ(collections[0].InputDataItems().size(), 6u);
}

struct BrokenCase {
    std::string name;
    std::vector<uint8_t> bytes;
};

class BrokenDescriptor : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenDescriptor, IsRefusedWithoutCollections)
{
    std::vector<HidCollection> collections(1);
    EXPECT_FALSE(HidReportDescriptor::Parse(GetParam().bytes.data(), GetParam().bytes.size(), collections));
    EXPECT_TRUE(collections.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenDescriptor,
    ::testing::Values(BrokenCase{"TruncatedItem", {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x26, 0xFF}},
                      BrokenCase{"TruncatedLongItem", {0xFE, 0x10, 0x01, 0x02}},
                      BrokenCase{"EndWithoutCollection", {0x05, 0x01, 0xC0}},
                      BrokenCase{"UnclosedCollection", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xA1, 0x00, 0xC0}},
                      BrokenCase{"PopWithoutPush", {0xB4}},
                      BrokenCase{"ReportIdZero", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
                      BrokenCase{"UsageMinAboveMax", {0x19, 0x10, 0x29, 0x01}},
                      BrokenCase{"ReportTooLong",
                                 {0xA1, 0x01, 0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02, 0x81, 0x02,
                                  0xC0}}),
    CaseName());

TEST(HidReportDescriptor, EmptyDescriptorHasNoCollections)
{
    std::vector<HidCollection> collections;
    EXPECT_TRUE(HidReportDescriptor::Parse(nullptr, 0, collections));
    EXPECT_TRUE(collections.empty());
}

} // namespace
