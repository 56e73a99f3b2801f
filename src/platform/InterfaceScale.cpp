// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InterfaceScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>

namespace InterfaceScale {

qreal forScreen(QSize logicalSize)
{
    if (logicalSize.isEmpty())
        return 1.0;
    const qreal across = qreal(logicalSize.width()) / DesignScreen.width();
    const qreal down = qreal(logicalSize.height()) / DesignScreen.height();
    return std::max<qreal>(1.0, std::min(across, down));
}

void apply(qreal factor)
{
    // Qt's own global factor (what QT_SCALE_FACTOR sets) rather than scaling
    // each window by hand: it covers painting, fonts, input and every
    // top-level window, including those Qt opens itself.
    QHighDpiScaling::setGlobalFactor(factor);
}

void applyForPrimaryScreen()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        apply(forScreen(screen->geometry().size()));
}

} // namespace InterfaceScale
