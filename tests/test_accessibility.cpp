// What a screen reader learns of a game: every control named and given its role, the cards by
// their Czech names and whose they are, the purse, the stake and the points announced as they
// change, what happens told as it happens, and the buttons pressed through it.
#include "TableFixture.h"

#include "engine/NazevKarty.h"

#include <QAccessible>
#include <QAccessibleValueChangeEvent>
#include <QMouseEvent>
#include <QTimer>

#include <map>

namespace {
std::vector<std::pair<QObject*, QVariant>> valueChanges;

void recordValueChanges(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ValueChanged)
        valueChanges.emplace_back(event->object(), static_cast<QAccessibleValueChangeEvent*>(event)->value());
}

QString nameOf(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

QAccessible::Role roleOf(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->role();
}
} // namespace

TEST(CardNames, EveryCardHasItsCzechNameWithTheSuitAgreeingWithTheRank)
{
    EXPECT_EQ(NazevKarty(16), QStringLiteral("srdcové eso"));
    EXPECT_EQ(NazevKarty(31), QStringLiteral("žaludská sedma"));
    EXPECT_EQ(NazevKarty(1), QStringLiteral("listový král"));
    EXPECT_EQ(NazevKarty(11), QStringLiteral("kulový spodek"));
    QStringList all;
    for (std::int16_t card = 0; card < 32; ++card)
        all << NazevKarty(card);
    all.removeDuplicates();
    EXPECT_EQ(all.size(), 32);
    EXPECT_EQ(NazevKarty(32), QString());
}

TEST_F(TableTest, EveryControlHasTheNameAndTheRoleAScreenReaderReadsOut)
{
    Start();
    const std::map<QWidget*, std::pair<QString, QAccessible::Role>> controls = {
        { &stul->cmdBankovka(0), { QStringLiteral("100 Kč"), QAccessible::Button } },
        { &stul->cmdBankovka(5), { QStringLiteral("5000 Kč"), QAccessible::Button } },
        { stul->cmdRub, { QStringLiteral("Balíček"), QAccessible::Button } },
        { stul->cmdRozdej, { QStringLiteral("Rozdej karty"), QAccessible::Button } },
        { stul->cmdKonec, { QStringLiteral("Konec"), QAccessible::Button } },
        { stul->lblPenezenka, { QStringLiteral("Obsah Vaší peněženky: 1000 Kč"), QAccessible::StaticText } },
        { stul->lblSazka, { QStringLiteral("Sázka: 0 Kč"), QAccessible::StaticText } },
        { stul->lblBody_JA, { QStringLiteral("Body pro Vás: 0"), QAccessible::StaticText } },
        { stul->lblNapoveda, { stul->lblNapoveda->Caption(), QAccessible::StaticText } },
        { stul->picRevolver, { QStringLiteral("Revolver"), QAccessible::Graphic } },
    };
    for (const auto& [control, expected] : controls) {
        EXPECT_EQ(nameOf(control), expected.first);
        EXPECT_EQ(roleOf(control), expected.second) << expected.first.toStdString();
    }
    QAccessibleInterface* purse = QAccessible::queryAccessibleInterface(stul->lblPenezenka);
    EXPECT_EQ(purse->text(QAccessible::Value), "1000");
    EXPECT_EQ(purse->valueInterface(), nullptr) << "a display offers no Increase and Decrease";

    Deal({ K(Eso, Srdce), K(Sedma, Zaludy), K(Desitka, Kule) });
    EXPECT_EQ(nameOf(stul->lblSazka), QStringLiteral("Sázka: Sázejte !"));
    Stake(0);
    DrawFromDeck();
    Stand();
    stul->tmrTah->Tick();
    EXPECT_EQ(nameOf(&stul->picKarta(0)), QStringLiteral("Vaše karta: srdcové eso"));
    EXPECT_EQ(nameOf(&stul->picKarta(1)), QStringLiteral("Vaše karta: žaludská sedma"));
    EXPECT_EQ(nameOf(&stul->picKarta(2)), QStringLiteral("Karta počítače: kulová desítka"));
    EXPECT_EQ(nameOf(stul->lblBody_PC), QStringLiteral("Body pro počítač: 10"));
    EXPECT_EQ(roleOf(&stul->picKarta(1)), QAccessible::Graphic);
    EXPECT_EQ(purse->text(QAccessible::Value), "900");
}

// In the order it happens, in few words, and a word for each key that does nothing. The bank draws
// every 800 ms, faster than a voice reads: its cards are said at most every other tick.
TEST_F(TableTest, APlayerWhoDoesNotSeeTheTableHearsEachCardTheStakeTheBanksPlayAndTheOutcome)
{
    Start();
    Deal({ K(Eso, Srdce), K(Sedma, Zaludy), K(Desitka, Listy), K(Osma, Kule), K(Osma, Srdce), K(Sedma, Kule) });
    for (const QKeyCombination key : { Qt::Key_Delete | Qt::NoModifier, Qt::AltModifier | Qt::Key_D,
             Qt::Key_1 | Qt::NoModifier, Qt::Key_6 | Qt::NoModifier, Qt::ShiftModifier | Qt::Key_2,
             Qt::Key_Delete | Qt::NoModifier, Qt::Key_7 | Qt::NoModifier, Qt::Key_Delete | Qt::NoModifier })
        QTest::keyClick(stul, key.key(), key.keyboardModifiers());
    Stand();
    QTest::keyClick(stul, Qt::Key_R, Qt::AltModifier);
    PlayComputersTurn();
    EXPECT_EQ(said,
        QStringList({ "V peněžence 1000 Kč, bankovky do 1000 Kč. " + stul->lblNapoveda->Caption(),
            "Vaše karta: srdcové eso. Máte 11 bodů. Sázejte !", "Nejprve sázejte !", "Stát lze až se dvěma kartami.",
            "Sázka 200 Kč. V peněžence 900 Kč.", "Na 5000 Kč nemáte, v peněžence 900 Kč.", "200 Kč nemáte vsazeno.",
            "Vaše karta: žaludská sedma. Máte 18 bodů.", "Sedmu jste vrátil. Máte 11 bodů.",
            "Vaše karta: listová desítka. Máte 21 bodů.", "Počkejte, hraje počítač.", "Počítač: osma.",
            "Vyhrál jste, 21 proti 16. Počítač: osma, sedma, sedmu vrátil. V peněžence 1100 Kč, bankovky do 1000 "
            "Kč." }));

    Deal({ K(Eso, Listy), K(Eso, Kule), K(Eso, Srdce), K(Eso, Zaludy) });
    for (const Qt::Key key : { Qt::Key_4, Qt::Key_1, Qt::Key_Delete })
        QTest::keyClick(stul, key);
    Stand();
    PlayComputersTurn();
    EXPECT_EQ(said.mid(16),
        QStringList({ "Vaše karta: kulové eso. Máte dvě esa, 21 bodů.", "Počítač: eso.",
            "Vyhrál počítač, shoda dvě esa. Počítač: eso. Vše jste prohrál." }));
}

// Through the accessibility interfaces each control does what a left click does, and a banknote's
// second action what the right button does.
TEST_F(TableTest, AssistiveToolsPressTheButtonsAndTheBanknotesAsTheMouseDoes)
{
    Start();
    platform.msgBox.AnswerWith([](const QString&) { return MessageBox::Answer::No; });
    const auto act = [](QWidget* control, const QString& action = QAccessibleActionInterface::pressAction()) {
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(control)->actionInterface();
        EXPECT_TRUE(actions->actionNames().contains(action));
        actions->doAction(action);
    };
    act(stul->cmdRozdej);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stul->PlayersTurn(); }, 60000));
    act(&stul->cmdBankovka(2));
    act(&stul->cmdBankovka(0));
    act(&stul->cmdBankovka(2), QStringLiteral("Odebrat"));
    EXPECT_EQ(stul->Stake(), 200);
    act(stul->cmdRub);
    EXPECT_EQ(stul->Hra().PocetMychKaret(), 2);
    act(stul->cmdDost);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stul->tmrTah->Enabled(); }, 60000));
    act(stul->cmdKonec);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !platform.msgBox.Asked().isEmpty(); }, 60000));
}

// A tool's instant click, made sure of by a second one and its Press action, stakes once; a hand's
// quick double click twice. Nothing acts under the help window, nor on the table paid out meanwhile.
TEST_F(TableTest, AssistiveToolsActOnlyWhereAndAsOftenAsTheMouseCould)
{
    Start();
    const auto act = [](QWidget* control, const QString& action = QStringLiteral("Press")) {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
    };
    platform.msgBox.AnswerWith([](const QString&) { return MessageBox::Answer::Yes; });
    Deal({ K(Desitka, Listy), K(Devitka, Kule) });
    for (const auto& [at, held] : { std::pair<ulong, ulong> { 1000, 0 }, { 1030, 0 }, { 2000, 60 }, { 2100, 60 } })
        for (const auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
            QMouseEvent event(type, QPointF(8, 8), QPointF(8, 8), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            event.setTimestamp(type == QEvent::MouseButtonPress ? at : at + held);
            QApplication::sendEvent(&stul->cmdBankovka(at < 2000 ? 1 : 0), &event);
        }
    act(&stul->cmdBankovka(1));
    EXPECT_EQ(stul->Stake(), 800);
    DrawFromDeck();

    const auto buttonsUp = [this] { return !stul->cmdDost->isDown() && !stul->cmdKonec->isDown(); };
    QTimer::singleShot(0, stul, [&] {
        for (QWidget* control :
            std::vector<QWidget*> { stul->cmdDost, stul->cmdKonec, stul->cmdRub, &stul->cmdBankovka(2) })
            act(control);
        act(&stul->cmdBankovka(1), QStringLiteral("Odebrat"));
        EXPECT_TRUE(QTest::qWaitFor(buttonsUp, 60000) && Penezenka == 600 && stul->Stake() == 800);
        EXPECT_TRUE(stul->Hra().PocetMychKaret() == 2 && stul->PlayersTurn());
        stul->Unload();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the pay-out waits for no window";
        act(&stul->cmdBankovka(1), QStringLiteral("Odebrat"));
        act(stul->cmdDost);
        EXPECT_TRUE(QTest::qWaitFor(buttonsUp, 60000) && Penezenka == 0 && !stul->tmrTah->Enabled());
    });
    QTest::keyClick(stul, Qt::Key_F1);
    EXPECT_EQ(platform.msgBox.Asked().size(), 1);
}

// Announcements go out only while the platform's accessibility is on, as a screen reader turns
// it on; the screen reader's test runs this one on its accessibility bus.
TEST_F(TableTest, ThePurseTheStakeAndThePointsAreAnnouncedAsTheyChange)
{
    if (!qEnvironmentVariableIsSet("IXA_ACCESSIBILITY_BUS"))
        GTEST_SKIP() << "needs an accessibility bus";
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000));
    QAccessible::installUpdateHandler(recordValueChanges);
    Start();
    Deal({ K(Eso, Srdce), K(Sedma, Zaludy) });
    Stake(0);
    DrawFromDeck();
    QAccessible::installUpdateHandler(nullptr);

    using Change = std::pair<QObject*, QVariant>;
    const std::vector<Change> expected = {
        { stul->lblPenezenka, 1000 },
        { stul->lblBody_JA, 11 },
        { stul->lblSazka, QStringLiteral("Sázejte !") },
        { stul->lblPenezenka, 900 },
        { stul->lblSazka, 200 },
        { stul->lblBody_JA, 18 },
    };
    EXPECT_EQ(valueChanges, expected);
}
