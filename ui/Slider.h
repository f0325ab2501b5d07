#pragma once

#include "ui/Progress.h"

namespace ui {

// A progress bar with a thumb the user drags. Values snap to "step" from the
// minimum. While dragging, every change sends "movevaluechanged"; the
// release (or a press on the track, a wheel turn, an arrow key) sends
// "valuechanged" with the final value.
class Slider : public Progress {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    int GetChangeStep() const { return step_; }
    void SetChangeStep(int step) { step_ = step > 0 ? step : 1; }
    Size GetThumbSize() const { return thumbSize_; }
    Rect GetThumbRect() const;
    const std::string& GetThumbImage() const { return thumbImage_; }
    void SetThumbImage(std::string image);

    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    void PaintForeColor(Canvas& canvas) override;
    void PaintStatusImage(Canvas& canvas) override;

private:
    int ValueAt(Point pt) const;
    int Snap(int value) const;
    int step_ = 1;
    Size thumbSize_{14, 14};
    std::string thumbImage_;
    std::string thumbHotImage_;
    std::string thumbPushedImage_;
    uint32_t thumbColor_ = 0;
    bool dragging_ = false;
};

} // namespace ui
