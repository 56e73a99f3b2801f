// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QUrl;

// Stands in for the desktop's web browser while it lives: every https
// address the program hands over is recorded instead of opened.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;

    // From now on the browser cannot be started: handing an address over fails.
    void breakBrowser();

    QStringList urls;
    // Runs as each address is handed over (to see what is on screen then).
    std::function<void()> onOpen;

public Q_SLOTS:
    void open(const QUrl& url);
};
