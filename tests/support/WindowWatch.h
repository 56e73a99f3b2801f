// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the tests of the settings, options, splash and help windows.
// The windows open each other modally (a notice over the options window, the
// welcome before it), so a test answers each kind of window by its type
// rather than by the order in which they appear.

#include "ui/LinkLabel.h"
#include "ui/frmParentMessage.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include "support/TestTools.h"
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace WindowWatch {

// Runs action once on the next visible modal window of type Window.
template <class Window>
void answer(std::function<void(Window*)> action, int timeoutMs = 10000)
{
    auto* poll = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action, elapsed, timeoutMs]() {
        *elapsed += 10;
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(window);
        } else if (*elapsed > timeoutMs) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

// A library window's book chooser and picture list.
inline QComboBox* cBooks(const QWidget* window) { return ModalDriver::child<QComboBox>(window, "cBooks"); }
inline QListWidget* LV(const QWidget* window) { return ModalDriver::child<QListWidget>(window, "LV"); }

// Answers the next parent notice: records its text, runs then (the place to
// expect the window that follows) and presses "Cancel" or "Continue".
inline void answerNotice(QStringList& texts, bool cancel = false, std::function<void()> then = {})
{
    ModalDriver::answerNext([&texts, cancel, then](QWidget* modal) {
        if (!qobject_cast<frmParentMessage*>(modal)) {
            ADD_FAILURE() << "expected a parent notice, got " << modal->metaObject()->className();
            modal->close();
            return;
        }
        texts << ModalDriver::childText(modal, "lMessage");
        if (then)
            then();
        ModalDriver::clickChild(modal, cancel ? "lCancel" : "lContinue");
    });
}

// While it lives, answers every parent notice that opens: records its text
// and presses "Continue" (or "Cancel" when asked).
class Notices
{
public:
    explicit Notices(bool pressCancel = false)
        : m_poll(std::make_unique<QTimer>())
        , m_texts(std::make_shared<QStringList>())
        , m_pressCancel(std::make_shared<bool>(pressCancel))
    {
        m_poll->setInterval(10);
        auto texts = m_texts;
        auto cancelWanted = m_pressCancel;
        QObject::connect(m_poll.get(), &QTimer::timeout, [texts, cancelWanted]() {
            auto* notice = qobject_cast<frmParentMessage*>(QApplication::activeModalWidget());
            if (!notice || !notice->isVisible())
                return;
            texts->append(ModalDriver::childText(notice, "lMessage"));
            const bool cancel = *cancelWanted && ModalDriver::child(notice, "lCancel")->isVisible();
            ModalDriver::clickChild(notice, cancel ? "lCancel" : "lContinue");
        });
        m_poll->start();
    }

    const QStringList& texts() const { return *m_texts; }
    void setPressCancel(bool on) { *m_pressCancel = on; }

private:
    std::unique_ptr<QTimer> m_poll;
    std::shared_ptr<QStringList> m_texts;
    std::shared_ptr<bool> m_pressCancel;
};

} // namespace WindowWatch
