#pragma once

#include "ui/Button.h"

#include <string>

namespace ui {

// A button with a selected state. Options sharing a "group" name in one
// window form a radio group: selecting one clears the others silently. A
// click sends "click", then selects the option; each change of the option's
// own state sends "selectchanged" (when asked to notify). With
// "bindtablayoutname" and "bindtabindex" set, selecting it also shows that
// page of the named tab layout.
class Option : public Button {
public:
    ~Option() override;
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool IsSelected() const { return selected_; }
    virtual void Selected(bool selected, bool notify = true);
    const std::string& GetGroup() const { return group_; }
    void SetGroup(std::string group);
    void BindTab(std::string tabLayoutName, int index);

    void SetManager(PaintManager* manager, Control* parent, bool init = true) override;
    bool Activate() override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    bool selected_ = false;
    std::string group_;
    std::string bindTabName_;
    int bindTabIndex_ = -1;

private:
    void ShowBoundTab();
};

} // namespace ui
