// Where the program starts: the table on a screen of at least 800 x 600 pixels, a notice that
// closes itself on a smaller one.
#include "Windows.h"
#include "startup/frmNelze.h"
#include "startup/modIxa.h"
#include "table/frmStul.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [this] { programEnded = true; };
        platform.announcer.OnSay = [this](const QString& text) { said << text; };
    }
    void TearDown() override { DeleteAllForms(); }

    Platform platform;
    bool programEnded = false;
    QStringList said;
};

TEST_F(Startup, TheTableNeedsAtLeast12000By9000Twips)
{
    struct Case {
        std::int32_t width, height;
        bool table;
    };
    for (const Case c : { Case { 12000, 9000, true }, Case { 11999, 20000, false }, Case { 20000, 8999, false },
             Case { 9600, 7200, false } }) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        platform.screen.SetSizeTwips(c.width, c.height);
        modIxa::Main(platform);
        EXPECT_EQ(Shown<frmStul>() != nullptr, c.table);
        // The hint's and the notice's five seconds count from the window's first frame, not yet drawn.
        const Timer* fiveSeconds = c.table ? Shown<frmStul>()->tmrZmiz : Shown<frmNelze>()->tmrPryc;
        EXPECT_TRUE(fiveSeconds->Enabled() && !fiveSeconds->Running());
        if (frmNelze* nelze = Shown<frmNelze>()) {
            EXPECT_EQ(nelze->lblText->Caption(),
                QStringLiteral("Je mi líto, ale hra je určena pro minimální rozlišení  800 x 600 bodů !"));
            EXPECT_EQ(said, QStringList { nelze->lblText->Caption().simplified() }) << "read out as it appears";
            // Centred by its outer size; the frame is known only once the window is out.
            EXPECT_NEAR(nelze->frameGeometry().center().x(), c.width / 30, 3);
            EXPECT_NEAR(nelze->frameGeometry().center().y(), c.height / 30, 3);
            EXPECT_TRUE(nelze->lblText->isVisible());
        }
        DeleteAllForms();
        said.clear();
    }
}

TEST_F(Startup, TheNoticeClosesAfterFiveSecondsOrWithKonecAndEndsTheProgram)
{
    platform.screen.SetSizePixels(640, 480);
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        programEnded = false;
        modIxa::Main(platform);
        frmNelze* nelze = Shown<frmNelze>();
        ASSERT_NE(nelze, nullptr);
        EXPECT_EQ(nelze->tmrPryc->Interval(), 5000);
        EXPECT_FALSE(programEnded);
        if (way == 0)
            nelze->tmrPryc->Tick();
        else if (way == 1)
            QTest::keyClick(nelze->cmdKonec, Qt::Key_Return);
        else {
            QApplication::setActiveWindow(nelze);
            QTest::keyClick(nelze, Qt::Key_K, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return programEnded; }, 60000));
        }
        EXPECT_TRUE(programEnded);
        EXPECT_EQ(Shown<frmNelze>(), nullptr);
        DeleteAllForms();
    }
}
