// Key codes as the game counts them: the numbers of the physical keys, not the characters they type.
#pragma once

#include <QString>
#include <Qt>

#include <cstdint>

class QKeyEvent;

namespace KeyCodes {
constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Tab = 9;
constexpr std::int16_t Return = 13;
constexpr std::int16_t Shift = 16;
constexpr std::int16_t Control = 17;
constexpr std::int16_t Menu = 18;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Space = 32;
constexpr std::int16_t Delete = 46;
constexpr std::int16_t Digit0 = 48; // the main row; 1 is 49, ..., 9 is 57
constexpr std::int16_t Digit1 = 49;
constexpr std::int16_t Digit6 = 54;
constexpr std::int16_t Digit7 = 55;
constexpr std::int16_t Numpad0 = 96;
constexpr std::int16_t F1 = 112;
} // namespace KeyCodes

// The modifier mask: Shift 1, Ctrl 2, Alt 4, added together.
namespace ShiftMask {
constexpr std::int16_t Shift = 1;
constexpr std::int16_t Ctrl = 2;
constexpr std::int16_t Alt = 4;
} // namespace ShiftMask

std::int16_t ShiftMaskOf(Qt::KeyboardModifiers modifiers);

// What the platform tells of one key press, in the form the mapping needs.
struct KeyPress {
    int key = 0; // Qt::Key
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0; // the X11 and Wayland keycode; 0 where the key was made up
};

// The key code of a key press, 0 for a key the game has no code for. The main-row digits
// give 49 to 57 (0 gives 48) whatever the keyboard layout and whether Shift is held; the
// digits of the numeric keypad never do.
std::int16_t KeyCodeOf(const KeyPress& press);
std::int16_t KeyCodeOf(const QKeyEvent& event);
