#include "tests/support/CaseName.h"
#include "ui/ImageTextParser.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageTextParser, ReadsEveryKey)
{
    auto image = ui::ImageTextParser::Parse(
        "file='common/btn.png' source='0,0,40,20' dest='2,2,38,18' corner='4,4,4,4' mask='#FFFF00FF' fade='128' "
        "hole='true' xtiled='true' ytiled='false' restype='png'");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->file, "common/btn.png");
    EXPECT_EQ(*image->source, (ui::Rect{0, 0, 40, 20}));
    EXPECT_EQ(*image->dest, (ui::Rect{2, 2, 38, 18}));
    EXPECT_EQ(image->corner, (ui::Rect{4, 4, 4, 4}));
    EXPECT_EQ(*image->mask, 0xFFFF00FFu);
    EXPECT_EQ(image->fade, 128);
    EXPECT_TRUE(image->hole);
    EXPECT_TRUE(image->xtiled);
    EXPECT_FALSE(image->ytiled);
}

TEST(ImageTextParser, BareNameAndDefaults)
{
    auto image = ui::ImageTextParser::Parse("  power/powered.png ");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->file, "power/powered.png");
    EXPECT_FALSE(image->source);
    EXPECT_FALSE(image->dest);
    EXPECT_EQ(image->fade, 255);
    // Double quotes and the res key work too; a value with blanks stays whole.
    image = ui::ImageTextParser::Parse(R"(res="my pictures/a b.png" fade="0")");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->file, "my pictures/a b.png");
    EXPECT_EQ(image->fade, 0);
}

struct Malformed {
    std::string name;
    std::string text;
};

class ImageTextMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(ImageTextMalformed, IsRefused) { EXPECT_FALSE(ui::ImageTextParser::Parse(GetParam().text)); }

INSTANTIATE_TEST_SUITE_P(Table, ImageTextMalformed,
                         ::testing::Values(Malformed{"Empty", "   "}, Malformed{"UnterminatedQuote", "file='a.png"},
                                           Malformed{"NoFile", "source='0,0,1,1'"},
                                           Malformed{"ShortRect", "file='a.png' source='0,0,1'"},
                                           Malformed{"WordInRect", "file='a.png' dest='0,0,x,1'"},
                                           Malformed{"FadeTooHigh", "file='a.png' fade='256'"},
                                           Malformed{"FadeNegative", "file='a.png' fade='-1'"},
                                           Malformed{"BadMask", "file='a.png' mask='#12'"},
                                           Malformed{"BadFlag", "file='a.png' hole='maybe'"},
                                           Malformed{"UnknownKey", "file='a.png' glow='1'"},
                                           Malformed{"KeyWithoutValue", "file='a.png' hole"}),
                         CaseName());

} // namespace
