#include "app/ToolReport.h"

#include <gtest/gtest.h>

namespace {

uint32_t Int32At(const std::vector<uint8_t>& block, size_t offset)
{
    return block[offset] | block[offset + 1] << 8 | block[offset + 2] << 16 |
           static_cast<uint32_t>(block[offset + 3]) << 24;
}

TEST(ToolReport, CarriesVersionAndDeviceKindsLittleEndian)
{
    const std::vector<uint8_t> block = BuildToolReport({2, 3, 0, 2});
    ASSERT_EQ(block.size(), 1024u);

    EXPECT_EQ(block[0], 2);
    EXPECT_EQ(Int32At(block, 4), 3u);
    EXPECT_EQ(Int32At(block, 8), 0u);
    EXPECT_EQ(Int32At(block, 12), 2u);
    EXPECT_EQ(Int32At(block, 16), 4u);
    // Mouse, keyboard, mouse pad, headset.
    const uint32_t expected[4][3] = {{0x320F, 0x7C1F, 2}, {0x320F, 0x505B, 1}, {0x320F, 0x1004, 3}, {0x0C76, 0x1630, 7}};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(Int32At(block, 20 + 12 * k), expected[k][0]) << k;
        EXPECT_EQ(Int32At(block, 24 + 12 * k), expected[k][1]) << k;
        EXPECT_EQ(Int32At(block, 28 + 12 * k), expected[k][2]) << k;
    }
    for (size_t offset = 68; offset < block.size(); ++offset)
        ASSERT_EQ(block[offset], 0) << offset;
}

} // namespace
