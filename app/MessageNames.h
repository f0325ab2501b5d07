#pragma once

#include <array>
#include <string_view>

// Names of the registered messages this program shares with its other
// copies, its input hook, companion programs and games. The same name gives
// the same message number everywhere in the process.
namespace MessageNames {

constexpr std::string_view kActivateInstance = "Veltrane Software";
constexpr std::string_view kUpdateProgress = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
constexpr std::string_view kLightOwner = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
constexpr std::string_view kLightControl = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
constexpr std::string_view kToolQuery = "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}";

constexpr std::array<std::string_view, 4> kGameEvents = {"Game_Start", "Game_End", "Game_Kill",
                                                         "Game_Death"};

// The input hook's messages, in the hook's own numbering (1 to 20). The 15th
// and the 19th are the same name and so the same message.
constexpr std::array<std::string_view, 20> kHookMessages = {
    "WM_HOOK_KEY_SINGLEKEY_MSG",       "WM_HOOK_KEY_HITKEY_MSG",
    "WM_HOOK_KEY_KBMACRO_MSG",         "WM_HOOK_KEY_MSMACRO_MSG",
    "WM_HOOK_KEY_KBMACROSINGLE_MSG",   "WM_HOOK_KEY_KBMACROPREVIOUS_MSG",
    "WM_HOOK_KEY_KBMACROLATER_MSG",    "WM_HOOK_MOU_SINGLEKEY_MSG",
    "WM_HOOK_MOU_HITKEY_MSG",          "WM_HOOK_MOU_KBMACRO_MSG",
    "WM_HOOK_MOU_MSMACRO_MSG",         "WM_HOOK_KEY_MSMACROSINGLE_MSG",
    "WM_HOOK_KEY_MSMACROPREVIOUS_MSG", "WM_HOOK_KEY_MSMACROLATER_MSG",
    "UWM_MOUSERBUTTONDOWN_USER_MSG",   "UWM_MOUSELBUTTONUP_USER_MSG",
    "UWM_MOUSELBUTTONDOWN_USER_MSG",   "UWM_MOUSERBUTTONUP_USER_MSG",
    "UWM_MOUSERBUTTONDOWN_USER_MSG",   "UWM_MOUSEMOVE_USER_MSG"};

// The messages other programs may send this one. The lighting owner
// broadcast is this program's own and is not taken from outside.
constexpr std::array<std::string_view, 8> kAcceptedFromOutside = {
    kActivateInstance, kUpdateProgress, kLightControl, kToolQuery,
    kGameEvents[0],    kGameEvents[1],  kGameEvents[2], kGameEvents[3]};

} // namespace MessageNames
