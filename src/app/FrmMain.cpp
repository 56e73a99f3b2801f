// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"

#include "app/ScreenRule.h"
#include "ui/mMain.h"
#include "app/SettingsLoader.h"
#include "app/SplashProgress.h"
#include "library/frmOpen.h"
#include "paint/Gradient.h"
#include "library/BookStore.h"
#include "platform/KeyboardFilter.h"
#include "platform/ProgramFolder.h"
#include "platform/ResourceIds.h"
#include "platform/Random.h"
#include "ui/SurfaceView.h"
#include "ui/Resources.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"
#include "platform/Log.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// The bar behind the buttons and the bubbles. White, like the paper the
// button pictures are drawn on, and like what stays white in their grey
// disabled looks.
constexpr QRgb BarColour = 0xFFFFFFFF;
// The backdrop until the child picks a colour: calm, and dark enough for the
// halo around the picture to show.
constexpr QRgb FirstBackdropColour = 0xFF6F86B8;

struct ButtonLook
{
    int up, down, pressed;
    const char* tip;
};

// Bitmaps and tooltips of c(0..3) and pTool(0..3).
constexpr ButtonLook CommandLooks[4] = {
    {BitmapId::OpenUp, BitmapId::OpenDown, 0, QT_TRANSLATE_NOOP("FrmMain", "Open a picture to paint")},
    {BitmapId::ClearColoursUp, BitmapId::ClearColoursDown, 0, QT_TRANSLATE_NOOP("FrmMain", "Clear out all colors!")},
    {BitmapId::UndoUp, BitmapId::UndoDown, 0, QT_TRANSLATE_NOOP("FrmMain", "Undo")},
    {BitmapId::CrazyUp, BitmapId::CrazyDown, BitmapId::CrazyPressed,
     QT_TRANSLATE_NOOP("FrmMain", "Choose between crazy colors and normal colors!")},
};
constexpr ButtonLook ToolLooks[4] = {
    {BitmapId::CrayonUp, BitmapId::CrayonDown, BitmapId::CrayonPressed,
     QT_TRANSLATE_NOOP("FrmMain", "Color using a magic crayon")},
    {BitmapId::PaintbrushUp, BitmapId::PaintbrushDown, BitmapId::PaintbrushPressed,
     QT_TRANSLATE_NOOP("FrmMain", "Paint using a magic paintbrush")},
    {BitmapId::PencilUp, BitmapId::PencilDown, BitmapId::PencilPressed,
     QT_TRANSLATE_NOOP("FrmMain", "Draw using a magic coloring pencil")},
    {BitmapId::MarkerUp, BitmapId::MarkerDown, BitmapId::MarkerPressed,
     QT_TRANSLATE_NOOP("FrmMain", "Draw using a marker pen")},
};

// Parental buttons: the look they start with, and the enabled look that the
// save-as and print buttons get once a picture is open (0: none).
struct ParentalLook
{
    int picture, enabledPicture;
    const char* tip;
};
constexpr ParentalLook ParentalLooks[5] = {
    {BitmapId::Quit, 0, QT_TRANSLATE_NOOP("FrmMain", "Click here to quit The Tintaloo")},
    {BitmapId::SaveAs, BitmapId::SaveAsEnabled, QT_TRANSLATE_NOOP("FrmMain", "Save picture as...")},
    {BitmapId::Print, BitmapId::PrintEnabled, QT_TRANSLATE_NOOP("FrmMain", "Print the picture")},
    {BitmapId::AboutHelp, 0, QT_TRANSLATE_NOOP("FrmMain", "About/Help")},
    {BitmapId::Options, 0, QT_TRANSLATE_NOOP("FrmMain", "Settings")},
};

// A failing start-up step is skipped: a missing picture or control must
// never stop the program from starting.
template <typename Step>
void skipOnFailure(const char* what, Step&& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        qCWarning(Log::windows) << "Skipped" << what << "after a failure:" << e.what();
    } catch (...) {
        qCWarning(Log::windows) << "Skipped" << what << "after an unknown failure";
    }
}

} // namespace

FrmMain::FrmMain(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , canvas(services.random)
    , palette(services.random)
    , m_folder(services.folder)
    , m_random(services.random)
    , m_sounds(services.sounds)
    , m_keyboard(services.keyboard)
{
    setWindowTitle(tr("The Tintaloo"));
    setObjectName(QStringLiteral("FrmMain"));
    connect(&Timer1, &AnimationTimer::steps, this, &FrmMain::paletteSteps);
    createControls();
}

FrmMain::~FrmMain()
{
    m_browser.reset();
    m_keyboard.remove();
    m_toolCursor.Destroy();
}

void FrmMain::setScreenOverride(QSize size, int bitsPerPixel)
{
    m_screenSize = size;
    m_screenDepth = bitsPerPixel;
    m_screenOverridden = true;
}

pButton* FrmMain::makeButton(QWidget* parent)
{
    auto* button = new pButton(parent);
    button->setMouseIcon(Resources::handCursor());
    return button;
}

void FrmMain::createControls()
{
    pT = new QWidget(this);
    pT->setObjectName(QStringLiteral("pT"));
    pT->setAutoFillBackground(true);
    QPalette barPalette = pT->palette();
    barPalette.setColor(QPalette::Window, QColor::fromRgb(BarColour));
    pT->setPalette(barPalette);

    m_paletteSurface.setBackColor(BarColour);
    Pc = new SurfaceView(m_paletteSurface, pT);
    Pc->setObjectName(QStringLiteral("Pc"));
    connect(Pc, &SurfaceView::mousePressed, this, [this](Qt::MouseButton, int x, int y) { Pc_MouseDown(x, y); });

    for (int i = 0; i < 4; ++i) {
        c[size_t(i)] = makeButton(pT);
        c[size_t(i)]->setObjectName(QStringLiteral("c%1").arg(i));
        connect(c[size_t(i)], &pButton::click, this, [this, i] { c_Click(i); });
        pTool[size_t(i)] = makeButton(pT);
        pTool[size_t(i)]->setObjectName(QStringLiteral("pTool%1").arg(i));
        connect(pTool[size_t(i)], &pButton::MouseUp, this, [this, i] {
            if (pTool[size_t(i)]->isEnabled())
                pTool_MouseUp(i);
        });
    }
    // Crazy colours latches on release; the button must not show itself
    // pressed on its own while the mouse is down.
    connect(c[3], &pButton::MouseDown, this, [this] { c[3]->setLockRefresh(true); });
    connect(c[3], &pButton::MouseUp, this, [this] { toggleCrazyColours(); });

    m_backdropSurface.setBackColor(FirstBackdropColour);
    PB = new SurfaceView(m_backdropSurface, this);
    PB->setObjectName(QStringLiteral("PB"));
    P = new SurfaceView(canvas.P, PB);
    P->shareFingerWith(*Pc);
    P->setObjectName(QStringLiteral("P"));
    P->hide();
    connect(P, &SurfaceView::mousePressed, this, [this](Qt::MouseButton, int x, int y) { onCanvasPressed(x, y); });
    connect(P, &SurfaceView::mouseMoved, this, [this](Qt::MouseButtons b, int x, int y) { onCanvasMoved(b, x, y); });
    connect(P, &SurfaceView::mouseReleased, this, [this](Qt::MouseButton, int, int) { onCanvasReleased(); });

    for (int i = 0; i < 5; ++i) {
        pFunc[size_t(i)] = makeButton(this);
        pFunc[size_t(i)]->setObjectName(QStringLiteral("pFunc%1").arg(i));
        connect(pFunc[size_t(i)], &pButton::click, this, [this, i] { pFunc_Click(i); });
    }
}

bool FrmMain::startUp()
{
    if (!checkScreen())
        return false;
    m_fontSmoothingWasOn = mMain::FontSmoothingIsOn();
    mMain::FontSmoothingOn(2);
    // Temporary files of writes that a crash or power cut interrupted.
    skipOnFailure("removing stale temporary files", [this] { BookStore(m_folder).removeStaleTemporaries(); });
    if (!loadScreenAndSettings())
        return false;
    layOutWindow();
    skipOnFailure("drawing the backdrop and the bubbles", [this] {
        m_backdropSurface.clear();
        PaintGradient(m_backdropSurface.image(), 0, 0, m_backdropSurface.width(), 10, 0xFF000000,
                      m_backdropSurface.backColor());
        resetBubbles();
    });
    Loaded = true;
    coverScreen();
    m_pointer.start();
    m_keyboard.install();
    importPendingPack();
    c_Click(0);
    return !m_ended;
}

bool FrmMain::reload()
{
    if (!checkScreen() || !loadScreenAndSettings())
        return false;
    // The tools start again from the crayon, without crazy colours.
    canvas.selectTool(Canvas::Crayon);
    layOutWindow();
    coverScreen();
    return true;
}

bool FrmMain::loadScreenAndSettings()
{
    canvas.setBrushPictures(Resources::brush(0), Resources::brush(1), Resources::brush(2));
    m_random.seedFromClock();
    canvas.setCurrentColor(0);
    if (!readSettings())
        return false;
    m_sounds.setEnabled(settings.Play_Sound);
    palette.setBubbleSpeed(settings.Bubble_speed);
    skipOnFailure("making the coloured pictures folder", [this] { ensureColouredFolder(); });
    skipOnFailure("showing the parental buttons", [this] {
        for (pButton* button : pFunc)
            button->setVisible(!settings.Auto_hide);
    });
    skipOnFailure("giving the buttons their pictures", [this] { giveButtonsTheirPictures(); });
    // Masks and sprites are rebuilt on a reload too; the bubbles keep
    // their places.
    skipOnFailure("preparing the bubbles", [this] {
        Palette::Pictures pictures;
        for (int i = 0; i < Palette::BubbleCount; ++i)
            pictures[size_t(i)] = Resources::bubble(i);
        palette.setPictures(pictures);
    });
    return true;
}

void FrmMain::layOutWindow()
{
    if (!m_screenOverridden)
        m_screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    resize(m_screenSize);
    skipOnFailure("laying out the bar", [this] { layOutBar(); });
    skipOnFailure("setting up the tools", [this] { setInitialToolState(); });
    skipOnFailure("sizing the canvas and palette", [this] { sizeRegions(); });
    skipOnFailure("placing the parental buttons", [this] { placeParentalButtons(); });
    updateCommandStates();
}

bool FrmMain::checkScreen()
{
    if (!m_screenOverridden) {
        QScreen* primary = QGuiApplication::primaryScreen();
        m_screenSize = primary ? primary->geometry().size() : QSize(1024, 768);
        m_screenDepth = primary ? primary->depth() : 32;
    }
    switch (ScreenRule::evaluate(m_screenSize.width(), m_screenSize.height(), m_screenDepth)) {
    case ScreenRule::Verdict::Refuse:
        ParentPrompt::tell(this, ScreenRule::refusalMessage());
        return false;
    case ScreenRule::Verdict::Warn:
        return Loaded || ParentPrompt::tell(this, ScreenRule::warningMessage(), PromptOption::ShowCancel);
    case ScreenRule::Verdict::Accept:
        return true;
    }
    return true;
}

bool FrmMain::readSettings()
{
    return loadSettingsWithFirstRun(m_folder, settings, this);
}

void FrmMain::ensureColouredFolder()
{
    const QString folder = m_folder.path(QStringLiteral("/colored pictures"));
    // Saving makes it too, and says so when it cannot.
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        qCWarning(Log::files) << "Could not make the folder" << folder;
}

void FrmMain::giveButtonsTheirPictures()
{
    auto look = [](pButton* button, const ButtonLook& l) {
        button->SetPicture(Resources::bitmap(l.up), Resources::bitmap(l.down),
                           l.pressed ? Resources::bitmap(l.pressed) : QImage());
        button->setToolText(tr(l.tip));
    };
    for (int i = 0; i < 4; ++i) {
        look(c[size_t(i)], CommandLooks[i]);
        look(pTool[size_t(i)], ToolLooks[i]);
    }
    for (int i = 0; i < 5; ++i) {
        const ParentalLook& l = ParentalLooks[i];
        const QImage picture = Resources::bitmap(l.picture);
        if (l.enabledPicture)
            pFunc[size_t(i)]->SetPicture(Resources::bitmap(l.enabledPicture), {}, {}, picture);
        else
            pFunc[size_t(i)]->SetPicture(picture);
        pFunc[size_t(i)]->setToolText(tr(l.tip));
    }
    c[3]->setPressed(false);
    canvas.setCrazyColours(false);
}

void FrmMain::layOutBar()
{
    int position = 0;
    auto place = [this, &position](pButton* button, bool takesRoomWhenHidden) {
        button->move(position, pT->height() / 2 - button->height() / 2);
        if (takesRoomWhenHidden || !button->isHidden())
            position += button->width();
    };
    pT->setGeometry(0, 0, width(), BarHeight);
    for (pButton* button : c)
        place(button, false);
    for (pButton* button : pTool)
        place(button, true);
}

void FrmMain::setInitialToolState()
{
    for (int i = 0; i < 4; ++i)
        pTool[size_t(i)]->setPressed(i == canvas.Tool());
    Pc->setCursor(Resources::handCursor());
}

void FrmMain::sizeRegions()
{
    pT->setGeometry(0, 0, width(), BarHeight);
    const int below = std::max(0, height() - pT->height());
    PB->setGeometry(0, pT->height(), width(), below);
    m_backdropSurface.resize(PB->size());
    P->setDisplayScale(fittingScale());
    centreCanvas();
    const pButton* lastTool = pTool[3];
    const int paletteLeft = lastTool->x() + lastTool->width();
    Pc->setGeometry(paletteLeft, 0, std::max(0, pT->width() - paletteLeft), pT->height());
    m_paletteSurface.resize(Pc->size());
    m_paletteSurface.clear();
    palette.invalidate();
}

void FrmMain::placeParentalButtons()
{
    int left = 0;
    for (pButton* button : pFunc) {
        button->move(left, 0);
        button->raise();
        left += button->width();
    }
    Hot_corner_width = left;
}

void FrmMain::resetBubbles()
{
    palette.resetBubbles(m_paletteSurface.size(), settings.Bubble_speed);
}

void FrmMain::coverScreen()
{
    setGeometry(QRect(QPoint(0, 0), m_screenSize));
    if (!isVisible())
        showFullScreen();
    raise();
    activateWindow();
    waitUntilShown();
}

void FrmMain::waitUntilShown()
{
    // A Wayland compositor maps a window when its first frame arrives and
    // gives it the focus then. Were the picture browser shown before that,
    // the main window would take the focus from it as it appeared, leaving
    // the child in front of a browser that hears no keys.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    QWindow* window = windowHandle();
    QDeadlineTimer deadline(2000);
    while (window && !window->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void FrmMain::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    // Every step runs whatever failed before it. The palette stops for good:
    // no pause that ends later starts it again.
    Timer1.stop();
    skipOnFailure("closing the picture browser", [this] { m_browser.reset(); });
    skipOnFailure("closing the splash", [this] { m_loadProgress.reset(); });
    m_keyboard.remove();
    if (Loaded && !m_fontSmoothingWasOn)
        skipOnFailure("switching font smoothing off", [] { mMain::FontSmoothingOff(); });
    m_toolCursor.Destroy();
    m_closingAllowed = true;
    close();
    Q_EMIT programEnded();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    // Only the quit command ends a run: the window manager's close button
    // (or Alt+F4 getting through) must not lose the child's picture.
    if (m_closingAllowed)
        event->accept();
    else
        event->ignore();
}
