#include "app/CMpDevicePowerUI.h"

std::string_view CMpDevicePowerUI::GetClass() const { return "MpDevicePowerUI"; }

bool CMpDevicePowerUI::IsClass(std::string_view name) const
{
    return ui::MatchesClass(name, "MpDevicePower") || ui::VerticalLayout::IsClass(name);
}
