#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class HidReportType { Input, Output, Feature };

// A run of usages, each 32 bits: usage page in the high half, usage id in the
// low half. A single usage is a range whose ends are equal.
struct HidUsageRange {
    uint32_t min = 0;
    uint32_t max = 0;
};

// One main item (Input, Output or Feature) of a report descriptor with the
// global and local state in force when it was declared.
struct HidField {
    HidReportType type = HidReportType::Input;
    uint8_t reportId = 0;
    uint32_t bitOffset = 0; // from the first data byte, after the report id
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t flags = 0;
    int64_t logicalMin = 0;
    int64_t logicalMax = 0;
    int64_t physicalMin = 0;
    int64_t physicalMax = 0;
    uint16_t usagePage = 0; // the global usage page when no usage was given
    std::vector<HidUsageRange> usages;

    static constexpr uint32_t kConstant = 0x01;
    static constexpr uint32_t kVariable = 0x02;

    bool IsConstant() const { return (flags & kConstant) != 0; }
    bool IsArray() const { return (flags & kVariable) == 0; }
    // Arrays and one-bit variables report which usages are on; the rest carry values.
    bool IsButton() const { return IsArray() || reportSize == 1; }

    // Number of usages the ranges name, counting at most `limit`.
    uint32_t UsageCount(uint32_t limit) const;
    // The usage at position `index` of the ranges; past the end, the last one.
    uint32_t UsageAt(uint32_t index) const;

    // The `size`-bit unsigned number at `bit` of the report data (which starts
    // after the report id byte); false when the data is too short.
    static bool Extract(const uint8_t* data, size_t length, uint32_t bit, uint32_t size, uint32_t& value);
};
