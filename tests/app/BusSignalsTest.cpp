#include "app/MessageNames.h"
#include "app/dbus/DBusInstanceLink.h"
#include "app/dbus/DBusNames.h"
#include "app/dbus/SleepWatcher.h"
#include "tests/app/BusTestSupport.h"
#include "tests/app/SignalRecorder.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <gtest/gtest.h>

namespace {

using apptest::BusFixture;

TEST(BusSignals, BroadcastsReachEveryListener)
{
    BusFixture fixture;
    DBusInstanceLink link(fixture.Connect("program"));
    ASSERT_EQ(link.ClaimInstance(), InstanceLink::Claim::First);
    QDBusConnection companion = fixture.Connect("companion");
    SignalRecorder recorder;
    ASSERT_TRUE(companion.connect(QString(), DBusNames::kPath, DBusNames::kInterface, "Message", &recorder,
                                  SLOT(OnMessage(QString, qint64, qint64))));
    // A round trip on the same connection puts the match rule in place first.
    companion.interface()->isServiceRegistered(DBusNames::kService);

    link.Broadcast(MessageNames::kLightOwner, 1, 0);

    ASSERT_TRUE(fixture.PumpUntil([&] { return !recorder.messages.empty(); }));
    EXPECT_EQ(recorder.messages[0].name.toStdString(), MessageNames::kLightOwner);
    EXPECT_EQ(recorder.messages[0].wParam, 1);
    EXPECT_EQ(recorder.messages[0].lParam, 0);
}

TEST(BusSignals, SleepAndWakeArriveAsPowerBroadcasts)
{
    BusFixture fixture;
    // The private bus stands in for the system bus; a peer takes logind's name.
    QDBusConnection logind = fixture.Connect("logind");
    ASSERT_TRUE(logind.registerService("org.freedesktop.login1"));
    SleepWatcher watcher(fixture.Connect("watcher"), fixture.window.GetHandle());
    ASSERT_TRUE(watcher.IsWatching());

    for (bool sleeping : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/login1",
                                                         "org.freedesktop.login1.Manager", "PrepareForSleep");
        signal << sleeping;
        logind.send(signal);
    }

    ASSERT_TRUE(fixture.PumpUntil([&] { return fixture.window.power.size() >= 2; }));
    EXPECT_EQ(fixture.window.power, (std::vector<ui::WParam>{ui::Power::Suspend, ui::Power::ResumeAutomatic}));
}

TEST(BusSignals, NoSystemBusMeansNothingIsWatched)
{
    BusFixture fixture;
    SleepWatcher watcher(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "none"),
                         fixture.window.GetHandle());
    EXPECT_FALSE(watcher.IsWatching());
}

} // namespace
