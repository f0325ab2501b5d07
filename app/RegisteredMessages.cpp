#include "app/RegisteredMessages.h"

#include "app/MessageNames.h"
#include "ui/WindowRegistry.h"

#include <algorithm>

RegisteredMessages RegisteredMessages::Register()
{
    RegisteredMessages ids;
    ids.activateInstance = ui::RegisterWindowMessage(MessageNames::kActivateInstance);
    ids.updateProgress = ui::RegisterWindowMessage(MessageNames::kUpdateProgress);
    ids.lightOwner = ui::RegisterWindowMessage(MessageNames::kLightOwner);
    ids.lightControl = ui::RegisterWindowMessage(MessageNames::kLightControl);
    ids.toolQuery = ui::RegisterWindowMessage(MessageNames::kToolQuery);
    for (size_t i = 0; i < ids.gameEvents.size(); ++i)
        ids.gameEvents[i] = ui::RegisterWindowMessage(MessageNames::kGameEvents[i]);
    for (size_t i = 0; i < ids.hook.size(); ++i)
        ids.hook[i] = ui::RegisterWindowMessage(MessageNames::kHookMessages[i]);
    return ids;
}

bool RegisteredMessages::IsGameEvent(ui::MessageId message) const
{
    return message != 0 && std::find(gameEvents.begin(), gameEvents.end(), message) != gameEvents.end();
}
