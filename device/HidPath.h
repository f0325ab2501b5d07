#pragma once

#include "device/HidCollection.h"
#include "device/HidInterfaceInfo.h"
#include "device/HidTypes.h"

#include <optional>
#include <string>
#include <vector>

// The path form every backend gives its top-level collections:
// NODE&vid_XXXX&pid_XXXX&mi_NN, then &colNN (from 01, in descriptor order)
// only when the interface has more than one top-level collection.
class HidPath {
public:
    static std::string Build(const std::string& node, const HidAttributes& attributes,
                             std::optional<uint16_t> interfaceNumber, size_t collectionIndex, size_t collectionCount);
    // One entry per collection of an interface, in descriptor order.
    static void Describe(const std::string& node, const HidAttributes& attributes,
                         std::optional<uint16_t> interfaceNumber, const std::vector<HidCollection>& collections,
                         std::vector<HidInterfaceInfo>& interfaces);
    // The node part of a path: everything before the first '&'.
    static std::string Node(const std::string& path);
    // The collection a path names among an interface's collections; none
    // when the path's "&col" does not fit them (a lone collection has none).
    static std::optional<size_t> CollectionIndex(const std::string& path, size_t collectionCount);
    // False when the path names a vendor or product id other than these.
    static bool MatchesAttributes(const std::string& path, const HidAttributes& attributes);
};
