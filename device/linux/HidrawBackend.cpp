#include "device/linux/HidrawBackend.h"

#include "device/HidPath.h"
#include "device/HidPlatform.h"
#include "device/HidReportDescriptor.h"
#include "device/linux/HidrawConnection.h"
#include "device/linux/SysfsHidrawNode.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

std::shared_ptr<HidBackend> CreatePlatformHidBackend(const std::string& sysfsRoot, const std::string& deviceRoot)
{
    return std::make_shared<HidrawBackend>(sysfsRoot, deviceRoot);
}

HidrawBackend::HidrawBackend(std::string sysfsRoot, std::string deviceRoot)
    : sysfsRoot_(std::move(sysfsRoot)), deviceRoot_(std::move(deviceRoot))
{
}

const HidrawBackend::KnownNode* HidrawBackend::DescribeLocked(const std::string& name)
{
    std::string link = SysfsHidrawNode::ClassLink(sysfsRoot_, name);
    auto known = known_.find(name);
    if (known != known_.end() && !link.empty() && known->second.link == link)
        return &known->second;
    if (known != known_.end())
        known_.erase(known);
    SysfsHidrawNode node;
    KnownNode fresh{std::move(link), {}, {}, {}};
    if (fresh.link.empty() || !SysfsHidrawNode::Read(sysfsRoot_, name, node) ||
        !HidReportDescriptor::Parse(node.reportDescriptor.data(), node.reportDescriptor.size(), fresh.collections))
        return nullptr;
    fresh.attributes = node.attributes;
    HidPath::Describe(deviceRoot_ + "/" + name, node.attributes, node.interfaceNumber, fresh.collections,
                      fresh.interfaces);
    return &known_.emplace(name, std::move(fresh)).first->second;
}

bool HidrawBackend::Enumerate(std::vector<HidInterfaceInfo>& interfaces)
{
    // A node that vanishes or cannot be read mid-walk is skipped (and read
    // again next time); a tree without hidraw lists nothing. Neither is a
    // failure of the listing.
    std::lock_guard guard(lock_);
    const std::vector<std::string> names = SysfsHidrawNode::List(sysfsRoot_);
    for (const std::string& name : names)
        if (const KnownNode* node = DescribeLocked(name))
            interfaces.insert(interfaces.end(), node->interfaces.begin(), node->interfaces.end());
    std::erase_if(known_, [&](const auto& entry) {
        return std::find(names.begin(), names.end(), entry.first) == names.end();
    });
    return true;
}

std::shared_ptr<HidConnection> HidrawBackend::Open(const std::string& path, const HidOpenMode& mode)
{
    const std::string nodePath = HidPath::Node(path);
    const std::string name = std::filesystem::path(nodePath).filename().string();
    HidAttributes attributes;
    std::optional<HidCollection> collection;
    {
        std::lock_guard guard(lock_);
        const KnownNode* node = DescribeLocked(name);
        if (!node)
            return nullptr;
        // The node number may have been given to another device since the
        // path was listed.
        const auto index = HidPath::CollectionIndex(path, node->collections.size());
        if (!index || !HidPath::MatchesAttributes(path, node->attributes))
            return nullptr;
        attributes = node->attributes;
        collection = node->collections[*index];
    }

    int flags = O_CLOEXEC | O_NONBLOCK;
    if (mode.read && mode.write)
        flags |= O_RDWR;
    else if (mode.read)
        flags |= O_RDONLY;
    else if (mode.write)
        flags |= O_WRONLY;
    else
        flags = O_CLOEXEC | O_PATH; // presence probe
    const int fd = open(nodePath.c_str(), flags);
    if (fd < 0)
        return nullptr;
    return HidrawConnection::Create(attributes, std::move(*collection), fd, mode.read, mode.write);
}
