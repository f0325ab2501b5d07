#pragma once

#include "ui/Label.h"

namespace ui {

// Single-line text input. Typing inserts at the caret; "numberonly" keeps only
// digits, "maxchar" limits the length in characters, "readonly" refuses
// changes. Every change sends "textchanged"; Return sends "return"; gaining
// and losing the focus send "setfocus" and "killfocus". Under a windowing
// host a native line edit lies over the control while it has the focus and
// hands its text back through SetTextFromHost.
class Edit : public Label {
public:
    Edit();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool IsNumberOnly() const { return numberOnly_; }
    void SetNumberOnly(bool on) { numberOnly_ = on; }
    int GetMaxChar() const { return maxChar_; }
    void SetMaxChar(int count) { maxChar_ = count; }
    bool IsPassword() const { return password_; }
    bool IsMultiLine() const { return multiLine_; }
    // Caret as a byte offset into the UTF-8 text.
    size_t GetCaret() const { return caret_; }
    void SetCaret(size_t offset);

    void SetText(std::string text) override;
    // The text the user typed in the host's overlay; filtered like typing,
    // sends "textchanged" when it differs.
    void SetTextFromHost(const std::string& text);
    // The text after the filters (digits only, max length).
    std::string Filter(std::string_view text) const;

    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;
    uint32_t GetNativeBkColor() const { return nativeBkColor_; }

protected:
    void PaintText(Canvas& canvas) override;
    bool multiLine_ = false;

private:
    void Insert(std::string_view typed);
    void Erase(bool forward);
    bool readOnly_ = false;
    bool numberOnly_ = false;
    bool password_ = false;
    int maxChar_ = 255;
    size_t caret_ = 0;
    uint32_t nativeBkColor_ = 0;
};

} // namespace ui
