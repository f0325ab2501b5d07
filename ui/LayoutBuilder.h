#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pugi {
class xml_node;
}

namespace ui {

class Container;
class Control;
class ControlFactoryCallback;
class PaintManager;

// Builds controls from layout XML:
//
//   <Window size="800,572" mininfo="400,300" caption="0,0,0,40" sizebox="4,4,4,4" roundcorner="8,8">
//     <Font id="0" name="Verdana" size="14" bold="false" default="true" shared="true"/>
//     <Default name="Button" value="textcolor=&quot;#FFE6E8EB&quot;" shared="false"/>
//     <Style name="caption_text" value="font=&quot;2&quot;"/>
//     <VerticalLayout name="root"> ... <Include source="XML\part.xml" count="1"/> ... </VerticalLayout>
//   </Window>
//
// The root element may also be a control itself. Every tag goes to the
// window's factory callback first, then the registered program classes,
// then the toolkit's tags. A control gets its class's default attributes,
// then the element's own; a root that the callback built from a layout file
// keeps its file's attributes and takes only the element's own on top.
// Faults never stop the process: a missing or malformed file builds nothing,
// an unknown tag is skipped with its children, an unknown attribute or a value
// out of format is skipped; each is reported on the trace channel.
class LayoutBuilder {
public:
    // `layout` is a resource name of the index or a file of the skin folder
    // (either separator). With a parent, the built root is added to it.
    Control* Build(std::string_view layout, PaintManager* manager, ControlFactoryCallback* callback = nullptr,
                   Container* parent = nullptr);
    Control* BuildFromText(std::string_view xml, PaintManager* manager, ControlFactoryCallback* callback = nullptr,
                           Container* parent = nullptr);
    // Asked for a tag nobody knows; nullptr skips it.
    void SetUnknownTagHandler(std::function<Control*(std::string_view tag)> handler)
    {
        unknownTag_ = std::move(handler);
    }

private:
    Control* BuildDocument(const pugi::xml_node& top, PaintManager* manager, Container* parent);
    void ApplyWindowAttributes(const pugi::xml_node& window, PaintManager* manager);
    bool BuildResource(const pugi::xml_node& node, PaintManager* manager);
    // Builds the control elements under node into parent; answers the first.
    Control* BuildChildren(const pugi::xml_node& node, Container* parent, PaintManager* manager);
    Control* BuildControl(const pugi::xml_node& node, Container* parent, PaintManager* manager);

    ControlFactoryCallback* callback_ = nullptr;
    std::function<Control*(std::string_view)> unknownTag_;
    std::string source_;
    int depth_ = 0;
};

} // namespace ui
