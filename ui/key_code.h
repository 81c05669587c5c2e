#pragma once
#include <cstdint>

// The key code of a key event: the virtual key, with the keypad digits and
// operators given as their main-keyboard twins.
std::int32_t TranslateKeyCode(std::uint32_t virtualKey);

// Modifier flags of a key event: 1 Ctrl, 2 Shift, 4 Alt; a modifier key being
// pressed or released does not count itself.
constexpr std::int32_t kModCtrl = 1, kModShift = 2, kModAlt = 4;
std::int32_t ModifierFlags(bool ctrlDown, bool shiftDown, bool altDown, std::uint32_t virtualKey);
