#include "device/HidCollection.h"

#include <algorithm>
#include <map>

namespace {

uint16_t PageOf(uint32_t usage)
{
    return static_cast<uint16_t>(usage >> 16);
}

uint16_t IdOf(uint32_t usage)
{
    return static_cast<uint16_t>(usage & 0xFFFF);
}

uint16_t FieldPage(const HidField& field)
{
    return field.usages.empty() ? field.usagePage : PageOf(field.usages.front().min);
}

bool IsInputData(const HidField& field)
{
    return field.type == HidReportType::Input && !field.IsConstant();
}

int64_t Logical(const HidField& field, uint32_t raw)
{
    if (field.logicalMin < 0 && field.reportSize < 32 && (raw & (1u << (field.reportSize - 1))))
        return static_cast<int64_t>(raw) - (int64_t{1} << field.reportSize);
    if (field.logicalMin < 0 && field.reportSize == 32)
        return static_cast<int32_t>(raw);
    return raw;
}

} // namespace

HidCollection::HidCollection(uint16_t usagePage, uint16_t usage, bool usesReportIds)
    : usagePage_(usagePage), usage_(usage), usesReportIds_(usesReportIds)
{
}

void HidCollection::SetReportByteLength(HidReportType type, uint16_t length)
{
    reportBytes_[static_cast<int>(type)] = length;
}

uint16_t HidCollection::ReportByteLength(HidReportType type) const
{
    return reportBytes_[static_cast<int>(type)];
}

bool HidCollection::HasReport(HidReportType type, uint8_t reportId) const
{
    return std::any_of(fields_.begin(), fields_.end(), [&](const HidField& field) {
        return field.type == type && field.reportId == reportId;
    });
}

HidCaps HidCollection::Caps() const
{
    HidCaps caps;
    caps.usagePage = usagePage_;
    caps.usage = usage_;
    caps.inputReportByteLength = ReportByteLength(HidReportType::Input);
    caps.outputReportByteLength = ReportByteLength(HidReportType::Output);
    caps.featureReportByteLength = ReportByteLength(HidReportType::Feature);
    for (const HidField& field : fields_) {
        if (!IsInputData(field))
            continue;
        const uint16_t ranges = static_cast<uint16_t>(std::max<size_t>(field.usages.size(), 1));
        if (field.IsButton())
            caps.numberInputButtonCaps += ranges;
        else
            caps.numberInputValueCaps += ranges;
    }
    return caps;
}

uint32_t HidCollection::MaxUsageListLength(uint16_t usagePage) const
{
    std::map<uint8_t, uint32_t> perReport;
    for (const HidField& field : fields_)
        if (IsInputData(field) && field.IsButton() && FieldPage(field) == usagePage)
            perReport[field.reportId] += field.reportCount;
    uint32_t most = 0;
    for (const auto& [id, count] : perReport)
        most = std::max(most, count);
    return most;
}

std::vector<HidInputDataItem> HidCollection::InputDataItems() const
{
    std::vector<HidInputDataItem> buttons;
    std::vector<HidInputDataItem> values;
    for (const HidField& field : fields_) {
        if (!IsInputData(field))
            continue;
        std::vector<HidUsageRange> ranges = field.usages;
        if (ranges.empty())
            ranges.push_back({uint32_t{field.usagePage} << 16, uint32_t{field.usagePage} << 16});
        if (field.IsButton()) {
            const uint32_t capacity = MaxUsageListLength(PageOf(ranges.front().min));
            for (const HidUsageRange& range : ranges) {
                HidInputDataItem item;
                item.isButton = true;
                item.usagePage = PageOf(range.min);
                item.reportId = field.reportId;
                item.usageMin = IdOf(range.min);
                item.usageMax = PageOf(range.max) == PageOf(range.min) ? IdOf(range.max) : 0xFFFF;
                item.usages.assign(capacity, 0);
                buttons.push_back(std::move(item));
            }
        } else {
            // A range longer than the field's slots names usages that can never
            // carry a value; only the first reportCount get an item.
            HidField bounded = field;
            bounded.usages = ranges;
            const uint32_t count = bounded.UsageCount(std::max<uint32_t>(field.reportCount, 1));
            for (uint32_t i = 0; i < count; ++i) {
                const uint32_t usage = bounded.UsageAt(i);
                HidInputDataItem item;
                item.usagePage = PageOf(usage);
                item.reportId = field.reportId;
                item.usage = IdOf(usage);
                values.push_back(std::move(item));
            }
        }
    }
    buttons.insert(buttons.end(), values.begin(), values.end());
    return buttons;
}

HidStatus HidCollection::GetUsages(uint16_t usagePage, const uint8_t* report, size_t length, uint32_t capacity,
                                   std::vector<uint16_t>& usages) const
{
    usages.clear();
    if (length < 1)
        return HidStatus::InvalidReportLength;
    const uint8_t* data = report + 1;
    const size_t dataLength = length - 1;
    HidStatus status = HidStatus::Success;
    for (const HidField& field : fields_) {
        if (!IsInputData(field) || !field.IsButton() || field.reportId != report[0] || field.reportSize == 0 ||
            field.reportSize > 32)
            continue;
        const uint32_t named = field.UsageCount(UINT32_MAX);
        for (uint32_t slot = 0; slot < field.reportCount; ++slot) {
            uint32_t raw = 0;
            if (!HidField::Extract(data, dataLength, field.bitOffset + slot * field.reportSize, field.reportSize, raw))
                return HidStatus::InvalidReportLength;
            uint32_t usage = 0;
            if (field.IsArray()) {
                const int64_t index = Logical(field, raw) - field.logicalMin;
                if (index < 0 || index >= named || index > field.logicalMax - field.logicalMin)
                    continue;
                usage = field.UsageAt(static_cast<uint32_t>(index));
            } else {
                if (raw == 0)
                    continue;
                usage = field.usages.empty() ? 0 : field.UsageAt(slot);
            }
            if (PageOf(usage) != usagePage || IdOf(usage) == 0)
                continue;
            if (usages.size() >= capacity) {
                status = HidStatus::BufferTooSmall;
                continue;
            }
            usages.push_back(IdOf(usage));
        }
    }
    return status;
}

HidStatus HidCollection::GetUsageValue(uint16_t usagePage, uint16_t usage, const uint8_t* report, size_t length,
                                       uint32_t& raw, int32_t& scaled) const
{
    if (length < 1)
        return HidStatus::InvalidReportLength;
    const uint32_t wanted = (uint32_t{usagePage} << 16) | usage;
    for (const HidField& field : fields_) {
        if (!IsInputData(field) || field.IsButton() || field.reportId != report[0] || field.reportSize == 0 ||
            field.reportSize > 32)
            continue;
        const uint32_t slots = std::max<uint32_t>(field.reportCount, 1);
        uint32_t slot = 0;
        bool found = false;
        if (field.usages.empty()) {
            found = wanted == uint32_t{field.usagePage} << 16;
        } else {
            const uint32_t named = field.UsageCount(slots);
            for (; slot < named && !found; ++slot)
                found = field.UsageAt(slot) == wanted;
            --slot;
        }
        if (!found)
            continue;
        if (!HidField::Extract(report + 1, length - 1, field.bitOffset + slot * field.reportSize, field.reportSize,
                               raw))
            return HidStatus::InvalidReportLength;
        const int64_t logical = Logical(field, raw);
        if (field.logicalMin >= field.logicalMax)
            return HidStatus::BadLogPhyValues;
        if (logical < field.logicalMin || logical > field.logicalMax) {
            scaled = 0;
            return HidStatus::Null;
        }
        int64_t physicalMin = field.physicalMin;
        int64_t physicalMax = field.physicalMax;
        if (physicalMin == 0 && physicalMax == 0) {
            physicalMin = field.logicalMin;
            physicalMax = field.logicalMax;
        }
        if (physicalMin >= physicalMax)
            return HidStatus::BadLogPhyValues;
        const int64_t value =
            physicalMin + (logical - field.logicalMin) * (physicalMax - physicalMin) / (field.logicalMax - field.logicalMin);
        scaled = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
        return HidStatus::Success;
    }
    return HidStatus::InvalidReportLength;
}

HidStatus HidCollection::Unpack(std::vector<HidInputDataItem>& items, const uint8_t* report, size_t length) const
{
    if (report == nullptr || length < 1)
        return HidStatus::InvalidReportLength;
    std::vector<uint16_t> on;
    for (HidInputDataItem& item : items) {
        if (item.reportId != report[0])
            continue;
        if (item.isButton) {
            item.status = GetUsages(item.usagePage, report, length, static_cast<uint32_t>(item.usages.size()), on);
            std::fill(item.usages.begin(), item.usages.end(), 0);
            size_t kept = 0;
            for (uint16_t usage : on)
                if (usage >= item.usageMin && usage <= item.usageMax && kept < item.usages.size())
                    item.usages[kept++] = usage;
        } else {
            uint32_t raw = 0;
            int32_t scaled = 0;
            const HidStatus status = GetUsageValue(item.usagePage, item.usage, report, length, raw, scaled);
            if (status == HidStatus::InvalidReportLength) {
                item.status = status;
                return status;
            }
            item.rawValue = raw;
            item.scaledValue = scaled;
            item.status = status;
        }
        item.isSet = true;
    }
    return HidStatus::Success;
}
