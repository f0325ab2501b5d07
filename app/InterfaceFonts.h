#pragma once

#include <string>

namespace ui {
class PaintManager;
}

// The interface fonts: one face for all of them, chosen by the language, in
// the sizes the layouts ask for by font id; shared by every window.
namespace InterfaceFonts {

// The face of a language index: Thai (15), Simplified Chinese (0),
// Traditional Chinese (2) have their own; every other language the same.
std::string FaceForLanguage(int languageIndex);
// Whether switching languages changes the face (the previous index is -1
// before the first language, so the first switch always sets the fonts).
bool ChangeOnSwitch(int previousIndex, int index);
// Replaces the window's own and all shared fonts by the table in `face`,
// 14-pixel normal as the default.
void Apply(ui::PaintManager& manager, const std::string& face);

} // namespace InterfaceFonts
