#pragma once

#include <cstdint>
#include <string>

// Device kind codes: the product and the route it is reached by.
enum DeviceKindCode : uint16_t {
    kKindKeyboard = 1,         // on its own cable
    kKindMouse = 2,            // on its own cable
    kKindMousePad = 3,
    kKindMouseReceiver = 6,    // through its wireless receiver
    kKindHeadset = 7,
    kKindKeyboardReceiver = 9, // through its wireless receiver
};

// Interface roles.
constexpr uint16_t kRoleCommand = 0;        // takes vendor commands
constexpr uint16_t kRoleNotification = 255; // sends device events

// One row of the built-in catalogue of supported HID interfaces.
struct SupportedDeviceEntry {
    uint16_t vendorId;
    uint16_t productId;
    uint16_t interfaceNumber;  // the "&mi_" field of the path
    uint16_t collectionNumber; // the "&col" field; 0 for an interface with one collection
    uint16_t kind;
    uint16_t role;
    uint16_t connected;
    uint16_t usagePage;
    uint16_t usage;
    uint16_t hasPartner; // the same interface also exists through the other route
    uint16_t partner;    // catalogue row of that interface
};

// One HID interface as the program knows it: a catalogue row plus, while the
// interface is present and claimed, its path.
struct DeviceIdentity : SupportedDeviceEntry {
    std::string devicePath;

    DeviceIdentity() : SupportedDeviceEntry{} {}
    explicit DeviceIdentity(const SupportedDeviceEntry& entry) : SupportedDeviceEntry(entry) {}

    bool IsFree() const { return connected == 0 && devicePath.empty(); }

    // Equal when they name the same interface of the same product in the same
    // role; connected, the partner fields and the path take no part.
    friend bool operator==(const DeviceIdentity& a, const DeviceIdentity& b)
    {
        return a.vendorId == b.vendorId && a.productId == b.productId &&
               a.interfaceNumber == b.interfaceNumber &&
               a.collectionNumber == b.collectionNumber && a.kind == b.kind &&
               a.role == b.role && a.usagePage == b.usagePage && a.usage == b.usage;
    }
};
