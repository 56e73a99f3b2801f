// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ModalDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QWindow>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int g_pending = 0;
// The answers still waiting for their window, dropped when a test ends.
QList<QPointer<QTimer>> g_polls;
// Windows an action ran on: still open afterwards means the answer failed.
QList<QPointer<QWidget>> g_answered;
// Windows whose action is running now (it may wait, or load, as it likes).
QList<QPointer<QWidget>> g_acting;

void stopPoll(QTimer* poll)
{
    poll->stop();
    poll->deleteLater();
    g_polls.removeAll(QPointer<QTimer>(poll));
}

QString describe(QWidget* modal)
{
    QString text = ModalDriver::visibleText(modal).simplified();
    if (text.size() > 120)
        text = text.left(117) + QStringLiteral("...");
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QLatin1String(modal->metaObject()->className()), modal->windowTitle(), text);
}

// Top first: each closed window's exec() returns once control is back in it.
void closeModalWindows()
{
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        // A window that refuses (a notice ignoring Escape and close) is
        // hidden, which still ends its exec().
        if (QApplication::activeModalWidget() == modal)
            modal->hide();
    }
}

class Watchdog : public ::testing::EmptyTestEventListener
{
public:
    explicit Watchdog(int graceMs) : m_graceMs(graceMs)
    {
        // The application owns the timer: it goes before the listeners do.
        auto* timer = new QTimer(qApp);
        timer->setInterval(50);
        QObject::connect(timer, &QTimer::timeout, [this] { check(); });
        timer->start();
    }

    int grace() const { return m_graceMs; }
    void setGrace(int graceMs) { m_graceMs = graceMs; }

    // Nothing carries over into the next test: answers never used fail this
    // one, and a window left open is closed.
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        const int unused = g_pending;
        for (const QPointer<QTimer>& poll : std::as_const(g_polls))
            if (poll) {
                poll->stop();
                poll->deleteLater();
            }
        g_polls.clear();
        g_pending = 0;
        g_answered.clear();
        g_acting.clear();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal window was still open when the test ended: " << describe(modal).toStdString();
            closeModalWindows();
        }
        if (unused > 0)
            ADD_FAILURE() << unused << " expected modal window(s) never appeared";
        m_top = nullptr;
    }

private:
    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != m_top || g_acting.contains(QPointer<QWidget>(modal))) {
            m_top = modal;
            m_since.start();
        }
        if (!modal || !modal->isVisible() || m_since.elapsed() < m_graceMs)
            return;
        const bool answered = g_answered.contains(QPointer<QWidget>(modal));
        ADD_FAILURE() << (answered ? "the answered modal window did not close: "
                                   : "a modal window nobody expected appeared: ")
                      << describe(modal).toStdString() << "; the watchdog closed it after " << m_graceMs
                      << " ms";
        closeModalWindows();
        m_top = nullptr;
    }

    int m_graceMs;
    QPointer<QWidget> m_top;
    QElapsedTimer m_since;
};

Watchdog* g_watchdog = nullptr;

} // namespace

void ModalDriver::startWatchdog(int graceMs)
{
    if (g_watchdog)
        return;
    g_watchdog = new Watchdog(graceMs);
    // The listeners own it and end it with the program.
    ::testing::UnitTest::GetInstance()->listeners().Append(g_watchdog);
}

int ModalDriver::watchdogGrace()
{
    return g_watchdog ? g_watchdog->grace() : 0;
}

void ModalDriver::setWatchdogGrace(int graceMs)
{
    if (g_watchdog)
        g_watchdog->setGrace(graceMs);
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
    g_polls.append(poll);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action, alreadyOpen, clock, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !alreadyOpen.contains(QPointer<QWidget>(modal)) && modal->isVisible()) {
            stopPoll(poll);
            --g_pending;
            g_answered.append(modal);
            g_acting.append(modal);
            action(modal);
            g_acting.removeLast();
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            stopPoll(poll);
            --g_pending;
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

QString ModalDriver::childText(const QWidget* window, const char* name)
{
    QLabel* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

QString ModalDriver::visibleText(QWidget* window)
{
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            texts << label->text();
    return texts.join(QLatin1Char('\n'));
}
