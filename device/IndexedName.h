#pragma once

#include <optional>
#include <string>
#include <string_view>

// A control name of the form prefix + decimal number ("key_12", "light_0"),
// split at its last run of digits.
struct IndexedName {
    std::string prefix;
    int number = 0;

    // Nothing when the name does not end in digits or the number is too large.
    static std::optional<IndexedName> Split(std::string_view name);
};
