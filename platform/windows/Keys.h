// Keyboard input: virtual key codes, modifier bits and the key event a window receives.
// Accelerator tables use the same codes and bits.
#pragma once

#include <cstdint>

namespace tarnui {

enum KeyModifier : uint8_t {
    kModNone = 0,
    kModShift = 1,
    kModControl = 2,
    kModAlt = 4,
};

// Named key codes, besides 'A' to 'Z' and '0' to '9' (their upper-case ASCII codes).
enum KeyCode : uint32_t {
    kKeyBack = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyShift = 0x10,
    kKeyControl = 0x11,
    kKeyAlt = 0x12,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyInsert = 0x2D,
    kKeyDelete = 0x2E,
    kKeyApps = 0x5D,  // the context menu key
    kKeyF1 = 0x70,
    kKeyF2 = 0x71,
    kKeyF3 = 0x72,
    kKeyF4 = 0x73,
    kKeyF5 = 0x74,
    kKeyF6 = 0x75,
    kKeyF7 = 0x76,
    kKeyF8 = 0x77,
    kKeyF9 = 0x78,
    kKeyF10 = 0x79,
    kKeyF11 = 0x7A,
    kKeyF12 = 0x7B,
};

struct KeyEvent {
    uint32_t key = 0;
    unsigned modifiers = kModNone;

    // This key with exactly these modifiers.
    bool Is(uint32_t k, unsigned mods = kModNone) const { return key == k && modifiers == mods; }
    bool Shift() const { return (modifiers & kModShift) != 0; }
    bool Control() const { return (modifiers & kModControl) != 0; }
    bool Alt() const { return (modifiers & kModAlt) != 0; }
};

// What a person does with the keyboard: the key goes to the window holding the focus, and
// on to its parent, and so on, until a window handles it (a dialog is a top-level window,
// so its keys never reach the window behind it). Returns whether some window handled it;
// false also when no window holds the focus.
bool KeyDown(uint32_t key, unsigned modifiers = kModNone);
bool KeyUp(uint32_t key, unsigned modifiers = kModNone);
// Key down and key up; answers whether the key down was handled.
bool PressKey(uint32_t key, unsigned modifiers = kModNone);

}  // namespace tarnui
