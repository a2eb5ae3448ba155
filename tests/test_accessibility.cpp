// What a screen reader learns of a game: every control named and given its role, the cards by
// their Czech names and whose they are, the purse, the stake and the points announced as they
// change, what happens told as it happens, and the buttons pressed through it.
#include "TableFixture.h"

#include "engine/NazevKarty.h"
#include "ui/access/Hlaseni.h"
#include "ui/controls/ClickRule.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTimer>

#include <map>

namespace {
QString nameOf(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

QAccessible::Role roleOf(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->role();
}

// The status bar a screen reader finds in a window: its command for it reads the bar's name.
QAccessibleInterface* statusBarOf(QWidget* window)
{
    QAccessibleInterface* parts = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < parts->childCount(); ++i)
        if (parts->child(i)->role() == QAccessible::StatusBar)
            return parts->child(i);
    return nullptr;
}

QString statusOf(QWidget* window)
{
    return statusBarOf(window)->text(QAccessible::Name);
}
} // namespace

// Nouns agree with their numbers as a Czech says them; a voice would read the minus as a dash.
TEST(CardNames, EveryCardHasItsCzechNameWithTheSuitAgreeingWithTheRankAndEveryCountWithItsNoun)
{
    QStringList counts;
    for (const std::int64_t n : { 0, 1, 2, 4, 5, 21, 22, 1000000, -1, -500 })
        counts << Hlaseni::Korun(n);
    EXPECT_EQ(counts.join(u'|'),
        "0 korun|1 koruna|2 koruny|4 koruny|5 korun|21 korun|22 korun|1000000 korun|minus 1 koruna|minus 500 korun");
    EXPECT_EQ(Hlaseni::Bodu(1) + ", " + Hlaseni::Bodu(3) + ", " + Hlaseni::Bodu(4) + ", " + Hlaseni::Bodu(5),
        "1 bod, 3 body, 4 body, 5 bodů");

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
        { &stul->cmdBankovka(0), { QStringLiteral("100 korun"), QAccessible::Button } },
        { &stul->cmdBankovka(5), { QStringLiteral("5000 korun"), QAccessible::Button } },
        { stul->cmdRub, { QStringLiteral("Balíček"), QAccessible::Button } },
        { stul->cmdRozdej, { QStringLiteral("Rozdej karty"), QAccessible::Button } },
        { stul->cmdKonec, { QStringLiteral("Konec"), QAccessible::Button } },
        { stul->lblPenezenka, { QStringLiteral("Obsah Vaší peněženky 1000 korun"), QAccessible::StaticText } },
        { stul->lblSazka, { QStringLiteral("Sázka 0 korun"), QAccessible::StaticText } },
        { stul->lblBody_JA, { QStringLiteral("Body pro Vás 0"), QAccessible::StaticText } },
        { stul->lblNapoveda, { stul->lblNapoveda->Caption(), QAccessible::StaticText } },
        { stul->picRevolver, { QStringLiteral("Revolver"), QAccessible::Graphic } },
    };
    for (const auto& [control, expected] : controls) {
        EXPECT_EQ(nameOf(control), expected.first);
        EXPECT_EQ(roleOf(control), expected.second) << expected.first.toStdString();
    }
    // The main window, where a screen reader looks for the status bar its messages are said in.
    EXPECT_EQ(roleOf(stul), QAccessible::Window);
    QAccessibleInterface* purse = QAccessible::queryAccessibleInterface(stul->lblPenezenka);
    EXPECT_EQ(purse->text(QAccessible::Value), "1000");
    EXPECT_EQ(purse->valueInterface(), nullptr) << "a display offers no Increase and Decrease";

    Deal({ K(Eso, Srdce), K(Sedma, Zaludy), K(Desitka, Kule) });
    EXPECT_EQ(nameOf(stul->lblSazka), QStringLiteral("Sázka, Sázejte !"));
    Stake(0);
    DrawFromDeck();
    Stand();
    stul->tmrTah->Tick();
    EXPECT_EQ(nameOf(&stul->picKarta(0)), QStringLiteral("Vaše karta srdcové eso"));
    EXPECT_EQ(nameOf(&stul->picKarta(1)), QStringLiteral("Vaše karta žaludská sedma"));
    EXPECT_EQ(nameOf(&stul->picKarta(2)), QStringLiteral("Karta počítače kulová desítka"));
    EXPECT_EQ(nameOf(stul->lblBody_PC), QStringLiteral("Body pro počítač 10"));
    EXPECT_EQ(roleOf(&stul->picKarta(1)), QAccessible::Graphic);
    EXPECT_EQ(purse->text(QAccessible::Value), "900");
    // A screen reader is not told that the focus left "Dost" on the stand: asked where it is, it
    // reads the button's description, which says what goes on, and only while it does.
    const auto dost
        = [this] { return QAccessible::queryAccessibleInterface(stul->cmdDost)->text(QAccessible::Description); };
    EXPECT_EQ(dost(), QStringLiteral("Počkejte, hraje počítač."));
    PlayComputersTurn();
    EXPECT_EQ(dost(), QString());
}

// In the order it happens, in few words, and a word for each key that does nothing. The bank draws
// every 800 ms, faster than a voice reads: its cards are said at most every other tick. Where the
// game stands is in the status bar in every state, for the screen reader's command that reads it.
TEST_F(TableTest, APlayerWhoDoesNotSeeTheTableHearsEachCardTheStakeTheBanksPlayAndTheOutcome)
{
    const auto keys = [this](std::initializer_list<QKeyCombination> pressed) {
        for (const QKeyCombination key : pressed)
            QTest::keyClick(stul, key.key(), key.keyboardModifiers());
    };
    const QKeyCombination del = Qt::Key_Delete | Qt::NoModifier, one = Qt::Key_1 | Qt::NoModifier,
                          seven = Qt::Key_7 | Qt::NoModifier, dost = Qt::AltModifier | Qt::Key_D,
                          rozdej = Qt::AltModifier | Qt::Key_R;
    Start();
    EXPECT_EQ(statusOf(stul), "Rozdejte karty. V peněžence 1000 korun.");
    keys({ del, one, dost });
    Deal({ K(Eso, Srdce), K(Sedma, Zaludy), K(Desitka, Listy), K(Osma, Kule), K(Osma, Srdce), K(Sedma, Kule) });
    EXPECT_EQ(statusOf(stul), "Sázejte, máte 11 bodů. V peněžence 1000 korun.");
    keys({ del, dost, rozdej, one, Qt::Key_6 | Qt::NoModifier, Qt::ShiftModifier | Qt::Key_2, del,
        Qt::Key_2 | Qt::NoModifier, seven, del, del, seven });
    EXPECT_EQ(statusOf(stul), "Hrajete, máte 21 bodů. Sázka 200 korun, v peněžence 900 korun.");
    Stand();
    keys({ rozdej, dost });
    stul->tmrTah->Tick();
    EXPECT_EQ(statusOf(stul), "Hraje počítač, máte 21 bodů, počítač 8. Sázka 200 korun, v peněžence 900 korun.");
    PlayComputersTurn();
    EXPECT_EQ(statusOf(stul), "Rozdejte karty. Výhra 21 proti 16. V peněžence 1100 korun.");
    EXPECT_EQ(said,
        QStringList({ "V peněžence 1000 korun. " + stul->lblNapoveda->Caption(), "Nejprve rozdejte karty.",
            "Nejprve rozdejte karty.", "Nejprve rozdejte karty.", "Srdcové eso, 11 bodů. Sázejte !",
            "Nejprve sázejte !", "Stát lze až se dvěma kartami.", "Hra ještě běží.", "Sázka 200 korun.",
            "Na 5000 korun nemáte, v peněžence 900 korun.", "200 korun nemáte vsazeno.", "Žaludská sedma, 18 bodů.",
            "Sázet lze jen s jednou kartou.", "Sedma vrácena, 11 bodů.", "Listová desítka, 21 bodů.",
            "Už nelze, máte 21 bodů.", "Poslední karta není sedma.", "Počkejte, hraje počítač.",
            "Počkejte, hraje počítač.", "Počítač osma.",
            "Výhra 21 proti 16. Osma, sedma, sedmu vrátil. V peněžence 1100 korun." }));

    // Over 21 both, and the bank's later cards said apart from its first: the lower total wins.
    Deal({ K(Devitka, Listy), K(Osma, Kule), K(Osma, Srdce), K(Kral, Listy), K(Svrsek, Listy), K(Spodek, Listy),
        K(Devitka, Kule), K(Desitka, Listy) });
    keys({ one, del, del, del });
    Stand();
    PlayComputersTurn();
    // A first seven given back leaves the stake standing: the next first card asks for none.
    Deal({ K(Sedma, Listy), K(Kral, Listy), K(Kral, Kule), K(Desitka, Listy), K(Kral, Srdce), K(Desitka, Kule) });
    keys({ one, seven, del, del });
    Stand();
    PlayComputersTurn();
    EXPECT_EQ(said.mid(21),
        QStringList({ "Listová devítka, 9 bodů. Sázejte !", "Sázka 200 korun.", "Kulová osma, 17 bodů.",
            "Srdcová osma, 25 bodů, přes 21.", "Už nelze, máte 25 bodů.", "Počítač král.", "Svršek, spodek.",
            "Prohra 25 proti 23. Devítka, desítka. V peněžence 1000 korun.", "Listová sedma, 7 bodů. Sázejte !",
            "Sázka 200 korun.", "Sedma vrácena, 0 bodů.", "Listový král, 2 body.", "Kulový král, 4 body.",
            "Počítač desítka.", "Výhra 4 proti 22. Král, desítka. V peněžence 1100 korun." }));

    Deal({ K(Eso, Listy), K(Eso, Kule), K(Eso, Srdce), K(Eso, Zaludy) });
    keys({ Qt::Key_4 | Qt::NoModifier, one, one, del });
    Stand();
    PlayComputersTurn();
    keys({ rozdej, del, one, dost });
    EXPECT_EQ(said.mid(36),
        QStringList({ "Listové eso, 11 bodů. Sázejte !", "Sázka 2000 korun.", "Sázka 2200 korun.",
            "Na 100 korun nemáte, v peněžence 0 korun.", "Kulové eso, dvě esa, 21 bodů.", "Počítač eso.",
            "Prohra, shoda dvě esa. Eso. Vše prohráno.", "Nemáte peníze.", "Nemáte peníze.", "Nemáte peníze.",
            "Nemáte peníze." }));
    EXPECT_EQ(statusOf(stul), "Nemáte peníze. Prohra, shoda dvě esa. V peněžence 0 korun.");

    // Messages wait for a window on the screen, as when the table hides for the pay-out while it
    // is still the active window, and one said meanwhile waits behind them.
    stul->hide();
    platform.announcer.Say(QStringLiteral("první"));
    QApplication::setActiveWindow(stul);
    stul->show();
    platform.announcer.Say(QStringLiteral("druhá"));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(stul);
    QAccessibleInterface* bar = statusBarOf(stul);
    EXPECT_EQ(QStringList({ bar->child(bar->childCount() - 2)->text(QAccessible::Name),
                  bar->child(bar->childCount() - 1)->text(QAccessible::Name) }),
        QStringList({ "první", "druhá" }));
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

// Orca's click key may come as a click at a point, one at the centre and the Press action: once.
// Every other click counts, however instant, as the tools of players who cannot hold a mouse
// click. Nothing acts under the help window, nor on the table paid out meanwhile.
TEST_F(TableTest, AssistiveToolsActOnlyWhereAndAsOftenAsTheMouseCould)
{
    // L, R: an instant left or right click, H: a held one, at the centre (c), beside it (b) or off it
    // (o); A: the Press action; K: a key. On the window system's clock; the caller's is 1 s ahead.
    const std::vector<std::tuple<const char*, bool, const char*, int>> cases = {
        { "Orca's fallback, idle desktop", true, "L1000b L1800c A1805", 1 },
        { "its clicks come after its Press", true, "A1000 L1002b L1004c", 1 },
        { "its Press between its clicks", true, "L1000b A1800 L1806c", 1 },
        { "Orca's fallback, busy desktop", true, "L1000b L5900c A10800", 1 },
        { "its right click", true, "R1000b R1800c", 1 },
        { "its key, held back, comes after its click", true, "L1000c K990 A1500", 1 },
        { "two keys, two gestures", true, "K900 L1000b K1500 L1600c", 2 },
        { "steps later than a busy desktop makes them", true, "L1000b L7001c A12002", 3 },
        { "a tool's triple click at the centre", true, "L1000c L1100c L1200c", 2 },
        { "a tool's double click off the centre", true, "L1000o L1080o", 2 },
        { "a hand's double click", true, "H1000c H1150c", 2 },
        { "a left click, then a right one", true, "L1000b R1100c", 2 },
        { "the fallback with no screen reader", false, "A1000 L1002b L1004c", 3 },
        { "xdotool's double click", false, "L1000c L1080c", 2 },
    };
    for (const auto& [name, screenReader, steps, counted] : cases) {
        ClickRule rule;
        int count = 0;
        qint64 lastKeyAt = 0;
        for (const QString& step : QString::fromLatin1(steps).split(u' ')) {
            const char kind = step.front().toLatin1();
            const qint64 at = step.mid(1, step.size() - 1 - step.back().isLetter()).toLongLong();
            const std::int16_t button = kind == 'R' ? MouseButton::Right : MouseButton::Left;
            if (kind == 'K') {
                lastKeyAt = at;
            } else if (kind == 'A') {
                count += rule.Acted(button, at + 1000, lastKeyAt, screenReader);
            } else {
                const QPointF position(step.endsWith('o') ? 5 : 50 - step.endsWith('b'), step.endsWith('o') ? 5 : 25);
                count += rule.Pressed(button, at, position, QSize(100, 50), lastKeyAt, at + 1000);
                rule.Released(button, at + 60 * (kind == 'H'), at + 60 * (kind == 'H') + 1000, screenReader);
            }
        }
        EXPECT_EQ(count, counted) << name;
    }

    Start();
    // A screen reader's gesture is timed on the platform's clock: here no time passes.
    platform.clock.Pretend(0);
    const auto act = [](QWidget* control, const QString& action = QStringLiteral("Press")) {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
    };
    platform.msgBox.AnswerWith([](const QString&) { return MessageBox::Answer::Yes; });
    Deal({ K(Desitka, Listy), K(Devitka, Kule) });
    const auto send = [](QWidget* control, QEvent::Type type, ulong at, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF centre = QRectF(control->rect()).center();
        QMouseEvent event(type, centre, centre, button, Qt::NoButton, Qt::NoModifier);
        event.setTimestamp(at);
        QApplication::sendEvent(control, &event);
    };
    const auto click = [&](std::int16_t note, ulong at, ulong held, Qt::MouseButton button = Qt::LeftButton) {
        // A tool's second instant click comes as the toolkit's double click.
        send(&stul->cmdBankovka(note), at == 1030 ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at, button);
        send(&stul->cmdBankovka(note), QEvent::MouseButtonRelease, at + held, button);
    };
    // No screen reader holds a key here: a tool's instant clicks, a hand's and the Press action all count.
    for (const auto& [at, held] : { std::pair<ulong, ulong> { 1000, 0 }, { 1030, 0 }, { 2000, 60 }, { 2100, 60 } })
        click(at < 2000 ? 1 : 0, at, held);
    act(&stul->cmdBankovka(1));
    EXPECT_EQ(stul->Stake(), 1600);
    // The screen reader's command for the key it holds clicks twice and presses: one stake. Once a
    // later key has reached the window, a tool's two right clicks take two notes back.
    const auto key = static_cast<ulong>(stul->LastKeyAt()) + 10000;
    stul->KeyHeldAt(static_cast<qint64>(key));
    click(0, key + 10, 0);
    click(0, key + 20, 0);
    act(&stul->cmdBankovka(0));
    EXPECT_EQ(stul->Stake(), 1800);
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    shift.setTimestamp(key + 100);
    QApplication::sendEvent(stul, &shift);
    click(0, key + 200, 0, Qt::RightButton);
    click(0, key + 210, 0, Qt::RightButton);
    EXPECT_EQ(stul->Stake(), 1400);
    // Nor does a table hidden, or shown again once it is gone.
    stul->Hide();
    act(&stul->cmdBankovka(0));
    stul->Show();

    // With one card held the deck and the notes would act, and "Konec" would ask, but for the help,
    // which opens between a click's press and its release.
    const auto buttonsUp = [this] { return !stul->cmdDost->isDown() && !stul->cmdKonec->isDown(); };
    QTimer::singleShot(0, stul, [&] {
        for (QWidget* control :
            std::vector<QWidget*> { stul->cmdDost, stul->cmdKonec, stul->cmdRub, &stul->cmdBankovka(0) })
            act(control);
        act(&stul->cmdBankovka(1), QStringLiteral("Odebrat"));
        send(stul->cmdRub, QEvent::MouseButtonRelease, 0);
        send(&stul->cmdBankovka(0), QEvent::MouseButtonPress, 0);
        EXPECT_TRUE(QTest::qWaitFor(buttonsUp, 60000) && Penezenka == 300 && stul->Stake() == 1400);
        EXPECT_TRUE(stul->Hra().PocetMychKaret() == 1 && stul->PlayersTurn());
        stul->Unload();
        stul->setVisible(true);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the pay-out waits for no window";
        act(&stul->cmdBankovka(1), QStringLiteral("Odebrat"));
        act(stul->cmdDost);
        EXPECT_TRUE(QTest::qWaitFor(buttonsUp, 60000) && Penezenka == 0 && !stul->tmrTah->Enabled());
    });
    send(stul->cmdRub, QEvent::MouseButtonPress, 0);
    QTest::keyClick(stul, Qt::Key_F1);
    EXPECT_EQ(platform.msgBox.Asked().size(), 1);
}
