// The starting purse from the command line and the decision of who takes the stake.
#include "engine/clsHra21.h"
#include "history/Penezenka.h"
#include "table/Vyhodnoceni.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(StartingPurse, CountsTheArgumentInHundredsOfCrowns)
{
    struct Case {
        const char* argument;
        std::int32_t purse;
    };
    const Case cases[] = {
        { "", 1000 }, { "10", 1000 }, { "2.5", 250 }, { "50", 5000 }, { "999999", 99999900 },
        { "999999.99", 99999999 }, // 1 Kč short of 100 million
        { "1000000", 1000 }, // too much gives the default, not the amount
        { "5000000", 1000 }, { "abc", 0 }, { "-5", -500 }, { " 7e1", 7000 }, { "1e400", 1000 },
        { "0.125", 12 }, // 12.5 Kč: a half goes to the even crown
        { "0.135", 14 }, { "2.155", 216 }, // exactly 215.5 Kč, though the nearest double is 2.15499...
        { "999999.9999999999999999", 100000000 }, // still below the limit, however close
        { "0", 0 }, { "3 4", 300 }, // two arguments joined: the number stops at the blank
        { "-1e400", std::numeric_limits<std::int32_t>::min() },
        { "-30000000", std::numeric_limits<std::int32_t>::min() }, // its hundredfold is below -2^31
    };
    for (const Case& c : cases)
        EXPECT_EQ(PocatecniCastka(QString::fromUtf8(c.argument)), c.purse) << '"' << c.argument << '"';
}

TEST(Decision, FollowsTheRowsInOrderAndGivesEveryTieToTheBank)
{
    constexpr Vitez H = Vitez::Hrac;
    constexpr Vitez PC = Vitez::Pocitac;
    struct Case {
        std::int16_t J, P, j, p;
        Vitez winner;
    };
    const Case cases[] = {
        // three sevens beat everything, even the computer's three sevens
        { TriSedmy, TriSedmy, 21, 21, H },
        { TriSedmy, DveEsa, 21, 21, H },
        { TriSedmy, Pres, 21, 25, H },
        // two aces: the computer's two aces and three sevens win, anything else loses
        { DveEsa, DveEsa, 21, 21, PC },
        { DveEsa, TriSedmy, 21, 21, PC },
        { DveEsa, PresneJednadvacet, 21, 21, H },
        { DveEsa, Pres, 21, 24, H },
        { DveEsa, Pod, 21, 20, H },
        // 21 beats every total but not a special hand or another 21
        { PresneJednadvacet, PresneJednadvacet, 21, 21, PC },
        { PresneJednadvacet, DveEsa, 21, 21, PC },
        { PresneJednadvacet, TriSedmy, 21, 21, PC },
        { PresneJednadvacet, Pres, 21, 22, H },
        { PresneJednadvacet, Pod, 21, 20, H },
        // both under 21: the higher total, a tie to the bank
        { Pod, Pod, 19, 18, H },
        { Pod, Pod, 19, 19, PC },
        { Pod, Pod, 17, 20, PC },
        // both over: the lower total, a tie to the bank
        { Pres, Pres, 22, 25, H },
        { Pres, Pres, 24, 24, PC },
        { Pres, Pres, 26, 23, PC },
        // under 21 against a computer over 21 wins; over 21 against anything not over loses
        { Pod, Pres, 12, 22, H },
        { Pres, Pod, 22, 12, PC },
        { Pres, PresneJednadvacet, 23, 21, PC },
        { Pod, PresneJednadvacet, 20, 21, PC },
        { Pod, DveEsa, 20, 21, PC },
        { Pres, TriSedmy, 23, 21, PC },
    };
    for (const Case& c : cases)
        EXPECT_EQ(KdoVyhral(c.J, c.P, c.j, c.p), c.winner)
            << "J=" << c.J << " P=" << c.P << " j=" << c.j << " p=" << c.p;
}

TEST(Decision, AgreesWithTheRankingOfHandsForEveryPairOfStatesAndPoints)
{
    // Three sevens, two aces, 21, then the totals under 21 by size, then those over 21 with the
    // smaller one better. The player needs a strictly better hand, except with three sevens.
    auto rank = [](std::int16_t state, std::int16_t points) {
        switch (state) {
        case TriSedmy: return 100;
        case DveEsa: return 90;
        case PresneJednadvacet: return 80;
        case Pod: return 50 + points;
        default: return -points;
        }
    };
    auto pointsOf = [](std::int16_t state) {
        std::vector<std::int16_t> points;
        if (state == Pod)
            for (std::int16_t p = 2; p <= 20; ++p)
                points.push_back(p);
        else if (state == Pres)
            for (std::int16_t p = 22; p <= 30; ++p)
                points.push_back(p);
        else
            points.push_back(21);
        return points;
    };
    for (std::int16_t J = TriSedmy; J <= Pod; ++J)
        for (std::int16_t P = TriSedmy; P <= Pod; ++P)
            for (const std::int16_t j : pointsOf(J))
                for (const std::int16_t p : pointsOf(P)) {
                    const bool playerWins = J == TriSedmy || rank(J, j) > rank(P, p);
                    EXPECT_EQ(KdoVyhral(J, P, j, p) == Vitez::Hrac, playerWins)
                        << "J=" << J << " P=" << P << " j=" << j << " p=" << p;
                }
}
