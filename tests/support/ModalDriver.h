// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

class QAbstractButton;

// Answers the next modal window: start it before the call that opens the
// window; when a modal window appears, the action runs on it (type, click,
// read what it shows) and is expected to close it. Waits up to timeoutMs.
//
// Its watchdog (on in every test program) keeps a test from blocking for
// good in exec(): a modal window that stays on top for graceMs while no
// answer runs on it, because nobody expected it or its answer did not close
// it, is closed (with every modal window under it) and fails the test. When
// a test ends, answers still waiting fail it and are dropped.
class ModalDriver
{
public:
    using Action = std::function<void(QWidget* modal)>;

    // Runs action on the next modal window that is not already open.
    static void answerNext(Action action, int timeoutMs = 5000);
    // Whether every action started so far has run.
    static bool allAnswered();

    static void startWatchdog(int graceMs = 3000);
    static int watchdogGrace();
    static void setWatchdogGrace(int graceMs);

    // Helpers for actions: a window's control by its name (failing the test
    // when there is none), a left click at a point of a widget (press and
    // release), typing into the focused widget.
    template <class Widget = QWidget>
    static Widget* child(const QWidget* window, const char* name)
    {
        Widget* found = window ? window->findChild<Widget*>(QLatin1String(name)) : nullptr;
        if (!found)
            ADD_FAILURE() << "no control named " << name;
        return found;
    }
    static void clickChild(const QWidget* window, const char* name) { click(child(window, name)); }
    static QString childText(const QWidget* window, const char* name);
    static void click(QWidget* widget, QPoint at = QPoint(-1, -1));
    static void type(QWidget* widget, const QString& text);
    static void pressKey(QWidget* widget, int key);
    // The window manager's close (Alt+F4, a close button): delivered to the
    // window as the window system delivers it. True when the window closed.
    static bool closeByWindowManager(QWidget* window);
    // The visible text of every QLabel in the window, joined by newlines.
    static QString visibleText(QWidget* window);
};
