#pragma once

#include "device/HidBackend.h"
#include "device/HidBackendRegistry.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Stands in front of another backend under its prefix and writes down what
// the transport asks of it: how often it was listed and which paths were
// opened (and how). Install() registers it for the life of the handle.
class RecordingBackend : public HidBackend {
public:
    struct OpenRecord {
        std::string path;
        HidOpenMode mode;
    };

    class Installed {
    public:
        Installed(std::string prefix, std::shared_ptr<RecordingBackend> backend)
            : prefix_(std::move(prefix)), backend_(std::move(backend))
        {
            HidBackendRegistry::RegisterBackend(prefix_, backend_);
        }
        ~Installed() { HidBackendRegistry::UnregisterBackend(prefix_, backend_.get()); }
        Installed(const Installed&) = delete;
        Installed& operator=(const Installed&) = delete;
        RecordingBackend* operator->() const { return backend_.get(); }

    private:
        std::string prefix_;
        std::shared_ptr<RecordingBackend> backend_;
    };

    RecordingBackend(std::shared_ptr<HidBackend> inner, bool failListing = false)
        : inner_(std::move(inner)), failListing_(failListing)
    {
    }

    static std::unique_ptr<Installed> Install(std::string prefix, std::shared_ptr<HidBackend> inner,
                                              bool failListing = false)
    {
        return std::make_unique<Installed>(std::move(prefix),
                                           std::make_shared<RecordingBackend>(std::move(inner), failListing));
    }

    bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override
    {
        ++listings_;
        if (failListing_)
            return false;
        return !inner_ || inner_->Enumerate(interfaces);
    }
    std::shared_ptr<HidConnection> Open(const std::string& path, const HidOpenMode& mode) override
    {
        {
            std::lock_guard guard(lock_);
            opened_.push_back({path, mode});
        }
        return inner_ ? inner_->Open(path, mode) : nullptr;
    }

    int Listings() const { return listings_; }
    std::vector<OpenRecord> Opened() const
    {
        std::lock_guard guard(lock_);
        return opened_;
    }

private:
    std::shared_ptr<HidBackend> inner_;
    bool failListing_;
    std::atomic<int> listings_{0};
    mutable std::mutex lock_;
    std::vector<OpenRecord> opened_;
};
