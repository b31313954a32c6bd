#include "core/style_scale.h"

#include <gtest/gtest.h>

#include <climits>

TEST(StyleScale, KeepsValuesAt96AndScalesExactMultiples)
{
    for (int value : {0, 1, 3, 21, 347, -7}) {
        EXPECT_EQ(core::ScaleForDpi(value, 96), value);
        EXPECT_EQ(core::ScaleForDpi(value, 192), 2 * value);
    }
    EXPECT_EQ(core::ScaleForDpi(250, 144), 375);
}

TEST(StyleScale, RoundsHalvesAwayFromZeroAsMulDiv)
{
    EXPECT_EQ(core::ScaleForDpi(1, 144), 2);    // 1.5
    EXPECT_EQ(core::ScaleForDpi(3, 144), 5);    // 4.5
    EXPECT_EQ(core::ScaleForDpi(-3, 144), -5);  // -4.5
    EXPECT_EQ(core::ScaleForDpi(1, 120), 1);    // 1.25
    EXPECT_EQ(core::ScaleForDpi(2, 120), 3);    // 2.5
    EXPECT_EQ(core::ScaleForDpi(-2, 120), -3);  // -2.5
    EXPECT_EQ(core::ScaleForDpi(3, 120), 4);    // 3.75
    EXPECT_EQ(core::ScaleForDpi(17, 168), 30);  // 29.75
    EXPECT_EQ(core::ScaleForDpi(5, -96), -5);
}

TEST(StyleScale, HoldsResultsPastTheIntRangeAtItsEnds)
{
    EXPECT_EQ(core::ScaleForDpi(INT_MAX, 192), INT_MAX);
    EXPECT_EQ(core::ScaleForDpi(INT_MIN, 192), INT_MIN);
    EXPECT_EQ(core::ScaleForDpi(INT_MIN, -192), INT_MAX);
    EXPECT_EQ(core::ScaleForDpi(INT_MAX, 96), INT_MAX);
    EXPECT_EQ(core::ScaleForDpi(INT_MIN, 96), INT_MIN);
}
