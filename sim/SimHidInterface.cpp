#include "sim/SimHidInterface.h"

#include "device/HidReportDescriptor.h"

SimHidInterface::SimHidInterface(std::string productName, HidAttributes attributes, uint16_t interfaceNumber,
                                 std::vector<uint8_t> reportDescriptor)
    : productName_(std::move(productName)), attributes_(attributes), interfaceNumber_(interfaceNumber)
{
    HidReportDescriptor::Parse(reportDescriptor.data(), reportDescriptor.size(), collections_);
}

void SimHidInterface::SetHandler(std::shared_ptr<SimReportHandler> handler)
{
    std::lock_guard guard(lock_);
    handler_ = std::move(handler);
}

bool SimHidInterface::IsPlugged() const
{
    std::lock_guard guard(lock_);
    return plugged_;
}

bool SimHidInterface::SendInput(const std::vector<uint8_t>& report, int delayMs)
{
    if (report.empty())
        return false;
    const auto due = SimHidConnection::Clock::now() + std::chrono::milliseconds(delayMs);
    std::lock_guard guard(lock_);
    if (!plugged_)
        return false;
    std::erase_if(connections_, [](const auto& weak) { return weak.expired(); });
    for (const auto& weak : connections_)
        if (auto connection = weak.lock(); connection && connection->Collection().HasReport(HidReportType::Input,
                                                                                            report[0]))
            connection->Deliver(report, due);
    return true;
}

std::shared_ptr<SimHidConnection> SimHidInterface::Connect(size_t collectionIndex, const HidOpenMode& mode)
{
    std::lock_guard guard(lock_);
    if (!plugged_ || collectionIndex >= collections_.size())
        return nullptr;
    auto connection = std::make_shared<SimHidConnection>(attributes_, collections_[collectionIndex],
                                                         shared_from_this(), mode.read, mode.write);
    std::erase_if(connections_, [](const auto& weak) { return weak.expired(); });
    connections_.push_back(connection);
    return connection;
}

void SimHidInterface::SetPlugged(bool plugged)
{
    std::lock_guard guard(lock_);
    plugged_ = plugged;
    if (plugged)
        return;
    // A pulled device's open handles stay dead, as a vanished node's do.
    for (const auto& weak : connections_)
        if (auto connection = weak.lock())
            connection->Kill();
    connections_.clear();
}

bool SimHidInterface::DeliverOutput(const uint8_t* report, size_t length)
{
    std::shared_ptr<SimReportHandler> handler;
    {
        std::lock_guard guard(lock_);
        if (!plugged_)
            return false;
        handler = handler_;
    }
    return handler && handler->OnOutputReport(*this, report, length);
}

size_t SimHidInterface::PendingInput() const
{
    std::lock_guard guard(lock_);
    size_t pending = 0;
    for (const auto& weak : connections_)
        if (auto connection = weak.lock())
            pending += connection->Pending();
    return pending;
}
