#include "ui/controls/KeyCode.h"

#include <QKeyEvent>

#include <array>

std::int16_t ShiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    std::int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask += ShiftMask::Shift;
    if (modifiers & Qt::ControlModifier)
        mask += ShiftMask::Ctrl;
    if (modifiers & Qt::AltModifier)
        mask += ShiftMask::Alt;
    return mask;
}

namespace {
constexpr int NoDigit = -1;
constexpr int UnknownKey = -2;

// Digit 0..9 of the main row from the physical key; NoDigit for any other physical key, and
// UnknownKey where the platform does not tell which key it was (synthesised events). Once the
// physical key is known the character no longer counts: Shift with "=" types "+" on a US
// keyboard, which is the character of the main-row 1 on a Czech one.
int physicalDigit(const KeyPress& press)
{
    if (press.nativeScanCode == 0)
        return UnknownKey;
    // X11 and Wayland keycodes of the main row: 10 is "1" up to 18 "9", 19 "0".
    if (press.nativeScanCode >= 10 && press.nativeScanCode <= 19)
        return press.nativeScanCode == 19 ? 0 : static_cast<int>(press.nativeScanCode - 9);
    return NoDigit;
}

// Digit of the main row from the character, when the physical key is not known: the
// digits themselves, the US shifted symbols and the Czech unshifted letters of that row.
// Qt names a letter key by its capital, so ě arrives as Ě (U+011A).
int typedDigit(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    static constexpr std::array<int, 10> usShifted
        = { Qt::Key_ParenRight, Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar, Qt::Key_Percent,
              Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft };
    static constexpr std::array<int, 10> czech = { Qt::Key_Eacute, Qt::Key_Plus, 0x11a /* Ě */, 0x160 /* Š */,
        0x10c /* Č */, 0x158 /* Ř */, 0x17d /* Ž */, Qt::Key_Yacute, Qt::Key_Aacute, Qt::Key_Iacute };
    for (std::size_t digit = 0; digit < usShifted.size(); ++digit)
        if (key == usShifted[digit] || key == czech[digit])
            return static_cast<int>(digit);
    return NoDigit;
}

std::int16_t nonDigitCode(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::int16_t>(key); // Qt's letters are the ASCII capitals, as are the codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(KeyCodes::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return KeyCodes::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyCodes::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCodes::Return;
    case Qt::Key_Shift: return KeyCodes::Shift;
    case Qt::Key_Control: return KeyCodes::Control;
    case Qt::Key_Alt: return KeyCodes::Menu;
    case Qt::Key_Escape: return KeyCodes::Escape;
    case Qt::Key_Space: return KeyCodes::Space;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return KeyCodes::Delete;
    default: return 0;
    }
}
} // namespace

std::int16_t KeyCodeOf(const KeyPress& press)
{
    const bool keypad = press.modifiers & Qt::KeypadModifier;
    if (keypad) {
        // The keypad's digits have codes of their own; without Num Lock it sends Delete, End, ...
        if (press.key >= Qt::Key_0 && press.key <= Qt::Key_9)
            return static_cast<std::int16_t>(KeyCodes::Numpad0 + (press.key - Qt::Key_0));
        return nonDigitCode(press.key);
    }
    int digit = physicalDigit(press);
    if (digit == UnknownKey)
        digit = typedDigit(press.key);
    if (digit >= 0)
        return static_cast<std::int16_t>(KeyCodes::Digit0 + digit);
    return nonDigitCode(press.key);
}

std::int16_t KeyCodeOf(const QKeyEvent& event)
{
    return KeyCodeOf(KeyPress { event.key(), event.modifiers(), event.nativeScanCode() });
}
