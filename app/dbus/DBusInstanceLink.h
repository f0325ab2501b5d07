#pragma once

#include "app/InstanceLink.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <atomic>

// The single instance and the cross-process messages on the session bus.
// The first copy owns the well-known name and serves its object:
//   Activate()                      show the window (a second copy calls it)
//   PostMessage(s name, x wParam, x lParam)
//                                   deliver one of the accepted registered
//                                   messages (game events, lighting control,
//                                   tool query, update progress)
// and emits the signal Message(s name, x wParam, x lParam) for broadcasts.
// Calls arrive on the thread that owns the connection, the UI thread.
class DBusInstanceLink : public QDBusVirtualObject, public InstanceLink {
public:
    explicit DBusInstanceLink(QDBusConnection connection);
    ~DBusInstanceLink() override;

    // False when the bus cannot be reached; the program then falls back to
    // the lock file.
    bool IsConnected() const { return connection_.isConnected(); }

    Claim ClaimInstance() override;
    void SetReceiver(ui::WindowHandle window) override { receiver_ = window.id; }
    void Broadcast(std::string_view messageName, int64_t wParam, int64_t lParam) override;
    bool SendToolReport(uint64_t dwData, const std::vector<uint8_t>& block) override;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    bool Deliver(std::string_view name, int64_t wParam, int64_t lParam);

    QDBusConnection connection_;
    std::atomic<uint64_t> receiver_{0};
    bool serving_ = false;
};
