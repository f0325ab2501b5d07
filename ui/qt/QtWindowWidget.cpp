#include "ui/qt/QtWindowWidget.h"

#include "ui/Control.h"
#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtEventLoop.h"
#include "ui/qt/QtTextEditOverlay.h"
#include "ui/qt/QtWindowHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ui {

namespace {

Point ToPoint(const QPointF& p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

uint32_t Modifiers(Qt::KeyboardModifiers modifiers)
{
    uint32_t result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= Modifier::Shift;
    if (modifiers & Qt::ControlModifier)
        result |= Modifier::Control;
    if (modifiers & Qt::AltModifier)
        result |= Modifier::Alt;
    return result;
}

// Qt keys to the virtual key codes the controls know.
int VirtualKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace: return Key::Back;
    case Qt::Key_Tab: return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_End: return Key::End;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Shift: return Key::Shift;
    case Qt::Key_Control: return Key::Control;
    case Qt::Key_Space: return ' ';
    default:
        if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
            return key;
        if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
            return 0x70 + (key - Qt::Key_F1);
        return 0;
    }
}

} // namespace

QtWindowWidget::QtWindowWidget(QtWindowHost& host, Qt::WindowFlags flags) : QWidget(nullptr, flags), host_(&host)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void QtWindowWidget::AfterInput()
{
    if (host_)
        host_->Loop().CheckNested();
}

void QtWindowWidget::paintEvent(QPaintEvent* event)
{
    if (!host_)
        return;
    QPainter painter(this);
    QtCanvas canvas(painter);
    const QRect r = event->rect();
    host_->Manager().Paint(canvas, {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    if (QtTextEditOverlay* overlay = host_->Overlay())
        overlay->SyncGeometry();
}

void QtWindowWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (host_)
        host_->Manager().SetClientSize({width(), height()});
}

Qt::Edges QtWindowWidget::BorderAt(const QPoint& pt) const
{
    if (!host_ || host_->IsPopup() || isMaximized())
        return {};
    const PaintManager& manager = host_->Manager();
    const Rect box = manager.GetSizeBox();
    Qt::Edges edges;
    if (pt.x() < manager.Scale(box.left))
        edges |= Qt::LeftEdge;
    if (pt.x() >= width() - manager.Scale(box.right))
        edges |= Qt::RightEdge;
    if (pt.y() < manager.Scale(box.top))
        edges |= Qt::TopEdge;
    if (pt.y() >= height() - manager.Scale(box.bottom))
        edges |= Qt::BottomEdge;
    return edges;
}

bool QtWindowWidget::InCaption(const QPoint& pt) const
{
    if (!host_ || host_->IsPopup())
        return false;
    PaintManager& manager = host_->Manager();
    const Rect caption = manager.GetCaptionRect();
    // The caption is given by its margins: left, top, right from the
    // window's edges and its height as the bottom.
    const Rect area{manager.Scale(caption.left), manager.Scale(caption.top), width() - manager.Scale(caption.right),
                    manager.Scale(caption.bottom)};
    if (!area.Contains({pt.x(), pt.y()}))
        return false;
    // Controls that take clicks keep them, even in the caption.
    Control* hit = manager.FindControl(Point{pt.x(), pt.y()});
    return !hit || !(hit->IsClass("Button") || hit->IsClass("Edit") || hit->IsClass("Combo") ||
                     hit->IsClass("Slider") || hit->IsClass("ListItem") || hit->IsClass("ColorPalette"));
}

void QtWindowWidget::mousePressEvent(QMouseEvent* event)
{
    if (!host_)
        return;
    const QPoint pt = event->position().toPoint();
    // A popup holds the pointer while open: a press outside it lands here
    // and closes it (Qt's own handling), as does a press in another window.
    if (host_->IsPopup() && !rect().contains(pt)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!host_->IsPopup() && QtWindowHost::ClosePopupsExcept(host_)) {
        ignoreRelease_ = true;
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const Qt::Edges edges = BorderAt(pt);
        if (edges || InCaption(pt)) {
            if (edges ? windowHandle()->startSystemResize(edges) : windowHandle()->startSystemMove())
                return;
            dragging_ = true;
            dragEdges_ = edges;
            dragStart_ = event->globalPosition().toPoint();
            dragGeometry_ = geometry();
            return;
        }
        host_->Manager().OnButtonDown(ToPoint(event->position()), Modifiers(event->modifiers()));
    } else if (event->button() == Qt::RightButton) {
        host_->Manager().OnRightButtonDown(ToPoint(event->position()), Modifiers(event->modifiers()));
    }
    AfterInput();
}

void QtWindowWidget::DragTo(const QPoint& global)
{
    const QPoint delta = global - dragStart_;
    if (!dragEdges_) {
        move(dragGeometry_.topLeft() + delta);
        return;
    }
    QRect g = dragGeometry_;
    const QSize least = minimumSize().expandedTo(QSize(1, 1));
    if (dragEdges_ & Qt::LeftEdge)
        g.setLeft(std::min(g.left() + delta.x(), g.right() - least.width() + 1));
    if (dragEdges_ & Qt::RightEdge)
        g.setRight(std::max(g.right() + delta.x(), g.left() + least.width() - 1));
    if (dragEdges_ & Qt::TopEdge)
        g.setTop(std::min(g.top() + delta.y(), g.bottom() - least.height() + 1));
    if (dragEdges_ & Qt::BottomEdge)
        g.setBottom(std::max(g.bottom() + delta.y(), g.top() + least.height() - 1));
    setGeometry(g);
}

void QtWindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!host_)
        return;
    if (dragging_ && event->button() == Qt::LeftButton) {
        DragTo(event->globalPosition().toPoint());
        dragging_ = false;
        return;
    }
    if (ignoreRelease_) {
        ignoreRelease_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton)
        host_->Manager().OnButtonUp(ToPoint(event->position()), Modifiers(event->modifiers()));
    else if (event->button() == Qt::RightButton)
        host_->Manager().OnRightButtonUp(ToPoint(event->position()), Modifiers(event->modifiers()));
    AfterInput();
}

void QtWindowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!host_)
        return;
    if (event->button() == Qt::LeftButton)
        host_->Manager().OnDoubleClick(ToPoint(event->position()), Modifiers(event->modifiers()));
    AfterInput();
}

void QtWindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!host_)
        return;
    if (dragging_) {
        DragTo(event->globalPosition().toPoint());
        return;
    }
    const Qt::Edges edges = BorderAt(event->position().toPoint());
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    host_->Manager().OnPointerMove(ToPoint(event->position()), Modifiers(event->modifiers()));
    AfterInput();
}

void QtWindowWidget::wheelEvent(QWheelEvent* event)
{
    if (!host_)
        return;
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        host_->Manager().OnWheel(ToPoint(event->position()), steps, Modifiers(event->modifiers()));
    AfterInput();
}

void QtWindowWidget::keyPressEvent(QKeyEvent* event)
{
    if (!host_)
        return;
    // Escape closes an open drop-down or menu even when the key comes here.
    if (event->key() == Qt::Key_Escape && !host_->IsPopup() && QtWindowHost::ClosePopupsExcept(host_))
        return;
    if (const int key = VirtualKey(event->key()))
        host_->Manager().OnKeyDown(key, Modifiers(event->modifiers()));
    const QString text = event->text();
    if (host_ && !text.isEmpty() && text.at(0).isPrint())
        host_->Manager().OnChar(text.toStdString());
    AfterInput();
}

void QtWindowWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (!host_)
        return;
    if (const int key = VirtualKey(event->key()))
        host_->Manager().OnKeyUp(key, Modifiers(event->modifiers()));
}

void QtWindowWidget::enterEvent(QEnterEvent*)
{
    if (host_)
        PostMessage(host_->Window().GetHandle(), Msg::MouseHover, 0, 0);
}

void QtWindowWidget::leaveEvent(QEvent*)
{
    if (!host_)
        return;
    host_->Manager().OnPointerLeave();
    PostMessage(host_->Window().GetHandle(), Msg::MouseLeave, 0, 0);
}

void QtWindowWidget::focusInEvent(QFocusEvent*)
{
    if (host_)
        host_->Manager().OnWindowFocus(true);
}

void QtWindowWidget::focusOutEvent(QFocusEvent*)
{
    if (host_)
        host_->Manager().OnWindowFocus(false);
}

void QtWindowWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (host_ && event->type() == QEvent::ActivationChange)
        PostMessage(host_->Window().GetHandle(), Msg::Activate, isActiveWindow() ? 1 : 0, 0);
}

void QtWindowWidget::closeEvent(QCloseEvent* event)
{
    if (!host_)
        return;
    if (host_->IsPopup()) {
        // Qt closes popups on a click outside; the window then closes itself.
        PostMessage(host_->Window().GetHandle(), Msg::Activate, 0, 0);
        event->accept();
        return;
    }
    // The window decides, as with the system menu's close.
    event->ignore();
    PostMessage(host_->Window().GetHandle(), Msg::SysCommand, SysCommand::Close, 0);
}

} // namespace ui
