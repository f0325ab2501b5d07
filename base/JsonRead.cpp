#include "base/JsonRead.h"

namespace {

const Json::Value kNull;
const Json::Value kEmptyObject(Json::objectValue);
const Json::Value kEmptyArray(Json::arrayValue);

} // namespace

const Json::Value& JsonMember(const Json::Value& parent, std::string_view key)
{
    if (!parent.isObject())
        return kNull;
    const Json::Value* member = parent.find(key.data(), key.data() + key.size());
    return member ? *member : kNull;
}

const Json::Value& JsonElement(const Json::Value& parent, Json::ArrayIndex index)
{
    if (!parent.isArray() || index >= parent.size())
        return kNull;
    return parent[index];
}

int JsonToInt(const Json::Value& value, int fallback)
{
    if (value.isNull())
        return fallback;
    if (value.isConvertibleTo(Json::intValue))
        return value.asInt();
    if (value.isConvertibleTo(Json::uintValue))
        return static_cast<int>(value.asUInt());
    return fallback;
}

bool JsonToBool(const Json::Value& value, bool fallback)
{
    if (value.isNull() || !value.isConvertibleTo(Json::booleanValue))
        return fallback;
    return value.asBool();
}

std::string JsonToText(const Json::Value& value, std::string fallback)
{
    if (value.isNull() || !value.isConvertibleTo(Json::stringValue))
        return fallback;
    return value.asString();
}

const Json::Value& JsonToObject(const Json::Value& value)
{
    return value.isObject() ? value : kEmptyObject;
}

const Json::Value& JsonToArray(const Json::Value& value)
{
    return value.isArray() ? value : kEmptyArray;
}
