#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;

// Answers the next modal window: start it before the call that opens the
// window; when a modal window appears, the action runs on it (type, click,
// read what it shows) and is expected to close it. Waits up to timeoutMs.
class ModalDriver
{
public:
    using Action = std::function<void(QWidget* modal)>;

    // Runs action on the next modal window that is not already open.
    static void answerNext(Action action, int timeoutMs = 5000);
    // Whether every action started so far has run.
    static bool allAnswered();

    // Helpers for actions: a left click at a point of a widget (press and
    // release), typing into the focused widget, finding a child by name.
    static void click(QWidget* widget, QPoint at = QPoint(-1, -1));
    static void type(QWidget* widget, const QString& text);
    static void pressKey(QWidget* widget, int key);
    // The window manager's close (Alt+F4, a close button): delivered to the
    // window as the window system delivers it. True when the window closed.
    static bool closeByWindowManager(QWidget* window);
    // The visible text of every QLabel in the window, joined by newlines.
    static QString visibleText(QWidget* window);
};
