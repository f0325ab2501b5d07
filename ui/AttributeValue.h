#pragma once

#include "ui/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading the attribute texts of layout files. Every reader answers nullopt for
// text that is not in its format, so the caller can report and skip it.
namespace ui {

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view text);
std::string_view TrimSpaces(std::string_view text);

// A decimal integer, optionally signed, with nothing else but surrounding blanks.
std::optional<int> ParseInt(std::string_view text);
// "true" / "false" (any case); "1" and "0" are accepted too.
std::optional<bool> ParseBool(std::string_view text);
// "l,t,r,b" with four integers.
std::optional<Rect> ParseRect(std::string_view text);
// "w,h" with two integers.
std::optional<Size> ParseSize(std::string_view text);
// "#AARRGGBB" or "#RRGGBB" (opaque), also "0x..." forms.
std::optional<uint32_t> ParseColour(std::string_view text);

std::string FormatRect(const Rect& rect);
std::string FormatColour(uint32_t argb);

// Splits an attribute list text such as `name="a" width="30"` (single or double
// quotes) into name/value pairs; nullopt when a quote is unterminated or a name
// has no value.
std::optional<std::vector<std::pair<std::string, std::string>>> ParseAttributeList(std::string_view text);

} // namespace ui
