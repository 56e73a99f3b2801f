// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenRule.h"

#include <QCoreApplication>

namespace ScreenRule {

Verdict evaluate(int width, int height, int bitsPerPixel)
{
    if (bitsPerPixel < 16 || width < 800 || height < 600)
        return Verdict::Refuse;
    if (width < 1024 || height < 768)
        return Verdict::Warn;
    return Verdict::Accept;
}

QString refusalMessage()
{
    return QCoreApplication::translate("ScreenRule",
                                       "This program can not run under the current screen resolution. The "
                                       "minimum size is 800 by 600, at a color mode of 24 bits (true color).\r\n"
                                       "You must change the resolution before the program can run.");
}

QString warningMessage()
{
    return QCoreApplication::translate("ScreenRule",
                                       "Although this program is able to run at your current screen resolution, "
                                       "it is highly recommended that you switch to a minimum size of 1024 by "
                                       "768; otherwise, not all of the pictures will fit on the screen.\r\n\r\n"
                                       "Would you like to continue anyway?");
}

}
