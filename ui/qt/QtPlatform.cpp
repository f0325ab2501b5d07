#include "ui/qt/QtPlatform.h"

#include "base/Trace.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtEventLoop.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtTrayIcon.h"
#include "ui/qt/QtWindowHost.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <cstdlib>

namespace ui {

namespace {

// Qt's own warnings go to the program's one diagnostic channel.
void QtMessageToTrace(QtMsgType, const QMessageLogContext&, const QString& message)
{
    Trace("qt: %s", message.toUtf8().constData());
}

} // namespace

QtPlatform::QtPlatform(int& argc, char** argv)
{
    qInstallMessageHandler(QtMessageToTrace);
    if (!QApplication::instance()) {
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    loop_ = std::make_unique<QtEventLoop>();
    Platform::Install(this);
    // Monitors coming, going or changing size are the display-change message.
    auto displayChanged = [] { BroadcastMessage(Msg::DisplayChange, 0, 0); };
    auto watch = [displayChanged](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, qApp, displayChanged);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [watch, displayChanged](QScreen* screen) {
        watch(screen);
        displayChanged();
    });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, qApp, displayChanged);
}

QtPlatform::~QtPlatform()
{
    if (Platform::Current() == this)
        Platform::Install(nullptr);
    loop_.reset();
    app_.reset();
}

EventLoop& QtPlatform::Loop() { return *loop_; }

std::unique_ptr<WindowHost> QtPlatform::CreateWindowHost(WindowImplBase& window, const WindowCreateInfo& info)
{
    return std::make_unique<QtWindowHost>(window, info, *loop_);
}

std::unique_ptr<TrayIcon> QtPlatform::CreateTrayIcon() { return std::make_unique<QtTrayIcon>(); }

FileDialogResult QtPlatform::PickOpenFile(WindowHandle owner, const std::vector<FileFilter>& filters)
{
    return QtFileDialogs::PickOpen(owner, filters);
}

FileDialogResult QtPlatform::PickSaveFile(WindowHandle owner, const std::vector<FileFilter>& filters)
{
    return QtFileDialogs::PickSave(owner, filters);
}

ScreenInfo QtPlatform::ScreenNearest(const Rect& rect)
{
    const QPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    QScreen* best = QGuiApplication::primaryScreen();
    long long bestDistance = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const long long dx = centre.x() < g.left() ? g.left() - centre.x() : centre.x() > g.right() ? centre.x() - g.right() : 0;
        const long long dy = centre.y() < g.top() ? g.top() - centre.y() : centre.y() > g.bottom() ? centre.y() - g.bottom() : 0;
        const long long distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            best = screen;
            bestDistance = distance;
        }
    }
    if (!best)
        return {{0, 0, 1024, 768}, {0, 0, 1024, 768}, 96};
    const QRect g = best->geometry();
    const QRect a = best->availableGeometry();
    return {{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()},
            {a.x(), a.y(), a.x() + a.width(), a.y() + a.height()},
            static_cast<int>(best->logicalDotsPerInch())};
}

Point QtPlatform::CursorPos()
{
    const QPoint pos = QCursor::pos();
    return {pos.x(), pos.y()};
}

} // namespace ui
