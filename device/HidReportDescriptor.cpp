#include "device/HidReportDescriptor.h"

#include <map>
#include <optional>

namespace {

// Limits that no real device reaches; a descriptor beyond them is refused.
constexpr size_t kMaxCollectionDepth = 64;
constexpr size_t kMaxPushDepth = 16;
constexpr size_t kMaxUsageRanges = 4096;
constexpr uint32_t kMaxReportSize = 256;
constexpr uint32_t kMaxReportCount = 65535;
constexpr uint64_t kMaxReportBits = 16384 * 8; // the largest report hidraw passes

// A number item keeps its bytes so that a maximum can be read signed or not
// depending on the minimum, as devices write 0xFF meaning 255.
struct Number {
    uint32_t bits = 0;
    unsigned size = 0;
    int64_t Signed() const
    {
        switch (size) {
        case 1: return static_cast<int8_t>(bits);
        case 2: return static_cast<int16_t>(bits);
        case 4: return static_cast<int32_t>(bits);
        default: return 0;
        }
    }
    int64_t Unsigned() const { return bits; }
};

struct Globals {
    uint16_t usagePage = 0;
    Number logicalMin, logicalMax, physicalMin, physicalMax;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct Locals {
    std::vector<HidUsageRange> usages;
    std::optional<uint32_t> usageMin;
    std::optional<uint32_t> usageMax;
};

uint32_t Extended(uint32_t value, unsigned size, uint16_t page)
{
    return size == 4 ? value : (uint32_t{page} << 16) | (value & 0xFFFF);
}

void Range(int64_t& min, int64_t& max, const Number& minItem, const Number& maxItem)
{
    min = minItem.Signed();
    max = min < 0 ? maxItem.Signed() : maxItem.Unsigned();
}

class Parser {
public:
    bool Run(const uint8_t* data, size_t length);
    std::vector<HidCollection> collections;

private:
    bool Main(uint8_t tag, uint32_t value);
    bool Global(uint8_t tag, uint32_t value, unsigned size);
    bool Local(uint8_t tag, uint32_t value, unsigned size);
    bool AddField(HidReportType type, uint32_t flags);

    Globals globals_;
    std::vector<Globals> stack_;
    Locals locals_;
    size_t depth_ = 0;
    bool usesReportIds_ = false;
    std::map<std::pair<int, uint8_t>, uint64_t> reportBits_;
    std::vector<std::pair<size_t, HidField>> fields_; // with their collection index
};

bool Parser::Run(const uint8_t* data, size_t length)
{
    size_t at = 0;
    while (at < length) {
        const uint8_t prefix = data[at++];
        if (prefix == 0xFE) { // long item: data size, tag, data; nothing we use
            if (length - at < 2)
                return false;
            const size_t skip = data[at];
            at += 2;
            if (length - at < skip)
                return false;
            at += skip;
            continue;
        }
        const unsigned size = (prefix & 3) == 3 ? 4 : prefix & 3;
        if (length - at < size)
            return false;
        uint32_t value = 0;
        for (unsigned i = 0; i < size; ++i)
            value |= uint32_t{data[at + i]} << (8 * i);
        at += size;
        const uint8_t type = (prefix >> 2) & 3;
        const uint8_t tag = prefix >> 4;
        bool ok = true;
        if (type == 0)
            ok = Main(tag, value);
        else if (type == 1)
            ok = Global(tag, value, size);
        else if (type == 2)
            ok = Local(tag, value, size);
        if (!ok)
            return false;
    }
    if (depth_ != 0)
        return false;

    for (auto& [index, field] : fields_)
        collections[index].AddField(std::move(field));
    for (HidCollection& collection : collections)
        collection.SetUsesReportIds(usesReportIds_);
    for (size_t index = 0; index < collections.size(); ++index) {
        for (int type = 0; type < 3; ++type) {
            uint64_t most = 0;
            bool any = false;
            for (const HidField& field : collections[index].Fields()) {
                if (static_cast<int>(field.type) != type)
                    continue;
                any = true;
                most = std::max(most, reportBits_[{type, field.reportId}]);
            }
            if (any)
                collections[index].SetReportByteLength(static_cast<HidReportType>(type),
                                                       static_cast<uint16_t>((most + 7) / 8 + 1));
        }
    }
    return true;
}

bool Parser::Main(uint8_t tag, uint32_t value)
{
    bool ok = true;
    switch (tag) {
    case 0x8: ok = AddField(HidReportType::Input, value); break;
    case 0x9: ok = AddField(HidReportType::Output, value); break;
    case 0xB: ok = AddField(HidReportType::Feature, value); break;
    case 0xA: // collection
        if (depth_ == 0) {
            uint32_t usage = uint32_t{globals_.usagePage} << 16;
            if (!locals_.usages.empty())
                usage = locals_.usages.front().min;
            else if (locals_.usageMin)
                usage = *locals_.usageMin;
            collections.emplace_back(static_cast<uint16_t>(usage >> 16), static_cast<uint16_t>(usage & 0xFFFF),
                                     usesReportIds_);
        }
        if (++depth_ > kMaxCollectionDepth)
            return false;
        break;
    case 0xC: // end collection
        if (depth_ == 0)
            return false;
        --depth_;
        break;
    default:
        break;
    }
    locals_ = Locals{};
    return ok;
}

bool Parser::AddField(HidReportType type, uint32_t flags)
{
    if (globals_.reportSize > kMaxReportSize || globals_.reportCount > kMaxReportCount)
        return false;
    const uint64_t bits = uint64_t{globals_.reportSize} * globals_.reportCount;
    uint64_t& total = reportBits_[{static_cast<int>(type), globals_.reportId}];
    if (total + bits > kMaxReportBits)
        return false;
    if (locals_.usageMin && !locals_.usageMax)
        locals_.usages.push_back({*locals_.usageMin, *locals_.usageMin});

    HidField field;
    field.type = type;
    field.reportId = globals_.reportId;
    field.bitOffset = static_cast<uint32_t>(total);
    field.reportSize = globals_.reportSize;
    field.reportCount = globals_.reportCount;
    field.flags = flags;
    Range(field.logicalMin, field.logicalMax, globals_.logicalMin, globals_.logicalMax);
    Range(field.physicalMin, field.physicalMax, globals_.physicalMin, globals_.physicalMax);
    field.usagePage = globals_.usagePage;
    field.usages = std::move(locals_.usages);
    total += bits;
    // Items outside every collection still take their bits of the report.
    if (depth_ > 0 && !collections.empty())
        fields_.emplace_back(collections.size() - 1, std::move(field));
    return true;
}

bool Parser::Global(uint8_t tag, uint32_t value, unsigned size)
{
    switch (tag) {
    case 0x0: globals_.usagePage = static_cast<uint16_t>(value); break;
    case 0x1: globals_.logicalMin = {value, size}; break;
    case 0x2: globals_.logicalMax = {value, size}; break;
    case 0x3: globals_.physicalMin = {value, size}; break;
    case 0x4: globals_.physicalMax = {value, size}; break;
    case 0x7: globals_.reportSize = value; break;
    case 0x8:
        if (value == 0 || value > 0xFF)
            return false;
        globals_.reportId = static_cast<uint8_t>(value);
        usesReportIds_ = true;
        break;
    case 0x9: globals_.reportCount = value; break;
    case 0xA:
        if (stack_.size() >= kMaxPushDepth)
            return false;
        stack_.push_back(globals_);
        break;
    case 0xB:
        if (stack_.empty())
            return false;
        globals_ = stack_.back();
        stack_.pop_back();
        break;
    default: // unit, unit exponent
        break;
    }
    return true;
}

bool Parser::Local(uint8_t tag, uint32_t value, unsigned size)
{
    if (locals_.usages.size() >= kMaxUsageRanges)
        return false;
    switch (tag) {
    case 0x0: {
        const uint32_t usage = Extended(value, size, globals_.usagePage);
        locals_.usages.push_back({usage, usage});
        break;
    }
    case 0x1: locals_.usageMin = Extended(value, size, globals_.usagePage); break;
    case 0x2: locals_.usageMax = Extended(value, size, globals_.usagePage); break;
    default: // designators, strings, delimiters
        break;
    }
    if (tag <= 0x2 && locals_.usageMin && locals_.usageMax) {
        if (*locals_.usageMin > *locals_.usageMax)
            return false;
        locals_.usages.push_back({*locals_.usageMin, *locals_.usageMax});
        locals_.usageMin.reset();
        locals_.usageMax.reset();
    }
    return true;
}

} // namespace

bool HidReportDescriptor::Parse(const uint8_t* data, size_t length, std::vector<HidCollection>& collections)
{
    collections.clear();
    if (data == nullptr && length > 0)
        return false;
    Parser parser;
    if (!parser.Run(data, length))
        return false;
    collections = std::move(parser.collections);
    return true;
}
