#include "app/InterfaceFonts.h"

#include "ui/PaintManager.h"

#include <array>

namespace InterfaceFonts {

namespace {

struct FontRow {
    int id;
    int size;
    bool bold;
    bool underline;
};

constexpr std::array<FontRow, 13> kFonts{{
    {0, 15, false, false},
    {1, 14, false, true},
    {2, 18, false, false},
    {3, 30, false, false},
    {4, 16, false, false},
    {5, 20, false, false},
    {6, 22, false, false},
    {7, 14, false, false},
    {8, 12, false, false},
    {9, 11, false, false},
    {10, 10, false, false},
    {11, 28, false, false},
    {50, 18, true, false},
}};

bool HasOwnFace(int index)
{
    return index == 15 || index == 0 || index == 2;
}

} // namespace

std::string FaceForLanguage(int languageIndex)
{
    switch (languageIndex) {
    case 15:
        return "Noto Sans Thai";
    case 0:
        return "汉仪菱心体简";
    case 2:
        return "Noto Sans CJK TC Regular";
    default:
        return "Verdana Unicode MS";
    }
}

bool ChangeOnSwitch(int previousIndex, int index)
{
    return HasOwnFace(index) || previousIndex == -1 || HasOwnFace(previousIndex);
}

void Apply(ui::PaintManager& manager, const std::string& face)
{
    manager.RemoveAllFonts();
    ui::PaintManager::RemoveAllSharedFonts();
    for (const FontRow& row : kFonts)
        manager.AddFont(row.id, {face, row.size, row.bold, row.underline, false}, false, true);
    manager.SetDefaultFont({face, 14, false, false, false}, true);
}

} // namespace InterfaceFonts
