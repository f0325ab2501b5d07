#pragma once

#include "tests/support/TempFolder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A sysfs tree laid out as the kernel lays out USB HID devices (class
// symlinks, the HID device's uevent and report_descriptor, the USB
// interface's bInterfaceNumber, the device's bcdDevice) and a folder of
// stand-in device nodes.
class SysfsFixture {
public:
    std::string SysfsRoot() const { return folder_ / "sys"; }
    std::string DeviceRoot() const { return folder_ / "dev"; }

    // Adds hidraw<number> for a USB HID interface; returns its HID device folder.
    std::string AddNode(unsigned number, uint16_t vendor, uint16_t product, unsigned interfaceNumber,
                        const std::vector<uint8_t>& descriptor, unsigned bus = 3)
    {
        namespace fs = std::filesystem;
        char names[128];
        std::snprintf(names, sizeof(names), "usb1/1-%u", number);
        const fs::path usbDevice = fs::path(SysfsRoot()) / "devices/pci0000:00/0000:00:14.0" / names;
        std::snprintf(names, sizeof(names), "1-%u:1.%u", number, interfaceNumber);
        const fs::path usbInterface = usbDevice / names;
        std::snprintf(names, sizeof(names), "%04X:%04X:%04X.%04X", bus, vendor, product, number);
        const fs::path hidDevice = usbInterface / names;
        const std::string node = "hidraw" + std::to_string(number);
        fs::create_directories(hidDevice / "hidraw" / node);
        fs::create_directories(fs::path(SysfsRoot()) / "class/hidraw");
        fs::create_directories(DeviceRoot());
        Write(usbDevice / "bcdDevice", "0102\n");
        std::snprintf(names, sizeof(names), "%02x\n", interfaceNumber);
        Write(usbInterface / "bInterfaceNumber", names);
        std::snprintf(names, sizeof(names), "HID_ID=%04X:%08X:%08X\n", bus, vendor, product);
        Write(hidDevice / "uevent", std::string("DRIVER=hid-generic\n") + names + "HID_NAME=Test Device\n");
        Write(hidDevice / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
        fs::create_directory_symlink("../../../" + hidDevice.filename().string(),
                                     hidDevice / "hidraw" / node / "device");
        fs::create_directory_symlink(fs::relative(hidDevice / "hidraw" / node, fs::path(SysfsRoot()) / "class/hidraw"),
                                     fs::path(SysfsRoot()) / "class/hidraw" / node);
        Write(fs::path(DeviceRoot()) / node, "");
        return hidDevice.string();
    }

    static void Write(const std::filesystem::path& path, const std::string& content)
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << content;
    }

private:
    TempFolder folder_;
};
