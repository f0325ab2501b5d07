#pragma once

#include "ui/Messages.h"

#include <array>

// The numbers of the registered messages, obtained once by their names
// (MessageNames) at start-up and read by every window and thread after that.
struct RegisteredMessages {
    ui::MessageId activateInstance = 0;
    ui::MessageId updateProgress = 0;
    ui::MessageId lightOwner = 0;
    ui::MessageId lightControl = 0;
    ui::MessageId toolQuery = 0;
    std::array<ui::MessageId, 4> gameEvents{};
    std::array<ui::MessageId, 20> hook{};

    // Registers every name (the same name always gives the same number).
    static RegisteredMessages Register();
    bool IsGameEvent(ui::MessageId message) const;
};
