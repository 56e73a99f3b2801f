// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "e2e/TestDesktop.h"
#include "platform/ResourceIds.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class TintalooProcess;

// What a person sees of the running program, and where to click: windows
// are told apart by their size, buttons are found on screen by their
// pictures, and the browser's cells and the canvas are placed by the
// program's own layout rules.
class TintalooScreen
{
public:
    using Window = TestDesktop::WindowInfo;

    TintalooScreen(const TestDesktop& desktop, TintalooProcess& program);

    static constexpr int OpenButton = BitmapId::OpenUp;
    static constexpr int QuitButton = BitmapId::Quit;
    static constexpr int SettingsButton = BitmapId::Options;
    static constexpr int OkButton = BitmapId::OkUp;

    bool isProgramWindow(const Window& window) const;
    static bool isMainWindow(const Window& window);
    static bool isBrowser(const Window& window);
    static bool isPrompt(const Window& window);
    static bool isOptions(const Window& window);
    static bool isNotice(const Window& window);

    // The roads a child or a parent takes to each window, from wherever the
    // program stands; an invalid window when it did not come to the front.
    Window openBrowser() const;
    Window openOptions() const;
    Window openNotice() const;
    Window openQuitPrompt() const;

    // Waits until a window of the program that passes test is active; an
    // invalid window when none was in timeoutMs (or the program ended).
    Window waitForActive(const std::function<bool(const Window&)>& test, int timeoutMs = 20000) const;
    Window waitForMainWindow() const { return waitForActive(isMainWindow); }
    Window waitForBrowser() const { return waitForActive(isBrowser); }
    Window waitForPrompt() const { return waitForActive(isPrompt); }

    // Where a button showing the given bitmap is on screen (its centre), in
    // area; (-1, -1) when it is not shown.
    QPoint findButton(int bitmap, const QRect& area) const;
    static QPoint findPicture(const QImage& screen, const QImage& picture, const QRect& area);
    // Clicks that button; false when it is not on screen.
    bool clickButton(int bitmap, const QRect& area) const;

    // Centre of the index-th cell of the first book on the browser's strip,
    // before any scrolling.
    static QPoint browserCell(const Window& browser, int index);
    // The screen position of canvas pixel (0, 0) for a picture of that size.
    static QPoint canvasOrigin(QSize picture);
    // The bar's command buttons, the parental buttons in its corner, and
    // the palette where the bubbles float.
    static QRect barArea();
    static QRect paletteArea();
    // A point of the backdrop that no picture covers.
    static QPoint backdropPoint();

private:
    const TestDesktop& m_desktop;
    TintalooProcess& m_program;
};
