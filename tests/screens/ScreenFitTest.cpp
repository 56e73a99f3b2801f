// SPDX-License-Identifier: GPL-3.0-or-later
// The whole interface on today's screens: the 1024 x 768 design enlarged by
// one factor, the picture whole, the outlines pure and the pointer landing
// where the child points, whatever the screen's size and density.
#include "app/FrmMain.h"
#include "library/frmOpen.h"
#include "platform/InterfaceScale.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "ui/SurfaceView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <gtest/gtest.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

QSize deviceScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}

class ScreenFit : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        // The size of the built-in pictures, on the platform's own screen.
        makeWindow(QSize(750, 480), QSize());
        window->setPictureChooser([this] { return catPath(); });
        // Below 1024 x 768 the parent is advised to change the screen, and goes on.
        const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
        if (logical.width() < 1024 || logical.height() < 768)
            ModalDriver::answerNext([](QWidget* modal) { ModalDriver::clickChild(modal, "lContinue"); });
        ASSERT_TRUE(window->startUp());
        ASSERT_TRUE(ModalDriver::allAnswered());
        canvas = ModalDriver::child<SurfaceView>(window.get(), "P");
        ASSERT_NE(canvas, nullptr);
    }

    // Where a picture pixel's centre is in the window, in pixels `ratio`
    // times smaller than the design's.
    QPointF windowPointOf(QPoint picturePixel, qreal ratio) const
    {
        const qreal scale = canvas->displayScale();
        const QPointF inCanvas((picturePixel.x() + 0.5) * scale, (picturePixel.y() + 0.5) * scale);
        return QPointF(canvas->mapTo(window.get(), inCanvas)) * ratio;
    }

    SurfaceView* canvas = nullptr;
};

} // namespace

TEST_F(ScreenFit, TheDesignIsEnlargedByOneFactorAndTheWindowCoversTheScreen)
{
    const QSize device = deviceScreenSize();
    const qreal expected = std::max(1.0, std::min(device.width() / 1024.0, device.height() / 768.0));
    EXPECT_NEAR(window->devicePixelRatioF(), expected, 0.001) << "the interface is not enlarged to fit the screen";
    // The layout itself is in design pixels: at least 1024 x 768 of them
    // where the screen allows, never more than the screen shows.
    const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window->size(), logical);
    EXPECT_NEAR(logical.width(), device.width() / expected, 1.0);
    EXPECT_NEAR(logical.height(), device.height() / expected, 1.0);
    if (device.width() >= 1024 && device.height() >= 768)
        EXPECT_TRUE(logical.width() == 1024 || logical.height() == 768) << "the design does not fill the screen";
    std::printf("screen %dx%d at density %.2f: design factor %.4f, design screen %dx%d\n", device.width(),
                device.height(), QGuiApplication::primaryScreen()->devicePixelRatio(), window->devicePixelRatioF(),
                logical.width(), logical.height());
}

TEST_F(ScreenFit, ThePictureIsShownWholeBelowTheBar)
{
    const QWidget* room = ModalDriver::child<QWidget>(window.get(), "PB");
    ASSERT_NE(room, nullptr);
    EXPECT_TRUE(room->rect().contains(canvas->geometry())) << "the picture is cut off";
    EXPECT_EQ(room->geometry().bottom(), window->height() - 1);
    const QSize logical = window->size();
    // Only a screen smaller than the design shrinks the picture.
    if (logical.height() - room->y() >= 480 && logical.width() >= 750)
        EXPECT_EQ(canvas->displayScale(), 1.0);
    const qreal share = qreal(canvas->width()) * canvas->height() / (qreal(logical.width()) * logical.height());
    std::printf("the canvas covers %.1f %% of the screen\n", share * 100.0);
}

TEST_F(ScreenFit, TheBrowserFitsTheScreen)
{
    Settings settings;
    frmOpen browser(data.folder(), settings, sounds);
    browser.adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(browser.width(), screen.width());
    EXPECT_LE(browser.height(), screen.height());
}

// Outlines stay pure: no colour on the screen that the picture does not hold
// (no grey fringe from smoothing), at every factor and density.
TEST_F(ScreenFit, TheCanvasShowsOnlyThePicturesOwnColours)
{
    if (canvas->displayScale() < 1.0)
        GTEST_SKIP() << "a picture shown smaller than itself is smoothed, so that no outline is lost";
    const QImage picture = window->canvasState().P.image();
    QSet<QRgb> own;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            own.insert(picture.pixel(x, y) | 0xFF000000u);
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_NEAR(shown.width(), canvas->width() * canvas->devicePixelRatioF(), 1.0);
    int foreign = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            foreign += !own.contains(shown.pixel(x, y) | 0xFF000000u);
    EXPECT_EQ(foreign, 0) << "the enlarged canvas invented colours";
    // The black frame is as thick on the screen as the factor makes it.
    int frame = 0;
    while (frame < shown.width() && qGray(shown.pixel(frame, shown.height() / 3)) < 128)
        ++frame;
    EXPECT_NEAR(frame, canvas->devicePixelRatioF() * canvas->displayScale(), 1.01);
}

// The pointer as the screen reports it, in device pixels: the stroke lands
// on the picture's pixels under it, and shows there.
TEST_F(ScreenFit, AStrokeLandsUnderThePointer)
{
    window->setColor(0x0000FF);
    QWindow* handle = window->windowHandle();
    ASSERT_NE(handle, nullptr);
    const QPoint from(100, 200), to(300, 200);
    // The platform's own pixels: the screen's where the platform leaves the
    // scaling to Qt (X11), its surface's where it scales itself (Wayland).
    const qreal native = QHighDpiScaling::factor(handle);
    auto devicePointOf = [&](QPoint p) { return windowPointOf(p, native); };
    auto send = [handle, native](QPointF device, Qt::MouseButtons buttons, Qt::MouseButton button, QEvent::Type type) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle, device, device + QPointF(handle->geometry().topLeft()) * native, buttons, button,
            type);
    };
    send(devicePointOf(from), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    for (int step = 1; step <= 8; ++step)
        send(devicePointOf(from + (to - from) * step / 8), Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    send(devicePointOf(to), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);

    const QImage picture = window->canvasState().P.image();
    EXPECT_NE(picture.pixel(200, 200) & 0xFFFFFF, 0xFFFFFFu) << "the stroke missed the picture pixels under it";
    EXPECT_EQ(picture.pixel(200, 150) & 0xFFFFFF, 0xFFFFFFu);
    const QImage shown = window->grab().toImage();
    const QPoint device = windowPointOf(QPoint(200, 200), window->devicePixelRatioF()).toPoint();
    EXPECT_NE(shown.pixel(device) & 0xFFFFFF, 0xFFFFFFu) << "the stroke is not shown under the pointer";
}
