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
    // A node that vanishes or cannot be read mid-walk is skipped (and read
    // again next time); a tree without hidraw lists nothing. Neither is a
    // failure of the listing.
    std::lock_guard guard(lock_);
    std::map<std::string, KnownNode> present;
    for (const std::string& name : SysfsHidrawNode::List(sysfsRoot_)) {
        std::string link = SysfsHidrawNode::ClassLink(sysfsRoot_, name);
        if (link.empty())
            continue;
        auto known = known_.find(name);
        if (known == known_.end() || known->second.link != link) {
            SysfsHidrawNode node;
            std::vector<HidCollection> collections;
            if (!SysfsHidrawNode::Read(sysfsRoot_, name, node) ||
                !HidReportDescriptor::Parse(node.reportDescriptor.data(), node.reportDescriptor.size(), collections))
                continue;
            KnownNode fresh{std::move(link), {}};
            HidPath::Describe(deviceRoot_ + "/" + name, node.attributes, node.interfaceNumber, collections,
                              fresh.interfaces);
            known = known_.insert_or_assign(name, std::move(fresh)).first;
        }
        interfaces.insert(interfaces.end(), known->second.interfaces.begin(), known->second.interfaces.end());
        present.insert(known_.extract(known));
    }
    known_ = std::move(present);
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
