#include "app/ToolReport.h"

#include "device/DeviceKinds.h"

namespace {

void PutInt32(std::vector<uint8_t>& block, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

std::vector<uint8_t> BuildToolReport(const std::array<int, 4>& version)
{
    std::vector<uint8_t> block(kToolReportSize, 0);
    for (size_t i = 0; i < version.size(); ++i)
        PutInt32(block, 4 * i, static_cast<uint32_t>(version[i]));
    PutInt32(block, 16, static_cast<uint32_t>(kDeviceKinds.size()));
    for (size_t k = 0; k < kDeviceKinds.size(); ++k) {
        PutInt32(block, 20 + 12 * k, kDeviceKinds[k].vendorId);
        PutInt32(block, 24 + 12 * k, kDeviceKinds[k].productId);
        PutInt32(block, 28 + 12 * k, kDeviceKinds[k].kind);
    }
    return block;
}
