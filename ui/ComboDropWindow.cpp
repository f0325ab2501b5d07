#include "ui/ComboDropWindow.h"

#include "ui/Combo.h"
#include "ui/ListItem.h"
#include "ui/Platform.h"
#include "ui/VerticalLayout.h"

#include <algorithm>

namespace ui {

namespace {

// The drop-down's list: lends the combo's rows, so it never deletes them,
// and hands Escape to its window.
class DropList : public VerticalLayout {
public:
    explicit DropList(ComboDropWindow* window) : window_(window)
    {
        SetAutoDestroy(false);
        EnableScrollBar(true, false);
    }
    void DoEvent(UiEvent& event) override
    {
        if (event.type == EventType::KeyDown && event.key == Key::Escape) {
            window_->CloseDropDown();
            return;
        }
        VerticalLayout::DoEvent(event);
    }

private:
    ComboDropWindow* window_;
};

} // namespace

ComboDropWindow* ComboDropWindow::Open(Combo* combo)
{
    PaintManager* owner = combo->GetManager();
    WindowImplBase* ownerWindow = owner ? owner->GetWindow() : nullptr;
    if (!ownerWindow || !Platform::Current())
        return nullptr;
    const Size box = combo->GetDropBoxSize();
    const Rect field = combo->GetPos();
    int height = 0;
    for (int i = 0; i < combo->GetCount(); ++i) {
        Control* row = combo->GetItemAt(i);
        if (row->IsOwnVisible())
            height += combo->Scale(row->GetFixedHeight() > 0 ? row->GetFixedHeight() : 24);
    }
    height = std::min(height + 2, box.cy > 0 ? combo->Scale(box.cy) : height + 2);
    const int width = box.cx > 0 ? combo->Scale(box.cx) : field.Width();
    const Point at = ownerWindow->ClientToScreen({field.left, field.bottom});
    auto* window = new ComboDropWindow(combo);
    window->GetPaintManager().SetDpi(owner->GetDpi());
    if (!window->CreatePopup(ownerWindow->GetHandle(), {at.x, at.y, at.x + width, at.y + height})) {
        delete window;
        return nullptr;
    }
    window->ShowWindow(true, true);
    return window;
}

LResult ComboDropWindow::OnCreate()
{
    WindowImplBase::OnCreate();
    auto* list = new DropList(this);
    list->SetBkColor(combo_->GetDropBoxBkColor());
    list->SetBorderColor(combo_->GetDropBoxBorderColor());
    list->SetBorderSize(1);
    list->SetInset({1, 1, 1, 1});
    list_ = list;
    manager_.AttachRoot(list);
    for (int i = 0; i < combo_->GetCount(); ++i)
        list->Add(combo_->GetItemAt(i));
    list->SetFocus();
    return 0;
}

LResult ComboDropWindow::HandleMessage(MessageId message, WParam wParam, LParam lParam)
{
    if (message == Msg::Activate && wParam == 0) {
        CloseDropDown();
        return 0;
    }
    return WindowImplBase::HandleMessage(message, wParam, lParam);
}

void ComboDropWindow::CloseDropDown()
{
    if (closing_)
        return;
    closing_ = true;
    // The rows go back at once so the combo owns them again whatever follows.
    GiveRowsBack();
    Close(0);
}

void ComboDropWindow::GiveRowsBack()
{
    if (!list_ || !combo_)
        return;
    while (list_->GetCount() > 0)
        list_->RemoveAt(list_->GetCount() - 1, true);
    for (int i = 0; i < combo_->GetCount(); ++i) {
        Control* row = combo_->GetItemAt(i);
        row->SetManager(combo_->GetManager(), combo_, false);
        row->SetInternVisible(combo_->IsVisible());
        if (ListItem* item = AsListItem(row))
            item->SetOwner(combo_);
    }
    combo_->DropDownClosed();
    combo_->Invalidate();
    combo_ = nullptr;
}

void ComboDropWindow::OnFinalMessage(WindowHandle)
{
    GiveRowsBack();
    delete this;
}

} // namespace ui
