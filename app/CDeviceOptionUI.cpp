#include "app/CDeviceOptionUI.h"

#include "device/CKestrelUSBDevice.h"
#include "device/EntryTimerPlan.h"
#include "ui/Option.h"
#include "ui/PaintManager.h"
#include "ui/WindowRegistry.h"

namespace {

// The image stem of a device kind code and variant; nullptr: leave them.
const char* ImageStem(int kindCode, int variant)
{
    switch (kindCode) {
    case 1:
        return "kb_device";
    case 2:
        return "ms_device";
    case 3:
        return variant == 0 ? "hard_mp_device" : variant == 1 ? "soft_mp_device" : nullptr;
    case 4:
    case 7:
        return "hd_device";
    case 5:
        return "hub_device";
    default:
        return "unknow_device";
    }
}

CDeviceOptionUI::ImageSet ImagesOf(const std::string& stem)
{
    const std::string base = "common/device_ico/" + stem;
    return {base + "_normal.png", base + "_selected.png", base + "_synchro_normal.png",
            base + "_synchro_selected.png"};
}

} // namespace

std::string_view CDeviceOptionUI::GetClass() const { return "DeviceOptionUI"; }

bool CDeviceOptionUI::IsClass(std::string_view name) const
{
    return ui::MatchesClass(name, "DeviceOption") || ui::HorizontalLayout::IsClass(name);
}

void CDeviceOptionUI::DoEvent(ui::UiEvent& event)
{
    if (event.type != ui::EventType::Timer || !device_ || !GetManager()) {
        ui::HorizontalLayout::DoEvent(event);
        return;
    }
    const auto id = static_cast<uint32_t>(event.wParam);
    GetManager()->KillTimer(this, id);
    const EntryTimerPlan plan = device_->RunEntryTimer(id, IsOwnVisible());
    const ui::WindowHandle mainWindow = GetManager()->GetHandle();
    const auto row = static_cast<ui::WParam>(device_->KindRow());
    if (plan.online == false) {
        if (id == EntryTimer::kConnect)
            linkFailures_ = (linkFailures_ + 1) % kLinkFailureWrap;
        if (IsOwnVisible())
            ui::SendMessage(mainWindow, ui::Msg::WirelessOnline, row, 0);
    } else if (plan.online == true) {
        ui::SendMessage(mainWindow, ui::Msg::WirelessOnline, row, 1);
    }
    if (id == EntryTimer::kConnect && plan.online != false)
        linkFailures_ = 0;
    for (const EntryTimerPlan::Start& start : plan.timers)
        GetManager()->SetTimer(this, start.id, start.delayMs);
}

void CDeviceOptionUI::SetImages(int kindCode, int variant)
{
    kindCode_ = kindCode;
    variant_ = variant;
    if (const char* stem = ImageStem(kindCode, variant))
        images_ = ImagesOf(stem);
    ShowImages();
}

void CDeviceOptionUI::SetPowerTab(std::string tabName, int index)
{
    powerTab_ = std::move(tabName);
    powerIndex_ = index;
}

void CDeviceOptionUI::BindPage(const std::string& group, const std::string& tabName, int pageIndex)
{
    pageIndex_ = pageIndex;
    if (ui::Option* select = Child("device_select")) {
        select->SetGroup(group);
        select->BindTab(tabName, pageIndex);
    }
}

void CDeviceOptionUI::Select()
{
    if (ui::Option* select = Child("device_select"))
        select->Selected(true);
}

bool CDeviceOptionUI::IsSelected()
{
    ui::Option* select = Child("device_select");
    return select && select->IsSelected();
}

void CDeviceOptionUI::SetSynchronised(bool on)
{
    if (ui::Option* synchro = Child("synchro_device_select"))
        synchro->Selected(on, false);
    ShowImages();
}

bool CDeviceOptionUI::IsSynchronised()
{
    ui::Option* synchro = Child("synchro_device_select");
    return synchro && synchro->IsSelected();
}

void CDeviceOptionUI::SetDeviceName(const std::string& textId)
{
    if (GetManager())
        if (ui::Control* name = GetManager()->FindSubControlByName(this, "device_select_name"))
            name->SetText(textId);
}

ui::Option* CDeviceOptionUI::Child(const char* name)
{
    return GetManager() ? dynamic_cast<ui::Option*>(GetManager()->FindSubControlByName(this, name)) : nullptr;
}

void CDeviceOptionUI::ShowImages()
{
    ui::Option* select = Child("device_select");
    if (!select || images_[0].empty())
        return;
    const bool synchronised = IsSynchronised();
    select->SetNormalImage(images_[synchronised ? 2 : 0]);
    select->SetAttribute("selectedimage", images_[synchronised ? 3 : 1]);
}
