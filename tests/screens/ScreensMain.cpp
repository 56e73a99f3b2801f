// SPDX-License-Identifier: GPL-3.0-or-later
// One screen per run: the offscreen platform is given a screen of the size
// in TINTALOO_TEST_SCREEN ("1920x1080" or "3840x2160@2" for a density of
// two), and the interface is scaled for it as the program does at start.
#include "platform/InterfaceScale.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const QString wanted = qEnvironmentVariable("TINTALOO_TEST_SCREEN", QStringLiteral("1024x768"));
    const auto match = QRegularExpression(QStringLiteral(R"(^(\d+)x(\d+)(?:@(\d+(?:\.\d+)?))?$)")).match(wanted);
    if (!match.hasMatch()) {
        std::fprintf(stderr, "TINTALOO_TEST_SCREEN must read like 1920x1080 or 3840x2160@2\n");
        return 2;
    }
    QTemporaryDir config;
    const QString configFile = config.filePath(QStringLiteral("screens.json"));
    QFile file(configFile);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    // The platform takes the screen's size in logical pixels.
    const double ratio = match.captured(3).isEmpty() ? 1.0 : match.captured(3).toDouble();
    const int width = int(match.captured(1).toInt() / ratio);
    const int height = int(match.captured(2).toInt() / ratio);
    file.write(QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                   .arg(width)
                   .arg(height)
                   .arg(ratio)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configFile.toLocal8Bit());
    qunsetenv("QT_SCALE_FACTOR");

    QApplication app(argc, argv);
    InterfaceScale::applyForPrimaryScreen();
    ::testing::InitGoogleTest(&argc, argv);
    ModalDriver::startWatchdog();
    return RUN_ALL_TESTS();
}
