#include "ui/AttributeValue.h"
#include "ui/Control.h"
#include "ui/FontInfo.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

namespace ui {

namespace {

// "left", "center", "right", "top", "vcenter", "bottom", "wordbreak",
// "endellipsis", "singleline", separated by blanks, commas or '|'.
std::optional<unsigned> ParseAlign(std::string_view text, unsigned style)
{
    size_t start = 0;
    bool any = false;
    while (start <= text.size()) {
        size_t end = text.find_first_of(" ,|", start);
        std::string_view word = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
        if (word.empty())
            continue;
        any = true;
        if (EqualsNoCase(word, "left"))
            style &= ~TextStyle::HorizontalMask;
        else if (EqualsNoCase(word, "center") || EqualsNoCase(word, "centre"))
            style = (style & ~TextStyle::HorizontalMask) | TextStyle::Center;
        else if (EqualsNoCase(word, "right"))
            style = (style & ~TextStyle::HorizontalMask) | TextStyle::Right;
        else if (EqualsNoCase(word, "top"))
            style &= ~TextStyle::VerticalMask;
        else if (EqualsNoCase(word, "vcenter") || EqualsNoCase(word, "vcentre"))
            style = (style & ~TextStyle::VerticalMask) | TextStyle::VCenter;
        else if (EqualsNoCase(word, "bottom"))
            style = (style & ~TextStyle::VerticalMask) | TextStyle::Bottom;
        else if (EqualsNoCase(word, "wordbreak"))
            style = (style & ~TextStyle::SingleLine) | TextStyle::WordBreak;
        else if (EqualsNoCase(word, "endellipsis"))
            style |= TextStyle::EndEllipsis;
        else if (EqualsNoCase(word, "singleline"))
            style = (style & ~TextStyle::WordBreak) | TextStyle::SingleLine;
        else
            return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    return style;
}

template <class T, class Parser>
bool Assign(T& target, std::string_view value, Parser parse)
{
    auto parsed = parse(value);
    if (!parsed)
        return false;
    target = *parsed;
    return true;
}

} // namespace

bool Control::SetAttribute(std::string_view name, std::string_view value)
{
    auto is = [&](const char* key) { return EqualsNoCase(name, key); };
    const std::string text(value);
    bool ok = true;

    if (is("name"))
        SetName(text);
    else if (is("text"))
        SetText(text);
    else if (is("resourcetext")) {
        bool on = false;
        if ((ok = Assign(on, value, ParseBool)))
            SetResourceText(on);
    } else if (is("tooltip"))
        SetToolTip(text);
    else if (is("tooltiptitle"))
        SetToolTipTitle(text);
    else if (is("userdata"))
        SetUserData(text);
    else if (is("virtualwnd"))
        virtualWnd_ = text;
    else if (is("visible")) {
        bool on = true;
        if ((ok = Assign(on, value, ParseBool)))
            SetVisible(on);
    } else if (is("enabled")) {
        bool on = true;
        if ((ok = Assign(on, value, ParseBool)))
            SetEnabled(on);
    } else if (is("mouse")) {
        bool on = true;
        if ((ok = Assign(on, value, ParseBool)))
            SetMouseEnabled(on);
    } else if (is("keyboard"))
        ok = Assign(keyboardEnabled_, value, ParseBool);
    else if (is("menu"))
        ok = Assign(contextMenu_, value, ParseBool);
    else if (is("width") || is("height") || is("minwidth") || is("minheight") || is("maxwidth") || is("maxheight")) {
        int v = 0;
        if ((ok = Assign(v, value, ParseInt) && v >= 0)) {
            if (is("width"))
                SetFixedWidth(v);
            else if (is("height"))
                SetFixedHeight(v);
            else if (is("minwidth"))
                SetMinWidth(v);
            else if (is("minheight"))
                SetMinHeight(v);
            else if (is("maxwidth"))
                SetMaxWidth(v);
            else
                SetMaxHeight(v);
        }
    } else if (is("padding")) {
        Rect r;
        if ((ok = Assign(r, value, ParseRect)))
            SetPadding(r);
    } else if (is("float")) {
        bool on = false;
        if ((ok = Assign(on, value, ParseBool)))
            SetFloat(on);
    } else if (is("pos")) {
        Rect r;
        if ((ok = Assign(r, value, ParseRect))) {
            SetFloatPos(r);
            if (fixedWidth_ == 0 && r.right > r.left)
                fixedWidth_ = r.Width();
            if (fixedHeight_ == 0 && r.bottom > r.top)
                fixedHeight_ = r.Height();
        }
    } else if (is("bkcolor"))
        ok = Assign(bkColor_, value, ParseColour);
    else if (is("hotbkcolor"))
        ok = Assign(hotBkColor_, value, ParseColour);
    else if (is("pushedbkcolor"))
        ok = Assign(pushedBkColor_, value, ParseColour);
    else if (is("selectedbkcolor"))
        ok = Assign(selectedBkColor_, value, ParseColour);
    else if (is("disabledbkcolor"))
        ok = Assign(disabledBkColor_, value, ParseColour);
    else if (is("forecolor"))
        ok = Assign(foreColor_, value, ParseColour);
    else if (is("bordercolor"))
        ok = Assign(borderColor_, value, ParseColour);
    else if (is("focusbordercolor"))
        ok = Assign(focusBorderColor_, value, ParseColour);
    else if (is("bordersize")) {
        int v = 0;
        if ((ok = Assign(v, value, ParseInt) && v >= 0))
            SetBorderSize(v);
    } else if (is("borderround"))
        ok = Assign(borderRound_, value, ParseSize);
    else if (is("bkimage"))
        SetBkImage(text);
    else if (is("foreimage"))
        SetForeImage(text);
    else if (is("normalimage"))
        normalImage_ = text;
    else if (is("hotimage"))
        hotImage_ = text;
    else if (is("pushedimage"))
        pushedImage_ = text;
    else if (is("focusedimage"))
        focusedImage_ = text;
    else if (is("disabledimage"))
        disabledImage_ = text;
    else if (is("selectedimage"))
        selectedImage_ = text;
    else if (is("selectedhotimage"))
        selectedHotImage_ = text;
    else if (is("selectedpushedimage"))
        selectedPushedImage_ = text;
    else if (is("textcolor"))
        ok = Assign(textColor_, value, ParseColour);
    else if (is("hottextcolor"))
        ok = Assign(hotTextColor_, value, ParseColour);
    else if (is("pushedtextcolor"))
        ok = Assign(pushedTextColor_, value, ParseColour);
    else if (is("disabledtextcolor"))
        ok = Assign(disabledTextColor_, value, ParseColour);
    else if (is("selectedtextcolor"))
        ok = Assign(selectedTextColor_, value, ParseColour);
    else if (is("font"))
        ok = Assign(font_, value, ParseInt);
    else if (is("align") || is("valign")) {
        auto style = ParseAlign(value, textStyle_);
        if ((ok = style.has_value()))
            textStyle_ = *style;
    } else if (is("wordbreak") || is("endellipsis")) {
        bool on = false;
        if ((ok = Assign(on, value, ParseBool))) {
            unsigned bit = is("wordbreak") ? TextStyle::WordBreak : TextStyle::EndEllipsis;
            textStyle_ = on ? (textStyle_ | bit) : (textStyle_ & ~bit);
            if (bit == TextStyle::WordBreak && on)
                textStyle_ &= ~TextStyle::SingleLine;
        }
    } else if (is("textpadding"))
        ok = Assign(textPadding_, value, ParseRect);
    else if (is("cursor"))
        cursor_ = text;
    else if (is("style")) {
        const std::string* list = manager_ ? manager_->FindStyle(value) : ResourceManager::Instance().FindSharedStyle(value);
        ok = list && ApplyAttributeList(*list);
    } else
        return false;
    if (ok)
        Invalidate();
    return ok;
}

} // namespace ui
