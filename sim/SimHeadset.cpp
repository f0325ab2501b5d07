#include "sim/SimHeadset.h"

#include "sim/SimDescriptors.h"
#include "sim/SimHidInterface.h"

namespace {

constexpr size_t kLightReportLength = 17;

} // namespace

bool SimHeadset::OnOutputReport(SimHidInterface&, const uint8_t* report, size_t length)
{
    std::lock_guard guard(lock_);
    reports_.emplace_back(report, report + length);
    if (length != kLightReportLength || report[0] != SimDescriptors::kHeadsetLightReportId)
        return true;
    const int cup = report[1] == 0x22 ? 0 : report[1] == 0x44 ? 1 : -1;
    const uint8_t group = report[2];
    if (cup < 0 || group < 0xAA || group > 0xAF)
        return true; // not a light report this headset knows: ignored
    // 0xAA..0xAC: red, green, blue of LEDs 0-6; 0xAD..0xAF: of LEDs 7-12.
    const int channel = (group - 0xAA) % 3;
    const size_t first = group >= 0xAD ? 7 : 0;
    const size_t count = group >= 0xAD ? 6 : 7;
    for (size_t i = 0; i < count; ++i) {
        Colour& colour = cups_[static_cast<size_t>(cup)][first + i];
        uint8_t& value = channel == 0 ? colour.red : channel == 1 ? colour.green : colour.blue;
        value = report[4 + i];
    }
    return true;
}

SimHeadset::Colour SimHeadset::Led(uint8_t cup, size_t index) const
{
    std::lock_guard guard(lock_);
    if (index >= kLedCount || (cup != 0x22 && cup != 0x44))
        return {};
    return cups_[cup == 0x22 ? 0 : 1][index];
}

std::vector<std::vector<uint8_t>> SimHeadset::Reports() const
{
    std::lock_guard guard(lock_);
    return reports_;
}

void SimHeadset::ClearReports()
{
    std::lock_guard guard(lock_);
    reports_.clear();
}

void SimHeadset::AttachInterface(std::weak_ptr<SimHidInterface> interface)
{
    std::lock_guard guard(lock_);
    interface_ = std::move(interface);
}

bool SimHeadset::SendNotification(uint16_t code)
{
    std::shared_ptr<SimHidInterface> interface;
    {
        std::lock_guard guard(lock_);
        interface = interface_.lock();
    }
    return interface && interface->SendInput({SimDescriptors::kHeadsetConsumerReportId, static_cast<uint8_t>(code),
                                              static_cast<uint8_t>(code >> 8)});
}
