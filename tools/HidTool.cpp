#include "tools/HidTool.h"

#include "device/HidBackendRegistry.h"
#include "device/HidDevice.h"
#include "device/HidPlatform.h"
#include "sim/SimCatalogue.h"
#include "sim/SimEchoModel.h"
#include "sim/SimHidBackend.h"

#include <cstdio>
#include <memory>

namespace {

constexpr const char* kUsage =
    "usage: veltrane-hidtool list [--sysfs DIR] [--sim]\n";

// Restores the machine's backend and removes the simulated one when the
// command ends, so an in-process caller finds the transport as it was.
class BackendScope {
public:
    ~BackendScope()
    {
        if (sim_)
            sim_->Uninstall();
        if (replacedPlatform_)
            HidBackendRegistry::SetPlatformBackend(nullptr);
    }
    void UseSysfs(const std::string& root)
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend(root, "/dev"));
        replacedPlatform_ = true;
    }
    void UseSimulatedProducts()
    {
        sim_ = std::make_shared<SimHidBackend>();
        for (const SimProductInfo& product : SimCatalogue::Products()) {
            for (auto& interface : SimCatalogue::MakeInterfaces(product)) {
                interface->SetHandler(std::make_shared<SimEchoModel>());
                sim_->Plug(interface);
            }
        }
        sim_->Install();
    }

private:
    std::shared_ptr<SimHidBackend> sim_;
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

} // namespace

int HidTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    BackendScope scope;
    bool sim = false;
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sysfs" && i + 1 < args.size()) {
            scope.UseSysfs(args[++i]);
        } else if (args[i] == "--sim") {
            sim = true;
        } else if (args[i].rfind("--", 0) == 0) {
            err << kUsage;
            return 2;
        } else {
            words.push_back(args[i]);
        }
    }
    if (sim)
        scope.UseSimulatedProducts();
    if (words.size() == 1 && words[0] == "list")
        return List(out);
    err << kUsage;
    return 2;
}
