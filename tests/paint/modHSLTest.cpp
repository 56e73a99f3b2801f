// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/modHSL.h"

#include <gtest/gtest.h>

#include <algorithm>

using modHSL::HSL;
using modHSL::HSLtoRGB;
using modHSL::RGBtoHSL;
using modHSL::rgb;

TEST(HSL, PureRedAndBlueGoThereAndBackAsTheRulesSay)
{
    EXPECT_EQ(RGBtoHSL(rgb(255, 0, 0)), (HSL{0, 255, 128}));
    // M2 = round(254.5) = 254, M1 = 2.
    EXPECT_EQ(HSLtoRGB({0, 255, 128}), rgb(254, 2, 2));
    EXPECT_EQ(RGBtoHSL(rgb(0, 0, 255)), (HSL{170, 255, 128}));
    EXPECT_EQ(HSLtoRGB({170, 255, 128}), rgb(2, 2, 254));
}

TEST(HSL, GreysHaveNoHueNorSaturationAndComeBackAsGreys)
{
    EXPECT_EQ(RGBtoHSL(rgb(128, 128, 128)), (HSL{0, 0, 128}));
    EXPECT_EQ(HSLtoRGB({0, 0, 128}), rgb(128, 128, 128));
    // A grey's lightness is its level plus one half, and halves round to
    // even: even levels come back unchanged, odd ones one level lighter
    // (white stays white, the channel stops at 255).
    int unchanged = 0;
    for (int v = 0; v <= 255; ++v) {
        const HSL hsl = RGBtoHSL(rgb(v, v, v));
        ASSERT_EQ(hsl.H, 0) << v;
        ASSERT_EQ(hsl.S, 0) << v;
        const int back = v % 2 == 0 ? v : std::min(v + 1, 255);
        ASSERT_EQ(HSLtoRGB(hsl), rgb(back, back, back)) << v;
        unchanged += back == v;
    }
    EXPECT_EQ(unchanged, 129);
}

TEST(HSL, HalvesRoundToEven)
{
    EXPECT_EQ(modHSL::hueToChannel(0, 85, 21), 42); // (85 * 21 + 21.25) / 42.5 = 42.5
    EXPECT_EQ(modHSL::hueToChannel(0, 255, 64), 255);
    EXPECT_EQ(modHSL::hueToChannel(10, 200, 200), 10);
    // Hues outside 0..255 wrap once.
    EXPECT_EQ(modHSL::hueToChannel(10, 200, -200), modHSL::hueToChannel(10, 200, 55));
    EXPECT_EQ(modHSL::hueToChannel(10, 200, 300), modHSL::hueToChannel(10, 200, 45));
}
