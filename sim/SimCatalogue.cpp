#include "sim/SimCatalogue.h"

#include "sim/SimDescriptors.h"

#include <string>

const std::vector<SimProductInfo>& SimCatalogue::Products()
{
    static const std::vector<SimProductInfo> products = {
        {"mouse", 0x320F, 0x7C1F, kKindMouse, false},
        {"mouse-receiver", 0x320F, 0x7C20, kKindMouseReceiver, true},
        {"keyboard", 0x320F, 0x505B, kKindKeyboard, false},
        {"keyboard-receiver", 0x320F, 0x5088, kKindKeyboardReceiver, true},
        {"mousepad", 0x320F, 0x1004, kKindMousePad, false},
        {"headset", 0x0C76, 0x1630, kKindHeadset, false},
    };
    return products;
}

const SimProductInfo* SimCatalogue::Find(std::string_view name)
{
    for (const SimProductInfo& product : Products())
        if (product.name == name)
            return &product;
    return nullptr;
}

std::vector<std::shared_ptr<SimHidInterface>> SimCatalogue::MakeInterfaces(const SimProductInfo& product)
{
    const HidAttributes attributes{product.vendorId, product.productId, 0x0102};
    const std::string name(product.name);
    std::vector<std::shared_ptr<SimHidInterface>> interfaces;
    if (product.kind == kKindHeadset) {
        interfaces.push_back(std::make_shared<SimHidInterface>(name, attributes, kHeadsetInterface,
                                                               SimDescriptors::HeadsetInterface()));
        return interfaces;
    }
    if (product.kind == kKindMouse || product.kind == kKindMouseReceiver)
        interfaces.push_back(std::make_shared<SimHidInterface>(name, attributes, 0, SimDescriptors::MouseInterface()));
    if (product.kind == kKindKeyboard || product.kind == kKindKeyboardReceiver)
        interfaces.push_back(
            std::make_shared<SimHidInterface>(name, attributes, 0, SimDescriptors::KeyboardInterface()));
    interfaces.push_back(std::make_shared<SimHidInterface>(name, attributes, kCommandInterface,
                                                           SimDescriptors::CommandInterface()));
    return interfaces;
}
