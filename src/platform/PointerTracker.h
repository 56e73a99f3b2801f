// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

// Where the pointer is on the screen, learnt from the mouse events the
// program receives anyway. The main window covers the screen, so every move
// reaches one of the program's windows; asking the display server instead
// would cost a round trip on every animation step.
class PointerTracker : public QObject
{
    Q_OBJECT
public:
    explicit PointerTracker(QObject* parent = nullptr);
    ~PointerTracker() override;

    // Starts listening to the application's events; the position starts as
    // the display server reports it now (one query).
    void start();
    void stop();
    QPoint position() const { return m_position; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint m_position;
    bool m_started = false;
};
