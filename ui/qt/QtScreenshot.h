#pragma once

#include "ui/Geometry.h"

#include <QImage>
#include <optional>
#include <string>

namespace ui {

class PaintManager;
class WindowImplBase;

// Pictures of the control tree: of a window as it is, or of a layout file
// built offscreen (QT_QPA_PLATFORM=offscreen needs no display), saved as PNG.
class QtScreenshot {
public:
    // Paints the tree at the manager's client size into an image.
    static QImage Capture(PaintManager& manager);
    static bool SaveWindow(WindowImplBase& window, const std::string& pngPath);
    // Builds the layout (resource name or file of the skin folder) with the
    // toolkit's classes at the given size (default: the layout's own) and
    // DPI, and saves it; false, with the reason on stderr, when it cannot.
    static bool RenderLayout(const std::string& layout, std::optional<Size> size, int dpi, const std::string& pngPath);
};

} // namespace ui
