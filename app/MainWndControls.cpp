#include "app/MainWndControls.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const MainWndControlRow* FindMainWndControl(std::string_view tag)
{
    for (const MainWndControlRow& row : kMainWndControls)
        if (EqualsNoCase(row.tag, tag))
            return &row;
    return nullptr;
}
