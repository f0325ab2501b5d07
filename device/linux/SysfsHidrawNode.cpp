#include "device/linux/SysfsHidrawNode.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxDescriptorSize = 4096; // the kernel's own limit

bool ReadFile(const fs::path& path, std::string& text, size_t limit)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(limit, '\0');
    file.read(text.data(), static_cast<std::streamsize>(limit));
    if (file.bad())
        return false;
    text.resize(static_cast<size_t>(file.gcount()));
    return true;
}

std::optional<unsigned long> ReadHexNumber(const fs::path& path)
{
    std::string text;
    if (!ReadFile(path, text, 64) || text.empty())
        return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (end == text.c_str())
        return std::nullopt;
    return value;
}

// HID_ID=0003:0000320F:00007C1F (bus, vendor, product).
bool ParseHidId(const std::string& uevent, unsigned& bus, HidAttributes& attributes)
{
    std::istringstream lines(uevent);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("HID_ID=", 0) != 0)
            continue;
        unsigned long fields[3];
        const char* at = line.c_str() + 7;
        for (unsigned long& field : fields) {
            char* end = nullptr;
            field = std::strtoul(at, &end, 16);
            if (end == at)
                return false;
            at = *end == ':' ? end + 1 : end;
        }
        bus = static_cast<unsigned>(fields[0]);
        attributes.vendorId = static_cast<uint16_t>(fields[1]);
        attributes.productId = static_cast<uint16_t>(fields[2]);
        return true;
    }
    return false;
}

std::optional<unsigned long> NodeNumber(const std::string& name)
{
    if (name.rfind("hidraw", 0) != 0 || name.size() == 6)
        return std::nullopt;
    if (!std::all_of(name.begin() + 6, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::strtoul(name.c_str() + 6, nullptr, 10);
}

} // namespace

std::vector<std::string> SysfsHidrawNode::List(const std::string& sysfsRoot)
{
    std::vector<std::pair<unsigned long, std::string>> found;
    std::error_code error;
    fs::directory_iterator entries(fs::path(sysfsRoot) / "class" / "hidraw", error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (const auto number = NodeNumber(name))
            found.emplace_back(*number, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& entry : found)
        names.push_back(std::move(entry.second));
    return names;
}

std::string SysfsHidrawNode::ClassLink(const std::string& sysfsRoot, const std::string& name)
{
    std::error_code error;
    const fs::path link = fs::read_symlink(fs::path(sysfsRoot) / "class" / "hidraw" / name, error);
    return error ? std::string() : link.string();
}

bool SysfsHidrawNode::Read(const std::string& sysfsRoot, const std::string& name, SysfsHidrawNode& node)
{
    if (!NodeNumber(name))
        return false;
    std::error_code error;
    const fs::path hidDevice = fs::canonical(fs::path(sysfsRoot) / "class" / "hidraw" / name / "device", error);
    if (error)
        return false;
    std::string uevent;
    unsigned bus = 0;
    node = SysfsHidrawNode{};
    node.name = name;
    if (!ReadFile(hidDevice / "uevent", uevent, 4096) || !ParseHidId(uevent, bus, node.attributes))
        return false;
    std::string descriptor;
    if (!ReadFile(hidDevice / "report_descriptor", descriptor, kMaxDescriptorSize + 1) ||
        descriptor.size() > kMaxDescriptorSize)
        return false;
    node.reportDescriptor.assign(descriptor.begin(), descriptor.end());

    constexpr unsigned kBusUsb = 0x03;
    if (bus == kBusUsb) {
        // .../<usb device>/<usb interface>/<hid device>
        const fs::path usbInterface = hidDevice.parent_path();
        if (const auto number = ReadHexNumber(usbInterface / "bInterfaceNumber"))
            node.interfaceNumber = static_cast<uint16_t>(*number);
        if (const auto release = ReadHexNumber(usbInterface.parent_path() / "bcdDevice"))
            node.attributes.versionNumber = static_cast<uint16_t>(*release);
    }
    return true;
}
