// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of bench_idle: the least a Qt Widgets window can do that
// shows something moving at the palette's wake rate. It covers the screen
// and, at every wake, repaints one 2 x 2 pixel square, nothing more.
#include "platform/TickPacer.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class FloorWindow : public QWidget
{
public:
    FloorWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }

    void step()
    {
        m_on = !m_on;
        repaint(QRect(20, 20, 2, 2));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), m_on ? Qt::red : Qt::white);
    }

private:
    bool m_on = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.showFullScreen();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(TickPacer::WakeMilliseconds);
    QObject::connect(&timer, &QTimer::timeout, &window, &FloorWindow::step);
    timer.start();
    return app.exec();
}
