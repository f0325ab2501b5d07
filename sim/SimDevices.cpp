#include "sim/SimDevices.h"

#include "device/HidPath.h"
#include "sim/SimCatalogue.h"

SimDevices::SimDevices() : backend_(std::make_shared<SimHidBackend>())
{
    backend_->Install();
}

SimDevices::~SimDevices()
{
    backend_->Uninstall();
    for (auto& [name, product] : products_)
        backend_->Unplug(name);
}

std::shared_ptr<SimDeviceMemory> SimDevices::MemoryFor(std::string_view name)
{
    // Both routes of a device reach the same memory.
    const std::string device(name.substr(0, name.find("-receiver")));
    auto& memory = memories_[device];
    if (!memory)
        memory = device == "mouse" ? SimDeviceMemory::Mouse()
                 : device == "keyboard" ? SimDeviceMemory::Keyboard()
                                        : SimDeviceMemory::MousePad();
    return memory;
}

SimDevices::Product* SimDevices::Find(std::string_view name)
{
    if (auto it = products_.find(name); it != products_.end())
        return &it->second;
    const SimProductInfo* info = SimCatalogue::Find(name);
    if (!info)
        return nullptr;
    Product product;
    product.interfaces = SimCatalogue::MakeInterfaces(*info);
    std::shared_ptr<SimHidInterface> owner = product.interfaces.back(); // the command or headset interface
    if (info->kind == kKindHeadset) {
        product.headset = std::make_shared<SimHeadset>();
        product.headset->AttachInterface(owner);
        owner->SetHandler(product.headset);
    } else {
        product.firmware = std::make_shared<SimFirmware>(MemoryFor(name), info->viaReceiver);
        product.firmware->AttachInterface(owner);
        // Pulled by a fault from inside its own handler: only the backend's
        // lists change, nothing waits on the firmware.
        std::weak_ptr<SimHidBackend> backend = backend_;
        product.firmware->SetUnplugAction([backend, productName = std::string(name)] {
            if (auto alive = backend.lock())
                alive->Unplug(productName);
        });
        owner->SetHandler(product.firmware);
    }
    return &products_.emplace(std::string(name), std::move(product)).first->second;
}

SimFirmware* SimDevices::Plug(std::string_view name)
{
    Product* product = Find(name);
    if (!product || !product->firmware)
        return nullptr;
    for (auto& interface : product->interfaces)
        backend_->Plug(interface);
    return product->firmware.get();
}

SimHeadset& SimDevices::PlugHeadset()
{
    Product* product = Find("headset");
    for (auto& interface : product->interfaces)
        backend_->Plug(interface);
    return *product->headset;
}

void SimDevices::Unplug(std::string_view name)
{
    backend_->Unplug(std::string(name));
}

void SimDevices::PlugDemoSet()
{
    Plug("mouse");
    Plug("keyboard");
    Plug("mousepad");
    PlugHeadset();
}

SimFirmware* SimDevices::Firmware(std::string_view name)
{
    Product* product = Find(name);
    return product ? product->firmware.get() : nullptr;
}

SimHeadset& SimDevices::Headset()
{
    return *Find("headset")->headset;
}

std::string SimDevices::CommandPath(std::string_view name)
{
    const SimProductInfo* info = SimCatalogue::Find(name);
    if (!info)
        return {};
    const HidAttributes attributes{info->vendorId, info->productId, 0};
    const std::string node = std::string(SimHidBackend::kPrefix) + std::string(name);
    if (info->kind == kKindHeadset)
        return HidPath::Build(node, attributes, SimCatalogue::kHeadsetInterface, 0, 1);
    return HidPath::Build(node, attributes, SimCatalogue::kCommandInterface, 3, 4);
}

std::string SimDevices::NotificationPath(std::string_view name)
{
    const SimProductInfo* info = SimCatalogue::Find(name);
    if (!info)
        return {};
    if (info->kind == kKindHeadset)
        return CommandPath(name);
    const HidAttributes attributes{info->vendorId, info->productId, 0};
    return HidPath::Build(std::string(SimHidBackend::kPrefix) + std::string(name), attributes,
                          SimCatalogue::kCommandInterface, 2, 4);
}
