// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program runs with a real QApplication on the offscreen platform,
// so real widgets can be created, shown and clicked, and with the modal
// driver's watchdog, so a window nobody answers fails its test at once.
#include "support/ModalDriver.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ModalDriver::startWatchdog();
    return RUN_ALL_TESTS();
}
