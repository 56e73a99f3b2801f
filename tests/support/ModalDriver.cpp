#include "support/ModalDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QWindow>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
int g_pending = 0;
}

void ModalDriver::answerNext(Action action, int timeoutMs)
{
    ++g_pending;
    // Every window already showing is someone else's to answer: when a
    // nested prompt closes, the window under it becomes the active modal
    // one again and must not be mistaken for the next window.
    QList<QPointer<QWidget>> alreadyOpen;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            alreadyOpen.append(top);
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action, alreadyOpen, clock, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !alreadyOpen.contains(QPointer<QWidget>(modal)) && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            --g_pending;
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window appeared to answer";
        }
    });
    poll->start();
}

bool ModalDriver::allAnswered()
{
    return g_pending == 0;
}

void ModalDriver::click(QWidget* widget, QPoint at)
{
    if (!widget)
        return;
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void ModalDriver::type(QWidget* widget, const QString& text)
{
    QTest::keyClicks(widget, text);
}

void ModalDriver::pressKey(QWidget* widget, int key)
{
    QTest::keyClick(widget, Qt::Key(key));
}

bool ModalDriver::closeByWindowManager(QWidget* window)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
    return !window->isVisible();
}

QString ModalDriver::visibleText(QWidget* window)
{
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            texts << label->text();
    return texts.join(QLatin1Char('\n'));
}
