#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps key combinations that would take a child out of the program away from
// everything: an application-wide event filter applies KeyboardRule, and
// while the guarded window is the active window it holds the keyboard grab,
// so on X11 the window manager never sees Alt+Tab and friends. (A Wayland
// client cannot grab globally; the rule still applies inside the program.)
class KeyboardFilter : public QObject
{
    Q_OBJECT
public:
    explicit KeyboardFilter(QObject* parent = nullptr);
    ~KeyboardFilter() override;

    void install(QWidget* guardedWindow);
    void remove();
    bool isInstalled() const { return m_installed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateGrab();

    QPointer<QWidget> m_window;
    bool m_installed = false;
    bool m_grabbing = false;
};
