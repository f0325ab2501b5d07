// veltrane-skingen OUTPUT_DIR [--scale N]: draws the skin's generated images
// into OUTPUT_DIR (normally skin/). The output is committed; run this again
// after changing a drawing. --scale 2 renders the double-density set.

#include "tools/skingen/DeviceGlyphs.h"
#include "tools/skingen/Pictures.h"
#include "tools/skingen/SkinPainter.h"
#include "tools/skingen/WindowGlyphs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct SkinImage {
    std::string file;
    int width;  // at 1x
    int height;
    qreal units; // the drawing's grid across the width
    std::function<void(QPainter&)> draw;
};

struct DeviceIcon {
    const char* stem;
    skin::DeviceGlyph glyph;
};

// The selector's icons of each device kind: normal, selected, synchronised
// normal and synchronised selected.
constexpr DeviceIcon kDeviceIcons[] = {
    {"kb_device", skin::DeviceGlyph::Keyboard},          {"ms_device", skin::DeviceGlyph::Mouse},
    {"hard_mp_device", skin::DeviceGlyph::HardMousePad}, {"soft_mp_device", skin::DeviceGlyph::SoftMousePad},
    {"hd_device", skin::DeviceGlyph::Headset},           {"hub_device", skin::DeviceGlyph::Hub},
    {"unknow_device", skin::DeviceGlyph::Unknown},
};

// The device pages' pictures until each page draws its device.
constexpr DeviceIcon kDevicePictures[] = {
    {"mouse", skin::DeviceGlyph::Mouse},
    {"keyboard", skin::DeviceGlyph::Keyboard},
};

std::vector<SkinImage> AllImages()
{
    std::vector<SkinImage> images = {
    {"common/window/close.png", 16, 16, 16, skin::DrawCloseGlyph},
    {"common/window/min.png", 16, 16, 16, skin::DrawMinimiseGlyph},
    {"common/window/max.png", 16, 16, 16, skin::DrawMaximiseGlyph},
    {"common/window/restore.png", 16, 16, 16, skin::DrawRestoreGlyph},
    {"common/window/skin.png", 16, 16, 16, skin::DrawSkinGlyph},
    {"common/window/set.png", 16, 16, 16, skin::DrawSettingsGlyph},
    {"common/window/light.png", 16, 16, 16, skin::DrawLightGlyph},
    {"common/logo.png", 32, 32, 64, skin::DrawProgramIcon},
    {"common/nodevice.png", 200, 120, 200, skin::DrawNoDevicePicture},
    {"icon/veltrane.png", 256, 256, 64, skin::DrawProgramIcon},
    {"icon/veltrane_tray.png", 32, 32, 64, skin::DrawProgramIcon},
    };
    for (const DeviceIcon& icon : kDeviceIcons) {
        const std::string base = std::string("common/device_ico/") + icon.stem;
        const skin::DeviceGlyph glyph = icon.glyph;
        images.push_back({base + "_normal.png", 32, 32, 32,
                          [glyph](QPainter& p) { skin::DrawDeviceEntryIcon(p, glyph, false, false); }});
        images.push_back({base + "_selected.png", 32, 32, 32,
                          [glyph](QPainter& p) { skin::DrawDeviceEntryIcon(p, glyph, true, false); }});
        images.push_back({base + "_synchro_normal.png", 32, 32, 32,
                          [glyph](QPainter& p) { skin::DrawDeviceEntryIcon(p, glyph, false, true); }});
        images.push_back({base + "_synchro_selected.png", 32, 32, 32,
                          [glyph](QPainter& p) { skin::DrawDeviceEntryIcon(p, glyph, true, true); }});
    }
    for (const DeviceIcon& picture : kDevicePictures) {
        const skin::DeviceGlyph glyph = picture.glyph;
        images.push_back({std::string("common/device/") + picture.stem + ".png", 240, 240, 32,
                          [glyph](QPainter& p) { skin::DrawDeviceGlyph(p, glyph, skin::kSecondary); }});
    }
    return images;
}

QString OutputName(const std::string& file, int scale)
{
    QString name = QString::fromStdString(file);
    if (scale != 1)
        name.insert(name.lastIndexOf('.'), QString("@%1x").arg(scale));
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: veltrane-skingen OUTPUT_DIR [--scale N]\n");
        return 2;
    }
    int scale = 1;
    if (argc == 4 && std::strcmp(argv[2], "--scale") == 0)
        scale = std::max(1, std::atoi(argv[3]));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));

    for (const SkinImage& image : AllImages()) {
        QImage pixels(image.width * scale, image.height * scale, QImage::Format_ARGB32_Premultiplied);
        pixels.fill(Qt::transparent);
        QPainter painter(&pixels);
        skin::BeginGlyph(painter, image.width * scale, image.units);
        image.draw(painter);
        painter.end();

        const QString path = output.filePath(OutputName(image.file, scale));
        QDir().mkpath(QFileInfo(path).path());
        if (!pixels.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
