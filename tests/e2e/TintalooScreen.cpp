// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2e/TintalooScreen.h"

#include "app/FrmMain.h"
#include "e2e/TintalooProcess.h"
#include "library/StripLayout.h"
#include "library/frmOpen.h"
#include "ui/Resources.h"
#include "ui/frmMessage.h"
#include "ui/frmParentMessage.h"

#include <cstdlib>

namespace {

// "Check for updates" on the options window, which asks through a parent notice.
const QPoint UpdatesLink(40, 437);

// The pictures of the command and tool buttons, left to right along the bar.
constexpr int BarButtons[] = {BitmapId::OpenUp,   BitmapId::ClearColoursUp, BitmapId::UndoUp,   BitmapId::CrazyUp,
                               BitmapId::CrayonUp, BitmapId::PaintbrushUp,   BitmapId::PencilUp, BitmapId::MarkerUp};

bool samePixel(QRgb a, QRgb b)
{
    constexpr int Tolerance = 6;
    return std::abs(qRed(a) - qRed(b)) <= Tolerance && std::abs(qGreen(a) - qGreen(b)) <= Tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= Tolerance;
}

bool pictureAt(const QImage& screen, const QImage& picture, int left, int top)
{
    for (int y = 0; y < picture.height(); ++y) {
        const auto* want = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* have = reinterpret_cast<const QRgb*>(screen.constScanLine(top + y)) + left;
        for (int x = 0; x < picture.width(); ++x) {
            if (!samePixel(want[x], have[x]))
                return false;
        }
    }
    return true;
}

} // namespace

TintalooScreen::TintalooScreen(const TestDesktop& desktop, TintalooProcess& program)
    : m_desktop(desktop)
    , m_program(program)
{
}

bool TintalooScreen::isProgramWindow(const Window& window) const
{
    return window.isValid() && window.pid == m_program.pid();
}

bool TintalooScreen::isMainWindow(const Window& window)
{
    return window.geometry == QRect(0, 0, TestDesktop::ScreenWidth, TestDesktop::ScreenHeight);
}

bool TintalooScreen::isBrowser(const Window& window)
{
    const QSize size = window.geometry.size();
    return !isMainWindow(window) && size.width() > frmOpen::ViewportLeft + frmOpen::ViewportWidth
        && size.height() > frmOpen::ViewportTop + frmOpen::ViewportHeight;
}

bool TintalooScreen::isPrompt(const Window& window)
{
    return window.geometry.size() == QSize(frmMessage::WindowWidth, frmMessage::CollapsedHeight);
}

bool TintalooScreen::isOptions(const Window& window)
{
    return window.name.contains(QLatin1String("Options"));
}

bool TintalooScreen::isNotice(const Window& window)
{
    return window.geometry.size() == QSize(frmParentMessage::WindowWidth, frmParentMessage::WindowHeight);
}

TintalooScreen::Window TintalooScreen::openBrowser() const
{
    if (!clickButton(OpenButton, barArea()))
        return {};
    return waitForBrowser();
}

TintalooScreen::Window TintalooScreen::openOptions() const
{
    const Window now = m_desktop.activeWindow();
    if (isOptions(now))
        return now;
    if (isNotice(now))
        m_desktop.key(QStringLiteral("Escape"));
    else if (!clickButton(SettingsButton, barArea()))
        return {};
    else {
        const Window prompt = waitForPrompt();
        if (!prompt.isValid() || !clickButton(OkButton, prompt.geometry))
            return {};
    }
    return waitForActive(isOptions);
}

TintalooScreen::Window TintalooScreen::openNotice() const
{
    const Window options = openOptions();
    if (!options.isValid())
        return {};
    m_desktop.click(options.geometry.topLeft() + UpdatesLink);
    return waitForActive(isNotice);
}

TintalooScreen::Window TintalooScreen::openQuitPrompt() const
{
    if (!clickButton(QuitButton, barArea()))
        return {};
    return waitForPrompt();
}

TintalooScreen::Window TintalooScreen::waitForActive(const std::function<bool(const Window&)>& test,
                                                     int timeoutMs) const
{
    Window found;
    TestDesktop::waitFor(
        [&] {
            if (!m_program.isRunning())
                return true;
            m_desktop.settle();
            const Window active = m_desktop.activeWindow();
            if (isProgramWindow(active) && test(active))
                found = active;
            return found.isValid();
        },
        timeoutMs);
    if (found.isValid())
        TestDesktop::pause(m_desktop.frontSettleMs());
    return found;
}

QPoint TintalooScreen::findPicture(const QImage& screen, const QImage& picture, const QRect& area)
{
    // The middle of the picture only: its edges may lie under a neighbour
    // (the parental buttons overlap the top of the bar's buttons).
    const QRect middle = picture.rect().adjusted(picture.width() / 5, picture.height() / 5,
                                                 -picture.width() / 5, -picture.height() / 5);
    const QImage needle = picture.copy(middle).convertToFormat(QImage::Format_RGB32);
    const QRect within = area.intersected(screen.rect());
    if (needle.isNull() || needle.width() > within.width() || needle.height() > within.height())
        return {-1, -1};
    for (int top = within.top(); top + needle.height() <= within.bottom() + 1; ++top) {
        for (int left = within.left(); left + needle.width() <= within.right() + 1; ++left) {
            if (pictureAt(screen, needle, left, top))
                return QPoint(left - middle.left() + picture.width() / 2, top - middle.top() + picture.height() / 2);
        }
    }
    return {-1, -1};
}

QPoint TintalooScreen::findButton(int bitmap, const QRect& area) const
{
    return findPicture(m_desktop.screenshot(), Resources::bitmap(bitmap), area);
}

bool TintalooScreen::clickButton(int bitmap, const QRect& area) const
{
    QPoint at(-1, -1);
    // The program may still be drawing the window that holds the button.
    TestDesktop::waitFor(
        [&] {
            at = findButton(bitmap, area);
            return at.x() >= 0;
        },
        5000);
    if (at.x() < 0)
        return false;
    m_desktop.click(at);
    return true;
}

QPoint TintalooScreen::browserCell(const Window& browser, int index)
{
    const QImage scrollButton = Resources::bitmap(BitmapId::DownArrowUp);
    const int stripWidth = frmOpen::ViewportWidth - (scrollButton.isNull() ? 40 : scrollButton.width());
    StripLayout layout(stripWidth, frmOpen::ViewportHeight);
    layout.beginBook();
    QPoint cell;
    for (int i = 0; i <= index; ++i)
        cell = layout.placeNext();
    const int half = 50;
    return browser.geometry.topLeft() + QPoint(frmOpen::ViewportLeft, frmOpen::ViewportTop) + cell
        + QPoint(half, half);
}

QPoint TintalooScreen::canvasOrigin(QSize picture)
{
    // The canvas is centred in the area below the bar.
    const int below = TestDesktop::ScreenHeight - FrmMain::BarHeight;
    return QPoint(int(TestDesktop::ScreenWidth / 2.0f - picture.width() / 2.0f),
                  FrmMain::BarHeight + int(below / 2.0f - picture.height() / 2.0f));
}

QRect TintalooScreen::barArea()
{
    return QRect(0, 0, TestDesktop::ScreenWidth, FrmMain::BarHeight);
}

QRect TintalooScreen::paletteArea()
{
    int left = 0;
    for (int bitmap : BarButtons)
        left += Resources::bitmap(bitmap).width();
    return QRect(left, 0, TestDesktop::ScreenWidth - left, FrmMain::BarHeight);
}

QPoint TintalooScreen::backdropPoint()
{
    return QPoint(4, TestDesktop::ScreenHeight - 4);
}
