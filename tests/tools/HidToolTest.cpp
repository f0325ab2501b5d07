#include "sim/SimDescriptors.h"
#include "tests/device/SysfsFixture.h"
#include "tools/HidTool.h"

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
