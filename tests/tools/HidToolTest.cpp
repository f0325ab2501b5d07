#include "sim/SimDescriptors.h"
#include "tests/device/SysfsFixture.h"
#include "tests/support/CaseName.h"
#include "tools/hidtool/HidTool.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = HidTool::Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(HidToolList, PrintsEachPathOfAFixtureTree)
{
    SysfsFixture fixture;
    fixture.AddNode(3, 0x320F, 0x7C1F, 1, SimDescriptors::CommandInterface());
    fixture.AddNode(8, 0x0C76, 0x1630, 3, SimDescriptors::HeadsetInterface());
    const ToolRun run = RunTool({"list", "--sysfs", fixture.SysfsRoot()});
    EXPECT_EQ(run.status, 0);
    const std::string mouse = "/dev/hidraw3&vid_320f&pid_7c1f&mi_01";
    EXPECT_EQ(run.out,
              mouse + "&col01 vid=320f pid=7c1f mi=1 col=1 up=0001 u=0006 in=9 out=2 feat=0\n" +
              mouse + "&col02 vid=320f pid=7c1f mi=1 col=2 up=0001 u=0080 in=2 out=0 feat=0\n" +
              mouse + "&col03 vid=320f pid=7c1f mi=1 col=3 up=000c u=0001 in=3 out=0 feat=0\n" +
              mouse + "&col04 vid=320f pid=7c1f mi=1 col=4 up=ff1c u=0092 in=64 out=64 feat=0\n" +
              "/dev/hidraw8&vid_0c76&pid_1630&mi_03 vid=0c76 pid=1630 mi=3 col=0 up=000c u=0001 in=3 out=17 feat=0\n");
}

TEST(HidToolList, SimAddsTheSimulatedProductsAfterTheMachinesOwn)
{
    SysfsFixture fixture;
    fixture.AddNode(1, 0x0C76, 0x1630, 3, SimDescriptors::HeadsetInterface());
    const ToolRun run = RunTool({"list", "--sysfs", fixture.SysfsRoot(), "--sim"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("/dev/hidraw1&vid_0c76", 0), 0u);
    EXPECT_NE(run.out.find("\nsim:mouse&vid_320f&pid_7c1f&mi_01&col04 vid=320f pid=7c1f mi=1 col=4 up=ff1c u=0092"
                           " in=64 out=64 feat=0\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\nsim:headset&vid_0c76&pid_1630&mi_03 vid=0c76"), std::string::npos);
}

TEST(HidToolList, UnreadableTreeListsNothingAndSucceeds)
{
    const ToolRun run = RunTool({"list", "--sysfs", "/nonexistent-sysfs"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(HidTool, UnknownCommandIsAUsageError)
{
    EXPECT_EQ(RunTool({"frobnicate"}).status, 2);
    EXPECT_EQ(RunTool({"list", "--bogus"}).status, 2);
}

} // namespace

namespace {

struct CommandCase {
    std::string name;
    std::vector<std::string> args;
    std::string out;
};

class HidToolCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(HidToolCommand, PrintsResultAndData)
{
    const ToolRun run = RunTool(GetParam().args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().out);
}

const std::string kMouseInfo = "1f7c0201000b20000025336404016400000000000000000000000000000000000000";

INSTANTIATE_TEST_SUITE_P(
    Cases, HidToolCommand,
    ::testing::Values(
        CommandCase{"Info", {"--sim", "info"}, "result=1\ndata=" + kMouseInfo + "\n"},
        CommandCase{"InfoThroughReceiver", {"--sim", "--device", "mouse-receiver", "info"},
                    "result=1\ndata=" + kMouseInfo + "\n"},
        CommandCase{"ReadSettings", {"--sim", "--device", "mousepad", "read-settings", "0", "9"},
                    "result=1\ndata=000204020001ff0000\n"},
        CommandCase{"ReadKeys", {"--sim", "read-keys"},
                    "result=1\ndata=100100100200100400101000100800130100130200130300a01b00169001147802\n"},
        CommandCase{"Status", {"--sim", "status"}, "result=1\ndata=640001000200\n"},
        CommandCase{"LinkDirect", {"--sim", "link"}, "result=1\n"},
        CommandCase{"LinkDeviceOff", {"--sim", "--device", "keyboard-receiver", "--fault", "device-off", "link"},
                    "result=0\n"},
        CommandCase{"DeviceOff", {"--sim", "--device", "keyboard-receiver", "--fault", "device-off", "status"},
                    "result=-101\n"},
        CommandCase{"WrongEcho", {"--sim", "--fault", "wrong-echo", "status"}, "result=0\n"},
        CommandCase{"StatusFF", {"--sim", "--fault", "status-ff", "status"}, "result=-102\n"},
        CommandCase{"StatusFE", {"--sim", "--fault", "status-fe", "info"}, "result=-103\n"},
        CommandCase{"WriteFails", {"--sim", "--fault", "write-fails", "read-settings", "0", "1"}, "result=-1\n"},
        CommandCase{"WriteSettings", {"--sim", "--device", "keyboard", "write-settings", "0x1a", "0a0b0c"},
                    "result=1\n"}),
    CaseName());

TEST(HidToolCommands, UsageErrors)
{
    EXPECT_EQ(RunTool({"--sim", "--device", "headset", "info"}).status, 2);
    EXPECT_EQ(RunTool({"--sim", "--device", "mouse", "--fault", "device-off", "info"}).status, 2);
    EXPECT_EQ(RunTool({"--sim", "--fault", "sparks", "info"}).status, 2);
    EXPECT_EQ(RunTool({"--sim", "write-settings", "0", "abc"}).status, 2);
    EXPECT_EQ(RunTool({"--sim", "read-settings", "0"}).status, 2);
    EXPECT_EQ(RunTool({"info"}).status, 2);
}

TEST(HidToolCommands, RealPathThatCannotBeOpenedFails)
{
    const ToolRun run = RunTool({"--sysfs", "/nonexistent-sysfs", "--path", "/dev/hidraw99&vid_320f&pid_7c1f&mi_01&col04",
                                 "status"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

TEST(HidToolCommands, RealPathOnAFixtureNodeRunsTheCommand)
{
    SysfsFixture fixture;
    fixture.AddNode(2, 0x320F, 0x7C1F, 1, SimDescriptors::CommandInterface());
    fixture.AddNode(3, 0x320F, 0x7C20, 1, SimDescriptors::CommandInterface());
    // The stand-in nodes (plain files) take the write and never answer.
    const std::string cable = fixture.DeviceRoot() + "/hidraw2&vid_320f&pid_7c1f&mi_01&col04";
    const std::string receiver = fixture.DeviceRoot() + "/hidraw3&vid_320f&pid_7c20&mi_01&col04";
    struct Case {
        std::string path;
        std::string command;
        std::string out;
    };
    // Only the receiver's route asks the device whether the link is up.
    const Case cases[] = {
        {cable, "status", "result=0\n"},
        {cable, "link", "result=1\n"},
        {receiver, "link", "result=0\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool({"--sysfs", fixture.SysfsRoot(), "--path", c.path, c.command});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out) << c.path << " " << c.command;
    }
}

} // namespace
