#include "tools/hidtool/HidTool.h"

#include "device/DeviceChannels.h"
#include "device/DeviceProtocol.h"
#include "device/HidBackendRegistry.h"
#include "device/HidDevice.h"
#include "device/HidPlatform.h"
#include "device/SupportedDevices.h"
#include "sim/SimCatalogue.h"
#include "sim/SimDevices.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace {

constexpr const char* kUsage =
    "usage: veltrane-hidtool list [--sysfs DIR] [--sim]\n"
    "       veltrane-hidtool --sim [--device NAME] [--fault KIND] COMMAND\n"
    "       veltrane-hidtool [--sysfs DIR] --path PATH COMMAND\n"
    "NAME: mouse, mouse-receiver, keyboard, keyboard-receiver, mousepad (default mouse)\n"
    "KIND: no-reply, wrong-echo, status-ff, status-fe, device-off, write-fails\n"
    "COMMAND: info | read-settings OFFSET LENGTH | write-settings OFFSET HEX | read-keys | status | link\n";

// Whether the catalogue lists the product as a wireless receiver: its channel
// goes through the receiver route.
bool IsReceiverProduct(uint16_t vendorId, uint16_t productId)
{
    for (const SupportedDeviceEntry& row : kSupportedDevices)
        if (row.vendorId == vendorId && row.productId == productId)
            return DeviceChannels::IsReceiverKind(row.kind);
    return false;
}

// Restores the machine's backend and removes the simulated one when the
// command ends, so an in-process caller finds the transport as it was.
class BackendScope {
public:
    ~BackendScope()
    {
        sim_.reset();
        if (replacedPlatform_)
            HidBackendRegistry::SetPlatformBackend(nullptr);
    }
    void UseSysfs(const std::string& root)
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend(root, "/dev"));
        replacedPlatform_ = true;
    }
    SimDevices& UseSimulatedProducts()
    {
        sim_ = std::make_unique<SimDevices>();
        for (const SimProductInfo& product : SimCatalogue::Products()) {
            if (product.kind == kKindHeadset)
                sim_->PlugHeadset();
            else
                sim_->Plug(product.name);
        }
        return *sim_;
    }

private:
    std::unique_ptr<SimDevices> sim_;
    bool replacedPlatform_ = false;
};

int List(std::ostream& out)
{
    std::vector<HidInterfaceInfo> interfaces;
    HidBackendRegistry::Enumerate(interfaces);
    for (const HidInterfaceInfo& info : interfaces) {
        char line[256];
        std::snprintf(line, sizeof(line), " vid=%04x pid=%04x mi=%u col=%u up=%04x u=%04x in=%u out=%u feat=%u\n",
                      info.attributes.vendorId, info.attributes.productId,
                      HidDevice::ParseHexField(info.path, "&mi_"), HidDevice::ParseHexField(info.path, "&col"),
                      info.caps.usagePage, info.caps.usage, info.caps.inputReportByteLength,
                      info.caps.outputReportByteLength, info.caps.featureReportByteLength);
        out << info.path << line;
    }
    return 0;
}

std::string Hex(const uint8_t* data, size_t length)
{
    std::string text;
    char digits[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(digits, sizeof(digits), "%02x", data[i]);
        text += digits;
    }
    return text;
}

std::optional<unsigned long> Number(const std::string& text, unsigned long limit)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || value > limit)
        return std::nullopt;
    return value;
}

std::optional<std::vector<uint8_t>> Bytes(const std::string& hex)
{
    if (hex.empty() || hex.size() % 2 != 0 || hex.size() > 2 * 0xFFFF)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const auto value = Number("0x" + hex.substr(i, 2), 0xFF);
        if (!value || hex[i] == '+' || hex[i] == '-' || hex[i] == ' ')
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(*value));
    }
    return bytes;
}

void PrintResult(std::ostream& out, int result, const uint8_t* data = nullptr, size_t length = 0)
{
    out << "result=" << result << "\n";
    if (result == kResultOk && data)
        out << "data=" << Hex(data, length) << "\n";
}

// Runs one protocol command on an opened channel; false for a usage error.
bool RunCommand(DeviceProtocol& channel, const std::vector<std::string>& words, std::ostream& out)
{
    const std::string& command = words[0];
    if (command == "info" && words.size() == 1) {
        uint8_t info[34] = {};
        int result = channel.BeginTransfer();
        if (result == kResultOk)
            result = channel.ReadDeviceInfo(info);
        if (result == kResultOk)
            result = channel.EndTransfer();
        PrintResult(out, result, info, sizeof(info));
    } else if (command == "read-settings" && words.size() == 3) {
        const auto offset = Number(words[1], 0xFFFF);
        const auto length = Number(words[2], 0xFFFF);
        if (!offset || !length)
            return false;
        std::vector<uint8_t> data(*length);
        const int result = channel.ReadSettings(data.data(), data.size(), static_cast<uint16_t>(*offset));
        PrintResult(out, result, data.data(), data.size());
    } else if (command == "write-settings" && words.size() == 3) {
        const auto offset = Number(words[1], 0xFFFF);
        const auto data = Bytes(words[2]);
        if (!offset || !data)
            return false;
        int result = channel.BeginTransfer();
        if (result == kResultOk)
            result = channel.WriteSettings(data->data(), data->size(), static_cast<uint16_t>(*offset));
        if (result == kResultOk)
            result = channel.EndTransfer();
        PrintResult(out, result);
    } else if (command == "read-keys" && words.size() == 1) {
        uint8_t info[34] = {};
        uint8_t keys[DeviceProtocol::kMaxKeyTableSize] = {};
        int result = channel.BeginTransfer();
        if (result == kResultOk)
            result = channel.ReadDeviceInfo(info);
        if (result == kResultOk)
            result = channel.SetKeyTableSize(static_cast<uint16_t>(info[5] * 3));
        if (result == kResultOk)
            result = channel.ReadKeyTable(keys);
        if (result == kResultOk)
            result = channel.EndTransfer();
        PrintResult(out, result, keys, channel.KeyTableSize());
    } else if (command == "status" && words.size() == 1) {
        uint8_t status[6] = {};
        PrintResult(out, channel.ReadStatus(status, sizeof(status), 0), status, sizeof(status));
    } else if (command == "link" && words.size() == 1) {
        PrintResult(out, channel.IsLinkUp() ? 1 : 0);
    } else {
        return false;
    }
    return true;
}

bool ApplyFault(SimFirmware& firmware, const std::string& kind)
{
    static const std::map<std::string, SimFaultKind> kinds = {
        {"no-reply", SimFaultKind::NoReply},   {"wrong-echo", SimFaultKind::WrongEcho},
        {"status-ff", SimFaultKind::StatusFF}, {"status-fe", SimFaultKind::StatusFE},
        {"write-fails", SimFaultKind::WriteFails}};
    if (kind == "device-off") {
        if (!firmware.ViaReceiver())
            return false;
        firmware.SetWirelessDeviceOn(false);
        return true;
    }
    const auto it = kinds.find(kind);
    if (it == kinds.end())
        return false;
    firmware.InjectFault(SimFault{it->second});
    return true;
}

} // namespace

int HidTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    BackendScope scope;
    bool sim = false;
    std::string device = "mouse";
    std::string fault;
    std::string path;
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--sysfs" && hasValue) {
            scope.UseSysfs(args[++i]);
        } else if (args[i] == "--sim") {
            sim = true;
        } else if (args[i] == "--device" && hasValue) {
            device = args[++i];
        } else if (args[i] == "--fault" && hasValue) {
            fault = args[++i];
        } else if (args[i] == "--path" && hasValue) {
            path = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            err << kUsage;
            return 2;
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty()) {
        err << kUsage;
        return 2;
    }
    if (words[0] == "list" && words.size() == 1 && path.empty() && fault.empty()) {
        if (sim)
            scope.UseSimulatedProducts();
        return List(out);
    }
    if (sim == !path.empty()) { // exactly one of the two
        err << kUsage;
        return 2;
    }

    bool viaReceiver = false;
    if (sim) {
        const SimProductInfo* product = SimCatalogue::Find(device);
        if (!product || product->kind == kKindHeadset) {
            err << kUsage;
            return 2;
        }
        SimDevices& devices = scope.UseSimulatedProducts();
        if (!fault.empty() && !ApplyFault(*devices.Firmware(device), fault)) {
            err << kUsage;
            return 2;
        }
        path = SimDevices::CommandPath(device);
        viaReceiver = product->viaReceiver;
    } else {
        viaReceiver =
            IsReceiverProduct(HidDevice::ParseHexField(path, "vid_"), HidDevice::ParseHexField(path, "pid_"));
    }

    DeviceProtocol channel;
    HidDevice& interface = viaReceiver ? channel.ReceiverInterface() : channel.DirectInterface();
    if (!interface.Open(path, true, true, true, false)) {
        err << "cannot open " << path << "\n";
        return 1;
    }
    channel.SetOpened(true);
    channel.SelectRoute(viaReceiver ? 2 : 1);
    if (!RunCommand(channel, words, out)) {
        err << kUsage;
        return 2;
    }
    return 0;
}
