#include "ui/Progress.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/FontInfo.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

#include <algorithm>

namespace ui {

Progress::Progress() { textStyle_ = TextStyle::Center | TextStyle::VCenter | TextStyle::SingleLine; }

std::string_view Progress::GetClass() const { return "ProgressUI"; }

bool Progress::IsClass(std::string_view name) const { return MatchesClass(name, "Progress") || Label::IsClass(name); }

void Progress::SetMinValue(int v)
{
    min_ = v;
    Invalidate();
}

void Progress::SetMaxValue(int v)
{
    max_ = v;
    Invalidate();
}

void Progress::SetValue(int v)
{
    value_ = v;
    Invalidate();
}

Rect Progress::FilledRect() const
{
    if (max_ <= min_)
        return {};
    const int value = std::clamp(value_, min_, max_);
    const long long range = static_cast<long long>(max_) - min_;
    Rect rc = pos_;
    if (horizontal_)
        rc.right = rc.left + static_cast<int>((static_cast<long long>(rc.Width()) * (value - min_)) / range);
    else
        rc.top = rc.bottom - static_cast<int>((static_cast<long long>(rc.Height()) * (value - min_)) / range);
    return rc;
}

void Progress::PaintForeColor(Canvas& canvas)
{
    if (foreColor_ == 0 || !foreImage_.empty())
        return;
    Rect filled = FilledRect();
    if (!filled.IsEmpty())
        canvas.FillRect(filled, foreColor_);
}

void Progress::PaintForeImage(Canvas& canvas)
{
    if (foreImage_.empty())
        return;
    Rect filled = FilledRect();
    if (filled.IsEmpty())
        return;
    ResourceManager& resources = ResourceManager::Instance();
    const auto& parsed = resources.Images().Parse(foreImage_);
    if (!parsed)
        return;
    auto image = resources.Images().Get(resources.ResolvePath(parsed->file));
    if (!image)
        return;
    // Show the matching share of the picture in the filled part.
    ImageDescription part = *parsed;
    Rect source = parsed->source.value_or(Rect{0, 0, image->Width(), image->Height()});
    if (horizontal_ && pos_.Width() > 0)
        source.right = source.left + source.Width() * filled.Width() / pos_.Width();
    else if (!horizontal_ && pos_.Height() > 0)
        source.top = source.bottom - source.Height() * filled.Height() / pos_.Height();
    part.source = source;
    part.dest = Rect{filled.left - pos_.left, filled.top - pos_.top, filled.right - pos_.left, filled.bottom - pos_.top};
    canvas.DrawImage(pos_, part, *image, nullptr);
}

bool Progress::SetAttribute(std::string_view name, std::string_view value)
{
    auto is = [&](const char* key) { return EqualsNoCase(name, key); };
    if (is("min") || is("max") || is("value")) {
        auto v = ParseInt(value);
        if (!v)
            return false;
        if (is("min"))
            SetMinValue(*v);
        else if (is("max"))
            SetMaxValue(*v);
        else
            SetValue(*v);
        return true;
    }
    if (is("hor")) {
        auto on = ParseBool(value);
        if (!on)
            return false;
        horizontal_ = *on;
        Invalidate();
        return true;
    }
    return Label::SetAttribute(name, value);
}

} // namespace ui
