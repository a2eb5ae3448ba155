// The results history: what the statistics chart reads back, newest first, at most 500 amounts.
#include "history/History.h"

#include <gtest/gtest.h>

TEST(History, ReadsBackFromTheNewestAndAnswersZeroOutsideTheRecords)
{
    History h;
    EXPECT_EQ(h.celkem(), 0);
    EXPECT_EQ(h.Ukaz(1), 0);

    h.Zaloz(1000);
    h.Zaloz(1200);
    h.Zaloz(800);
    struct Case {
        std::int16_t i;
        std::int32_t expected;
    };
    for (const Case c : { Case { 1, 800 }, { 2, 1200 }, { 3, 1000 }, { -2, 1200 }, { -3, 1000 }, { 0, 0 }, { 4, 0 },
             { -4, 0 }, { INT16_MIN, 0 }, { INT16_MAX, 0 } })
        EXPECT_EQ(h.Ukaz(c.i), c.expected) << "Ukaz(" << c.i << ")";
    EXPECT_EQ(h.celkem(), 3);
}

TEST(History, KeepsTheLatest500AndDropsTheOldestFirst)
{
    History h;
    for (std::int32_t amount = 1; amount <= 500; ++amount)
        h.Zaloz(amount);
    EXPECT_EQ(h.celkem(), 500);
    EXPECT_EQ(h.Ukaz(500), 1);

    h.Zaloz(501);
    EXPECT_EQ(h.celkem(), 500);
    EXPECT_EQ(h.Ukaz(1), 501);
    EXPECT_EQ(h.Ukaz(500), 2);

    for (std::int32_t amount = 502; amount <= 2000; ++amount)
        h.Zaloz(amount);
    EXPECT_EQ(h.celkem(), 500);
    EXPECT_EQ(h.Ukaz(500), 1501);
}

TEST(History, RecordsAnEmptyOrNegativePurseLikeAnyOther)
{
    History h;
    h.Zaloz(0);
    h.Zaloz(-500);
    EXPECT_EQ(h.celkem(), 2);
    EXPECT_EQ(h.Ukaz(1), -500);
    EXPECT_EQ(h.Ukaz(2), 0);
}
