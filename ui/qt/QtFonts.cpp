#include "ui/qt/QtFonts.h"

#include "base/Trace.h"

#include <QFile>
#include <QFontDatabase>

namespace ui {

std::vector<std::string> QtFonts::Load(const std::string& path, int* id)
{
    if (id)
        *id = -1;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        Trace("font %s cannot be read", path.c_str());
        return {};
    }
    const int loaded = QFontDatabase::addApplicationFontFromData(file.readAll());
    if (loaded < 0) {
        Trace("font %s is no font", path.c_str());
        return {};
    }
    if (id)
        *id = loaded;
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::applicationFontFamilies(loaded))
        families.push_back(family.toStdString());
    return families;
}

void QtFonts::Remove(int id)
{
    if (id >= 0)
        QFontDatabase::removeApplicationFont(id);
}

} // namespace ui
