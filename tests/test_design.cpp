// The table window as designed, before any of the game's code touches it.
#include "history/Banknotes.h"
#include "ui/designs/frmStulDesign.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class TableDesign : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
    }

    // Shows the window with its buttons out, as a game shows them, and makes it the active one.
    void showWithButtons()
    {
        for (CommandButton* cmd : { stul.cmdKonec, stul.cmdRozdej, stul.cmdDost })
            cmd->SetVisible(true);
        for (std::int16_t i = 0; i < stul.cmdBankovka.Count(); ++i)
            stul.cmdBankovka(i).SetVisible(true);
        stul.cmdRub->SetVisible(true);
        stul.Show();
        QApplication::setActiveWindow(&stul);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&stul, 60000));
    }

    static bool hasPixel(const QImage& image, QColor colour)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    }

    Platform platform;
    frmStulDesign stul { platform, HodnotaBankovky };
};

TEST_F(TableDesign, TheWindowIsAGreenTableCalledIxaThatOpensMaximisedWithKeyPreview)
{
    EXPECT_EQ(stul.Caption(), QStringLiteral("Ixa"));
    EXPECT_TRUE(stul.KeyPreview());
    EXPECT_EQ(stul.size(), QSize(582, 355));
    EXPECT_FALSE(stul.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(stul.windowFlags() & Qt::WindowMaximizeButtonHint);

    stul.Show();
    EXPECT_TRUE(stul.windowState() & Qt::WindowMaximized);
    // An empty corner of the table, as painted.
    const QImage table = stul.grab().toImage();
    EXPECT_EQ(table.pixelColor(stul.width() - 5, stul.height() - 5), QColor(0, 128, 0));
}

TEST_F(TableDesign, TheDisplaysShowBoldArialInTheirColoursOnBlack)
{
    struct Case {
        const char* name;
        Label* label;
        QRect geometry;
        double points;
        QColor text;
        Qt::Alignment horizontal;
        QString tip;
    };
    const QColor green(0, 255, 0), yellow(255, 255, 0);
    const std::vector<Case> cases = {
        { "lblBody_PC", stul.lblBody_PC, { 8, 8, 41, 25 }, 15.75, green, Qt::AlignHCenter,
            QStringLiteral("Body pro počítač") },
        { "lblBody_JA", stul.lblBody_JA, { 8, 48, 41, 25 }, 15.75, green, Qt::AlignHCenter,
            QStringLiteral("Body pro Vás") },
        { "lblPenezenka", stul.lblPenezenka, { 280, 224, 153, 33 }, 20.25, green, Qt::AlignRight,
            QStringLiteral("Obsah Vaší peněženky") },
        { "lblSazka", stul.lblSazka, { 280, 264, 120, 33 }, 20.25, yellow, Qt::AlignRight, QStringLiteral("Sázka") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.label->geometry(), c.geometry);
        EXPECT_EQ(c.label->Caption(), QStringLiteral("0"));
        EXPECT_EQ(c.label->font().family(), QStringLiteral("Arial"));
        EXPECT_DOUBLE_EQ(c.label->font().pointSizeF(), c.points);
        EXPECT_TRUE(c.label->font().bold());
        EXPECT_EQ(c.label->alignment() & Qt::AlignHorizontal_Mask, c.horizontal);
        EXPECT_EQ(c.label->toolTip(), c.tip);
        EXPECT_NE(c.label->frameShape(), QFrame::NoFrame);

        // As painted: black inside the border, and the figure in the display's colour.
        const QImage shown = c.label->grab().toImage();
        EXPECT_EQ(shown.pixelColor(4, c.geometry.height() / 2), QColor(0, 0, 0));
        EXPECT_TRUE(hasPixel(shown, c.text));
    }
}

// Arial comes from the metric-compatible Liberation Sans: with anything wider the figures and
// the hint would not fit the places the design gives them.
TEST_F(TableDesign, TheFontsResolveToAnArialCompatibleFaceAndTheHintFitsA800PixelScreen)
{
    for (QWidget* widget : { static_cast<QWidget*>(stul.lblBody_PC), static_cast<QWidget*>(stul.lblPenezenka),
             static_cast<QWidget*>(stul.lblNapoveda), static_cast<QWidget*>(stul.cmdRozdej) }) {
        SCOPED_TRACE(widget->font().family().toStdString());
        EXPECT_EQ(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    }
    EXPECT_EQ(QFontInfo(stul.lblNapoveda->font()).bold(), true);

    const QFontMetrics metrics(stul.lblNapoveda->font());
    const int textWidth = metrics.horizontalAdvance(stul.lblNapoveda->Caption());
    EXPECT_LE(textWidth, stul.lblNapoveda->width());
    EXPECT_LT(stul.lblNapoveda->width(), 800 - 2 * 8);
    // "99999999" in the purse display: the largest purse the command line can give.
    const QFontMetrics purse(stul.lblPenezenka->font());
    EXPECT_LT(purse.horizontalAdvance(QStringLiteral("99999999")), stul.lblPenezenka->width());
}

TEST_F(TableDesign, OnlyTheHintIsVisibleAtTheStart)
{
    EXPECT_EQ(stul.lblNapoveda->Caption(),
        QStringLiteral("Pravidla hry, ovládání a další informace po stisknutí klávesy F1 !"));
    EXPECT_TRUE(stul.lblNapoveda->Visible());
    EXPECT_EQ(stul.lblNapoveda->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_FALSE(stul.lblNapoveda->autoFillBackground());

    // As the window opens, before the game's own code shows anything.
    stul.Show();
    EXPECT_TRUE(stul.lblNapoveda->isVisible());
    int hidden = 0;
    for (QWidget* child : stul.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == stul.lblNapoveda)
            continue;
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_FALSE(child->isVisible());
        ++hidden;
    }
    // Four displays, the revolver, a card, three buttons, six banknotes and the deck.
    EXPECT_EQ(hidden, 16);
}

TEST_F(TableDesign, TheBanknotesLieInAStackEachAsLargeAsItsPicture)
{
    ASSERT_EQ(stul.cmdBankovka.Count(), 6);
    for (std::int16_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        GraphicalButton& note = stul.cmdBankovka(i);
        EXPECT_EQ(note.geometry(), QRect(280, 128 - 16 * i, 160 + 5 * i, 80));
        if (!note.Picture().isNull()) {
            EXPECT_EQ(note.Picture().size(), note.size());
        }
        EXPECT_TRUE(note.text().isEmpty());
    }
    EXPECT_EQ(stul.cmdRub->geometry(), QRect(152, 48, 120, 200));
    if (!stul.cmdRub->Picture().isNull()) {
        EXPECT_EQ(stul.cmdRub->Picture().size(), QSize(120, 200));
    }
    // A loaded banknote is a copy of the 100 Kč one, wherever that one was moved.
    stul.cmdBankovka(0).Move(10, 10);
    ASSERT_TRUE(stul.cmdBankovka.Load(6));
    EXPECT_EQ(stul.cmdBankovka(6).geometry(), QRect(280, 128, 160, 80));
}

TEST_F(TableDesign, TheOtherControlsHaveTheirPlacesCaptionsAndTips)
{
    struct Case {
        const char* name;
        QWidget* widget;
        QRect geometry;
    };
    const std::vector<Case> cases = {
        { "cmdKonec", stul.cmdKonec, { 96, 48, 41, 25 } },
        { "cmdRozdej", stul.cmdRozdej, { 152, 256, 121, 33 } },
        { "cmdDost", stul.cmdDost, { 152, 296, 121, 33 } },
        { "picKarta(0)", &stul.picKarta(0), { 8, 88, 121, 201 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.widget->geometry(), c.geometry);
    }
    EXPECT_EQ(stul.cmdKonec->Caption(), QStringLiteral("&Konec"));
    EXPECT_EQ(stul.cmdRozdej->Caption(), QStringLiteral("&Rozdej karty"));
    EXPECT_EQ(stul.cmdDost->Caption(), QStringLiteral("&Dost"));
    EXPECT_EQ(stul.cmdKonec->toolTip(), QStringLiteral("Vyplatí výhru a ukončí hru"));
    EXPECT_EQ(stul.picRevolver->toolTip(), QStringLiteral("Doufám, že Víte, jak ji použít !"));
    EXPECT_EQ(stul.picRevolver->pos(), QPoint(304, 312));
    EXPECT_TRUE(stul.picKarta(0).Picture().isNull());
}

TEST_F(TableDesign, AltWithTheUnderlinedLetterPressesItsButton)
{
    showWithButtons();
    struct Case {
        Qt::Key key;
        CommandButton* button;
    };
    const std::vector<Case> cases
        = { { Qt::Key_R, stul.cmdRozdej }, { Qt::Key_D, stul.cmdDost }, { Qt::Key_K, stul.cmdKonec } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->Caption().toStdString());
        QSignalSpy clicks(c.button, &CommandButton::Click);
        QTest::keyClick(&stul, c.key, Qt::AltModifier);
        // The button shows itself pressed for a moment before it clicks.
        if (clicks.isEmpty())
            clicks.wait(1000);
        EXPECT_EQ(clicks.count(), 1);
    }
}

TEST_F(TableDesign, TabWalksTheButtonsInTheDesignsOrder)
{
    showWithButtons();
    const std::vector<QWidget*> expected
        = { stul.cmdKonec, stul.cmdRozdej, stul.cmdDost, &stul.cmdBankovka(0), stul.cmdRub, &stul.cmdBankovka(1),
              &stul.cmdBankovka(2), &stul.cmdBankovka(3), &stul.cmdBankovka(4), &stul.cmdBankovka(5), stul.cmdKonec };
    stul.cmdKonec->SetFocus();
    std::vector<QWidget*> walked = { QApplication::focusWidget() };
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(TableDesign, TheTimersWaitSwitchedOff)
{
    EXPECT_EQ(stul.tmrTah->Interval(), 800);
    EXPECT_EQ(stul.tmrZmiz->Interval(), 5000);
    EXPECT_FALSE(stul.tmrTah->Enabled());
    EXPECT_FALSE(stul.tmrZmiz->Enabled());
}

TEST_F(TableDesign, TheCardClipHoldsTheGridOfThirtyTwoFaces)
{
    EXPECT_EQ(stul.pclKarty.Picture().size(), QSize(960, 800));
}

} // namespace
