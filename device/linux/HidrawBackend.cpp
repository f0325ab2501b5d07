#include "device/linux/HidrawBackend.h"

#include "device/HidPath.h"
#include "device/HidPlatform.h"
#include "device/HidReportDescriptor.h"
#include "device/linux/HidrawConnection.h"
#include "device/linux/SysfsHidrawNode.h"

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

bool HidrawBackend::Enumerate(std::vector<HidInterfaceInfo>& interfaces)
{
    // A node that vanishes or cannot be read mid-walk is skipped; a tree
    // without hidraw lists nothing. Neither is a failure of the listing.
    for (const std::string& name : SysfsHidrawNode::List(sysfsRoot_)) {
        SysfsHidrawNode node;
        std::vector<HidCollection> collections;
        if (!SysfsHidrawNode::Read(sysfsRoot_, name, node) ||
            !HidReportDescriptor::Parse(node.reportDescriptor.data(), node.reportDescriptor.size(), collections))
            continue;
        HidPath::Describe(deviceRoot_ + "/" + name, node.attributes, node.interfaceNumber, collections, interfaces);
    }
    return true;
}

std::shared_ptr<HidConnection> HidrawBackend::Open(const std::string& path, const HidOpenMode& mode)
{
    const std::string nodePath = HidPath::Node(path);
    const std::string name = std::filesystem::path(nodePath).filename().string();
    SysfsHidrawNode node;
    std::vector<HidCollection> collections;
    if (!SysfsHidrawNode::Read(sysfsRoot_, name, node) ||
        !HidReportDescriptor::Parse(node.reportDescriptor.data(), node.reportDescriptor.size(), collections))
        return nullptr;
    // The node number may have been given to another device since the path
    // was listed.
    const auto index = HidPath::CollectionIndex(path, collections.size());
    if (!index || !HidPath::MatchesAttributes(path, node.attributes))
        return nullptr;

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
    return HidrawConnection::Create(node.attributes, collections[*index], fd, mode.read, mode.write);
}
