#include "base/Trace.h"
#include "tests/device/ProtocolFixture.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <fstream>
#include <numeric>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<uint8_t> Sequence(size_t length, uint8_t start = 1)
{
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), start);
    return bytes;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t from, size_t length)
{
    return std::vector<uint8_t>(bytes.begin() + static_cast<ptrdiff_t>(from),
                                bytes.begin() + static_cast<ptrdiff_t>(from + length));
}

TEST(DeviceProtocolFraming, BareCommandCarriesItsOwnCodeAsChecksum)
{
    uint8_t request[64];
    DeviceProtocol::BuildRequest(request, 0x01, 0, 0, nullptr);
    const uint8_t expected[8] = {0x04, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    EXPECT_TRUE(std::equal(expected, expected + 8, request));
    EXPECT_TRUE(std::all_of(request + 8, request + 64, [](uint8_t b) { return b == 0; }));

    const std::vector<uint8_t> payload(56, 0xFF);
    DeviceProtocol::BuildRequest(request, 0x06, 56, 0x0180, payload.data());
    // 0x06 + 56 + 0x80 + 0x01 + 56 * 0xFF = 0x3887
    EXPECT_EQ(request[1], 0x87);
    EXPECT_EQ(request[2], 0x38);
}

TEST(DeviceProtocolSetUp, RoutesChunksAndKeyTableLimit)
{
    DeviceProtocol channel;
    EXPECT_EQ(channel.ChunkSize(), 24);
    EXPECT_FALSE(channel.ViaReceiver());
    channel.SelectRoute(1);
    EXPECT_EQ(channel.ChunkSize(), 56);
    channel.SelectRoute(2);
    EXPECT_TRUE(channel.ViaReceiver());
    EXPECT_EQ(channel.ChunkSize(), 24);
    EXPECT_EQ(channel.SetKeyTableSize(510), 1);
    EXPECT_EQ(channel.SetKeyTableSize(513), 0);
    EXPECT_EQ(channel.KeyTableSize(), 510);
    EXPECT_EQ(channel.SetKeyTableSize(512), 1);
}

class DeviceProtocolOnSim : public ProtocolFixture {};

TEST_F(DeviceProtocolOnSim, ClosedChannelSendsNothing)
{
    SimFirmware& mouse = Connect("mouse");
    channel.SetOpened(false);
    uint8_t info[34];
    EXPECT_EQ(channel.BeginTransfer(), 0);
    EXPECT_EQ(channel.ReadDeviceInfo(info), 0);
    EXPECT_EQ(channel.StreamLightFrame(info, sizeof(info)), 0);
    EXPECT_TRUE(mouse.Commands().empty());
    EXPECT_TRUE(mouse.LightPackets().empty());
}

TEST_F(DeviceProtocolOnSim, DeviceInfoIsOnePacketDirectAndTwoThroughTheReceiver)
{
    SimFirmware& mouse = Connect("mouse");
    uint8_t info[34] = {};
    ASSERT_EQ(channel.ReadDeviceInfo(info), 1);
    EXPECT_EQ(std::vector<uint8_t>(info, info + 34), mouse.Memory().Get(SimRegion::Info));
    EXPECT_EQ(info[5], 11);
    EXPECT_EQ(mouse.Commands(), (std::vector<SimCommandRecord>{Read(0x03, 34, 0)}));

    DeviceProtocol receiverChannel;
    SimFirmware& receiver = *devices.Plug("mouse-receiver");
    ASSERT_TRUE(receiverChannel.ReceiverInterface().Open(SimDevices::CommandPath("mouse-receiver"), true, true,
                                                         true, false));
    receiverChannel.SetOpened(true);
    receiverChannel.SelectRoute(2);
    uint8_t again[34] = {};
    ASSERT_EQ(receiverChannel.ReadDeviceInfo(again), 1);
    EXPECT_EQ(std::vector<uint8_t>(again, again + 34), mouse.Memory().Get(SimRegion::Info)); // the same mouse
    EXPECT_EQ(receiver.Commands(), (std::vector<SimCommandRecord>{Read(0x03, 24, 0), Read(0x03, 10, 24)}));
}

TEST_F(DeviceProtocolOnSim, KeyTableOf170KeysIsNinePacketsOf56AndOneOf6)
{
    SimFirmware& keyboard = Connect("keyboard");
    ASSERT_EQ(channel.SetKeyTableSize(170 * 3), 1);
    uint8_t table[512] = {};
    ASSERT_EQ(channel.ReadKeyTable(table), 1);
    std::vector<SimCommandRecord> expected;
    for (uint16_t packet = 0; packet < 9; ++packet)
        expected.push_back(Read(0x07, 56, static_cast<uint16_t>(packet * 56)));
    expected.push_back(Read(0x07, 6, 504));
    EXPECT_EQ(keyboard.Commands(), expected);
    EXPECT_EQ(std::vector<uint8_t>(table, table + 510), keyboard.Memory().Get(SimRegion::KeyTable, 0, 510));

    uint8_t map[512] = {};
    ASSERT_EQ(channel.ReadKeyMap(map), 1);
    EXPECT_EQ(map[169], 169);
}

TEST_F(DeviceProtocolOnSim, WrittenSettingsAreChunkedAndReadBack)
{
    SimFirmware& mouse = Connect("mouse");
    const std::vector<uint8_t> record = Sequence(66);
    EXPECT_EQ(channel.BeginTransfer(), 1);
    EXPECT_EQ(channel.WriteSettings(record.data(), record.size(), 128), 1);
    EXPECT_EQ(channel.EndTransfer(), 1);
    EXPECT_EQ(mouse.Commands(), (std::vector<SimCommandRecord>{Read(0x01, 0, 0), Written(0x06, 128, Slice(record, 0, 56)),
                                                               Written(0x06, 184, Slice(record, 56, 10)),
                                                               Read(0x02, 0, 0)}));
    std::vector<uint8_t> back(66);
    ASSERT_EQ(channel.ReadSettings(back.data(), back.size(), 128), 1);
    EXPECT_EQ(back, record);
}

TEST_F(DeviceProtocolOnSim, ReceiverRouteUses24BytePacketsAndShootMemory56)
{
    SimFirmware& receiver = Connect("mouse-receiver");
    const std::vector<uint8_t> record = Sequence(30);
    ASSERT_EQ(channel.WriteSettings(record.data(), record.size(), 0), 1);
    const std::vector<uint8_t> shoot = Sequence(60);
    ASSERT_EQ(channel.WriteShootMemory(shoot.data(), shoot.size()), 1);
    EXPECT_EQ(receiver.Commands(),
              (std::vector<SimCommandRecord>{Written(0x06, 0, Slice(record, 0, 24)), Written(0x06, 24, Slice(record, 24, 6)),
                                             Written(0x17, 0, Slice(shoot, 0, 56)), Written(0x17, 56, Slice(shoot, 56, 4))}));
}

TEST_F(DeviceProtocolOnSim, StatusErrorsMapToTheirCodes)
{
    SimFirmware& mouse = Connect("mouse");
    uint8_t status[6] = {};
    mouse.InjectFault({SimFaultKind::StatusFE, 0, 1});
    EXPECT_EQ(channel.ReadStatus(status, sizeof(status), 0), -103); // the data bytes were valid
    mouse.InjectFault({SimFaultKind::StatusFF, 0, 1});
    EXPECT_EQ(channel.ReadStatus(status, sizeof(status), 0), -102);
    EXPECT_EQ(channel.ReadStatus(status, sizeof(status), 0), 1);
    EXPECT_EQ(status[0], 0x64);
    EXPECT_EQ(channel.ReadStatus(status, 57, 0), 0);
}

TEST_F(DeviceProtocolOnSim, SilentWirelessDeviceGivesMinus101WithoutASecondRead)
{
    SimFirmware& receiver = Connect("mouse-receiver");
    receiver.SetWirelessDeviceOn(false);
    uint8_t data[8];
    const auto start = Clock::now();
    EXPECT_EQ(channel.ReadSettings(data, 1, 0), -101);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000)); // a second read would wait 5 s
    EXPECT_EQ(receiver.RepliesSent(), 1u);
    EXPECT_FALSE(channel.IsLinkUp());
    receiver.SetWirelessDeviceOn(true);
    EXPECT_TRUE(channel.IsLinkUp());
    EXPECT_EQ(receiver.Commands().back(), Read(0xAA, 0, 0));
}

TEST_F(DeviceProtocolOnSim, DirectLinkIsUpWithoutAsking)
{
    SimFirmware& mouse = Connect("mouse");
    EXPECT_TRUE(channel.IsLinkUp());
    EXPECT_TRUE(mouse.Commands().empty());
}

TEST_F(DeviceProtocolOnSim, TwoRepliesEchoingAnotherCommandFailWithNoReply)
{
    SimFirmware& mouse = Connect("mouse");
    mouse.InjectFault({SimFaultKind::WrongEcho, 0, 1});
    std::vector<uint8_t> data(8, 0xEE);
    EXPECT_EQ(channel.ReadSettings(data.data(), data.size(), 0), 0);
    EXPECT_EQ(data, std::vector<uint8_t>(8, 0xEE)); // nothing of the other command was copied
    // A single stray reply is passed over and the right one taken.
    mouse.InjectFault({SimFaultKind::StrayReply, 0, 1});
    EXPECT_EQ(channel.ReadSettings(data.data(), data.size(), 0), 1);
    EXPECT_EQ(data, mouse.Memory().Get(SimRegion::Settings, 0, 8));
}

TEST_F(DeviceProtocolOnSim, LateReplyIsNotTakenForTheNextRequest)
{
    SimFirmware& mouse = Connect("mouse");
    mouse.Memory().Set(SimRegion::Settings, 200, {0xAB});
    mouse.InjectFault({SimFaultKind::Delay, 0, 1, 1500});
    uint8_t data = 0;
    EXPECT_EQ(channel.ReadSettings(&data, 1, 100), 0); // timed out after 1000 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(600)); // the late reply (same command) arrives
    EXPECT_EQ(channel.ReadSettings(&data, 1, 200), 1);
    EXPECT_EQ(data, 0xAB);
}

TEST_F(DeviceProtocolOnSim, FailedWriteAndShortDelay)
{
    SimFirmware& mouse = Connect("mouse");
    mouse.InjectFault({SimFaultKind::WriteFails, 0, 1});
    EXPECT_EQ(channel.BeginTransfer(), -1);
    mouse.InjectFault({SimFaultKind::Delay, 0, 1, 100});
    EXPECT_EQ(channel.BeginTransfer(), 1);
}

TEST_F(DeviceProtocolOnSim, ChunkedWriteStopsAtTheFailingPacketAndKeepsWhatWasWritten)
{
    SimFirmware& mouse = Connect("mouse");
    const std::vector<uint8_t> data = Sequence(150, 0x80);
    mouse.InjectFault({SimFaultKind::StatusFF, 1, 1});
    EXPECT_EQ(channel.WriteSettings(data.data(), data.size(), 256), -102);
    EXPECT_EQ(mouse.Commands().size(), 2u);
    EXPECT_EQ(mouse.Memory().Get(SimRegion::Settings, 256, 56), Slice(data, 0, 56));
    EXPECT_NE(mouse.Memory().Get(SimRegion::Settings, 368, 38), Slice(data, 112, 38));
}

TEST_F(DeviceProtocolOnSim, UnplugInTheMiddleOfATransferEndsIt)
{
    SimFirmware& mouse = Connect("mouse");
    const std::vector<uint8_t> data = Sequence(150);
    mouse.InjectFault({SimFaultKind::Unplug, 1, 1});
    EXPECT_EQ(channel.WriteSettings(data.data(), data.size(), 256), 0);
    EXPECT_EQ(mouse.Commands().size(), 1u);
    EXPECT_FALSE(devices.Backend().IsPlugged("mouse"));
    EXPECT_EQ(channel.BeginTransfer(), -1); // the interface is gone
}

TEST_F(DeviceProtocolOnSim, KeyTableBankOneIsRefusedBeforeAnythingIsSent)
{
    SimFirmware& mouse = Connect("mouse");
    uint8_t table[512] = {};
    EXPECT_EQ(channel.WriteKeyTable(table, 1), -201);
    EXPECT_TRUE(mouse.Commands().empty());
    ASSERT_EQ(channel.SetKeyTableSize(33), 1);
    table[0] = 0x70;
    EXPECT_EQ(channel.WriteKeyTable(table, 0), 1);
    EXPECT_EQ(mouse.Memory().Get(SimRegion::KeyTable, 0, 1)[0], 0x70);
}

TEST_F(DeviceProtocolOnSim, KeyColoursUseTheirBankOffset)
{
    SimFirmware& keyboard = Connect("keyboard");
    const std::vector<uint8_t> colours = Sequence(60);
    ASSERT_EQ(channel.WriteKeyColours(colours.data(), colours.size(), 3, 512), 1);
    std::vector<uint8_t> back(60);
    ASSERT_EQ(channel.ReadKeyColours(back.data(), back.size(), 3, 512), 1);
    EXPECT_EQ(back, colours);
    EXPECT_EQ(keyboard.Commands().front(), Written(0x0B, 1536, Slice(colours, 0, 56)));
    EXPECT_EQ(channel.EnableHostLighting(), 1);
    EXPECT_TRUE(keyboard.Memory().HostLighting());
}

TEST_F(DeviceProtocolOnSim, MacroImageIsCheckedWhenTheSequenceCloses)
{
    SimFirmware& mouse = Connect("mouse");
    // One macro of one event: 16 + 2 + 4 + 4 = 26 bytes.
    std::vector<uint8_t> image = {0xAA, 0x55, 26, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 0, 1, 0, 0, 0,
                                  10, 0, 0x81, 0x01};
    EXPECT_EQ(channel.BeginTransfer(), 1);
    EXPECT_EQ(channel.WriteMacroMemory(image.data(), image.size()), 1);
    EXPECT_EQ(channel.EndTransfer(), 1);
    EXPECT_EQ(mouse.Memory().Get(SimRegion::Macro, 0, 26), image);
    image[1] = 0x00;
    EXPECT_EQ(channel.BeginTransfer(), 1);
    EXPECT_EQ(channel.WriteMacroMemory(image.data(), image.size()), 1);
    EXPECT_EQ(channel.EndTransfer(), -102);
}

TEST_F(DeviceProtocolOnSim, LightFramesGoDirectOnlyAndAreRecordedWithTheirTimes)
{
    SimFirmware& keyboard = Connect("keyboard");
    const std::vector<uint8_t> frame = Sequence(100);
    ASSERT_EQ(channel.StreamLightFrame(frame.data(), frame.size()), 1);
    const auto packets = keyboard.LightPackets();
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].packet, Written(0x12, 0, Slice(frame, 0, 56)));
    EXPECT_EQ(packets[1].packet, Written(0x12, 56, Slice(frame, 56, 44)));
    EXPECT_LE(packets[0].time, packets[1].time);
    EXPECT_TRUE(keyboard.Commands().empty());

    channel.SelectRoute(2); // through the receiver: dropped silently
    EXPECT_EQ(channel.StreamLightFrame(frame.data(), frame.size()), 1);
    EXPECT_EQ(keyboard.LightPackets().size(), 2u);
}

TEST_F(DeviceProtocolOnSim, ExchangesAreTracedAsTwoLineDumps)
{
    Connect("mouse");
    TempFolder folder;
    {
        ScopedEnv file("VELTRANE_DEBUG_FILE", folder / "trace.txt");
        ConfigureTrace();
        EXPECT_EQ(channel.BeginTransfer(), 1);
    }
    ConfigureTrace();
    std::ifstream in(folder / "trace.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string zeros = "00 00 00 00   00 00 00 00   00 00 00 00   00 00 00 00  00 00 00 00  00 00 00 00  "
                              "00 00 00 00  00 00 00 00\n";
    EXPECT_EQ(text.str(), "命令\n04 01 00 01   00 00 00 00   00 00 00 00   00 00 00 00  00 00 00 00  00 00 00 00  "
                          "00 00 00 00  00 00 00 00\n" +
                              zeros +
                              "返回\n04 01 00 01   00 00 00 00   00 00 00 00   00 00 00 00  00 00 00 00  00 00 00 00  "
                              "00 00 00 00  00 00 00 00\n" +
                              zeros);
}

TEST_F(DeviceProtocolOnSim, NotificationsArriveOnTheConsumerCollection)
{
    SimFirmware& mouse = Connect("mouse");
    HidDevice notifications;
    ASSERT_TRUE(notifications.Open(SimDevices::NotificationPath("mouse"), true, true, true, false));
    ASSERT_TRUE(mouse.SelectDpiStageOnDevice(3, 2));
    ASSERT_TRUE(mouse.PressButton());
    for (uint16_t expected : {0x1123, 0x403}) {
        uint8_t report[8] = {};
        size_t count = 0;
        ASSERT_TRUE(notifications.Read(report, sizeof(report), &count, 1000));
        notifications.UnpackInputReport(report, count);
        EXPECT_EQ(notifications.NotificationCode(), expected);
    }
    uint8_t current = 0xFF;
    EXPECT_EQ(channel.ReadSettings(&current, 1, 0), 1);
    EXPECT_EQ(current, 3);
}

TEST_F(DeviceProtocolOnSim, HeadsetKeepsTheLastColourOfEachLed)
{
    SimHeadset& headset = devices.PlugHeadset();
    HidDevice lights;
    ASSERT_TRUE(lights.Open(SimDevices::CommandPath("headset"), true, true, true, false));
    EXPECT_EQ(lights.Caps().outputReportByteLength, 17);
    uint8_t red[17] = {0xFF, 0x22, 0xAA, 0, 10, 11, 12, 13, 14, 15, 16};
    uint8_t blueHigh[17] = {0xFF, 0x44, 0xAF, 0, 1, 2, 3, 4, 5, 6, 99};
    size_t count = 0;
    ASSERT_TRUE(lights.Write(red, sizeof(red), &count, 1000));
    ASSERT_TRUE(lights.Write(blueHigh, sizeof(blueHigh), &count, 1000));
    EXPECT_EQ(headset.Led(0x22, 6), (SimHeadset::Colour{16, 0, 0}));
    EXPECT_EQ(headset.Led(0x44, 12), (SimHeadset::Colour{0, 0, 6}));
    EXPECT_EQ(headset.Led(0x44, 0), (SimHeadset::Colour{}));
    EXPECT_EQ(headset.Reports().size(), 2u);
}

} // namespace
