// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardFilter.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// The keyboard filter with the window system's grab replaced by a record of
// what was asked, so that it can be watched on the offscreen platform.
class KeyboardGrab : public ::testing::Test
{
protected:
    void SetUp() override
    {
        filter.setGrabber([this](QWindow* window, bool grab) {
            calls.append({window, grab});
            return !grab || refusals-- <= 0;
        });
        main.resize(400, 300);
        main.show();
        makeActive(&main);
    }

    void TearDown() override { filter.remove(); }

    static bool makeActive(QWidget* window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    bool grabbedFor(QWidget* window) const { return filter.grabbingWindow() == window->windowHandle(); }
    bool waitForGrab(QWidget* window) const
    {
        return QTest::qWaitFor([&] { return grabbedFor(window); }, 3000);
    }

    struct Call
    {
        QWindow* window;
        bool grab;
    };
    QList<Call> calls;
    int refusals = 0;
    KeyboardFilter filter;
    QWidget main;
};

// A dialog over the main window with a text box, as a prompt with its
// password box.
struct Dialog
{
    explicit Dialog(QWidget* parent)
        : window(parent)
    {
        auto* layout = new QVBoxLayout(&window);
        box = new QLineEdit(&window);
        layout->addWidget(box);
        window.resize(200, 80);
    }
    QDialog window;
    QLineEdit* box = nullptr;
};

} // namespace

TEST_F(KeyboardGrab, TheActiveWindowHoldsTheGrabAndItFollowsTheFocus)
{
    filter.install();
    EXPECT_TRUE(grabbedFor(&main));

    Dialog prompt(&main);
    prompt.window.show();
    ASSERT_TRUE(makeActive(&prompt.window));
    EXPECT_TRUE(waitForGrab(&prompt.window)) << "a prompt in front must hold the keyboard too";

    // Closed: the focus comes back to the main window, and so does the grab.
    prompt.window.hide();
    ASSERT_TRUE(makeActive(&main));
    EXPECT_TRUE(waitForGrab(&main));
}

TEST_F(KeyboardGrab, TheGrabIsTakenBackWhenTheProgramIsActiveAgain)
{
    filter.install();
    QWidget other;
    other.show();
    ASSERT_TRUE(makeActive(&other)); // stands for any window that takes the focus
    calls.clear();
    ASSERT_TRUE(makeActive(&main));
    ASSERT_FALSE(calls.isEmpty());
    EXPECT_EQ(calls.last().window, main.windowHandle());
    EXPECT_TRUE(calls.last().grab);
}

TEST_F(KeyboardGrab, KeysStillReachTheFocusedBoxOfTheWindowInFront)
{
    filter.install();
    Dialog prompt(&main);
    prompt.window.show();
    ASSERT_TRUE(makeActive(&prompt.window));
    prompt.box->setFocus();
    ASSERT_TRUE(waitForGrab(&prompt.window));
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr) << "a widget grab would take keys from the box";

    // Keys come in as the window system delivers them: to the window.
    QWindow* window = prompt.window.windowHandle();
    QTest::keyClick(window, Qt::Key_A);
    QTest::keyClick(window, Qt::Key_B);
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier); // would select all
    QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);    // would close
    QTest::keyClick(window, Qt::Key_C);
    EXPECT_EQ(prompt.box->text(), QStringLiteral("abc"));
    EXPECT_TRUE(prompt.window.isVisible());
}

TEST_F(KeyboardGrab, AClosingMenuGivesTheKeyboardBackToTheWindow)
{
    filter.install();
    QMenu menu(&main);
    menu.addAction(QStringLiteral("Copy"));
    menu.popup(main.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    calls.clear();
    menu.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !calls.isEmpty(); }, 2000));
    EXPECT_TRUE(grabbedFor(&main));
}

TEST_F(KeyboardGrab, AGrabRefusedForAMomentIsTriedAgain)
{
    refusals = 3; // the window manager holds the keyboard while it maps a window
    filter.install();
    EXPECT_FALSE(grabbedFor(&main));
    EXPECT_TRUE(waitForGrab(&main));
    EXPECT_EQ(calls.size(), 4);
}

TEST_F(KeyboardGrab, RemovingTheFilterGivesTheKeyboardBack)
{
    filter.install();
    ASSERT_TRUE(grabbedFor(&main));
    filter.remove();
    ASSERT_FALSE(calls.isEmpty());
    EXPECT_EQ(calls.last().window, main.windowHandle());
    EXPECT_FALSE(calls.last().grab);
    EXPECT_EQ(filter.grabbingWindow(), nullptr);

    // And it takes nothing any more.
    calls.clear();
    QWidget other;
    other.show();
    makeActive(&other);
    makeActive(&main);
    EXPECT_TRUE(calls.isEmpty());
}
