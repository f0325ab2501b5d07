#include "app/dbus/DBusNames.h"
#include "tests/app/ProgramProcess.h"
#include "tests/support/CaseName.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace std::chrono_literals;

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Width and height from a PNG's header; {0, 0} when it is no PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path)
{
    const std::string data = ReadText(path);
    if (data.size() < 24 || data.compare(1, 3, "PNG") != 0 || data.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto word = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<uint8_t>(data[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

bool WaitFor(const std::function<bool()>& ready, std::chrono::milliseconds timeout = 30s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The program's environment for a test: its own folders, no display.
class ProgramTest : public ::testing::Test {
protected:
    std::map<std::string, std::string> Environment(const std::string& traceFile = {}) const
    {
        std::map<std::string, std::string> env{{"QT_QPA_PLATFORM", "offscreen"},
                                               {"XDG_DATA_HOME", temp / "data"},
                                               {"XDG_CONFIG_HOME", temp / "config"},
                                               {"XDG_CACHE_HOME", temp / "cache"},
                                               {"XDG_RUNTIME_DIR", temp.path()}};
        if (!traceFile.empty())
            env["VELTRANE_DEBUG_FILE"] = traceFile;
        return env;
    }

    TempFolder temp;
};

TEST_F(ProgramTest, DemoScreenshotIsWrittenAndTheProgramEnds)
{
    PrivateBus bus;
    ProgramProcess program;
    const std::string picture = temp / "out.png";
    ASSERT_TRUE(program.Start({"--demo", "--screenshot", picture, "--quit-after", "3000"}, Environment()));
    EXPECT_EQ(program.Wait(60s), 0);
    // The offscreen screen is small: the working size at DPI 96.
    EXPECT_EQ(PngSize(picture), std::make_pair(1000u, 640u));
}

TEST_F(ProgramTest, ScreenshotThatCannotBeWrittenFails)
{
    PrivateBus bus;
    ProgramProcess program;
    ASSERT_TRUE(program.Start({"--screenshot", temp / "missing/out.png", "--quit-after", "500"}, Environment()));
    EXPECT_EQ(program.Wait(60s), 1);
}

TEST_F(ProgramTest, SecondCopyShowsTheFirstAndGameMessagesReachIt)
{
    PrivateBus bus;
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QDBusConnection connection = QDBusConnection::connectToBus(QString::fromStdString(bus.address()), "test");
    ASSERT_TRUE(connection.isConnected());

    const std::string trace = temp / "first.log";
    ProgramProcess first;
    ASSERT_TRUE(first.Start({}, Environment(trace)));
    ASSERT_TRUE(WaitFor([&] {
        return connection.interface()->isServiceRegistered(DBusNames::kService).value() &&
               ReadText(trace).find("shown and raised") != std::string::npos;
    })) << "the first copy owns the name and has finished its first scan";

    ProgramProcess second;
    ASSERT_TRUE(second.Start({}, Environment(temp / "second.log")));
    EXPECT_EQ(second.Wait(30s), 0);
    EXPECT_TRUE(first.Running());
    ASSERT_TRUE(WaitFor([&] {
        const std::string text = ReadText(trace);
        const size_t asked = text.find("bus message Veltrane Software (0, 1)");
        return asked != std::string::npos && text.find("shown and raised", asked) != std::string::npos;
    })) << "the second copy's activation showed the first";
    EXPECT_EQ(ReadText(temp / "second.log").find("windowinit"), std::string::npos) << "no window of its own";

    QDBusMessage call = QDBusMessage::createMethodCall(DBusNames::kService, DBusNames::kPath,
                                                      DBusNames::kInterface, "PostMessage");
    call << QString("Game_Death") << qint64(3) << qint64(1);
    const QDBusMessage reply = connection.call(call, QDBus::Block, 5000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(WaitFor([&] { return ReadText(trace).find("game event") != std::string::npos; }));
}

TEST_F(ProgramTest, WithoutASessionBusALockFileKeepsOneCopy)
{
    auto env = Environment();
    env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + (temp / "no-bus");
    ProgramProcess first;
    ASSERT_TRUE(first.Start({}, env));
    ASSERT_TRUE(WaitFor([&] { return std::ifstream(temp / "veltrane.lock").good(); }));
    // The lock is taken before the window exists; give the first copy a
    // moment past that so both cannot be starting at once.
    std::this_thread::sleep_for(200ms);
    ProgramProcess second;
    ASSERT_TRUE(second.Start({}, env));
    EXPECT_EQ(second.Wait(30s), 0);
    EXPECT_TRUE(first.Running());
}

struct ArgumentsCase {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
};

class ProgramArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(ProgramArguments, EndWithoutAWindow)
{
    ProgramProcess program;
    ASSERT_TRUE(program.Start(GetParam().args, {{"QT_QPA_PLATFORM", "offscreen"}}));
    EXPECT_EQ(program.Wait(30s), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Program, ProgramArguments,
                         ::testing::Values(ArgumentsCase{"version", {"--version"}, 0},
                                           ArgumentsCase{"help", {"--help"}, 0},
                                           ArgumentsCase{"unknown", {"--frobnicate"}, 2},
                                           ArgumentsCase{"quit_after_without_number", {"--quit-after"}, 2},
                                           ArgumentsCase{"quit_after_not_a_number", {"--quit-after", "soon"}, 2},
                                           ArgumentsCase{"screenshot_without_file", {"--screenshot"}, 2}),
                         CaseName());

} // namespace
