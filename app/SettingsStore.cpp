#include "app/SettingsStore.h"

#include "base/AppFolders.h"
#include "base/JsonFile.h"
#include "base/JsonRead.h"

std::string SettingsStore::DefaultPath()
{
    return ConfigFolder() + "settings.json";
}

std::optional<int> SettingsStore::ReadInt(std::string_view name) const
{
    const Json::Value document = ReadJsonFile(path_);
    const Json::Value& value = JsonMember(document, name);
    if (!value.isIntegral())
        return std::nullopt;
    return JsonToInt(value);
}

bool SettingsStore::WriteInt(std::string_view name, int value)
{
    Json::Value document = ReadJsonFile(path_);
    if (!document.isObject())
        document = Json::Value(Json::objectValue);
    document[std::string(name)] = value;
    return WriteJsonFile(document, path_);
}
