#include "support/ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {
int g_pending = 0;
}

void ModalDriver::answerNext(Action action, int timeoutMs)
{
    ++g_pending;
    QPointer<QWidget> alreadyOpen = QApplication::activeModalWidget();
    auto* poll = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action, alreadyOpen, elapsed, timeoutMs]() {
        *elapsed += 10;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != alreadyOpen && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            --g_pending;
            action(modal);
            return;
        }
        if (*elapsed > timeoutMs) {
            poll->stop();
            poll->deleteLater();
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

QString ModalDriver::visibleText(QWidget* window)
{
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            texts << label->text();
    return texts.join(QLatin1Char('\n'));
}
