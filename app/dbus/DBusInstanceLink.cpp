#include "app/dbus/DBusInstanceLink.h"

#include "app/MessageNames.h"
#include "app/dbus/DBusNames.h"
#include "base/Trace.h"
#include "ui/WindowRegistry.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <algorithm>

namespace {

// How long a second copy waits for the first to answer its activation.
constexpr int kActivateTimeoutMs = 2000;

const char kIntrospection[] = R"(  <interface name="com.veltrane.Software">
    <method name="Activate"/>
    <method name="PostMessage">
      <arg name="name" type="s" direction="in"/>
      <arg name="wParam" type="x" direction="in"/>
      <arg name="lParam" type="x" direction="in"/>
    </method>
    <signal name="Message">
      <arg name="name" type="s"/>
      <arg name="wParam" type="x"/>
      <arg name="lParam" type="x"/>
    </signal>
  </interface>
)";

} // namespace

DBusInstanceLink::DBusInstanceLink(QDBusConnection connection) : connection_(std::move(connection)) {}

DBusInstanceLink::~DBusInstanceLink()
{
    if (serving_) {
        connection_.unregisterObject(DBusNames::kPath);
        connection_.interface()->unregisterService(DBusNames::kService);
    }
}

InstanceLink::Claim DBusInstanceLink::ClaimInstance()
{
    // The object is served before the name is taken, so a second copy that
    // finds the name can always reach it.
    serving_ = connection_.registerVirtualObject(DBusNames::kPath, this);
    const auto reply = connection_.interface()->registerService(
        DBusNames::kService, QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::First;

    if (serving_) {
        connection_.unregisterObject(DBusNames::kPath);
        serving_ = false;
    }
    const QDBusMessage activate = QDBusMessage::createMethodCall(
        DBusNames::kService, DBusNames::kPath, DBusNames::kInterface, "Activate");
    const QDBusMessage answer = connection_.call(activate, QDBus::Block, kActivateTimeoutMs);
    if (answer.type() == QDBusMessage::ErrorMessage)
        Trace("activating the running copy failed: %s", qPrintable(answer.errorMessage()));
    return Claim::Second;
}

void DBusInstanceLink::Broadcast(std::string_view messageName, int64_t wParam, int64_t lParam)
{
    QDBusMessage signal = QDBusMessage::createSignal(DBusNames::kPath, DBusNames::kInterface, "Message");
    signal << QString::fromUtf8(messageName.data(), static_cast<qsizetype>(messageName.size()))
           << qint64(wParam) << qint64(lParam);
    connection_.send(signal);
}

bool DBusInstanceLink::SendToolReport(uint64_t dwData, const std::vector<uint8_t>& block)
{
    if (!connection_.interface()->isServiceRegistered(DBusNames::kWorkToolService))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        DBusNames::kWorkToolService, DBusNames::kWorkToolPath, DBusNames::kWorkToolInterface, "CopyData");
    call.setAutoStartService(false);
    call << quint64(dwData)
         << QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    return connection_.send(call);
}

QString DBusInstanceLink::introspect(const QString& path) const
{
    return path == DBusNames::kPath ? QString::fromLatin1(kIntrospection) : QString();
}

bool DBusInstanceLink::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage || message.path() != DBusNames::kPath)
        return false;
    if (!message.interface().isEmpty() && message.interface() != DBusNames::kInterface)
        return false;

    const QString member = message.member();
    const QList<QVariant> args = message.arguments();
    QDBusMessage answer;
    if (member == "Activate" && args.isEmpty()) {
        Deliver(MessageNames::kActivateInstance, 0, 1);
        answer = message.createReply();
    } else if (member == "PostMessage" && message.signature() == "sxx") {
        const QByteArray name = args[0].toString().toUtf8();
        if (Deliver(std::string_view(name.constData(), static_cast<size_t>(name.size())),
                    args[1].toLongLong(), args[2].toLongLong()))
            answer = message.createReply();
        else
            answer = message.createErrorReply("com.veltrane.Software.Error.UnknownMessage",
                                              "This program does not take that message");
    } else {
        answer = message.createErrorReply(QDBusError::UnknownMethod, "No such method or signature");
    }
    connection.send(answer);
    return true;
}

bool DBusInstanceLink::Deliver(std::string_view name, int64_t wParam, int64_t lParam)
{
    const auto& accepted = MessageNames::kAcceptedFromOutside;
    if (std::find(accepted.begin(), accepted.end(), name) == accepted.end())
        return false;
    const ui::WindowHandle receiver{receiver_.load()};
    Trace("bus message %.*s (%lld, %lld)", static_cast<int>(name.size()), name.data(),
          static_cast<long long>(wParam), static_cast<long long>(lParam));
    return ui::PostMessage(receiver, ui::RegisterWindowMessage(name), static_cast<ui::WParam>(wParam),
                           static_cast<ui::LParam>(lParam));
}
