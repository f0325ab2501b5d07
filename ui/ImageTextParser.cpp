#include "ui/ImageTextParser.h"

#include "base/Trace.h"
#include "ui/AttributeValue.h"

#include <string>

namespace ui {

namespace {

bool SetKey(ImageDescription& image, std::string_view key, const std::string& value)
{
    if (EqualsNoCase(key, "file") || EqualsNoCase(key, "res")) {
        image.file = value;
        return true;
    }
    if (EqualsNoCase(key, "restype") || EqualsNoCase(key, "hsl"))
        return true;
    if (EqualsNoCase(key, "source") || EqualsNoCase(key, "dest") || EqualsNoCase(key, "corner")) {
        auto rect = ParseRect(value);
        if (!rect)
            return false;
        if (EqualsNoCase(key, "source"))
            image.source = *rect;
        else if (EqualsNoCase(key, "dest"))
            image.dest = *rect;
        else
            image.corner = *rect;
        return true;
    }
    if (EqualsNoCase(key, "mask")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        image.mask = *colour;
        return true;
    }
    if (EqualsNoCase(key, "fade")) {
        auto fade = ParseInt(value);
        if (!fade || *fade < 0 || *fade > 255)
            return false;
        image.fade = *fade;
        return true;
    }
    bool* flag = EqualsNoCase(key, "hole")     ? &image.hole
                 : EqualsNoCase(key, "xtiled") ? &image.xtiled
                 : EqualsNoCase(key, "ytiled") ? &image.ytiled
                                               : nullptr;
    if (!flag)
        return false;
    auto value2 = ParseBool(value);
    if (!value2)
        return false;
    *flag = *value2;
    return true;
}

} // namespace

std::optional<ImageDescription> ImageTextParser::Parse(std::string_view text)
{
    text = TrimSpaces(text);
    if (text.empty())
        return std::nullopt;
    ImageDescription image;
    if (text.find('=') == std::string_view::npos) {
        image.file = std::string(text);
        return image;
    }
    auto pairs = ParseAttributeList(text);
    if (!pairs) {
        Trace("image text '%.*s': malformed", static_cast<int>(text.size()), text.data());
        return std::nullopt;
    }
    for (const auto& [key, value] : *pairs) {
        if (!SetKey(image, key, value)) {
            Trace("image text '%.*s': bad %s='%s'", static_cast<int>(text.size()), text.data(), key.c_str(),
                  value.c_str());
            return std::nullopt;
        }
    }
    if (image.file.empty()) {
        Trace("image text '%.*s': no file", static_cast<int>(text.size()), text.data());
        return std::nullopt;
    }
    return image;
}

} // namespace ui
