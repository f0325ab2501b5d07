#pragma once

#include "ui/Platform.h"

namespace ui {

// The open and save dialogs with the program's filters ("Profile
// Files(*.json)" with "*.json;"); the first filter is preselected.
class QtFileDialogs {
public:
    static FileDialogResult PickOpen(WindowHandle owner, const std::vector<FileFilter>& filters);
    // A new name may be typed; its type's extension is added when missing
    // and an existing file is replaced only after the user confirms.
    static FileDialogResult PickSave(WindowHandle owner, const std::vector<FileFilter>& filters);
    // Qt's form of a filter: "Profile Files (*.json)".
    static std::string NameFilter(const FileFilter& filter);
};

} // namespace ui
