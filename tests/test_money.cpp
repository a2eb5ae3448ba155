// The starting purse from the command line and the decision of who takes the stake.
#include "table/Penezenka.h"
#include "table/Vyhodnoceni.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>

TEST(StartingPurse, CountsTheArgumentInHundredsOfCrowns)
{
    struct Case {
        const char* argument;
        std::int32_t purse;
    };
    const Case cases[] = {
        {"", 1000},
        {"10", 1000},
        {"2.5", 250},
        {"50", 5000},
        {"999999", 99999900},
        {"999999.99", 99999999},   // the largest start: 1 Kč short of 100 million
        {"1000000", 1000},         // too much gives the default, not the amount
        {"5000000", 1000},
        {"abc", 0},
        {"-5", -500},
        {" 7e1", 7000},
        {"1e400", 1000},
        {"0.125", 12},             // 12.5 Kč: a half goes to the even crown
        {"0.135", 14},
        {"0", 0},
        {"3 4", 300},              // two arguments joined: the number stops at the blank
        {"-1e400", std::numeric_limits<std::int32_t>::min()},
        {"-30000000", std::numeric_limits<std::int32_t>::min()}, // its hundredfold is below -2^31
    };
    for (const Case& c : cases)
        EXPECT_EQ(PocatecniCastka(QString::fromUtf8(c.argument)), c.purse) << '"' << c.argument << '"';
}

TEST(Decision, FollowsTheRowsInOrderAndGivesEveryTieToTheBank)
{
    enum : std::int16_t { TriSedmy = 1, DveEsa = 2, Jednadvacet = 3, Pres = 4, Pod = 5 };
    constexpr Vitez H = Vitez::Hrac;
    constexpr Vitez PC = Vitez::Pocitac;
    struct Case {
        std::int16_t J, P, j, p;
        Vitez winner;
    };
    const Case cases[] = {
        // three sevens beat everything, even the computer's three sevens
        {TriSedmy, TriSedmy, 21, 21, H}, {TriSedmy, DveEsa, 21, 21, H}, {TriSedmy, Pres, 21, 25, H},
        // two aces: the computer's two aces and three sevens win, anything else loses
        {DveEsa, DveEsa, 21, 21, PC}, {DveEsa, TriSedmy, 21, 21, PC}, {DveEsa, Jednadvacet, 21, 21, H},
        {DveEsa, Pres, 21, 24, H}, {DveEsa, Pod, 21, 20, H},
        // 21 beats every total but not a special hand or another 21
        {Jednadvacet, Jednadvacet, 21, 21, PC}, {Jednadvacet, DveEsa, 21, 21, PC},
        {Jednadvacet, TriSedmy, 21, 21, PC}, {Jednadvacet, Pres, 21, 22, H}, {Jednadvacet, Pod, 21, 20, H},
        // both under 21: the higher total, a tie to the bank
        {Pod, Pod, 19, 18, H}, {Pod, Pod, 19, 19, PC}, {Pod, Pod, 17, 20, PC},
        // both over: the lower total, a tie to the bank
        {Pres, Pres, 22, 25, H}, {Pres, Pres, 24, 24, PC}, {Pres, Pres, 26, 23, PC},
        // under 21 against a computer over 21 wins; over 21 against anything not over loses
        {Pod, Pres, 12, 22, H}, {Pres, Pod, 22, 12, PC}, {Pres, Jednadvacet, 23, 21, PC},
        {Pod, Jednadvacet, 20, 21, PC}, {Pod, DveEsa, 20, 21, PC}, {Pres, TriSedmy, 23, 21, PC},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KdoVyhral(c.J, c.P, c.j, c.p), c.winner)
            << "J=" << c.J << " P=" << c.P << " j=" << c.j << " p=" << c.p;
}
