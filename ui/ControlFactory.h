#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace ui {

class Control;

// A window's own tag-to-control hook: asked first for every tag of its
// layouts; nullptr lets the factory decide.
class ControlFactoryCallback {
public:
    virtual ~ControlFactoryCallback() = default;
    virtual Control* CreateControl(std::string_view tag) = 0;

};

// Makes controls by layout tag, compared without regard to case: the
// program's registered classes first, then the toolkit's own tags.
class ControlFactory {
public:
    using Creator = std::function<Control*()>;

    static ControlFactory& Instance();

    // Registers a program class. A tag finds it by the registered name
    // itself or, for names of the form "C<tag>UI" or "C<tag>", by <tag>, so
    // a class registered as "CSelectPanelUI" is built from <SelectPanel>.
    void Register(std::string name, Creator creator);
    void Clear() { classes_.clear(); }
    Control* CreateRegistered(std::string_view tag) const;
    // The toolkit's tags: Control, Container, VerticalLayout, ... ColorPalette.
    static Control* CreateBuiltin(std::string_view tag);
    // Callback, registered classes, toolkit tags, in this order.
    Control* Create(std::string_view tag, ControlFactoryCallback* callback) const;

private:
    std::map<std::string, Creator> classes_; // by lower-case name
};

} // namespace ui
