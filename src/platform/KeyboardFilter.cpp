// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardFilter.h"

#include "platform/KeyboardRule.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// A grab fails while another client holds the keyboard for a moment (the
// window manager while it maps a window); it is tried again for two seconds.
constexpr int RetryIntervalMs = 50;
constexpr int RetryCount = 40;

bool asksForFocusWhenShown(const QWindow* window)
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return false;
    return window->isTopLevel() && window->type() != Qt::Popup && window->type() != Qt::ToolTip
        && (window->modality() != Qt::NonModal || window->type() == Qt::Dialog);
}

bool windowSystemGrab(QWindow* window, bool grab)
{
    return window->setKeyboardGrabEnabled(grab);
}

} // namespace

KeyboardFilter::KeyboardFilter(QObject* parent)
    : QObject(parent)
    , m_grabber(windowSystemGrab)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &KeyboardFilter::takeGrab);
}

KeyboardFilter::~KeyboardFilter()
{
    remove();
}

void KeyboardFilter::setGrabber(Grabber grabber)
{
    m_grabber = std::move(grabber);
}

void KeyboardFilter::install()
{
    if (m_installed)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(app)) {
        connect(gui, &QGuiApplication::focusWindowChanged, this, &KeyboardFilter::onFocusWindowChanged);
        connect(gui, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                onFocusWindowChanged();
        });
    }
    m_installed = true;
    onFocusWindowChanged();
}

void KeyboardFilter::remove()
{
    if (!m_installed)
        return;
    m_installed = false;
    m_retry.stop();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
        disconnect(app, nullptr, this, nullptr);
    }
    if (m_grabbing)
        m_grabber(m_grabbing, false);
    m_grabbing = nullptr;
}

void KeyboardFilter::onFocusWindowChanged()
{
    m_retriesLeft = RetryCount;
    takeGrab();
}

QWindow* KeyboardFilter::windowToHold()
{
    // With no window of the program active there is nothing to hold. A menu
    // holds the keyboard for itself while it shows; once it is gone, the
    // window it belonged to takes the keyboard back.
    QWindow* window = QGuiApplication::focusWindow();
    while (window && window->type() == Qt::Popup) {
        if (window->isVisible())
            return nullptr;
        window = window->transientParent();
    }
    return window;
}

void KeyboardFilter::takeGrab()
{
    if (!m_installed)
        return;
    QWindow* window = windowToHold();
    if (!window)
        return;
    // Taken again even for the same window: the window system drops a grab
    // when its window is hidden, and a closing menu gives the keyboard back.
    if (m_grabber(window, true)) {
        m_grabbing = window;
        m_retry.stop();
        return;
    }
    m_grabbing = nullptr;
    retryLater();
}

void KeyboardFilter::retryLater()
{
    if (m_retriesLeft-- > 0)
        m_retry.start();
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
    case QEvent::Show:
        // X11 window managers focus a window that appears; a Wayland
        // compositor waits to be asked, and a browser or prompt the child
        // sees but that hears no keys would leave the keyboard with the
        // window behind it.
        if (auto* window = qobject_cast<QWindow*>(watched); window && asksForFocusWhenShown(window)) {
            QMetaObject::invokeMethod(
                this,
                [target = QPointer<QWindow>(window)] {
                    if (target && target->isVisible())
                        target->requestActivate();
                },
                Qt::QueuedConnection);
        }
        break;
    case QEvent::Hide:
        // A menu that closes releases the whole keyboard, not just its own grab.
        if (auto* window = qobject_cast<QWindow*>(watched); window && window->type() == Qt::Popup) {
            m_retriesLeft = RetryCount;
            QMetaObject::invokeMethod(this, &KeyboardFilter::takeGrab, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
