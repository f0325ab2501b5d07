#include "device/HidPath.h"

#include "device/HidDevice.h"

#include <cstdio>

std::string HidPath::Build(const std::string& node, const HidAttributes& attributes,
                           std::optional<uint16_t> interfaceNumber, size_t collectionIndex, size_t collectionCount)
{
    char fields[64];
    std::snprintf(fields, sizeof(fields), "&vid_%04x&pid_%04x", attributes.vendorId, attributes.productId);
    std::string path = node + fields;
    if (interfaceNumber) {
        std::snprintf(fields, sizeof(fields), "&mi_%02x", *interfaceNumber);
        path += fields;
    }
    if (collectionCount > 1) {
        std::snprintf(fields, sizeof(fields), "&col%02zx", collectionIndex + 1);
        path += fields;
    }
    return path;
}

void HidPath::Describe(const std::string& node, const HidAttributes& attributes,
                       std::optional<uint16_t> interfaceNumber, const std::vector<HidCollection>& collections,
                       std::vector<HidInterfaceInfo>& interfaces)
{
    for (size_t i = 0; i < collections.size(); ++i)
        interfaces.push_back({Build(node, attributes, interfaceNumber, i, collections.size()), attributes,
                              collections[i].Caps()});
}

std::string HidPath::Node(const std::string& path)
{
    return path.substr(0, path.find('&'));
}

std::optional<size_t> HidPath::CollectionIndex(const std::string& path, size_t collectionCount)
{
    const uint16_t number = HidDevice::ParseHexField(path, "&col");
    if (collectionCount == 1 && number == 0)
        return 0;
    if (collectionCount > 1 && number >= 1 && number <= collectionCount)
        return number - 1u;
    return std::nullopt;
}

bool HidPath::MatchesAttributes(const std::string& path, const HidAttributes& attributes)
{
    return HidDevice::ParseHexField(path, "vid_") == attributes.vendorId &&
           HidDevice::ParseHexField(path, "pid_") == attributes.productId;
}
