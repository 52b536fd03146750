// A Qt key event as the platform's key code and modifier bits.
#pragma once

#include <QKeyEvent>

#include "platform/windows/Keys.h"

namespace tarngui {

// 0 when the key has no platform code.
inline uint32_t PlatformKey(const QKeyEvent& e) {
    const int k = e.key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) {
        return tarnui::kKeyF1 + static_cast<uint32_t>(k - Qt::Key_F1);
    }
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) {
        return static_cast<uint32_t>(k);  // the same ASCII codes
    }
    switch (k) {
        case Qt::Key_Backspace:
            return tarnui::kKeyBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return tarnui::kKeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return tarnui::kKeyReturn;
        case Qt::Key_Escape:
            return tarnui::kKeyEscape;
        case Qt::Key_Space:
            return tarnui::kKeySpace;
        case Qt::Key_PageUp:
            return tarnui::kKeyPageUp;
        case Qt::Key_PageDown:
            return tarnui::kKeyPageDown;
        case Qt::Key_End:
            return tarnui::kKeyEnd;
        case Qt::Key_Home:
            return tarnui::kKeyHome;
        case Qt::Key_Left:
            return tarnui::kKeyLeft;
        case Qt::Key_Up:
            return tarnui::kKeyUp;
        case Qt::Key_Right:
            return tarnui::kKeyRight;
        case Qt::Key_Down:
            return tarnui::kKeyDown;
        case Qt::Key_Insert:
            return tarnui::kKeyInsert;
        case Qt::Key_Delete:
            return tarnui::kKeyDelete;
        case Qt::Key_Menu:
            return tarnui::kKeyApps;
        default:
            return 0;
    }
}

inline unsigned PlatformModifiers(Qt::KeyboardModifiers m) {
    unsigned bits = tarnui::kModNone;
    if ((m & Qt::ShiftModifier) != 0) {
        bits |= tarnui::kModShift;
    }
    if ((m & Qt::ControlModifier) != 0) {
        bits |= tarnui::kModControl;
    }
    if ((m & Qt::AltModifier) != 0) {
        bits |= tarnui::kModAlt;
    }
    return bits;
}

}  // namespace tarngui
