#include "base/JsonRead.h"

#include <gtest/gtest.h>
#include <json/reader.h>

namespace {

Json::Value Parse(const std::string& text)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    EXPECT_TRUE(reader->parse(text.data(), text.data() + text.size(), &value, nullptr)) << text;
    return value;
}

// One document with a member of every type; each case reads member "m".
struct MemberCase {
    const char* json;
    int asInt;
    bool asBool;
    std::string asText;
};

class JsonMemberConversion : public ::testing::TestWithParam<MemberCase> {};

TEST_P(JsonMemberConversion, ReadsOrFallsBack)
{
    const Json::Value document = Parse(GetParam().json);
    EXPECT_EQ(JsonInt(document, "m", -7), GetParam().asInt);
    EXPECT_EQ(JsonBool(document, "m", true), GetParam().asBool);
    EXPECT_EQ(JsonText(document, "m", "fallback"), GetParam().asText);
}

INSTANTIATE_TEST_SUITE_P(
    Types, JsonMemberConversion,
    ::testing::Values(
        MemberCase{R"({})", -7, true, "fallback"},
        MemberCase{R"({"m": null})", -7, true, "fallback"},
        MemberCase{R"({"m": 42})", 42, true, "42"},
        MemberCase{R"({"m": 0})", 0, false, "0"},
        MemberCase{R"({"m": -3})", -3, true, "-3"},
        MemberCase{R"({"m": 3.9})", 3, true, "3.8999999999999999"},
        MemberCase{R"({"m": true})", 1, true, "true"},
        MemberCase{R"({"m": false})", 0, false, "false"},
        // An ARGB colour above the int range keeps its 32 bits.
        MemberCase{R"({"m": 4278229503})", static_cast<int>(0xFF0099FFu), true, "4278229503"},
        MemberCase{R"({"m": 1e30})", -7, true, "1e+30"},
        MemberCase{R"({"m": "12"})", -7, true, "12"},
        MemberCase{R"({"m": "名前"})", -7, true, "名前"},
        MemberCase{R"({"m": [1]})", -7, true, "fallback"},
        MemberCase{R"({"m": {"a": 1}})", -7, true, "fallback"},
        // A parent that is not an object: JsonCpp itself would throw here.
        MemberCase{R"([1, 2])", -7, true, "fallback"},
        MemberCase{R"("text")", -7, true, "fallback"},
        MemberCase{R"(5)", -7, true, "fallback"}));

TEST(JsonRead, ObjectsAndArraysOfAnotherTypeReadEmpty)
{
    const Json::Value document = Parse(R"({"o": {"k": 1}, "a": [1, 2], "n": 3})");

    EXPECT_EQ(JsonInt(JsonObject(document, "o"), "k"), 1);
    EXPECT_EQ(JsonArray(document, "a").size(), 2u);
    EXPECT_TRUE(JsonObject(document, "a").isObject());
    EXPECT_EQ(JsonObject(document, "a").size(), 0u);
    EXPECT_TRUE(JsonArray(document, "n").isArray());
    EXPECT_EQ(JsonArray(document, "missing").size(), 0u);
}

TEST(JsonRead, ElementsOutOfRangeOrOfNonArraysAreNull)
{
    const Json::Value document = Parse(R"({"Device": [{"DPI": 800}], "o": {"0": 1}})");
    const Json::Value& devices = JsonMember(document, "Device");

    EXPECT_EQ(JsonInt(JsonElement(devices, 0), "DPI"), 800);
    EXPECT_TRUE(JsonElement(devices, 1).isNull());
    EXPECT_TRUE(JsonElement(JsonMember(document, "o"), 0).isNull());
    EXPECT_TRUE(JsonElement(JsonMember(document, "absent"), 0).isNull());
}

TEST(JsonRead, KeysMayHoldAnyBytes)
{
    Json::Value document;
    document[std::string("a\0b", 3)] = 5;
    EXPECT_EQ(JsonInt(document, std::string_view("a\0b", 3)), 5);
    EXPECT_EQ(JsonInt(document, "a", -1), -1);
}

} // namespace
