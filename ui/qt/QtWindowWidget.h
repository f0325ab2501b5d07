#pragma once

#include <QWidget>

namespace ui {

class QtWindowHost;

// The native top-level widget of one toolkit window: paints the control
// tree through QtCanvas and hands pointer, key and focus input to the
// window's paint manager. Frameless: the layout's caption area moves the
// window and its resize border sizes it.
class QtWindowWidget : public QWidget {
public:
    QtWindowWidget(QtWindowHost& host, Qt::WindowFlags flags);
    // The host is going; events that still arrive are ignored.
    void Detach() { host_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The resize edges under pt, none when the window does not resize there.
    Qt::Edges BorderAt(const QPoint& pt) const;
    bool InCaption(const QPoint& pt) const;
    void AfterInput();
    // Without a window manager that moves and sizes windows on request, the
    // widget does it itself while the button is held.
    void DragTo(const QPoint& global);
    QtWindowHost* host_;
    bool dragging_ = false;
    bool ignoreRelease_ = false;
    Qt::Edges dragEdges_;
    QPoint dragStart_;
    QRect dragGeometry_;
};

} // namespace ui
