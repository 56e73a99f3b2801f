// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardRule.h"

#include <gtest/gtest.h>

using KeyboardRule::KeyInfo;
using KeyboardRule::swallows;

TEST(KeyboardRule, SwallowsEveryWayOutOfTheProgram)
{
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Tab, Qt::AltModifier}));       // task switching
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_F4, Qt::AltModifier}));        // closing the window
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Escape, Qt::ControlModifier})); // the start menu
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Super_L, Qt::NoModifier}));
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Super_R, Qt::NoModifier}));
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Menu, Qt::NoModifier}));
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_D, Qt::MetaModifier}));       // Super+D shows the desktop
}

TEST(KeyboardRule, SwallowsTheModifierKeysThemselves)
{
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Shift, Qt::ShiftModifier}));
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Control, Qt::NoModifier}));
    EXPECT_TRUE(swallows(KeyInfo{Qt::Key_Alt, Qt::NoModifier}));
}

TEST(KeyboardRule, LetsTypingThrough)
{
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
        EXPECT_FALSE(swallows(KeyInfo{key, Qt::NoModifier})) << key;
    for (int key = Qt::Key_0; key <= Qt::Key_9; ++key)
        EXPECT_FALSE(swallows(KeyInfo{key, Qt::NoModifier})) << key;
    EXPECT_FALSE(swallows(KeyInfo{Qt::Key_Escape, Qt::NoModifier}));
    EXPECT_FALSE(swallows(KeyInfo{Qt::Key_Return, Qt::NoModifier}));
    EXPECT_FALSE(swallows(KeyInfo{Qt::Key_Left, Qt::KeypadModifier}));
    EXPECT_FALSE(swallows(KeyInfo{Qt::Key_F1, Qt::NoModifier}));
}
