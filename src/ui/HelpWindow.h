// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/BorderedDialog.h"

class LinkLabel;
class QTextBrowser;
class QUrl;

// The program's help: one HTML topic of the help folder at a time, links
// between topics followed inside the window (names matched without regard
// to letter case), web links handed to the browser. Modal over the
// full-screen main window and sized to most of its screen.
//
// A translated topic lives in a language folder below the English ones
// (help/de/index.htm); a link or picture that folder lacks is taken from
// fallbackFolder, the English topics' folder, when one is given.
class HelpWindow : public BorderedDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(const QString& topicPath, QWidget* parent = nullptr, const QString& fallbackFolder = {});

    // The browser that shows the topics.
    QTextBrowser* browser() const { return m_browser; }

private:
    void followLink(const QUrl& link);
    void showTopic(const QString& path, const QString& fragment = {});
    void fitToScreen();

    QTextBrowser* m_browser = nullptr;
    LinkLabel* m_close = nullptr;
    QString m_topicPath;
    QString m_fallbackFolder;
};
