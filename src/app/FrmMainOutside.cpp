// SPDX-License-Identifier: GPL-3.0-or-later
// Requests that reach the main window from outside: a picture pack opened in a
// file manager, and a later start of the program asking this one to show.
#include "app/FrmMain.h"

#include <QApplication>
#include <utility>

namespace {

const char* const PackForParent = QT_TRANSLATE_NOOP(
    "FrmMain", "There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press "
               "OK to continue.");
const char* const PackForChild =
    QT_TRANSLATE_NOOP("FrmMain", "Oh no!, something has happened. Call someone who can help you!");

} // namespace

void FrmMain::importPendingPack()
{
    // Before start-up has shown the window, start-up itself offers the pack.
    if (m_pendingPack.isEmpty() || !packImport || m_ended || !Loaded)
        return;
    const QString pack = std::exchange(m_pendingPack, QString());
    const AnimationPause pause(Timer1);
    if (ParentPrompt::ask(this, settings, m_sounds, {tr(PackForParent), tr(PackForChild)}, parentalPromptOptions()))
        packImport(pack);
}

void FrmMain::bringToFront(const QString& activationToken)
{
    if (m_ended)
        return;
    // Before start-up has laid the window out (the first-run welcome, a
    // settings prompt), only the open prompt comes forward.
    if (Loaded) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
        show();
    }
    // A prompt or browser that is open stays the one the child talks to.
    QWidget* front = QApplication::activeModalWidget();
    if (!front || front == this)
        front = isVisible() ? this : nullptr;
    if (front && front != this && isVisible())
        raise();
    if (!front)
        return;
    // A Wayland compositor brings forward only a window that presents the
    // token the desktop gave the later start; Qt presents the one in
    // XDG_ACTIVATION_TOKEN with the next activation, and forgets it.
    if (!activationToken.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    front->raise();
    front->activateWindow();
}
