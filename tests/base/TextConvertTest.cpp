#include "base/TextConvert.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

TEST(TextConvert, RoundTripsEveryPlane)
{
    const std::u16string text = u"Profil é 配置文件 ไทย 🎮";
    const std::string utf8 = "Profil \xC3\xA9 \xE9\x85\x8D\xE7\xBD\xAE\xE6\x96\x87\xE4\xBB\xB6 "
                             "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2 \xF0\x9F\x8E\xAE";
    EXPECT_EQ(ToUtf8(text), utf8);
    EXPECT_EQ(FromUtf8(utf8), text);
    EXPECT_EQ(FromUtf8(""), u"");
}

struct BadUtf8 {
    const char* name;
    std::string bytes;
    std::u16string decoded;
};

class MalformedUtf8 : public ::testing::TestWithParam<BadUtf8> {};

TEST_P(MalformedUtf8, BecomesReplacementCharacters)
{
    EXPECT_EQ(FromUtf8(GetParam().bytes), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, MalformedUtf8,
    ::testing::Values(
        BadUtf8{"lone_continuation", "a\x80z", u"a\uFFFDz"},
        BadUtf8{"truncated_at_end", "a\xE9\x85", u"a\uFFFD"},
        BadUtf8{"truncated_before_ascii", "\xE9\x85z", u"\uFFFDz"},
        BadUtf8{"overlong_slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        BadUtf8{"overlong_three_bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        BadUtf8{"encoded_surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        BadUtf8{"beyond_unicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        BadUtf8{"invalid_lead", "\xFF\xFEx", u"\uFFFD\uFFFDx"}),
    CaseName());

TEST(TextConvert, LoneSurrogatesBecomeReplacementCharacters)
{
    EXPECT_EQ(ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(ToUtf8(std::u16string{char16_t(0xDC00), char16_t(0xD83C)}),
              "\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace
