#pragma once

#include <cstddef>
#include <string_view>

// Character steps through UTF-8 text, for carets and length limits.
namespace ui::utf8 {

size_t CountCharacters(std::string_view text);
size_t NextBoundary(std::string_view text, size_t offset);
size_t PreviousBoundary(std::string_view text, size_t offset);
// The byte length of the first `count` characters.
size_t PrefixBytes(std::string_view text, size_t count);

} // namespace ui::utf8
