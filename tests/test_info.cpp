// The information window: its look, the two help texts to the character, the height each button
// gives it, where it opens, and the chart opened on top of it.
#include "history/History.h"
#include "history/Penezenka.h"
#include "history/frmStatistika.h"
#include "info/frmInfo.h"
#include "ui/pictures/Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class InfoWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.forms.OnLastUnloaded = [] {};
        platform.screen.SetSizePixels(1024, 768);
        platform.announcer.OnSay = [this](const QString& text) { said = text; };
    }
    void TearDown() override { delete info.data(); }

    // Opened as the table opens it, but without waiting for it to close.
    void Open()
    {
        info = new frmInfo(platform);
        info->Show();
    }
    void Click(CommandButton* cmd) { QTest::mouseClick(cmd, Qt::LeftButton); }
    // An unloaded window is gone once the pending deletions have run.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Platform platform;
    QPointer<frmInfo> info;
    QString said;
};

TEST_F(InfoWindow, OpensDarkGreenWithTheCardsTheYellowFrameAndLineAndTheFocusOnOK)
{
    Open();
    QApplication::setActiveWindow(info);
    ASSERT_TRUE(QTest::qWaitForWindowActive(info, 60000));
    EXPECT_EQ(info->Caption(), QStringLiteral("O aplikaci"));
    EXPECT_EQ(QApplication::focusWidget(), info->cmdOK);

    const QImage shown = info->grab().toImage();
    const QPoint onTheKing(60, 100);
    EXPECT_EQ(shown.pixelColor(onTheKing), Pictures::InfoBackground().Pixmap().toImage().pixelColor(onTheKing));
    EXPECT_EQ(shown.pixelColor(330, 200), QColor(0, 64, 0));
    EXPECT_EQ(shown.pixelColor(200, 8), QColor(255, 255, 0)) << "the frame around the name";
    EXPECT_EQ(shown.pixelColor(0, 232), QColor(255, 255, 0)) << "the line above the buttons";
    for (std::int16_t i = 0; i < info->lbltxt.Count(); ++i) {
        const Label& line = info->lbltxt(i);
        EXPECT_LE(line.heightForWidth(line.width()), line.height()) << line.Caption().toStdString() << " fits";
    }
}

// Every blank and line break as written: CR LF after every line, the last one too.
TEST_F(InfoWindow, TheHelpTextsAreExactToTheCharacter)
{
    Open();
    const QStringList rules = info->txtPravidla->Text().split(QStringLiteral("\r\n"));
    const QStringList controls = info->txtOvladani->Text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(info->txtPravidla->Text().size(), 891);
    EXPECT_EQ(info->txtOvladani->Text().size(), 535);
    ASSERT_EQ(rules.size(), 26);
    ASSERT_EQ(controls.size(), 18);
    EXPECT_EQ(rules[1], QStringLiteral("Na začátku každé hry obdržíte jednu kartu a poté musíte vsadit "));
    EXPECT_EQ(rules[11], QStringLiteral(" V případě nerozhodného výsledku bere vše bank."));
    EXPECT_EQ(rules[14], QStringLiteral("eso  - 11"));
    EXPECT_EQ(rules[23], QStringLiteral("Windows. (dále lze pokračovat stiskem jakékoliv klávesy či "));
    EXPECT_EQ(controls[7], QStringLiteral("2 -   200 Kč"));
    EXPECT_EQ(controls[9], QStringLiteral("4 - 1000 Kč"));
    EXPECT_TRUE(rules.last().isEmpty() && controls.last().isEmpty());

    // On the screen every line is a line of its own, with no stray mark for the CR.
    EXPECT_EQ(info->txtPravidla->document()->blockCount(), 26);
    EXPECT_FALSE(info->txtPravidla->toPlainText().contains(u'\r'));
}

TEST_F(InfoWindow, EachHelpButtonMakesTheWindow6900TwipsTallAndShowsItsTextAlone)
{
    Open();
    EXPECT_EQ(info->height(), 4095 / 15);
    EXPECT_FALSE(info->txtPravidla->Visible() || info->txtOvladani->Visible());
    const int width = info->WidthTwips();
    for (const auto& [button, rules] : { std::pair { info->cmdPravidla, true }, { info->cmdOvladani, false },
             { info->cmdOvladani, false }, { info->cmdPravidla, true } }) {
        Click(button);
        EXPECT_EQ(info->HeightTwips(), 6900);
        EXPECT_EQ(info->WidthTwips(), width);
        EXPECT_EQ(info->txtPravidla->isVisible(), rules);
        EXPECT_EQ(info->txtOvladani->isVisible(), !rules);
        TextBox* text = rules ? info->txtPravidla : info->txtOvladani;
        EXPECT_TRUE(info->focusWidget() == text && text->textCursor().atStart()) << "read from its first line";
        EXPECT_EQ(info->minimumSize(), info->maximumSize()) << "the frame still does not resize it";
    }
    EXPECT_GT(info->txtPravidla->verticalScrollBar()->maximum(), 0) << "25 lines of rules need scrolling";
}

// Qt's own menus of the help text and of its scroll bar read Czech whatever is installed.
TEST_F(InfoWindow, TheMenusOfTheHelpTextAndItsScrollBarAreCzech)
{
    Open();
    Click(info->cmdPravidla);
    QStringList items;
    const auto read = [&] { // the menu waits for its answer inside the event, or stays open after it
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()); menu && menu->close())
            for (QAction* action : menu->actions())
                items << action->text().section(u'\t', 0, 0);
    };
    for (QWidget* target :
        { info->txtPravidla->viewport(), static_cast<QWidget*>(info->txtPravidla->verticalScrollBar()) }) {
        QTimer::singleShot(0, info, read);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), target->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(target, &event);
        read();
    }
    EXPECT_EQ(items.join(u'|').toStdString(),
        "&Kopírovat||Vybrat &vše|Posunout sem||Začátek|Konec||O stránku nahoru|"
        "O stránku dolů||Posunout nahoru|Posunout dolů");
}

// Centred across at its width as it loads (no frame yet: its own 5055 twips), and down as if it
// were already 6900 twips tall; nothing keeps it on a screen too small for it.
TEST_F(InfoWindow, OpensCentredAcrossAndPlacedDownForItsTallHeight)
{
    for (const auto& [screen, topLeft] : { std::pair { QSize(1024, 768), QPoint(5152 / 15, 2310 / 15) },
             { QSize(400, 300), QPoint(472 / 15, -1200 / 15) } }) {
        platform.screen.SetSizePixels(screen.width(), screen.height());
        Open();
        EXPECT_EQ(info->frameGeometry().topLeft(), topLeft) << screen.width() << "x" << screen.height();
        delete info.data();
    }
}

// The window keeps nothing when it goes: the next F1 shows it short again, whichever way it closed
// (OK, Escape from the help text, the close box). To a screen reader it is a dialog.
TEST_F(InfoWindow, ClosingUnloadsItAndTheNextShowingIsShortAgain)
{
    for (const int way : { 0, 1, 2 }) {
        Open();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(info)->role(), QAccessible::Dialog);
        Click(info->cmdOvladani);
        way == 0       ? Click(info->cmdOK)
            : way == 1 ? QTest::keyClick(info->txtOvladani, Qt::Key_Escape)
                       : (void)info->close();
        Settle();
        EXPECT_TRUE(info.isNull()) << way << " unloads it";

        Open();
        EXPECT_EQ(info->height(), 4095 / 15);
        EXPECT_FALSE(info->txtPravidla->Visible() || info->txtOvladani->Visible());
        delete info.data();
    }
}

// "Statistika" opens the chart modally on top, centred; closed, it leaves this window as it was.
TEST_F(InfoWindow, StatistikaOpensTheChartModallyOnTopOfIt)
{
    TheHistory() = History();
    TheHistory().Zaloz(1000);
    Open();
    Click(info->cmdPravidla);

    QPointer<frmStatistika> chart;
    bool modalOverInfo = false;
    QPoint chartAt;
    // The modal show returns only once the chart is closed: a timer closes it, and another one,
    // started once the first is done, hides whatever is still modal later, so that nothing hangs.
    QTimer closer, guard;
    closer.setSingleShot(true);
    guard.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const auto guardLater = qScopeGuard([&] { guard.start(5000); });
        chart = qobject_cast<frmStatistika*>(QApplication::activeModalWidget());
        if (!chart)
            return;
        modalOverInfo = chart->isVisible() && info->isVisible();
        chartAt = chart->frameGeometry().topLeft();
        // A screen reader cannot press "Statistika" under the chart and open a second one.
        QAccessible::queryAccessibleInterface(info->cmdStatistika)
            ->actionInterface()
            ->doAction(QStringLiteral("Press"));
        modalOverInfo = modalOverInfo && QTest::qWaitFor([&] { return !info->cmdStatistika->isDown(); }, 60000)
            && QApplication::activeModalWidget() == chart;
        QTest::keyClick(chart, Qt::Key_Escape);
    });
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->hide();
    });
    closer.start(0);
    Click(info->cmdStatistika);

    ASSERT_FALSE(chart.isNull()) << "no chart was shown modally";
    EXPECT_TRUE(modalOverInfo);
    EXPECT_EQ(chartAt, QPoint((15360 - 7290) / 2 / 15, (11520 - 2460) / 2 / 15));
    Settle();
    EXPECT_TRUE(chart.isNull()) << "closing the chart unloads it";
    EXPECT_EQ(info->HeightTwips(), 6900);
    EXPECT_TRUE(info->txtPravidla->isVisible());
}

} // namespace
