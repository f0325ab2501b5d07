#include "ui/ControlFactory.h"

#include "ui/AttributeValue.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ChildLayout.h"
#include "ui/ColorPalette.h"
#include "ui/Combo.h"
#include "ui/Edit.h"
#include "ui/HorizontalLayout.h"
#include "ui/Label.h"
#include "ui/List.h"
#include "ui/ListContainerElement.h"
#include "ui/ListLabelElement.h"
#include "ui/MenuElement.h"
#include "ui/Option.h"
#include "ui/Progress.h"
#include "ui/RichEdit.h"
#include "ui/Slider.h"
#include "ui/TabLayout.h"
#include "ui/Text.h"
#include "ui/VerticalLayout.h"

namespace ui {

ControlFactory& ControlFactory::Instance()
{
    static ControlFactory factory;
    return factory;
}

void ControlFactory::Register(std::string name, Creator creator)
{
    classes_[ToLower(name)] = std::move(creator);
}

Control* ControlFactory::CreateRegistered(std::string_view tag) const
{
    const std::string lower = ToLower(tag);
    for (const std::string& key : {lower, "c" + lower + "ui", "c" + lower}) {
        auto it = classes_.find(key);
        if (it != classes_.end())
            return it->second();
    }
    return nullptr;
}

Control* ControlFactory::CreateBuiltin(std::string_view tag)
{
    static const std::map<std::string, Creator> builtin = {
        {"control", [] { return new Control; }},
        {"container", [] { return new Container; }},
        {"verticallayout", [] { return new VerticalLayout; }},
        {"horizontallayout", [] { return new HorizontalLayout; }},
        {"tablayout", [] { return new TabLayout; }},
        {"childlayout", [] { return new ChildLayout; }},
        {"label", [] { return new Label; }},
        {"text", [] { return new Text; }},
        {"button", [] { return new Button; }},
        {"option", [] { return new Option; }},
        {"checkbox", [] { return new CheckBox; }},
        {"edit", [] { return new Edit; }},
        {"richedit", [] { return new RichEdit; }},
        {"progress", [] { return new Progress; }},
        {"slider", [] { return new Slider; }},
        {"combo", [] { return new Combo; }},
        {"list", [] { return new List; }},
        {"listlabelelement", [] { return new ListLabelElement; }},
        {"listcontainerelement", [] { return new ListContainerElement; }},
        {"colorpalette", [] { return new ColorPalette; }},
        {"menu", [] { return new List; }},
        {"menuelement", [] { return new MenuElement; }},
    };
    auto it = builtin.find(ToLower(tag));
    return it == builtin.end() ? nullptr : it->second();
}

Control* ControlFactory::Create(std::string_view tag, ControlFactoryCallback* callback) const
{
    if (callback)
        if (Control* control = callback->CreateControl(tag))
            return control;
    if (Control* control = CreateRegistered(tag))
        return control;
    return CreateBuiltin(tag);
}

} // namespace ui
