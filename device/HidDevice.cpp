#include "device/HidDevice.h"

#include "device/HidBackendRegistry.h"

#include <cctype>
#include <new>

HidDevice::~HidDevice()
{
    Close();
}

bool HidDevice::Enumerate()
{
    std::vector<HidInterfaceInfo> found;
    bool ok = false;
    try {
        ok = HidBackendRegistry::Enumerate(found);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::lock_guard guard(lock_);
    paths_.clear();
    cursor_ = 0;
    if (!ok)
        return false;
    for (HidInterfaceInfo& info : found)
        paths_.push_back(std::move(info.path));
    return true;
}

std::optional<std::string> HidDevice::NextPath()
{
    std::lock_guard guard(lock_);
    if (cursor_ >= paths_.size())
        return std::nullopt;
    return paths_[cursor_++];
}

void HidDevice::FreePathList()
{
    std::lock_guard guard(lock_);
    paths_.clear();
    paths_.shrink_to_fit();
    cursor_ = 0;
}

size_t HidDevice::PathCount() const
{
    std::lock_guard guard(lock_);
    return paths_.size();
}

bool HidDevice::Open(const std::string& path, bool wantRead, bool wantWrite, bool overlapped, bool exclusive)
{
    Close();
    std::shared_ptr<HidConnection> connection =
        HidBackendRegistry::BackendFor(path)->Open(path, HidOpenMode{wantRead, wantWrite, overlapped, exclusive});
    std::lock_guard guard(lock_);
    devicePath_ = path;
    if (!connection)
        return false;
    connection_ = std::move(connection);
    attributes_ = connection_->Attributes();
    caps_ = connection_->Collection().Caps();
    items_ = connection_->Collection().InputDataItems();
    interfaceNumber_ = ParseHexField(path, "&mi_");
    collectionNumber_ = ParseHexField(path, "&col");
    return true;
}

void HidDevice::Close()
{
    std::shared_ptr<HidConnection> connection;
    {
        std::lock_guard guard(lock_);
        connection = std::move(connection_);
        connection_.reset();
        attributes_ = {};
        caps_ = {};
        items_.clear();
    }
    // A reader or writer blocked on the connection keeps it alive until it
    // has seen the cancel and returned.
    if (connection)
        connection->Cancel();
}

bool HidDevice::IsOpen() const
{
    std::lock_guard guard(lock_);
    return connection_ != nullptr;
}

std::shared_ptr<HidConnection> HidDevice::Connection() const
{
    std::lock_guard guard(lock_);
    return connection_;
}

bool HidDevice::Read(uint8_t* buffer, size_t length, size_t* bytesRead, int timeoutMs)
{
    size_t count = 0;
    std::shared_ptr<HidConnection> connection = Connection();
    const bool ok = connection && buffer && connection->Read(buffer, length, count, timeoutMs);
    if (bytesRead)
        *bytesRead = ok ? count : 0;
    return ok;
}

bool HidDevice::Write(const uint8_t* buffer, size_t length, size_t* bytesWritten, int timeoutMs)
{
    size_t count = 0;
    std::shared_ptr<HidConnection> connection = Connection();
    const bool ok = connection && buffer && length > 0 && connection->Write(buffer, length, count, timeoutMs);
    if (bytesWritten)
        *bytesWritten = ok ? count : 0;
    return ok;
}

HidStatus HidDevice::UnpackInputReport(const uint8_t* report, size_t length)
{
    std::lock_guard guard(lock_);
    if (!connection_)
        return HidStatus::InvalidReportLength;
    return connection_->Collection().Unpack(items_, report, length);
}

uint16_t HidDevice::NotificationCode() const
{
    std::lock_guard guard(lock_);
    if (items_.empty() || !items_.front().isButton || items_.front().usages.empty())
        return 0;
    return items_.front().usages.front();
}

uint16_t HidDevice::ParseHexField(std::string_view path, std::string_view key)
{
    if (key.empty() || key.size() > path.size())
        return 0;
    for (size_t at = 0; at + key.size() <= path.size(); ++at) {
        bool same = true;
        for (size_t i = 0; i < key.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(path[at + i])) ==
                   std::tolower(static_cast<unsigned char>(key[i]));
        if (!same)
            continue;
        uint32_t value = 0;
        for (size_t i = at + key.size(); i < path.size(); ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(path[i])));
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            if (digit < 0)
                break;
            value = ((value << 4) | static_cast<uint32_t>(digit)) & 0xFFFF;
        }
        return static_cast<uint16_t>(value);
    }
    return 0;
}

std::string HidDevice::DevicePath() const
{
    std::lock_guard guard(lock_);
    return devicePath_;
}

HidAttributes HidDevice::Attributes() const
{
    std::lock_guard guard(lock_);
    return attributes_;
}

HidCaps HidDevice::Caps() const
{
    std::lock_guard guard(lock_);
    return caps_;
}

uint16_t HidDevice::InterfaceNumber() const
{
    std::lock_guard guard(lock_);
    return interfaceNumber_;
}

uint16_t HidDevice::CollectionNumber() const
{
    std::lock_guard guard(lock_);
    return collectionNumber_;
}

std::vector<HidInputDataItem> HidDevice::InputDataItems() const
{
    std::lock_guard guard(lock_);
    return items_;
}
