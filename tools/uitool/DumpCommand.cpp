#include "tools/uitool/DumpCommand.h"

#include "tools/uitool/LayoutArgs.h"
#include "ui/AttributeValue.h"
#include "ui/Container.h"
#include "ui/HeadlessPlatform.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"

#include <cstdio>

namespace {

// Without a size of its own or given, a layout is dumped at this size.
constexpr ui::Size kFallbackSize{800, 600};

void Print(ui::Control* control, int depth)
{
    std::printf("%*s%.*s \"%s\" %s%s\n", depth * 2, "", static_cast<int>(control->GetClass().size()),
                control->GetClass().data(), control->GetName().c_str(), ui::FormatRect(control->GetPos()).c_str(),
                control->IsVisible() ? "" : " hidden");
    if (auto* container = dynamic_cast<ui::Container*>(control))
        for (int i = 0; i < container->GetCount(); ++i)
            Print(container->GetItemAt(i), depth + 1);
}

} // namespace

int RunDumpCommand(const std::vector<std::string>& args)
{
    auto parsed = ParseLayoutArgs(args);
    if (!parsed)
        return 2;
    ui::HeadlessPlatform platform;
    const std::string layout = PrepareSkin(*parsed);
    ui::PaintManager manager;
    manager.SetDpi(parsed->dpi);
    ui::LayoutBuilder builder;
    builder.SetUnknownTagHandler([](std::string_view tag) -> ui::Control* {
        std::fprintf(stderr, "unknown tag <%.*s> built as a plain container\n", static_cast<int>(tag.size()), tag.data());
        return new ui::Container;
    });
    ui::Control* root = builder.Build(layout, &manager);
    if (!root) {
        std::fprintf(stderr, "%s: nothing could be built (VELTRANE_DEBUG=1 tells why)\n", parsed->layout.c_str());
        return 1;
    }
    manager.AttachRoot(root);
    ui::Size size = parsed->size.value_or(manager.GetInitSize());
    if (!parsed->size && (size.cx <= 0 || size.cy <= 0)) {
        size = {root->GetFixedWidth() > 0 ? root->GetFixedWidth() : kFallbackSize.cx,
                root->GetFixedHeight() > 0 ? root->GetFixedHeight() : kFallbackSize.cy};
        size = {manager.Scale(size.cx), manager.Scale(size.cy)};
    } else if (!parsed->size) {
        size = {manager.Scale(size.cx), manager.Scale(size.cy)};
    }
    manager.SetClientSize(size);
    manager.UpdateLayout();
    Print(root, 0);
    return 0;
}
