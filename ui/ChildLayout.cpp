#include "ui/ChildLayout.h"

#include "base/Trace.h"
#include "ui/AttributeValue.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"

namespace ui {

std::string_view ChildLayout::GetClass() const { return "ChildLayoutUI"; }

bool ChildLayout::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ChildLayout") || Container::IsClass(name);
}

void ChildLayout::DoInit()
{
    if (file_.empty() || !manager_)
        return;
    LayoutBuilder builder;
    Control* root = builder.Build(file_, manager_, manager_->GetFactoryCallback());
    if (!root) {
        Trace("child layout %s: nothing built", file_.c_str());
        return;
    }
    Add(root);
}

bool ChildLayout::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "xmlfile")) {
        file_ = std::string(value);
        return true;
    }
    return Container::SetAttribute(name, value);
}

} // namespace ui
