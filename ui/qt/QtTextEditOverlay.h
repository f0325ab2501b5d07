#pragma once

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace ui {

class Edit;
class PaintManager;

// The native editor laid over an edit control while it has the focus: a
// QLineEdit (single line) or a QPlainTextEdit (multi-line) in the control's
// font and colours, so selection, clipboard and input methods work. Every
// change the user makes flows back to the control with its notifications.
class QtTextEditOverlay {
public:
    QtTextEditOverlay(QWidget& parent, Edit& edit, PaintManager& manager);
    // Removes the editor; Commit() first hands its final text back.
    ~QtTextEditOverlay();
    void Commit();
    QtTextEditOverlay(const QtTextEditOverlay&) = delete;
    QtTextEditOverlay& operator=(const QtTextEditOverlay&) = delete;

    Edit& Control() const { return edit_; }
    // Follows the control's place and the program's changes of its text.
    void SyncGeometry();
    void SyncText();

private:
    void TextEdited(const std::string& text);
    QWidget& parent_;
    Edit& edit_;
    PaintManager& manager_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    bool syncing_ = false;
};

} // namespace ui
