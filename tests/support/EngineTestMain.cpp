// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's test programs run with a QGuiApplication on the offscreen
// platform: images, fonts and painters, and no widgets to be had.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
