#include "device/DeviceEntryTable.h"

#include <gtest/gtest.h>

namespace {

// An interface as the detection pass sees it: first the path fields only, then
// the usage read from the opened interface.
DeviceIdentity Seen(uint16_t vendor, uint16_t product, uint16_t interface, uint16_t collection,
                    uint16_t usagePage = 0, uint16_t usage = 0, std::string path = "/dev/hidraw0")
{
    DeviceIdentity identity;
    identity.vendorId = vendor;
    identity.productId = product;
    identity.interfaceNumber = interface;
    identity.collectionNumber = collection;
    identity.usagePage = usagePage;
    identity.usage = usage;
    identity.devicePath = std::move(path);
    return identity;
}

TEST(DeviceEntryTable, StartsAsAFreeCopyOfTheCatalogue)
{
    DeviceEntryTable table;
    ASSERT_EQ(table.size(), kSupportedDevices.size());
    EXPECT_FALSE(table.AllEntriesClaimed());
    for (size_t row = 0; row < table.size(); ++row)
        EXPECT_TRUE(table[row] == DeviceIdentity(kSupportedDevices[row]));
}

TEST(DeviceEntryTable, CandidatesAreChosenByPathFieldsAlone)
{
    DeviceEntryTable table;
    EXPECT_TRUE(table.IsCandidate(Seen(0x320F, 0x7C1F, 1, 4)));
    EXPECT_TRUE(table.IsCandidate(Seen(0x320F, 0x7C1F, 1, 3)));
    // The mouse's other collections and interfaces are never opened.
    EXPECT_FALSE(table.IsCandidate(Seen(0x320F, 0x7C1F, 1, 2)));
    EXPECT_FALSE(table.IsCandidate(Seen(0x320F, 0x7C1F, 0, 0)));
    // Only the headset row has no collection field.
    EXPECT_TRUE(table.IsCandidate(Seen(0x0C76, 0x1630, 3, 0)));
    EXPECT_FALSE(table.IsCandidate(Seen(0x0C76, 0x1630, 3, 1)));
    EXPECT_FALSE(table.IsCandidate(Seen(0x320F, 0x7C1F, 1, 0)));
}

TEST(DeviceEntryTable, ClaimTakesKindAndRoleFromTheMatchingRow)
{
    DeviceEntryTable table;
    DeviceIdentity vendor = Seen(0x320F, 0x7C1F, 1, 4, 0xFF1C, 0x92, "/dev/hidraw3");

    EXPECT_EQ(table.ClaimEntry(vendor), 4u);
    EXPECT_EQ(vendor.kind, kKindMouse);
    EXPECT_EQ(vendor.role, kRoleCommand);
    EXPECT_EQ(table[4].connected, 1);
    EXPECT_EQ(table[4].devicePath, "/dev/hidraw3");
    EXPECT_FALSE(table.IsCandidate(Seen(0x320F, 0x7C1F, 1, 4)));

    DeviceIdentity consumer = Seen(0x320F, 0x7C1F, 1, 3, 0x000C, 0x01, "/dev/hidraw3");
    EXPECT_EQ(table.ClaimEntry(consumer), 5u);
    EXPECT_EQ(consumer.role, kRoleNotification);
}

TEST(DeviceEntryTable, UnclaimableInterfacesStayFree)
{
    DeviceEntryTable table;
    // Right path fields, wrong usage: opened, found unclaimable, tried again later.
    DeviceIdentity wrongUsage = Seen(0x320F, 0x7C1F, 1, 4, 0x0001, 0x02);
    EXPECT_EQ(table.ClaimEntry(wrongUsage), std::nullopt);
    EXPECT_TRUE(table[4].IsFree());

    // A second identical mouse finds the entry taken and is ignored.
    DeviceIdentity first = Seen(0x320F, 0x7C1F, 1, 4, 0xFF1C, 0x92, "/dev/hidraw3");
    DeviceIdentity second = Seen(0x320F, 0x7C1F, 1, 4, 0xFF1C, 0x92, "/dev/hidraw7");
    ASSERT_EQ(table.ClaimEntry(first), 4u);
    EXPECT_FALSE(table.IsCandidate(second));
    EXPECT_EQ(table.ClaimEntry(second), std::nullopt);
    EXPECT_EQ(table[4].devicePath, "/dev/hidraw3");
}

TEST(DeviceEntryTable, ReleasedEntriesCanBeClaimedAgain)
{
    DeviceEntryTable table;
    for (size_t row = 0; row < table.size(); ++row) {
        const auto& entry = kSupportedDevices[row];
        DeviceIdentity seen = Seen(entry.vendorId, entry.productId, entry.interfaceNumber,
                                   entry.collectionNumber, entry.usagePage, entry.usage,
                                   "/dev/hidraw" + std::to_string(row));
        ASSERT_EQ(table.ClaimEntry(seen), row);
    }
    EXPECT_TRUE(table.AllEntriesClaimed());

    table.ReleaseEntry(10);
    EXPECT_FALSE(table.AllEntriesClaimed());
    EXPECT_TRUE(table[10].IsFree());
    DeviceIdentity headset = Seen(0x0C76, 0x1630, 3, 0, 0x000C, 0x01);
    EXPECT_EQ(table.ClaimEntry(headset), 10u);
}

} // namespace
