#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The report the service tool asks for: 1024 bytes of little-endian 32-bit
// integers, zero where not set: the four parts of the program's version at
// offsets 0 to 12, the number of device kinds at 16, then per device kind k
// its vendor id, product id and kind code at 20 + 12 k, 24 + 12 k, 28 + 12 k.
constexpr uint64_t kToolReportCopyDataId = 5;
constexpr std::size_t kToolReportSize = 1024;
// The program's version (the build's project version), one part per integer.
constexpr std::array<int, 4> kToolReportVersion = {VELTRANE_VERSION_PARTS};

std::vector<uint8_t> BuildToolReport(const std::array<int, 4>& version);
