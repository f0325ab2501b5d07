#include "app/ControlClassTable.h"

#include "app/CDeviceOptionUI.h"
#include "app/CMpDevicePowerUI.h"
#include "app/PlaceholderContainer.h"
#include "device/CKestrelUSBDevice.h"
#include "ui/ControlFactory.h"

#include <string>

std::string_view ControlClassTag(std::string_view className)
{
    if (className.starts_with('C'))
        className.remove_prefix(1);
    if (className.ends_with("UI"))
        className.remove_suffix(2);
    return className;
}

void RegisterControlClasses()
{
    ui::ControlFactory& factory = ui::ControlFactory::Instance();
    for (std::string_view name : kControlClassTable) {
        ui::ControlFactory::Creator creator;
        if (name == "CDeviceOptionUI")
            creator = [] { return new CDeviceOptionUI; };
        else if (name == "CMpDevicePowerUI")
            creator = [] { return new CMpDevicePowerUI; };
        else if (name == "CKestrelUSBDevice")
            creator = [] { return new CKestrelUSBDevice; };
        else
            creator = [tag = std::string(ControlClassTag(name))] { return new PlaceholderContainer(tag); };
        factory.Register(std::string(name), std::move(creator));
    }
}
