// Message identifiers and window style bits. Messages below kMsgUser belong to the
// framework; kMsgUser + n are free for the application's own protocols.
#pragma once

#include <cstdint>

namespace tarnui {

using MessageId = uint32_t;
using MessageParam = intptr_t;
using MessageResult = intptr_t;

enum : MessageId {
    kMsgNull = 0,
    kMsgCreate = 0x0001,
    kMsgDestroy = 0x0002,
    kMsgSize = 0x0005,
    kMsgSetFocus = 0x0007,
    kMsgKillFocus = 0x0008,
    kMsgEnable = 0x000A,
    kMsgShowWindow = 0x0018,
    kMsgKeyDown = 0x0100,  // w: virtual key, l: modifiers; result 1 when handled
    kMsgKeyUp = 0x0101,
    kMsgCommand = 0x0111,
    kMsgTimer = 0x0113,
    kMsgUser = 0x0400,
};

// Window style bits (the upper word is shared by every window).
enum WindowStyle : uint32_t {
    kWsOverlapped = 0,
    kWsPopup = 0x80000000u,
    kWsChild = 0x40000000u,
    kWsVisible = 0x10000000u,
    kWsDisabled = 0x08000000u,
    kWsBorder = 0x00800000u,
    kWsTabStop = 0x00010000u,
};

}  // namespace tarnui
