#include "ui/Edit.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/FontInfo.h"
#include "ui/PaintManager.h"
#include "ui/Utf8.h"

namespace ui {

Edit::Edit()
{
    keyboardEnabled_ = true;
    cursor_ = "ibeam";
}

std::string_view Edit::GetClass() const { return "EditUI"; }

bool Edit::IsClass(std::string_view name) const { return MatchesClass(name, "Edit") || Label::IsClass(name); }

void Edit::SetCaret(size_t offset)
{
    caret_ = offset > text_.size() ? text_.size() : offset;
    while (caret_ > 0 && caret_ < text_.size() && (static_cast<unsigned char>(text_[caret_]) & 0xC0) == 0x80)
        --caret_;
}

void Edit::SetText(std::string text)
{
    Label::SetText(std::move(text));
    caret_ = text_.size();
    if (manager_)
        manager_->EditTextChanged(this);
}

std::string Edit::Filter(std::string_view text) const
{
    std::string kept;
    for (char c : text) {
        if (numberOnly_ && (c < '0' || c > '9'))
            continue;
        if (!multiLine_ && (c == '\n' || c == '\r'))
            continue;
        kept += c;
    }
    if (maxChar_ > 0 && utf8::CountCharacters(kept) > static_cast<size_t>(maxChar_))
        kept.resize(utf8::PrefixBytes(kept, static_cast<size_t>(maxChar_)));
    return kept;
}

void Edit::SetTextFromHost(const std::string& text)
{
    if (readOnly_)
        return;
    std::string filtered = Filter(text);
    if (filtered == text_)
        return;
    text_ = std::move(filtered);
    caret_ = text_.size();
    Invalidate();
    Notify("textchanged");
}

void Edit::Insert(std::string_view typed)
{
    if (readOnly_ || !IsEnabled())
        return;
    std::string next = text_;
    next.insert(caret_, typed);
    std::string filtered = Filter(next);
    if (filtered == text_)
        return;
    // The caret moves past what was kept of the typed text.
    size_t grown = filtered.size() - text_.size();
    text_ = std::move(filtered);
    caret_ += grown;
    if (caret_ > text_.size())
        caret_ = text_.size();
    Invalidate();
    Notify("textchanged");
}

void Edit::Erase(bool forward)
{
    if (readOnly_ || !IsEnabled())
        return;
    size_t from = forward ? caret_ : utf8::PreviousBoundary(text_, caret_);
    size_t to = forward ? utf8::NextBoundary(text_, caret_) : caret_;
    if (from == to)
        return;
    text_.erase(from, to - from);
    caret_ = from;
    Invalidate();
    Notify("textchanged");
}

void Edit::DoEvent(UiEvent& event)
{
    switch (event.type) {
    case EventType::SetFocus:
        Label::DoEvent(event);
        Notify("setfocus");
        return;
    case EventType::KillFocus:
        Label::DoEvent(event);
        Notify("killfocus");
        return;
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (IsEnabled())
            SetFocus();
        return;
    case EventType::ButtonUp:
        return;
    case EventType::PointerEnter:
        SetState(ControlState::Hot, IsEnabled());
        return;
    case EventType::PointerLeave:
        SetState(ControlState::Hot, false);
        return;
    case EventType::Char:
        if (!event.text.empty() && static_cast<unsigned char>(event.text[0]) >= 0x20)
            Insert(event.text);
        return;
    case EventType::KeyDown:
        switch (event.key) {
        case Key::Back:
            Erase(false);
            return;
        case Key::Delete:
            Erase(true);
            return;
        case Key::Left:
            caret_ = utf8::PreviousBoundary(text_, caret_);
            return;
        case Key::Right:
            caret_ = utf8::NextBoundary(text_, caret_);
            return;
        case Key::Home:
            caret_ = 0;
            return;
        case Key::End:
            caret_ = text_.size();
            return;
        case Key::Return:
            if (multiLine_)
                Insert("\n");
            else
                Notify("return");
            return;
        default:
            return;
        }
    default:
        Label::DoEvent(event);
        return;
    }
}

void Edit::PaintText(Canvas& canvas)
{
    // While the host's native editor lies over the control, it draws the text.
    if (manager_ && manager_->IsHostEditing(this))
        return;
    if (!password_) {
        Label::PaintText(canvas);
        return;
    }
    std::string masked(utf8::CountCharacters(text_), '*');
    const FontInfo font = manager_ ? manager_->GetFont(font_) : FontInfo{};
    uint32_t colour = CurrentTextColor();
    if (colour == 0 && manager_)
        colour = manager_->DefaultTextColor(IsEnabled());
    canvas.DrawText(pos_.Deflate(Scale(textPadding_)), masked, font, colour, textStyle_);
}

bool Edit::SetAttribute(std::string_view name, std::string_view value)
{
    auto flag = [&](bool& target) {
        auto on = ParseBool(value);
        if (on)
            target = *on;
        return on.has_value();
    };
    if (EqualsNoCase(name, "readonly"))
        return flag(readOnly_);
    if (EqualsNoCase(name, "numberonly"))
        return flag(numberOnly_);
    if (EqualsNoCase(name, "password"))
        return flag(password_);
    if (EqualsNoCase(name, "maxchar")) {
        auto count = ParseInt(value);
        if (!count || *count < 0)
            return false;
        maxChar_ = *count;
        return true;
    }
    if (EqualsNoCase(name, "nativebkcolor")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        nativeBkColor_ = *colour;
        return true;
    }
    return Label::SetAttribute(name, value);
}

} // namespace ui
