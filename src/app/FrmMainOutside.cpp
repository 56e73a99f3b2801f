// Requests that reach the main window from outside: a picture pack opened in a
// file manager, and a later start of the program asking this one to show.
#include "app/FrmMain.h"

#include <QApplication>
#include <utility>

namespace {

const char* const PackForParent =
    "There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to "
    "continue.";
const char* const PackForChild = "Oh no!, something has happened. Call someone who can help you!";

} // namespace

void FrmMain::importPendingPack()
{
    if (m_pendingPack.isEmpty() || !packImport || m_ended)
        return;
    const QString pack = std::exchange(m_pendingPack, QString());
    const bool timerWasRunning = Timer1.isActive();
    Timer1.stop();
    if (askPermission(QString::fromLatin1(PackForParent), QString::fromLatin1(PackForChild), true,
                      settings.Use_Parental_password))
        packImport(pack);
    if (timerWasRunning)
        Timer1.start();
}

void FrmMain::bringToFront()
{
    if (m_ended)
        return;
    if (isMinimized() || !isVisible())
        showFullScreen();
    raise();
    activateWindow();
    // A prompt or browser that is open stays the one the child talks to.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}
