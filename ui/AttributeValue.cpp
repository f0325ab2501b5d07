#include "ui/AttributeValue.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace ui {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::optional<std::vector<int>> ParseIntList(std::string_view text, size_t count)
{
    std::vector<int> values;
    size_t start = 0;
    while (values.size() < count) {
        size_t comma = text.find(',', start);
        std::string_view part = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        auto value = ParseInt(part);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (values.size() != count || text.find(',', start) != std::string_view::npos)
        return std::nullopt;
    return values;
}

} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string ToLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> ParseInt(std::string_view text)
{
    text = TrimSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> ParseBool(std::string_view text)
{
    text = TrimSpaces(text);
    if (EqualsNoCase(text, "true") || text == "1")
        return true;
    if (EqualsNoCase(text, "false") || text == "0")
        return false;
    return std::nullopt;
}

std::optional<Rect> ParseRect(std::string_view text)
{
    auto values = ParseIntList(text, 4);
    if (!values)
        return std::nullopt;
    return Rect{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
}

std::optional<Size> ParseSize(std::string_view text)
{
    auto values = ParseIntList(text, 2);
    if (!values)
        return std::nullopt;
    return Size{(*values)[0], (*values)[1]};
}

std::optional<uint32_t> ParseColour(std::string_view text)
{
    text = TrimSpaces(text);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.size() != 6 && text.size() != 8)
        return std::nullopt;
    uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (text.size() == 6)
        value |= 0xFF000000u;
    return value;
}

std::string FormatRect(const Rect& rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

std::string FormatColour(uint32_t argb)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%08X", argb);
    return text;
}

std::optional<std::vector<std::pair<std::string, std::string>>> ParseAttributeList(std::string_view text)
{
    std::vector<std::pair<std::string, std::string>> list;
    size_t i = 0;
    while (true) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size())
            return list;
        size_t nameStart = i;
        while (i < text.size() && text[i] != '=' && !IsBlank(text[i]))
            ++i;
        std::string name(text.substr(nameStart, i - nameStart));
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (name.empty() || i >= text.size() || text[i] != '=')
            return std::nullopt;
        ++i;
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size() || (text[i] != '"' && text[i] != '\''))
            return std::nullopt;
        char quote = text[i++];
        size_t close = text.find(quote, i);
        if (close == std::string_view::npos)
            return std::nullopt;
        list.emplace_back(std::move(name), std::string(text.substr(i, close - i)));
        i = close + 1;
    }
}

} // namespace ui
