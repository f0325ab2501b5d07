#include "ui/qt/QtScreenshot.h"

#include "ui/Container.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"
#include "ui/WindowImplBase.h"
#include "ui/qt/QtCanvas.h"

#include <QPainter>
#include <cstdio>

namespace ui {

QImage QtScreenshot::Capture(PaintManager& manager)
{
    const Size size = manager.GetClientSize();
    QImage image(std::max(size.cx, 1), std::max(size.cy, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    manager.Invalidate();
    manager.Paint(canvas, {0, 0, size.cx, size.cy});
    painter.end();
    return image;
}

bool QtScreenshot::SaveWindow(WindowImplBase& window, const std::string& pngPath)
{
    return Capture(window.GetPaintManager()).save(QString::fromStdString(pngPath), "PNG");
}

bool QtScreenshot::RenderLayout(const std::string& layout, std::optional<Size> size, int dpi, const std::string& pngPath)
{
    PaintManager manager;
    if (!manager.SetDpi(dpi)) {
        std::fprintf(stderr, "DPI %d is out of range\n", dpi);
        return false;
    }
    LayoutBuilder builder;
    builder.SetUnknownTagHandler([](std::string_view tag) -> Control* {
        std::fprintf(stderr, "unknown tag <%.*s> built as a plain container\n", static_cast<int>(tag.size()), tag.data());
        return new Container;
    });
    Control* root = builder.Build(layout, &manager);
    if (!root) {
        std::fprintf(stderr, "%s: nothing could be built (VELTRANE_DEBUG=1 tells why)\n", layout.c_str());
        return false;
    }
    manager.AttachRoot(root);
    Size client = size.value_or(manager.GetInitSize());
    if (!size)
        client = {manager.Scale(client.cx > 0 ? client.cx : 800), manager.Scale(client.cy > 0 ? client.cy : 600)};
    manager.SetClientSize(client);
    if (!Capture(manager).save(QString::fromStdString(pngPath), "PNG")) {
        std::fprintf(stderr, "%s cannot be written\n", pngPath.c_str());
        return false;
    }
    return true;
}

} // namespace ui
