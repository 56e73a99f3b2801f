// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Settings.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "platform/PictureSurface.h"
#include "platform/PointerTracker.h"
#include "ui/AnimationPause.h"
#include "ui/AnimationTimer.h"
#include "ui/ParentPrompt.h"
#include "ui/ScreenLayout.h"
#include "ui/cAniCursor.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class KeyboardFilter;
class ProgramFolder;
class Random;
class SoundBoard;
class SurfaceView;
class SplashProgress;
class frmOpen;
class pButton;

// The program's one top-level window: the bar with the command buttons, the
// tool buttons and the bubble palette, the backdrop with the canvas in its
// middle, and the small parental buttons in the top-left corner. It owns the
// picture being coloured (Canvas) and the bubbles (Palette), and wires mouse,
// button and timer events to them.
class FrmMain : public QWidget
{
    Q_OBJECT
public:
    // What the window needs from the application.
    struct Services
    {
        const ProgramFolder& folder;
        Random& random;
        SoundBoard& sounds;
        KeyboardFilter& keyboard;
    };

    static constexpr int BarHeight = ScreenLayout::BarHeight;

    explicit FrmMain(const Services& services, QWidget* parent = nullptr);
    ~FrmMain() override;

    // The screen as start-up measures it; tests set it before startUp().
    void setScreenOverride(QSize size, int bitsPerPixel);

    // The whole start-up: screen, settings, bar, palette and backdrop, then
    // the picture browser. Returns false when the program must end (screen
    // refused, warning or settings refused, books that cannot be loaded).
    bool startUp();
    // The reload after a confirmed options window: the settings read again
    // and the window laid out anew, the picture and the bubbles kept, the
    // tools back to the crayon. False when the program must end.
    bool reload();
    // Ends the program: saves nothing, closes every window, leaves the event
    // loop. Safe to call before the event loop runs.
    void endProgram();
    bool hasEnded() const { return m_ended; }

Q_SIGNALS:
    // The program has ended: the application leaves its event loop. (When it
    // ends during start-up, before the loop runs, startUp() says so.)
    void programEnded();

public:
    // How the next picture is chosen; by default the picture browser. It
    // returns the chosen path or "" for none.
    void setPictureChooser(std::function<QString()> chooser) { pictureChooser = std::move(chooser); }
    // How an allowed pack is added; set by the application. Without it a
    // pending pack stays pending.
    void setPackImport(std::function<void(const QString&)> import) { packImport = std::move(import); }

    // What the window runs with, for those who watch it (tests among them).
    bool isLoaded() const { return Loaded; }
    const Settings& settingsInUse() const { return settings; }
    const Canvas& canvasState() const { return canvas; }
    const Palette& paletteState() const { return palette; }
    // The palette's clock is running: on, and no command or stroke holds it.
    bool paletteRunning() const { return Timer1.isActive(); }
    int hotCornerWidth() const { return Hot_corner_width; }

    // Command buttons c(0) open, c(1) clear, c(2) undo, c(3) crazy colours.
    void c_Click(int index);
    // Tool buttons pTool(0..3): crayon, paintbrush, colouring pencil, marker.
    void pTool_MouseUp(int index);
    // Parental buttons pFunc(0..4): quit, save as, print, about/help, settings.
    void pFunc_Click(int index);
    // A picture pack handed over from outside (a file manager, or a later
    // start of the program). Start-up offers it once the window is shown,
    // before the picture browser; it is added only after a parent allows it.
    void setPendingPack(const QString& path) { m_pendingPack = path; }
    QString pendingPack() const { return m_pendingPack; }
    // Asks permission for the pending pack and hands it to packImport.
    void importPendingPack();
    // A later start of the program asked for this one: show it in front,
    // with any open prompt on top.
    void bringToFront(const QString& activationToken = {});
    // Opens the picture at path on the canvas, with its coloured version when
    // one exists; a picture that cannot be loaded gets the picture-error notice.
    void openChosenPicture(const QString& path);
    // One palette step (bubbles and the hot corner).
    void Timer1_Timer();
    // A press on the palette at (x, y): picks the colour of the bubble there.
    void Pc_MouseDown(int x, int y);
    void setColor(quint32 colour);
    // The picker bubble: the colour picker opens over the current colour,
    // with the palette standing still until it closes.
    void chooseColourWithPicker();
    // The automatic save of the coloured picture. When it fails, a parent
    // notice says so at once, and why, while the painting is still on the
    // canvas; false when the parent chose to stay with it (Cancel).
    bool autoSave();
    void PlayEffect(int kind);

    PictureSurface& backdropSurface() { return m_backdropSurface; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The steps start-up and reload share; false when the program must end.
    bool loadScreenAndSettings();
    void layOutWindow();
    // The command buttons, the tools, the palette and the parental buttons
    // as the picture, the canvas and the tool make them: one place decides.
    void updateCommandStates();

    // Start-up steps.
    bool checkScreen();
    bool readSettings();
    void ensureColouredFolder();
    void giveButtonsTheirPictures();
    void layOutBar();
    void setInitialToolState();
    void sizeRegions();
    void placeParentalButtons();
    void resetBubbles();
    void coverScreen();
    void waitUntilShown();

    // Construction.
    void createControls();
    pButton* makeButton(QWidget* parent);

    // Palette steps.
    void paletteSteps(int count);
    Palette::HotCornerInput hotCornerInput() const;
    void takeStepResult(const Palette::TickResult& result);

    // Canvas events.
    void onCanvasPressed(int x, int y);
    void onCanvasMoved(Qt::MouseButtons buttons, int x, int y);
    void onCanvasReleased();
    void afterPictureOpened();
    qreal fittingScale() const;
    void centreCanvas();
    void redrawBackdrop();
    void clearPicture();
    void undoStroke();
    void toggleCrazyColours();

    // Modal windows.
    QString choosePictureWithBrowser();
    // How the parental commands ask: with "nevermind" and, when one is set,
    // the password.
    PromptOptions parentalPromptOptions() const;
    // What went wrong with the picture the child sees.
    enum class PictureError { Damaged, NotPrinted };
    void showPictureError(PictureError error, const QString& path = {});
    void setToolCursor(bool on);

    // Parental commands.
    void quitCommand();
    void saveAsCommand();
    void printCommand();
    void aboutCommand();
    void settingsCommand();
    void closingStep();

    // State that start-up fills and the commands use.
    Settings settings;
    bool Loaded = false;
    int Hot_corner_width = 0;
    Canvas canvas;
    Palette palette;
    // The palette's clock. Every command that opens a window holds it with an
    // AnimationPause for as long as it runs, and a stroke holds it from press
    // to release; see AnimationTimer for the rest.
    AnimationTimer Timer1{this};
    std::function<QString()> pictureChooser;
    std::function<void(const QString&)> packImport;

    // Controls, by their design names (also their object names).
    QWidget* pT = nullptr;
    std::array<pButton*, 4> c{};
    std::array<pButton*, 4> pTool{};
    SurfaceView* Pc = nullptr;
    SurfaceView* PB = nullptr;
    SurfaceView* P = nullptr;
    std::array<pButton*, 5> pFunc{};

    const ProgramFolder& m_folder;
    Random& m_random;
    SoundBoard& m_sounds;
    KeyboardFilter& m_keyboard;

    PictureSurface m_paletteSurface;
    PictureSurface m_backdropSurface;
    cAniCursor m_toolCursor;
    std::unique_ptr<SplashProgress> m_loadProgress;
    std::unique_ptr<frmOpen> m_browser;

    QString m_pendingPack;
    QSize m_screenSize;
    int m_screenDepth = 32;
    bool m_screenOverridden = false;
    bool m_ended = false;
    // Held from the press that begins a stroke to its release.
    std::optional<AnimationPause> m_strokePause;
    bool m_closingAllowed = false;
    bool m_fontSmoothingWasOn = true;
    PointerTracker m_pointer;
};
