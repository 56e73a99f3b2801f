// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <functional>

// Keeps key combinations that would take a child out of the program away from
// everything. An application-wide event filter applies KeyboardRule, and
// whichever window of the program is active (the main window, the picture
// browser, a prompt, a notice, the options) holds the keyboard grab, so on
// X11 the window manager never sees Alt+Tab and friends. The grab follows
// the focus from window to window and is taken back whenever focus returns
// to the program, or a menu that took the keyboard for itself closes.
//
// The grab is the window system's own (QWindow), not a widget's: keys still
// go to the focused control of the active window, so a password can be typed.
// (A Wayland client cannot grab globally; the rule still applies inside the
// program.)
class KeyboardFilter : public QObject
{
    Q_OBJECT
public:
    // Takes (grab true) or gives back the keyboard for a window; returns
    // whether the window system did so.
    using Grabber = std::function<bool(QWindow* window, bool grab)>;

    explicit KeyboardFilter(QObject* parent = nullptr);
    ~KeyboardFilter() override;

    // For tests: how the keyboard is taken, in place of the window system.
    void setGrabber(Grabber grabber);

    void install();
    void remove();
    // The window holding the grab, or null.
    QWindow* grabbingWindow() const { return m_grabbing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QWindow* windowToHold();
    void takeGrab();
    void onFocusWindowChanged();
    void retryLater();

    Grabber m_grabber;
    QPointer<QWindow> m_grabbing;
    QTimer m_retry;
    int m_retriesLeft = 0;
    bool m_installed = false;
};
