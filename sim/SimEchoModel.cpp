#include "sim/SimEchoModel.h"

#include "sim/SimHidInterface.h"

bool SimEchoModel::OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length)
{
    if (writesFail_)
        return false;
    from.SendInput(std::vector<uint8_t>(report, report + length));
    return true;
}
