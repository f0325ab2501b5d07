#pragma once

#include <string>
#include <string_view>

// Text in memory is UTF-8 std::string throughout the program; these are the
// named crossing points for a layer that works in UTF-16. Malformed input
// (a lone surrogate, a broken or overlong UTF-8 sequence) becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
