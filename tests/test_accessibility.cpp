// What a screen reader learns of a game: every control named and given its role, the cards by
// their Czech names, and the purse, the stake and the points announced as they change.
#include "TableFixture.h"

#include "engine/NazevKarty.h"

#include <QAccessible>
#include <QAccessibleValueChangeEvent>

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
        { stul->lblPenezenka, { QStringLiteral("Obsah Vaší peněženky"), QAccessible::StaticText } },
        { stul->lblSazka, { QStringLiteral("Sázka"), QAccessible::StaticText } },
        { stul->lblBody_JA, { QStringLiteral("Body pro Vás"), QAccessible::StaticText } },
        { stul->lblNapoveda, { stul->lblNapoveda->Caption(), QAccessible::StaticText } },
        { stul->picRevolver, { QStringLiteral("Revolver"), QAccessible::Graphic } },
    };
    for (const auto& [control, expected] : controls) {
        EXPECT_EQ(nameOf(control), expected.first);
        EXPECT_EQ(roleOf(control), expected.second) << expected.first.toStdString();
    }
    QAccessibleInterface* purse = QAccessible::queryAccessibleInterface(stul->lblPenezenka);
    EXPECT_EQ(purse->text(QAccessible::Value), "1000");
    ASSERT_NE(purse->valueInterface(), nullptr);
    EXPECT_EQ(purse->valueInterface()->currentValue(), 1000);

    Deal({ K(Eso, Srdce), K(Sedma, Zaludy) });
    Stake(0);
    DrawFromDeck();
    EXPECT_EQ(nameOf(&stul->picKarta(0)), QStringLiteral("srdcové eso"));
    EXPECT_EQ(nameOf(&stul->picKarta(1)), QStringLiteral("žaludská sedma"));
    EXPECT_EQ(roleOf(&stul->picKarta(1)), QAccessible::Graphic);
    EXPECT_EQ(purse->valueInterface()->currentValue(), 900);
}

// Announcements go out only while the platform's accessibility is on, as a screen reader turns
// it on; the real program's tests run this one under X with an accessibility bus.
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
