#include "ui/qt/QtWindowHost.h"

#include "ui/Edit.h"
#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtCursors.h"
#include "ui/qt/QtEventLoop.h"
#include "ui/qt/QtTextEditOverlay.h"
#include "ui/qt/QtWindowWidget.h"

#include <QIcon>
#include <QScreen>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

Qt::WindowFlags FlagsFor(const WindowCreateInfo& info)
{
    Qt::WindowFlags flags = info.popup ? Qt::Popup : Qt::Window;
    flags |= Qt::FramelessWindowHint;
    if (!info.popup && (info.exStyle & WindowExStyle::ToolWindow))
        flags |= Qt::Tool;
    if (info.exStyle & WindowExStyle::TopMost)
        flags |= Qt::WindowStaysOnTopHint;
    if (info.exStyle & WindowExStyle::NoActivate)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

std::vector<QtWindowHost*>& Popups()
{
    static std::vector<QtWindowHost*> popups;
    return popups;
}

} // namespace

bool QtWindowHost::ClosePopupsExcept(const QtWindowHost* keep)
{
    bool closed = false;
    for (QtWindowHost* popup : Popups()) {
        if (popup == keep || !popup->IsVisible())
            continue;
        closed = PostMessage(popup->window_.GetHandle(), Msg::Activate, 0, 0) || closed;
    }
    return closed;
}

QtWindowHost::QtWindowHost(WindowImplBase& window, const WindowCreateInfo& info, QtEventLoop& loop)
    : window_(window), loop_(loop), widget_(new QtWindowWidget(*this, FlagsFor(info))), popup_(info.popup)
{
    widget_->setWindowTitle(QString::fromStdString(info.title));
    widget_->setGeometry(info.rect.left, info.rect.top, std::max(info.rect.Width(), 1), std::max(info.rect.Height(), 1));
    widget_->winId();
    if (popup_)
        Popups().push_back(this);
    if (WindowImplBase* owner = WindowRegistry::Instance().Find(info.owner))
        if (auto* ownerHost = dynamic_cast<QtWindowHost*>(owner->GetHost()))
            widget_->windowHandle()->setTransientParent(ownerHost->widget_->windowHandle());
    // A move to a screen of another DPI is reported as the DPI-change message.
    QWindow* native = widget_->windowHandle();
    dpi_ = native->screen() ? static_cast<int>(native->screen()->logicalDotsPerInch()) : 96;
    const WindowHandle handle = window.GetHandle();
    QObject::connect(native, &QWindow::screenChanged, widget_, [this, handle](QScreen* screen) {
        const int dpi = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
        if (dpi == dpi_)
            return;
        dpi_ = dpi;
        auto suggested = std::make_shared<Rect>(GetRect());
        PostMessage(handle, Msg::DpiChanged, static_cast<WParam>(dpi | (dpi << 16)),
                    reinterpret_cast<LParam>(suggested.get()), suggested);
    });
}

QtWindowHost::~QtWindowHost()
{
    auto& popups = Popups();
    popups.erase(std::remove(popups.begin(), popups.end(), this), popups.end());
    overlay_.reset();
    widget_->Detach();
    widget_->hide();
    widget_->deleteLater();
}

PaintManager& QtWindowHost::Manager() { return window_.GetPaintManager(); }

void QtWindowHost::Show(bool show, bool activate)
{
    if (!show) {
        widget_->hide();
        return;
    }
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    if (widget_->isMinimized())
        widget_->showNormal();
    else
        widget_->show();
    if (activate)
        Activate();
}

bool QtWindowHost::IsVisible() const { return widget_->isVisible() && !widget_->isMinimized(); }

Rect QtWindowHost::GetRect() const
{
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

void QtWindowHost::SetRect(const Rect& rect)
{
    widget_->setGeometry(rect.left, rect.top, std::max(rect.Width(), 1), std::max(rect.Height(), 1));
}

void QtWindowHost::Minimize() { widget_->showMinimized(); }

void QtWindowHost::Maximize() { widget_->showMaximized(); }

void QtWindowHost::Restore() { widget_->showNormal(); }

bool QtWindowHost::IsMinimized() const { return widget_->isMinimized(); }

bool QtWindowHost::IsMaximized() const { return widget_->isMaximized(); }

void QtWindowHost::SetTitle(const std::string& title) { widget_->setWindowTitle(QString::fromStdString(title)); }

void QtWindowHost::SetIcon(const std::string& imagePath) { widget_->setWindowIcon(QIcon(QString::fromStdString(imagePath))); }

void QtWindowHost::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

void QtWindowHost::SetTopMost(bool topMost)
{
    const bool visible = widget_->isVisible();
    widget_->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (visible)
        widget_->show();
}

void QtWindowHost::Activate()
{
    widget_->raise();
    widget_->activateWindow();
}

void QtWindowHost::Invalidate(const Rect& rect) { widget_->update(rect.left, rect.top, rect.Width(), rect.Height()); }

void QtWindowHost::SetCursor(std::string_view name) { widget_->setCursor(CursorForName(name)); }

void QtWindowHost::ShowToolTip(const std::string& title, const std::string& text, Point at)
{
    const std::string shown = title.empty() ? text : (text.empty() ? title : title + "\n" + text);
    QToolTip::showText(widget_->mapToGlobal(QPoint(at.x, at.y + 20)), QString::fromStdString(shown), widget_);
}

void QtWindowHost::HideToolTip() { QToolTip::hideText(); }

void QtWindowHost::BeginTextEdit(Edit& edit)
{
    overlay_.reset();
    overlay_ = std::make_unique<QtTextEditOverlay>(*widget_, edit, Manager());
    edit.Invalidate();
}

void QtWindowHost::EndTextEdit(bool commit)
{
    if (!overlay_)
        return;
    // Taken out first: committing may send notifications that come back here.
    std::unique_ptr<QtTextEditOverlay> overlay = std::move(overlay_);
    if (commit)
        overlay->Commit();
    Edit& edit = overlay->Control();
    overlay.reset();
    if (commit)
        edit.Invalidate();
}

Edit* QtWindowHost::EditingControl() const { return overlay_ ? &overlay_->Control() : nullptr; }

void QtWindowHost::UpdateTextEdit(Edit& edit)
{
    if (overlay_ && &overlay_->Control() == &edit)
        overlay_->SyncText();
}

void QtWindowHost::WindowAttributesChanged()
{
    const PaintManager& manager = Manager();
    const Size minimum = manager.GetMinInfo();
    if (minimum.cx > 0 && minimum.cy > 0)
        widget_->setMinimumSize(manager.Scale(minimum.cx), manager.Scale(minimum.cy));
    const Size maximum = manager.GetMaxInfo();
    if (maximum.cx > 0 && maximum.cy > 0)
        widget_->setMaximumSize(manager.Scale(maximum.cx), manager.Scale(maximum.cy));
}

} // namespace ui
