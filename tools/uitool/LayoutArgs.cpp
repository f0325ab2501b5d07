#include "tools/uitool/LayoutArgs.h"

#include "base/AppFolders.h"
#include "ui/AttributeValue.h"
#include "ui/ResourceManager.h"

#include <cstdio>
#include <filesystem>

std::optional<LayoutArgs> ParseLayoutArgs(const std::vector<std::string>& args)
{
    LayoutArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (arg == "--size") {
            const std::string* text = value();
            const size_t x = text ? text->find('x') : std::string::npos;
            auto w = x != std::string::npos ? ui::ParseInt(text->substr(0, x)) : std::nullopt;
            auto h = x != std::string::npos ? ui::ParseInt(text->substr(x + 1)) : std::nullopt;
            if (!w || !h || *w <= 0 || *h <= 0) {
                std::fprintf(stderr, "--size needs WxH, for example 1000x640\n");
                return std::nullopt;
            }
            parsed.size = ui::Size{*w, *h};
        } else if (arg == "--skin" || arg == "-o" || arg == "--lang") {
            const std::string* text = value();
            if (!text) {
                std::fprintf(stderr, "%s needs a value\n", arg.c_str());
                return std::nullopt;
            }
            (arg == "--skin" ? parsed.skin : arg == "-o" ? parsed.output : parsed.language) = *text;
        } else if (arg == "--dpi") {
            const std::string* text = value();
            auto dpi = text ? ui::ParseInt(*text) : std::nullopt;
            if (!dpi || *dpi < 48 || *dpi > 192) {
                std::fprintf(stderr, "--dpi needs a number from 48 to 192\n");
                return std::nullopt;
            }
            parsed.dpi = *dpi;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "unknown option %s\n", arg.c_str());
            return std::nullopt;
        } else if (parsed.layout.empty()) {
            parsed.layout = arg;
        } else {
            std::fprintf(stderr, "only one layout, please\n");
            return std::nullopt;
        }
    }
    if (parsed.layout.empty()) {
        std::fprintf(stderr, "no layout given\n");
        return std::nullopt;
    }
    return parsed;
}

std::string PrepareSkin(const LayoutArgs& args)
{
    namespace fs = std::filesystem;
    std::string layout = args.layout;
    std::string folder = args.skin;
    std::error_code error;
    if (fs::is_regular_file(layout, error)) {
        const fs::path absolute = fs::absolute(layout, error);
        layout = absolute.string();
        if (folder.empty())
            folder = absolute.parent_path().string();
    }
    if (folder.empty())
        folder = SkinFolder();
    ui::ResourceManager& resources = ui::ResourceManager::Instance();
    resources.SetSkinFolder(folder);
    if (fs::exists(resources.SkinFolder() + "res.xml", error))
        resources.LoadResourceIndex();
    return layout;
}
