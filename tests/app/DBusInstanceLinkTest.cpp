#include "app/MessageNames.h"
#include "app/dbus/DBusInstanceLink.h"
#include "app/dbus/DBusNames.h"
#include "tests/app/BusTestSupport.h"
#include "ui/WindowRegistry.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVirtualObject>
#include <gtest/gtest.h>
#include <thread>

namespace {

using apptest::BusFixture;

ui::MessageId Registered(std::string_view name) { return ui::RegisterWindowMessage(name); }

bool Received(const uitest::TestWindow& window, ui::MessageId id, ui::WParam wParam, ui::LParam lParam)
{
    for (const auto& message : window.messages)
        if (message.id == id && message.wParam == wParam && message.lParam == lParam)
            return true;
    return false;
}

QDBusMessage PostCall(const QString& name, qint64 wParam, qint64 lParam)
{
    QDBusMessage call = QDBusMessage::createMethodCall(DBusNames::kService, DBusNames::kPath,
                                                       DBusNames::kInterface, "PostMessage");
    call << name << wParam << lParam;
    return call;
}

TEST(DBusInstanceLink, SecondCopyFindsTheFirstAndShowsIt)
{
    BusFixture fixture;
    DBusInstanceLink first(fixture.Connect("first"));
    ASSERT_TRUE(first.IsConnected());
    ASSERT_EQ(first.ClaimInstance(), InstanceLink::Claim::First);
    first.SetReceiver(fixture.window.GetHandle());

    // The second copy blocks in its call; the first answers on this thread.
    InstanceLink::Claim second = InstanceLink::Claim::First;
    bool done = false;
    std::thread other([&] {
        DBusInstanceLink link(fixture.Connect("second"));
        second = link.ClaimInstance();
        done = true;
    });
    const ui::MessageId activate = Registered(MessageNames::kActivateInstance);
    EXPECT_TRUE(fixture.PumpUntil([&] { return Received(fixture.window, activate, 0, 1); }));
    other.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(second, InstanceLink::Claim::Second);
}

TEST(DBusInstanceLink, AcceptedMessagesReachTheWindowAndOthersAreRefused)
{
    BusFixture fixture;
    DBusInstanceLink link(fixture.Connect("program"));
    ASSERT_EQ(link.ClaimInstance(), InstanceLink::Claim::First);
    link.SetReceiver(fixture.window.GetHandle());
    QDBusConnection game = fixture.Connect("game");

    QDBusPendingCall accepted = game.asyncCall(PostCall("Game_Kill", 1, 7));
    QDBusPendingCall control = game.asyncCall(PostCall(QString::fromUtf8(MessageNames::kLightControl.data()), 1, 0));
    // The lighting owner message is this program's own broadcast, never an order.
    QDBusPendingCall owner = game.asyncCall(PostCall(QString::fromUtf8(MessageNames::kLightOwner.data()), 1, 0));
    QDBusPendingCall unknown = game.asyncCall(PostCall("Format_Disk", 0, 0));
    QDBusPendingCall badArguments = game.asyncCall(
        QDBusMessage::createMethodCall(DBusNames::kService, DBusNames::kPath, DBusNames::kInterface, "PostMessage")
        << QString("Game_Kill"));

    ASSERT_TRUE(fixture.PumpUntil([&] {
        return accepted.isFinished() && control.isFinished() && owner.isFinished() && unknown.isFinished() &&
               badArguments.isFinished() && fixture.window.messages.size() >= 2;
    }));
    EXPECT_FALSE(accepted.isError());
    EXPECT_FALSE(control.isError());
    EXPECT_TRUE(owner.isError());
    EXPECT_TRUE(unknown.isError());
    EXPECT_TRUE(badArguments.isError());
    EXPECT_TRUE(Received(fixture.window, Registered("Game_Kill"), 1, 7));
    EXPECT_TRUE(Received(fixture.window, Registered(MessageNames::kLightControl), 1, 0));
    EXPECT_EQ(fixture.window.messages.size(), 2u);
}

// The service tool as it would sit on the bus: it records the report it gets.
class FakeWorkTool : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override
    {
        if (message.member() != "CopyData" || message.signature() != "tay")
            return false;
        dwData = message.arguments()[0].toULongLong();
        block = message.arguments()[1].toByteArray();
        return true;
    }
    quint64 dwData = 0;
    QByteArray block;
};

TEST(DBusInstanceLink, ToolReportGoesToTheWorkToolWhenItListens)
{
    BusFixture fixture;
    DBusInstanceLink link(fixture.Connect("program"));
    ASSERT_EQ(link.ClaimInstance(), InstanceLink::Claim::First);
    const std::vector<uint8_t> block(1024, 0x5A);

    EXPECT_FALSE(link.SendToolReport(5, block));

    QDBusConnection toolBus = fixture.Connect("worktool");
    FakeWorkTool tool;
    ASSERT_TRUE(toolBus.registerVirtualObject(DBusNames::kWorkToolPath, &tool));
    ASSERT_TRUE(toolBus.registerService(DBusNames::kWorkToolService));

    EXPECT_TRUE(link.SendToolReport(5, block));
    ASSERT_TRUE(fixture.PumpUntil([&] { return !tool.block.isEmpty(); }));
    EXPECT_EQ(tool.dwData, 5u);
    EXPECT_EQ(tool.block, QByteArray(1024, 0x5A));
}

} // namespace
