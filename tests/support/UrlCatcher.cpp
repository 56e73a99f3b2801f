// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/UrlCatcher.h"

#include <QDesktopServices>
#include <QUrl>

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlCatcher::breakBrowser()
{
    // A handler without the slot makes QDesktopServices::openUrl fail.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "noSuchSlot");
}

void UrlCatcher::open(const QUrl& url)
{
    urls << url.toString();
    if (onOpen)
        onOpen();
}
