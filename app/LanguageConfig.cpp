#include "app/LanguageConfig.h"

#include "app/SettingsStore.h"
#include "base/AppFolders.h"
#include "base/JsonFile.h"
#include "base/JsonRead.h"

namespace LanguageConfig {

namespace {

// What a missing stored value reads as: no language has this id.
constexpr int kNoStoredId = 520;

LanguageEntry ToEntry(const Json::Value& language)
{
    return {JsonText(language, "Language_name"), JsonText(language, "Language_file"),
            JsonInt(language, "Language_ID")};
}

} // namespace

std::string DefaultPath()
{
    return DefaultDataFolder() + "Language.config";
}

std::optional<LanguageEntry> Entry(const std::string& path, int index)
{
    if (index < 0)
        return std::nullopt;
    const Json::Value document = ReadJsonFile(path);
    const Json::Value& language = JsonElement(JsonArray(document, "Language"), static_cast<Json::ArrayIndex>(index));
    if (!language.isObject())
        return std::nullopt;
    return ToEntry(language);
}

int StoredIndex(const SettingsStore& settings, const std::string& path)
{
    const int stored = settings.ReadInt(kSettingName).value_or(kNoStoredId);
    const Json::Value document = ReadJsonFile(path);
    const Json::Value& languages = JsonArray(document, "Language");
    for (Json::ArrayIndex i = 0; i < languages.size(); ++i)
        if (const Json::Value& id = JsonMember(languages[i], "Language_ID"); id.isIntegral() && JsonToInt(id) == stored)
            return static_cast<int>(i);
    return 0;
}

} // namespace LanguageConfig
