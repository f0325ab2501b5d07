#include "ui/RichEdit.h"

#include "ui/AttributeValue.h"
#include "ui/FontInfo.h"

namespace ui {

RichEdit::RichEdit()
{
    multiLine_ = true;
    textStyle_ = TextStyle::Left | TextStyle::Top | TextStyle::WordBreak;
    SetMaxChar(0);
}

std::string_view RichEdit::GetClass() const { return "RichEditUI"; }

bool RichEdit::IsClass(std::string_view name) const { return MatchesClass(name, "RichEdit") || Edit::IsClass(name); }

bool RichEdit::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "wantreturn") || EqualsNoCase(name, "multiline")) {
        auto on = ParseBool(value);
        if (!on)
            return false;
        multiLine_ = *on;
        return true;
    }
    return Edit::SetAttribute(name, value);
}

} // namespace ui
