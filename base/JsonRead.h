#pragma once

#include <json/value.h>
#include <string>
#include <string_view>

// Type-checked reading of documents that come from files, devices or the
// network. JsonCpp's own accessors throw (or assert) when a value has another
// type than the one asked for; these never do. A value that is missing, null or
// of another type reads as absent and gives the caller's fallback.

// The member `key` of an object, or a null value when parent is not an object
// or has no such member.
const Json::Value& JsonMember(const Json::Value& parent, std::string_view key);

// Element `index` of an array, or a null value when parent is not an array or
// is too short.
const Json::Value& JsonElement(const Json::Value& parent, Json::ArrayIndex index);

// Integers keep the library's conversion (true reads 1, a real number is
// truncated); values beyond the int range that fit 32 bits unsigned, such as
// ARGB colours, keep their low 32 bits.
int JsonToInt(const Json::Value& value, int fallback = 0);

// Truth values keep the library's conversion: any non-zero number is true.
bool JsonToBool(const Json::Value& value, bool fallback = false);

// Text; numbers and truth values convert as the library writes them.
std::string JsonToText(const Json::Value& value, std::string fallback = {});

// The value itself when it is an object (an array), else an empty one.
const Json::Value& JsonToObject(const Json::Value& value);
const Json::Value& JsonToArray(const Json::Value& value);

inline int JsonInt(const Json::Value& parent, std::string_view key, int fallback = 0)
{
    return JsonToInt(JsonMember(parent, key), fallback);
}

inline bool JsonBool(const Json::Value& parent, std::string_view key, bool fallback = false)
{
    return JsonToBool(JsonMember(parent, key), fallback);
}

inline std::string JsonText(const Json::Value& parent, std::string_view key,
                            std::string fallback = {})
{
    return JsonToText(JsonMember(parent, key), std::move(fallback));
}

inline const Json::Value& JsonObject(const Json::Value& parent, std::string_view key)
{
    return JsonToObject(JsonMember(parent, key));
}

inline const Json::Value& JsonArray(const Json::Value& parent, std::string_view key)
{
    return JsonToArray(JsonMember(parent, key));
}
