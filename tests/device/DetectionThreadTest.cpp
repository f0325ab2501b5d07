#include "device/DetectionPass.h"
#include "device/DetectionThread.h"
#include "device/HidPlatform.h"
#include "sim/SimCatalogue.h"
#include "sim/SimDescriptors.h"
#include "sim/SimDevices.h"
#include "tests/device/RecordingBackend.h"
#include "tests/device/TraceCapture.h"
#include "ui/HeadlessPlatform.h"
#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct Heard {
    ui::MessageId message;
    ui::WParam row;
    std::string path; // the entry's path while the message was handled
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& heard, std::ostream* out)
{
    *out << "{" << heard.message << ", row " << heard.row << ", " << heard.path << "}";
}

// Stands where the main window will: hears the arrival, removal and
// activation messages and looks at the shared entry table while it does.
class MainWindowStandIn : public ui::WindowImplBase {
public:
    explicit MainWindowStandIn(std::shared_ptr<DeviceEntryTable> entries) : entries_(std::move(entries)) {}
    std::string GetWindowClassName() const override { return "MainWindowStandIn"; }
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message == activation) {
            ++activations;
            return 0;
        }
        if (message == ui::Msg::DeviceArrived || message == ui::Msg::DeviceRemoved) {
            heard.push_back({message, wParam, (*entries_)[wParam].devicePath});
            return 0;
        }
        return WindowImplBase::HandleMessage(message, wParam, lParam);
    }

    const ui::MessageId activation = ui::RegisterWindowMessage(kActivationMessageName);
    std::vector<Heard> heard;
    int activations = 0;

private:
    std::shared_ptr<DeviceEntryTable> entries_;
};

constexpr ui::MessageId kArrived = ui::Msg::DeviceArrived;
constexpr ui::MessageId kRemoved = ui::Msg::DeviceRemoved;

class Detection : public ::testing::TestWithParam<bool> {
protected:
    Detection()
    {
        // The machine's own interfaces stay out of it.
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
        recorder = RecordingBackend::Install(SimHidBackend::kPrefix, devices.Backend().shared_from_this());
        window.Create({}, "main", 0, 0, 0, 0, 100, 100);
    }
    ~Detection() override
    {
        if (thread) {
            thread->Signal();
            // It may be waiting for this thread to handle a message.
            Pump([&] { return !thread->IsRunning(); });
            thread->Stop();
        }
        window.DestroyWindow();
        recorder.reset();
        HidBackendRegistry::SetPlatformBackend(nullptr);
    }

    void Start()
    {
        thread = StartDetection(window.GetHandle(), std::make_shared<StopEvent>(), entries,
                                DetectionOptions{GetParam()});
        ASSERT_NE(thread, nullptr);
        ASSERT_TRUE(Pump([&] { return window.activations > 0; }));
    }

    // Runs the UI thread's messages until ready() or 5 s have passed.
    bool Pump(const std::function<bool()>& ready)
    {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (!ready()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            platform.Headless().WaitUntil(ready, 10);
        }
        return true;
    }
    bool PumpUntilHeard(size_t count)
    {
        return Pump([&] { return window.heard.size() >= count; });
    }
    // Waits for a pass that began after this call (and wakes the thread, so
    // the hot-plug wait needs no event of its own).
    bool PumpFreshPass()
    {
        const int listed = (*recorder)->Listings();
        return Pump([&] {
            HidBackendRegistry::NotifyChanged();
            return (*recorder)->Listings() >= listed + 2;
        });
    }

    // The path of a collection of interface 1 of a plugged product; a second
    // copy of a catalogue product names the product it copies.
    std::string Path(const std::string& product, const char* collection, const char* copies = nullptr) const
    {
        const SimProductInfo& info = *SimCatalogue::Find(copies ? copies : product);
        char fields[64];
        std::snprintf(fields, sizeof(fields), "&vid_%04x&pid_%04x&mi_01%s", info.vendorId, info.productId,
                      collection);
        return std::string(SimHidBackend::kPrefix) + product + fields;
    }

    ui::HeadlessPlatform platform;
    SimDevices devices;
    std::unique_ptr<RecordingBackend::Installed> recorder;
    std::shared_ptr<DeviceEntryTable> entries = std::make_shared<DeviceEntryTable>();
    MainWindowStandIn window{entries};
    std::unique_ptr<WorkerThread> thread;
};

TEST_P(Detection, IdlePassesListEveryTimeAndActivateOnce)
{
    Start();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(PumpFreshPass());
    platform.Headless().RunPending();
    EXPECT_EQ(window.activations, 1);
    EXPECT_TRUE(window.heard.empty());
    EXPECT_TRUE((*recorder)->Opened().empty());
}

TEST_P(Detection, WiredMouseArrivesCollectionByCollectionAndLeavesRowByRow)
{
    Start();
    devices.Plug("mouse");
    ASSERT_TRUE(PumpUntilHeard(2));
    // col03 is listed before col04: row 5 (notifications) comes first.
    const std::vector<Heard> arrived = {{kArrived, 5, Path("mouse", "&col03")},
                                        {kArrived, 4, Path("mouse", "&col04")}};
    EXPECT_EQ(window.heard, arrived);
    EXPECT_TRUE((*entries)[4].connected);
    EXPECT_EQ((*entries)[4].devicePath, Path("mouse", "&col04"));

    // Only the two catalogued collections were ever opened, read-only while
    // matching and as a presence probe afterwards.
    for (const auto& record : (*recorder)->Opened()) {
        EXPECT_TRUE(record.path == Path("mouse", "&col03") || record.path == Path("mouse", "&col04"))
            << record.path;
        EXPECT_FALSE(record.mode.write) << record.path;
    }

    window.heard.clear();
    devices.Unplug("mouse");
    ASSERT_TRUE(PumpUntilHeard(2));
    // Probed in row order, unless the unplug fell between the two probes.
    EXPECT_THAT(window.heard, ::testing::UnorderedElementsAre(Heard{kRemoved, 4, ""}, Heard{kRemoved, 5, ""}));
    EXPECT_TRUE(entries->IsCandidate(DeviceIdentity(kSupportedDevices[4])));
}

TEST_P(Detection, SecondIdenticalMouseWaitsUntilTheFirstHasGone)
{
    Start();
    devices.Plug("mouse");
    ASSERT_TRUE(PumpUntilHeard(2));
    auto second = std::make_shared<SimHidInterface>("mouse2", HidAttributes{0x320F, 0x7C1F, 0x0102},
                                                    SimCatalogue::kCommandInterface, SimDescriptors::CommandInterface());
    devices.Backend().Plug(second);
    ASSERT_TRUE(PumpFreshPass());
    platform.Headless().RunPending();
    EXPECT_EQ(window.heard.size(), 2u);
    for (const auto& record : (*recorder)->Opened())
        EXPECT_EQ(record.path.find("mouse2"), std::string::npos) << record.path;

    // Once the first one goes, the second takes its rows.
    devices.Unplug("mouse");
    ASSERT_TRUE(PumpUntilHeard(6));
    EXPECT_THAT(std::vector<Heard>(window.heard.begin() + 2, window.heard.begin() + 4),
                ::testing::UnorderedElementsAre(Heard{kRemoved, 4, ""}, Heard{kRemoved, 5, ""}));
    const std::vector<Heard> rearrived = {{kArrived, 5, Path("mouse2", "&col03", "mouse")},
                                          {kArrived, 4, Path("mouse2", "&col04", "mouse")}};
    EXPECT_EQ(std::vector<Heard>(window.heard.begin() + 4, window.heard.end()), rearrived);
    devices.Backend().Unplug("mouse2");
}

TEST_P(Detection, HeadsetWithoutCollectionFieldTakesOnlyRow10)
{
    Start();
    devices.PlugHeadset();
    ASSERT_TRUE(PumpUntilHeard(1));
    ASSERT_TRUE(PumpFreshPass());
    platform.Headless().RunPending();
    const std::vector<Heard> expected = {{kArrived, 10, SimDevices::CommandPath("headset")}};
    EXPECT_EQ(window.heard, expected);
}

TEST_P(Detection, ReceiverAndCableRoutesClaimTheirOwnRows)
{
    Start();
    devices.Plug("mouse-receiver");
    ASSERT_TRUE(PumpUntilHeard(2));
    devices.Plug("mouse");
    ASSERT_TRUE(PumpUntilHeard(4));
    std::vector<ui::WParam> rows;
    for (const auto& heard : window.heard)
        rows.push_back(heard.row);
    EXPECT_EQ(rows, (std::vector<ui::WParam>{7, 6, 5, 4}));
}

TEST_P(Detection, StopEndsTheThreadWhileItWaits)
{
    TraceCapture trace;
    Start();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(thread->Stop(), WorkerThread::StopResult::Ended);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_TRUE(trace.Contains("抓取设备线程设定退出"));
}

TEST_P(Detection, FailedListingEndsTheThreadWithoutTheStopLine)
{
    TraceCapture trace;
    const auto failing = RecordingBackend::Install("broken:", nullptr, true);
    thread = StartDetection(window.GetHandle(), std::make_shared<StopEvent>(), entries, DetectionOptions{GetParam()});
    ASSERT_TRUE(Pump([&] { return !thread->IsRunning(); }));
    platform.Headless().RunPending();
    EXPECT_EQ(window.activations, 0);
    devices.Plug("mouse");
    HidBackendRegistry::NotifyChanged();
    platform.Headless().WaitUntil([] { return false; }, 200);
    EXPECT_TRUE(window.heard.empty());
    EXPECT_FALSE(trace.Contains("抓取设备线程设定退出"));
}

INSTANTIATE_TEST_SUITE_P(HotplugMonitor, Detection, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "Monitor" : "Polling"; });

} // namespace
