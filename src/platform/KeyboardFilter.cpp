#include "platform/KeyboardFilter.h"

#include "platform/KeyboardRule.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

KeyboardFilter::KeyboardFilter(QObject* parent)
    : QObject(parent)
{
}

KeyboardFilter::~KeyboardFilter()
{
    remove();
}

void KeyboardFilter::install(QWidget* guardedWindow)
{
    if (m_installed)
        return;
    m_window = guardedWindow;
    QCoreApplication::instance()->installEventFilter(this);
    m_installed = true;
    updateGrab();
}

void KeyboardFilter::remove()
{
    if (!m_installed)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    if (m_grabbing && m_window)
        m_window->releaseKeyboard();
    m_grabbing = false;
    m_installed = false;
}

void KeyboardFilter::updateGrab()
{
    if (!m_window)
        return;
    // A modal window needs the keyboard for itself (a password, a hint), so
    // the grab is held only while the guarded window is active.
    const bool active = m_window->isActiveWindow();
    if (active && !m_grabbing) {
        m_window->grabKeyboard();
        m_grabbing = true;
    } else if (!active && m_grabbing) {
        m_window->releaseKeyboard();
        m_grabbing = false;
    }
}

bool KeyboardFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (KeyboardRule::swallows(*static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (watched == m_window)
            updateGrab();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
