#include "ui/qt/QtCursors.h"

#include "ui/AttributeValue.h"

#include <utility>

namespace ui {

QCursor CursorForName(std::string_view name)
{
    static const std::pair<const char*, Qt::CursorShape> shapes[] = {
        {"arrow", Qt::ArrowCursor},     {"ibeam", Qt::IBeamCursor},       {"wait", Qt::WaitCursor},
        {"cross", Qt::CrossCursor},     {"uparrow", Qt::UpArrowCursor},   {"size", Qt::SizeAllCursor},
        {"icon", Qt::ArrowCursor},      {"sizenwse", Qt::SizeFDiagCursor}, {"sizenesw", Qt::SizeBDiagCursor},
        {"sizewe", Qt::SizeHorCursor},  {"sizens", Qt::SizeVerCursor},    {"sizeall", Qt::SizeAllCursor},
        {"no", Qt::ForbiddenCursor},    {"hand", Qt::PointingHandCursor},
    };
    for (const auto& [key, shape] : shapes)
        if (EqualsNoCase(name, key))
            return QCursor(shape);
    return QCursor(Qt::ArrowCursor);
}

} // namespace ui
