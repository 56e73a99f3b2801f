// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QEvent>
#include <QRect>
#include <QWidget>
#include <QWindow>

// Where the window system was told to put each window at the moment it was
// shown. A window placed only afterwards keeps, under a window manager, the
// place the manager chose for it.
class ShownAt : public QObject
{
public:
    ShownAt() { qApp->installEventFilter(this); }
    ~ShownAt() override { qApp->removeEventFilter(this); }

    // The last window of that class shown, as placed then; empty for none.
    QRect of(const char* className) const { return m_shown.value(QLatin1String(className)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->windowHandle())
            m_shown.insert(QLatin1String(widget->metaObject()->className()), widget->windowHandle()->geometry());
        return false;
    }

private:
    QHash<QString, QRect> m_shown;
};
