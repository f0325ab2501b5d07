#include "device/IndexedName.h"

std::optional<IndexedName> IndexedName::Split(std::string_view name)
{
    size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
        --digits;
    if (digits == name.size() || name.size() - digits > 9)
        return std::nullopt;
    int number = 0;
    for (size_t i = digits; i < name.size(); ++i)
        number = number * 10 + (name[i] - '0');
    return IndexedName{std::string(name.substr(0, digits)), number};
}
