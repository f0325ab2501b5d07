#pragma once

#include <cstdint>

// Window messages. The numbering follows the conventional desktop values, so
// the program's fixed message numbers, the ones companion programs send and
// the standard ones below never collide.
namespace ui {

using MessageId = uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

namespace Msg {
// Standard messages.
constexpr MessageId Create = 0x0001;
constexpr MessageId Destroy = 0x0002;
constexpr MessageId Size = 0x0005;
constexpr MessageId Activate = 0x0006;      // wParam 1 activated, 0 deactivated
constexpr MessageId Close = 0x0010;         // wParam: the close code asked for
constexpr MessageId Quit = 0x0012;
constexpr MessageId CopyData = 0x004A;      // lParam: const CopyDataRecord*
constexpr MessageId DisplayChange = 0x007E;
constexpr MessageId KeyDown = 0x0100;
constexpr MessageId KeyUp = 0x0101;
constexpr MessageId SysKeyDown = 0x0104;
constexpr MessageId SysCommand = 0x0112;    // wParam: one of SysCommand::*
constexpr MessageId Timer = 0x0113;         // wParam: timer id
constexpr MessageId LeftButtonDown = 0x0201;
constexpr MessageId LeftButtonUp = 0x0202;  // 514
constexpr MessageId RightButtonDown = 0x0204;
constexpr MessageId RightButtonUp = 0x0205; // 517
constexpr MessageId PowerBroadcast = 0x0218; // wParam: one of Power::*
constexpr MessageId MouseHover = 0x02A1;
constexpr MessageId MouseLeave = 0x02A3;
constexpr MessageId DpiChanged = 0x02E0;    // wParam low word: DPI; lParam: const Rect* suggested
constexpr MessageId User = 0x0400;
constexpr MessageId RegisteredFirst = 0xC000;
constexpr MessageId RegisteredLast = 0xFFFF;

// The program's own messages.
constexpr MessageId TrayCallback = 1025;      // wParam icon id, lParam mouse message
constexpr MessageId InputHookSwitch = 1054;   // wParam 0 remove, 1 install
constexpr MessageId MenuCommand = 1145;       // wParam: const MenuCommandRecord*
constexpr MessageId ShowProgress = 3072;
constexpr MessageId LanguageChanged = 3089;   // wParam language index
constexpr MessageId DeviceArrived = 3090;     // wParam device entry index
constexpr MessageId DeviceRemoved = 3091;     // wParam device entry index
constexpr MessageId OpenSettings = 3093;
constexpr MessageId ClearUpdateBadge = 3094;
constexpr MessageId PowerStatusRead = 3329;
constexpr MessageId WirelessOnline = 3331;    // wParam kind row, lParam 0 offline / 1 online
} // namespace Msg

namespace SysCommand {
constexpr WParam Minimize = 0xF020;
constexpr WParam Maximize = 0xF030;
constexpr WParam Close = 0xF060;
constexpr WParam Restore = 0xF120;
} // namespace SysCommand

namespace Power {
constexpr WParam Suspend = 4;
constexpr WParam ResumeAutomatic = 18;
} // namespace Power

// Window styles, with the values the program passes at creation.
namespace WindowStyle {
constexpr uint32_t Popup = 0x80000000u;
constexpr uint32_t Visible = 0x10000000u;
constexpr uint32_t Minimize = 0x20000000u;
constexpr uint32_t ClipSiblings = 0x04000000u;
constexpr uint32_t ClipChildren = 0x02000000u;
constexpr uint32_t Caption = 0x00C00000u;
constexpr uint32_t SysMenu = 0x00080000u;
constexpr uint32_t ThickFrame = 0x00040000u;
constexpr uint32_t MinimizeBox = 0x00020000u;
constexpr uint32_t MaximizeBox = 0x00010000u;
} // namespace WindowStyle

namespace WindowExStyle {
constexpr uint32_t TopMost = 0x00000008u;
constexpr uint32_t ToolWindow = 0x00000080u;
constexpr uint32_t NoActivate = 0x08000000u;
} // namespace WindowExStyle

// The record of a copy-data message; it lives while the message is handled.
struct CopyDataRecord {
    std::uintptr_t dwData = 0;
    uint32_t cbData = 0;
    const void* lpData = nullptr;
};

// Virtual key codes of the keys the toolkit's controls react to.
namespace Key {
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Escape = 0x1B;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Delete = 0x2E;
} // namespace Key

namespace Modifier {
constexpr uint32_t Shift = 1;
constexpr uint32_t Control = 2;
constexpr uint32_t Alt = 4;
} // namespace Modifier

} // namespace ui
