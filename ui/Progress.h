#pragma once

#include "ui/Label.h"

namespace ui {

// A value between "min" and "max" shown as the filled part of the control:
// the foreground image (or the foreground colour) covers the share from the
// left (or from the bottom when "hor" is false).
class Progress : public Label {
public:
    Progress();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    int GetMinValue() const { return min_; }
    int GetMaxValue() const { return max_; }
    int GetValue() const { return value_; }
    void SetMinValue(int v);
    void SetMaxValue(int v);
    virtual void SetValue(int v);
    bool IsHorizontal() const { return horizontal_; }

    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    void PaintForeColor(Canvas& canvas) override;
    void PaintForeImage(Canvas& canvas) override;
    // The filled part of the rectangle for the current value.
    Rect FilledRect() const;

    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    bool horizontal_ = true;
};

} // namespace ui
