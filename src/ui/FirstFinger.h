// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class QTouchEvent;

// Follows the first finger that touches a widget and nothing else: a second
// finger, or a palm resting on the screen, is ignored until the first one
// lifts, so a child's other hand never draws, scrolls or presses. Widgets
// that sit side by side can share one, so a finger on the next one is
// ignored too.
class FirstFinger
{
public:
    enum class Step { Down, Move, Up };
    using Handler = std::function<void(Step, const QEventPoint&)>;

    // Calls back for each step of the followed finger in a touch event sent
    // to a widget. A cancelled touch lifts it where it last was.
    void follow(const QWidget& widget, const QTouchEvent& event, const Handler& handle);
    bool isDown() const { return m_id >= 0 && m_widget; }

    // A contact wider than this is a palm or a wrist, not a fingertip.
    static constexpr qreal PalmMillimetres = 25.0;
    static bool isPalm(const QEventPoint& point, qreal dotsPerInch);

private:
    int m_id = -1;
    QPointer<const QWidget> m_widget;
    QEventPoint m_last;
};
