// Key codes as the table's keyboard control sees them: the physical main-row digits whatever the
// layout and Shift, the keypad kept apart, and the modifier mask.
#include "ui/controls/CommandButton.h"
#include "ui/controls/Form.h"
#include "ui/controls/KeyCode.h"
#include "ui/system/Platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// A window with key preview, as the table is, noting every key its handler saw.
class KeyProbe : public Form {
public:
    explicit KeyProbe(Platform& platform)
        : Form(platform)
        , button(new CommandButton(this))
    {
        SetKeyPreview(true);
        resize(300, 200);
        button->setGeometry(20, 20, 120, 30);
        button->SetCaption(QStringLiteral("&Rozdej karty"));
    }

    CommandButton* button;
    std::vector<std::pair<std::int16_t, std::int16_t>> keys; // key code, shift mask

    // What the handler saw apart from the presses of Shift, Ctrl and Alt themselves.
    std::vector<std::pair<std::int16_t, std::int16_t>> keysBesidesModifiers() const
    {
        std::vector<std::pair<std::int16_t, std::int16_t>> seen;
        for (const auto& key : keys)
            if (key.first != KeyCodes::Shift && key.first != KeyCodes::Control && key.first != KeyCodes::Menu)
                seen.push_back(key);
        return seen;
    }

protected:
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override { keys.push_back({ KeyCode, Shift }); }
};

class KeysThroughAWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
        window.Show();
        window.activateWindow();
        window.button->SetFocus();
    }

    Platform platform;
    KeyProbe window { platform };
};

struct NativeKey {
    std::string name;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    quint32 virtualKey;
    QString text;
    std::int16_t code; // expected key code
    std::int16_t shift;
};

// What X11 reports for the keys the table listens to, on a US and on a Czech layout.
std::vector<NativeKey> x11Keys()
{
    std::vector<NativeKey> keys;
    const int usShifted[] = { Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar, Qt::Key_Percent,
        Qt::Key_AsciiCircum, Qt::Key_Ampersand };
    const char* usShiftedText[] = { "!", "@", "#", "$", "%", "^", "&" };
    // Qt names the Czech letters by their capitals; the keysym is the small letter's.
    const int czech[] = { Qt::Key_Plus, 0x11a, 0x160, 0x10c, 0x158, 0x17d, Qt::Key_Yacute };
    const quint32 czechKeysym[] = { 0x2b, 0x1ec, 0x1b9, 0x1e8, 0x1f8, 0x1be, 0xfd };
    const char16_t czechText[] = { u'+', u'ě', u'š', u'č', u'ř', u'ž', u'ý' };
    for (int d = 1; d <= 7; ++d) {
        const auto i = static_cast<std::size_t>(d - 1);
        const quint32 scan = static_cast<quint32>(9 + d);
        const auto code = static_cast<std::int16_t>(KeyCodes::Digit0 + d);
        const QString digit = QString::number(d);
        const quint32 digitKeysym = static_cast<quint32>('0' + d);
        const std::string n = std::to_string(d);
        keys.push_back({ "US " + n, Qt::Key_0 + d, Qt::NoModifier, scan, digitKeysym, digit, code, 0 });
        keys.push_back({ "US Shift+" + n, usShifted[i], Qt::ShiftModifier, scan,
            static_cast<quint32>(usShiftedText[i][0]), QString::fromLatin1(usShiftedText[i]), code, ShiftMask::Shift });
        keys.push_back(
            { "Czech " + n, czech[i], Qt::NoModifier, scan, czechKeysym[i], QString(QChar(czechText[i])), code, 0 });
        keys.push_back(
            { "Czech Shift+" + n, Qt::Key_0 + d, Qt::ShiftModifier, scan, digitKeysym, digit, code, ShiftMask::Shift });
    }
    const auto keypad = Qt::KeypadModifier;
    keys.push_back({ "keypad 1 with Num Lock", Qt::Key_1, keypad, 87, 0xffb1, "1", KeyCodes::Numpad0 + 1, 0 });
    keys.push_back({ "keypad 7 with Num Lock", Qt::Key_7, keypad, 79, 0xffb7, "7", KeyCodes::Numpad0 + 7, 0 });
    keys.push_back({ "keypad 1 without Num Lock", Qt::Key_End, keypad, 87, 0xff9c, "", 35, 0 });
    keys.push_back({ "Shift with keypad 1 with Num Lock", Qt::Key_End, keypad | Qt::ShiftModifier, 87, 0xff9c, "", 35,
        ShiftMask::Shift });
    keys.push_back({ "F1", Qt::Key_F1, Qt::NoModifier, 67, 0xffbe, "", KeyCodes::F1, 0 });
    keys.push_back({ "Delete", Qt::Key_Delete, Qt::NoModifier, 119, 0xffff, "\x7f", KeyCodes::Delete, 0 });
    keys.push_back({ "keypad Delete", Qt::Key_Delete, keypad, 91, 0xff9f, "", KeyCodes::Delete, 0 });
    keys.push_back(
        { "Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier, 119, 0xffff, "", KeyCodes::Delete, ShiftMask::Shift });
    // "+" typed with Shift and "=" on a US keyboard is not the key that types "+" on a Czech one.
    keys.push_back({ "US Shift+=", Qt::Key_Plus, Qt::ShiftModifier, 21, 0x2b, "+", 0, ShiftMask::Shift });
    keys.push_back({ "US 8", Qt::Key_8, Qt::NoModifier, 17, 0x38, "8", KeyCodes::Digit0 + 8, 0 });
    keys.push_back({ "Czech 0 (é)", Qt::Key_Eacute, Qt::NoModifier, 19, 0xe9, "é", KeyCodes::Digit0, 0 });
    keys.push_back({ "letter K", Qt::Key_K, Qt::NoModifier, 45, 0x6b, "k", 'K', 0 });
    return keys;
}

TEST_F(KeysThroughAWindow, TheKeyHandlerGetsThePhysicalKeyWhateverTheLayoutAndShift)
{
    for (const NativeKey& k : x11Keys()) {
        SCOPED_TRACE(k.name);
        window.keys.clear();
        const quint32 nativeModifiers = (k.modifiers & Qt::ShiftModifier) ? 1 : 0;
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.scanCode, k.virtualKey, nativeModifiers, k.text);
        QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.scanCode, k.virtualKey, nativeModifiers, k.text);
        QApplication::sendEvent(window.button, &press);
        QApplication::sendEvent(window.button, &release);

        EXPECT_EQ(window.keys, (std::vector<std::pair<std::int16_t, std::int16_t>> { { k.code, k.shift } }));
    }
}

// Keys made up by the system or by tests carry no native codes: the character decides.
TEST_F(KeysThroughAWindow, KeysWithoutNativeCodesAreKnownByTheirCharacter)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::int16_t code;
        std::int16_t shift;
    };
    const std::vector<Case> cases = {
        { "1", Qt::Key_1, Qt::NoModifier, KeyCodes::Digit1, 0 },
        { "Shift+1 as a digit", Qt::Key_1, Qt::ShiftModifier, KeyCodes::Digit1, ShiftMask::Shift },
        { "Shift+1 as !", Qt::Key_Exclam, Qt::ShiftModifier, KeyCodes::Digit1, ShiftMask::Shift },
        { "Shift+6 as ^", Qt::Key_AsciiCircum, Qt::ShiftModifier, KeyCodes::Digit6, ShiftMask::Shift },
        { "Czech 1 as +", Qt::Key_Plus, Qt::NoModifier, KeyCodes::Digit1, 0 },
        { "Czech 2 as ě", static_cast<Qt::Key>(0x11a), Qt::NoModifier, KeyCodes::Digit1 + 1, 0 },
        { "Czech 6 as ž", static_cast<Qt::Key>(0x17d), Qt::NoModifier, KeyCodes::Digit6, 0 },
        { "Czech 7 as ý", Qt::Key_Yacute, Qt::NoModifier, KeyCodes::Digit7, 0 },
        { "7", Qt::Key_7, Qt::NoModifier, KeyCodes::Digit7, 0 },
        { "keypad 3", Qt::Key_3, Qt::KeypadModifier, KeyCodes::Numpad0 + 3, 0 },
        { "F1", Qt::Key_F1, Qt::NoModifier, KeyCodes::F1, 0 },
        { "Delete", Qt::Key_Delete, Qt::NoModifier, KeyCodes::Delete, 0 },
        { "Escape", Qt::Key_Escape, Qt::NoModifier, KeyCodes::Escape, 0 },
        { "Ctrl+F5", Qt::Key_F5, Qt::ControlModifier, KeyCodes::F1 + 4, ShiftMask::Ctrl },
        { "Alt+F5", Qt::Key_F5, Qt::AltModifier, KeyCodes::F1 + 4, ShiftMask::Alt },
        { "Shift+Ctrl+F5", Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier, KeyCodes::F1 + 4,
            ShiftMask::Shift + ShiftMask::Ctrl },
        { "Shift+Ctrl+Alt+F5", Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, KeyCodes::F1 + 4,
            ShiftMask::Shift + ShiftMask::Ctrl + ShiftMask::Alt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.keys.clear();
        if (c.key > 0xff && c.key < Qt::Key_Escape) {
            // QTest knows no letters beyond Latin-1: made by hand, with the native codes left 0.
            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString(QChar(c.key).toLower()));
            QKeyEvent release(QEvent::KeyRelease, c.key, c.modifiers, QString(QChar(c.key).toLower()));
            QApplication::sendEvent(window.button, &press);
            QApplication::sendEvent(window.button, &release);
        } else {
            QTest::keyClick(window.button, c.key, c.modifiers);
        }
        EXPECT_EQ(window.keysBesidesModifiers(),
            (std::vector<std::pair<std::int16_t, std::int16_t>> { { c.code, c.shift } }));
    }
}

// Key preview shows the key to the window first; the focused control must still get it, once.
TEST_F(KeysThroughAWindow, APreviewedKeyStillReachesTheFocusedButtonOnce)
{
    struct Case {
        Qt::Key key;
        std::int16_t code;
    };
    for (const Case& c : { Case { Qt::Key_Space, KeyCodes::Space }, Case { Qt::Key_Return, KeyCodes::Return } }) {
        SCOPED_TRACE(c.code);
        window.keys.clear();
        QSignalSpy clicks(window.button, &CommandButton::Click);

        QTest::keyClick(window.button, c.key);

        EXPECT_EQ(clicks.count(), 1);
        EXPECT_EQ(window.keys, (std::vector<std::pair<std::int16_t, std::int16_t>> { { c.code, 0 } }));
    }
}

TEST_F(KeysThroughAWindow, AKeyIsSeenOnceAlsoWhenTheWindowItselfHasTheFocus)
{
    window.button->SetVisible(false);
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(window.keys, (std::vector<std::pair<std::int16_t, std::int16_t>> { { KeyCodes::Delete, 0 } }));
}

// On X11 and Wayland the keycode tells the physical key, whatever the layout types on it; a key
// made up without one is known by its character.
TEST(KeyCodes, ThePhysicalKeyDecidesWhateverTheLayoutAndShift)
{
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        std::int16_t code;
    };
    std::vector<Case> cases = {
        { "keypad 1 with Num Lock", Qt::Key_1, Qt::KeypadModifier, 87, KeyCodes::Numpad0 + 1 },
        { "keypad 1 without Num Lock", Qt::Key_End, Qt::KeypadModifier, 87, 35 },
        { "Delete", Qt::Key_Delete, Qt::NoModifier, 119, KeyCodes::Delete },
        { "keypad Delete", Qt::Key_Delete, Qt::KeypadModifier, 91, KeyCodes::Delete },
        { "F1", Qt::Key_F1, Qt::NoModifier, 67, KeyCodes::F1 },
        { "US Shift+= (+)", Qt::Key_Plus, Qt::ShiftModifier, 21, 0 },
        { "US Shift+8 (*)", Qt::Key_Asterisk, Qt::ShiftModifier, 17, KeyCodes::Digit0 + 8 },
        // Made up without native codes: the character decides.
        { "made-up +", Qt::Key_Plus, Qt::NoModifier, 0, KeyCodes::Digit1 },
        { "made-up !", Qt::Key_Exclam, Qt::ShiftModifier, 0, KeyCodes::Digit1 },
        { "made-up Ě", 0x11a, Qt::NoModifier, 0, KeyCodes::Digit1 + 1 },
    };
    const int usShifted[] = { Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar, Qt::Key_Percent,
        Qt::Key_AsciiCircum, Qt::Key_Ampersand };
    const int czech[] = { Qt::Key_Plus, 0x11a, 0x160, 0x10c, 0x158, 0x17d, Qt::Key_Yacute };
    for (int d = 1; d <= 7; ++d) {
        const auto keycode = static_cast<quint32>(9 + d);
        const auto code = static_cast<std::int16_t>(KeyCodes::Digit0 + d);
        cases.push_back({ "US", Qt::Key_0 + d, Qt::NoModifier, keycode, code });
        cases.push_back({ "US Shift", usShifted[d - 1], Qt::ShiftModifier, keycode, code });
        cases.push_back({ "Czech", czech[d - 1], Qt::NoModifier, keycode, code });
        cases.push_back({ "Czech Shift", Qt::Key_0 + d, Qt::ShiftModifier, keycode, code });
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " keycode " + std::to_string(c.scanCode));
        EXPECT_EQ(KeyCodeOf(KeyPress { c.key, c.modifiers, c.scanCode }), c.code);
    }
}

} // namespace
