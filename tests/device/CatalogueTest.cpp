#include "device/DeviceKinds.h"
#include "device/SupportedDevices.h"
#include "device/UpdateCatalogue.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace {

bool IsReceiverKind(uint16_t kind) { return kind == kKindMouseReceiver || kind == kKindKeyboardReceiver; }

TEST(SupportedDevices, RowsAreDistinctInterfaces)
{
    std::set<std::tuple<int, int, int, int>> interfaces;
    for (const auto& row : kSupportedDevices) {
        EXPECT_TRUE(interfaces.emplace(row.vendorId, row.productId, row.interfaceNumber,
                                       row.collectionNumber).second)
            << std::hex << row.productId << " col " << row.collectionNumber;
        EXPECT_EQ(row.connected, 0);
        EXPECT_TRUE(row.role == kRoleCommand || row.role == kRoleNotification);
    }
}

TEST(SupportedDevices, PartnersPairTheSameInterfaceOfTheOtherRoute)
{
    for (size_t row = 0; row < kSupportedDevices.size(); ++row) {
        const auto& entry = kSupportedDevices[row];
        if (!entry.hasPartner)
            continue;
        ASSERT_LT(entry.partner, kSupportedDevices.size()) << "row " << row;
        const auto& partner = kSupportedDevices[entry.partner];
        EXPECT_EQ(partner.partner, row) << "row " << row;
        EXPECT_EQ(partner.role, entry.role) << "row " << row;
        EXPECT_EQ(partner.usagePage, entry.usagePage) << "row " << row;
        EXPECT_EQ(partner.collectionNumber, entry.collectionNumber) << "row " << row;
        EXPECT_NE(IsReceiverKind(partner.kind), IsReceiverKind(entry.kind)) << "row " << row;
    }
}

TEST(SupportedDevices, EveryNotificationRowHasACommandRowOfItsProduct)
{
    for (const auto& entry : kSupportedDevices) {
        if (entry.role == kRoleNotification) {
            EXPECT_GE(FindEntryRow(entry.vendorId, entry.productId, entry.kind, kRoleCommand), 0);
        }
    }
}

TEST(SupportedDevices, FindEntryRow)
{
    EXPECT_EQ(FindEntryRow(0x320F, 0x7C1F, kKindMouse, kRoleCommand), 4);
    EXPECT_EQ(FindEntryRow(0x320F, 0x7C1F, kKindMouse, kRoleNotification), 5);
    EXPECT_EQ(FindEntryRow(0x0C76, 0x1630, kKindHeadset, kRoleCommand), 10);
    EXPECT_EQ(FindEntryRow(0x320F, 0x7C1F, kKindMouseReceiver, kRoleCommand), -1);
}

TEST(DeviceKinds, EachKindRowHasItsCommandInterfaceAndPage)
{
    ASSERT_EQ(kDeviceKinds.size(), kDevicePages.size());
    std::set<std::string> folders;
    for (size_t row = 0; row < kDeviceKinds.size(); ++row) {
        const auto& kind = kDeviceKinds[row];
        EXPECT_GE(FindEntryRow(kind.vendorId, kind.productId, kind.kind, kRoleCommand), 0);
        EXPECT_EQ(FindKindRow(kind.vendorId, kind.productId, kind.kind, kind.variant),
                  static_cast<int>(row));
        EXPECT_TRUE(folders.insert(kind.folderName).second);
    }
    EXPECT_EQ(FindKindRow(0x320F, 0x7C1F, kKindMouse, 1), -1);
    EXPECT_EQ(FindKindRow(0x320F, 0x7C20, kKindMouseReceiver, 0), -1);
}

TEST(UpdateCatalogue, TheApplicationIsTheLastRow)
{
    for (size_t row = 0; row + 1 < kUpdateCatalogue.size(); ++row) {
        EXPECT_NE(kUpdateCatalogue[row].versionKind, 0);
        EXPECT_STREQ(kUpdateCatalogue[row].versionText, "");
    }
    EXPECT_EQ(kUpdateCatalogue.back().versionKind, 0);
    EXPECT_STREQ(kUpdateCatalogue.back().versionText, "V0102");
}

} // namespace
