#include "ui/LayoutBuilder.h"

#include "base/Trace.h"
#include "ui/AttributeValue.h"
#include "ui/Container.h"
#include "ui/ControlFactory.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

#include <pugixml.hpp>

namespace ui {

namespace {

constexpr int kMaxIncludeDepth = 16;

bool IsResourceTag(std::string_view tag)
{
    return EqualsNoCase(tag, "Font") || EqualsNoCase(tag, "Default") || EqualsNoCase(tag, "Style") ||
           EqualsNoCase(tag, "Image");
}

} // namespace

Control* LayoutBuilder::Build(std::string_view layout, PaintManager* manager, ControlFactoryCallback* callback,
                              Container* parent)
{
    if (depth_ >= kMaxIncludeDepth) {
        Trace("layout %.*s: includes nested too deep", static_cast<int>(layout.size()), layout.data());
        return nullptr;
    }
    const std::string path = ResourceManager::Instance().ResolvePath(layout);
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(path.c_str());
    if (!result) {
        Trace("layout %s: %s (offset %td)", path.c_str(), result.description(), result.offset);
        return nullptr;
    }
    callback_ = callback;
    const std::string outer = source_;
    source_ = path;
    ++depth_;
    Control* root = BuildDocument(document.document_element(), manager, parent);
    --depth_;
    source_ = outer;
    return root;
}

Control* LayoutBuilder::BuildFromText(std::string_view xml, PaintManager* manager, ControlFactoryCallback* callback,
                                      Container* parent)
{
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size());
    if (!result) {
        Trace("layout text: %s (offset %td)", result.description(), result.offset);
        return nullptr;
    }
    callback_ = callback;
    source_ = "(text)";
    ++depth_;
    Control* root = BuildDocument(document.document_element(), manager, parent);
    --depth_;
    return root;
}

Control* LayoutBuilder::BuildDocument(const pugi::xml_node& top, PaintManager* manager, Container* parent)
{
    Control* root = nullptr;
    if (EqualsNoCase(top.name(), "Window")) {
        ApplyWindowAttributes(top, manager);
        for (pugi::xml_node child : top.children()) {
            if (child.type() != pugi::node_element || !IsResourceTag(child.name()))
                continue;
            BuildResource(child, manager);
        }
        root = BuildChildren(top, parent, manager);
    } else {
        root = BuildControl(top, parent, manager);
    }
    if (!root)
        Trace("layout %s: no control built", source_.c_str());
    else
        root->MarkLayoutRoot();
    return root;
}

void LayoutBuilder::ApplyWindowAttributes(const pugi::xml_node& window, PaintManager* manager)
{
    if (!manager)
        return;
    uint32_t textColour = manager->DefaultTextColor(true);
    uint32_t disabledColour = manager->DefaultTextColor(false);
    for (pugi::xml_attribute attribute : window.attributes()) {
        std::string_view name = attribute.name();
        std::string_view value = attribute.value();
        bool ok = true;
        if (EqualsNoCase(name, "size") || EqualsNoCase(name, "mininfo") || EqualsNoCase(name, "maxinfo") ||
            EqualsNoCase(name, "roundcorner")) {
            auto size = ParseSize(value);
            if ((ok = size && size->cx >= 0 && size->cy >= 0)) {
                if (EqualsNoCase(name, "size"))
                    manager->SetInitSize(*size);
                else if (EqualsNoCase(name, "mininfo"))
                    manager->SetMinInfo(*size);
                else if (EqualsNoCase(name, "maxinfo"))
                    manager->SetMaxInfo(*size);
                else
                    manager->SetRoundCorner(*size);
            }
        } else if (EqualsNoCase(name, "caption") || EqualsNoCase(name, "sizebox")) {
            auto rect = ParseRect(value);
            if ((ok = rect.has_value()))
                (EqualsNoCase(name, "caption") ? (void)manager->SetCaptionRect(*rect) : manager->SetSizeBox(*rect));
        } else if (EqualsNoCase(name, "defaulttextcolor") || EqualsNoCase(name, "defaultdisabledcolor")) {
            auto colour = ParseColour(value);
            if ((ok = colour.has_value()))
                (EqualsNoCase(name, "defaulttextcolor") ? textColour : disabledColour) = *colour;
        } else {
            ok = false;
        }
        if (!ok)
            Trace("layout %s: <Window> attribute %s=\"%s\" ignored", source_.c_str(), attribute.name(),
                  attribute.value());
    }
    manager->SetDefaultTextColor(textColour, disabledColour);
}

bool LayoutBuilder::BuildResource(const pugi::xml_node& node, PaintManager* manager)
{
    if (!manager)
        return false;
    std::string_view tag = node.name();
    const bool shared = node.attribute("shared").as_bool(false);
    if (EqualsNoCase(tag, "Font")) {
        FontInfo font;
        font.family = node.attribute("name").as_string();
        auto size = ParseInt(node.attribute("size").as_string("14"));
        auto id = ParseInt(node.attribute("id").as_string("-1"));
        if (!size || *size <= 0 || !id) {
            Trace("layout %s: <Font> with a bad id or size skipped", source_.c_str());
            return false;
        }
        font.size = *size;
        font.bold = node.attribute("bold").as_bool(false);
        font.underline = node.attribute("underline").as_bool(false);
        font.italic = node.attribute("italic").as_bool(false);
        const bool isDefault = node.attribute("default").as_bool(false);
        if (*id < 0)
            manager->SetDefaultFont(font, shared);
        else
            manager->AddFont(*id, font, isDefault, shared);
        return true;
    }
    std::string name = node.attribute("name").as_string();
    std::string value = node.attribute("value").as_string();
    if (name.empty()) {
        Trace("layout %s: <%s> without a name skipped", source_.c_str(), node.name());
        return false;
    }
    if (EqualsNoCase(tag, "Default"))
        manager->AddDefaultAttributeList(name, value, shared);
    else if (EqualsNoCase(tag, "Style"))
        manager->AddStyle(name, value, shared);
    return true;
}

Control* LayoutBuilder::BuildChildren(const pugi::xml_node& node, Container* parent, PaintManager* manager)
{
    Control* first = nullptr;
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element)
            continue;
        std::string_view tag = child.name();
        if (IsResourceTag(tag)) {
            if (!EqualsNoCase(node.name(), "Window"))
                BuildResource(child, manager);
            continue;
        }
        if (EqualsNoCase(tag, "Include")) {
            std::string source = child.attribute("source").as_string();
            auto count = ParseInt(child.attribute("count").as_string("1"));
            if (source.empty() || !count || *count < 0) {
                Trace("layout %s: <Include> needs a source and a count", source_.c_str());
                continue;
            }
            for (int i = 0; i < *count; ++i) {
                Control* included = Build(source, manager, callback_, parent);
                if (!first)
                    first = included;
            }
            continue;
        }
        if (!parent && first) {
            Trace("layout %s: a second top-level control <%s> skipped", source_.c_str(), child.name());
            continue;
        }
        Control* control = BuildControl(child, parent, manager);
        if (!first)
            first = control;
    }
    return first;
}

Control* LayoutBuilder::BuildControl(const pugi::xml_node& node, Container* parent, PaintManager* manager)
{
    std::string_view tag = node.name();
    Control* control = ControlFactory::Instance().Create(tag, callback_);
    if (!control && unknownTag_)
        control = unknownTag_(tag);
    if (!control) {
        Trace("layout %s: unknown tag <%s> skipped", source_.c_str(), node.name());
        return nullptr;
    }
    // The manager is known early so sizes scale and styles resolve while the
    // attributes are read; DoInit waits until the control joins the tree.
    if (!control->GetManager())
        control->SetManager(manager, parent, false);
    if (manager && !control->IsLayoutRoot())
        if (const std::string* defaults = manager->GetDefaultAttributeList(tag))
            if (!control->ApplyAttributeList(*defaults))
                Trace("layout %s: default attributes of <%s> partly ignored", source_.c_str(), node.name());
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (!control->SetAttribute(attribute.name(), attribute.value()))
            Trace("layout %s: <%s> attribute %s=\"%s\" ignored", source_.c_str(), node.name(), attribute.name(),
                  attribute.value());
    }
    if (auto* container = dynamic_cast<Container*>(control))
        BuildChildren(node, container, manager);
    else if (node.first_child().type() == pugi::node_element)
        Trace("layout %s: <%s> holds no children; its elements are skipped", source_.c_str(), node.name());
    if (parent)
        parent->Add(control);
    return control;
}

} // namespace ui
