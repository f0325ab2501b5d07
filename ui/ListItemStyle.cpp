#include "ui/ListItemStyle.h"

#include "ui/AttributeValue.h"

namespace ui {

bool ListItemStyle::SetAttribute(std::string_view name, std::string_view value, bool& known)
{
    known = true;
    auto colour = [&](uint32_t& target) {
        auto parsed = ParseColour(value);
        if (parsed)
            target = *parsed;
        return parsed.has_value();
    };
    auto is = [&](const char* key) { return EqualsNoCase(name, key); };
    if (is("itemheight")) {
        auto v = ParseInt(value);
        if (v && *v >= 0)
            itemHeight = *v;
        return v && *v >= 0;
    }
    if (is("itemfont")) {
        auto v = ParseInt(value);
        if (v)
            font = *v;
        return v.has_value();
    }
    if (is("itemtextpadding")) {
        auto v = ParseRect(value);
        if (v)
            textPadding = *v;
        return v.has_value();
    }
    if (is("itemalign")) {
        if (EqualsNoCase(value, "left"))
            textStyle = (textStyle & ~TextStyle::HorizontalMask);
        else if (EqualsNoCase(value, "center"))
            textStyle = (textStyle & ~TextStyle::HorizontalMask) | TextStyle::Center;
        else if (EqualsNoCase(value, "right"))
            textStyle = (textStyle & ~TextStyle::HorizontalMask) | TextStyle::Right;
        else
            return false;
        return true;
    }
    if (is("itemendellipsis")) {
        auto on = ParseBool(value);
        if (on)
            textStyle = *on ? (textStyle | TextStyle::EndEllipsis) : (textStyle & ~TextStyle::EndEllipsis);
        return on.has_value();
    }
    if (is("itemresourcetext")) {
        auto on = ParseBool(value);
        if (on)
            resourceText = *on;
        return on.has_value();
    }
    if (is("itemtextcolor"))
        return colour(textColor);
    if (is("itembkcolor"))
        return colour(bkColor);
    if (is("itemhottextcolor"))
        return colour(hotTextColor);
    if (is("itemhotbkcolor"))
        return colour(hotBkColor);
    if (is("itemselectedtextcolor"))
        return colour(selectedTextColor);
    if (is("itemselectedbkcolor"))
        return colour(selectedBkColor);
    if (is("itemdisabledtextcolor"))
        return colour(disabledTextColor);
    if (is("itemdisabledbkcolor"))
        return colour(disabledBkColor);
    if (is("itemlinecolor"))
        return colour(lineColor);
    known = false;
    return false;
}

} // namespace ui
