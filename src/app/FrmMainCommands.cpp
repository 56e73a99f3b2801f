// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's event handlers: the command and tool buttons, the
// strokes on the canvas, the palette timer and the picture-error notices.
#include "app/FrmMain.h"

#include "app/SplashProgress.h"
#include "library/frmOpen.h"
#include "paint/Backdrop.h"
#include "paint/PictureSaver.h"
#include "ui/frmColorPicker.h"
#include "platform/AppError.h"
#include "platform/ProgramFolder.h"
#include "platform/ResourceIds.h"
#include "ui/SurfaceView.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"
#include "platform/Log.h"

#include <QFileInfo>

namespace {

// Canvas cursors by tool: crayon, paintbrush, colouring pencil, marker pen.
constexpr int ToolCursors[4] = {CursorId::Crayon, CursorId::Paintbrush, CursorId::Pencil, CursorId::Marker};

} // namespace

void FrmMain::PlayEffect(int kind)
{
    m_sounds.PlayEffect(kind);
}

void FrmMain::c_Click(int index)
{
    PlayEffect(SoundKind::ButtonPressed);
    switch (index) {
    case 0: {
        if (!autoSave())
            return;
        QString chosen;
        {
            const AnimationPause pause(Timer1);
            setToolCursor(false);
            chosen = pictureChooser ? pictureChooser() : choosePictureWithBrowser();
            if (m_ended)
                return;
        }
        setToolCursor(true);
        // Start-up ends with this command: the palette comes alive here the
        // first time, and stays on after every later opening.
        Timer1.start();
        updateCommandStates();
        if (!chosen.isEmpty())
            openChosenPicture(chosen);
        break;
    }
    case 1:
        clearPicture();
        break;
    case 2:
        undoStroke();
        break;
    case 3:
        updateCommandStates();
        break;
    default:
        break;
    }
}

QString FrmMain::choosePictureWithBrowser()
{
    if (!m_browser) {
        m_browser = std::make_unique<frmOpen>(m_folder, settings, m_sounds, this);
        if (!m_loadProgress)
            m_loadProgress = std::make_unique<SplashProgress>(m_folder, this);
        m_browser->setProgress(m_loadProgress.get());
    }
    m_browser->Filename.clear();
    m_browser->setCurrentPicture(canvas.CurrentPicture());
    m_browser->exec();
    const QString chosen = m_browser->Filename;
    if (m_browser->LoadFailed) {
        // The books could not be loaded: the palette stops for good and the
        // program ends.
        endProgram();
        return {};
    }
    if (m_browser->UnloadRequested)
        m_browser.reset();
    return chosen;
}

void FrmMain::openChosenPicture(const QString& path)
{
    try {
        canvas.openPicture(path, PictureSaver::colouredPathFor(m_folder, path));
    } catch (const AppError& e) {
        qCWarning(Log::files) << "The picture" << path << "could not be opened:" << e.description();
        showPictureError(PictureError::Damaged, path);
        return;
    }
    afterPictureOpened();
}

void FrmMain::afterPictureOpened()
{
    updateCommandStates();
    // Enabled tools show their pressed look again.
    for (pButton* tool : pTool)
        tool->setPressed(tool->Pressed());
    P->setDisplayScale(fittingScale());
    P->fitToSurface();
    centreCanvas();
    redrawBackdrop();
    P->show();
    PlayEffect(SoundKind::NewPicture);
}

void FrmMain::updateCommandStates()
{
    const bool picture = !canvas.CurrentPicture().isEmpty();
    const bool marker = canvas.Tool() == Canvas::Marker;
    c[1]->setEnabled(picture);
    c[2]->setEnabled(picture && canvas.canUndo());
    // Marker lines become outlines: crazy colours have nothing to do there.
    c[3]->setEnabled(picture && !marker);
    for (pButton* tool : pTool)
        tool->setEnabled(picture);
    pFunc[1]->setEnabled(picture);
    pFunc[2]->setEnabled(picture);
    if (!marker)
        Pc->show();
}

qreal FrmMain::fittingScale() const
{
    // A picture larger than the room below the bar is shown whole, smaller,
    // rather than cut off; painting still lands on its own pixels.
    const QSize picture = canvas.P.size();
    if (picture.isEmpty() || PB->width() <= 0 || PB->height() <= 0)
        return 1.0;
    return qMin<qreal>(1.0, qMin(qreal(PB->width()) / picture.width(), qreal(PB->height()) / picture.height()));
}

void FrmMain::centreCanvas()
{
    const float left = PB->width() / 2.0f - P->width() / 2.0f;
    const float top = PB->height() / 2.0f - P->height() / 2.0f;
    P->move(int(left), int(top));
}

void FrmMain::redrawBackdrop()
{
    // The halo frames the canvas once a picture is (being) shown.
    QRect canvasRect;
    if (P->isVisibleTo(PB) || !canvas.CurrentPicture().isEmpty())
        canvasRect = QRect(P->pos(), P->size());
    Backdrop::paint(m_backdropSurface.image(), m_backdropSurface.backColor(), canvasRect);
    m_backdropSurface.refresh();
    canvas.P.refresh();
}

void FrmMain::clearPicture()
{
    const AnimationPause pause(Timer1);
    const PromptTexts texts = {
        tr("There was an attempt to clear out all the colors in the picture. If you click OK, "
           "all changes to the picture will be lost and you will be left with a black and "
           "white image."),
        //: "never mind" is the button of this window, whose picture always says "nevermind".
        tr("Would you like to get rid of all the colors? If you don't, call someone who can "
           "help you! Or press never mind")};
    const bool allowed = ParentPrompt::ask(this, settings, m_sounds, texts, PromptOption::ShowCancel);
    if (allowed && autoSave()) {
        canvas.clearColours(PictureSaver::isOwnPicture(m_folder, canvas.CurrentPicture()));
        updateCommandStates();
    }
    setEnabled(true);
}

void FrmMain::undoStroke()
{
    if (!canvas.canUndo())
        return;
    canvas.undo();
    updateCommandStates();
}

void FrmMain::toggleCrazyColours()
{
    pButton* button = c[3];
    button->setPressed(!button->Pressed());
    canvas.setCrazyColours(button->Pressed());
    button->setLockRefresh(false);
}

void FrmMain::pTool_MouseUp(int index)
{
    PlayEffect(SoundKind::ButtonPressed);
    for (pButton* tool : pTool)
        tool->setPressed(false);
    pTool[size_t(index)]->setPressed(true);
    canvas.selectTool(index);
    updateCommandStates();
    if (index != Canvas::Marker)
        c[3]->setPressed(c[3]->Pressed());
    setToolCursor(true);
}

void FrmMain::setToolCursor(bool on)
{
    if (!on) {
        m_toolCursor.SetAsDefaultCursor(P, false);
        return;
    }
    const int tool = canvas.Tool();
    if (tool < 0 || tool > 3)
        return;
    m_toolCursor.LoadFromResource(ToolCursors[tool]);
    m_toolCursor.SetAsDefaultCursor(P, true);
}

void FrmMain::onCanvasPressed(int x, int y)
{
    if (!canvas.beginStroke(x, y))
        return;
    m_strokePause.emplace(Timer1);
    updateCommandStates();
}

void FrmMain::onCanvasMoved(Qt::MouseButtons buttons, int x, int y)
{
    if (!m_strokePause || buttons == Qt::NoButton)
        return;
    const int before = canvas.Undo_index();
    canvas.moveStroke(x, y);
    // A stroke that began on an outline takes its snapshot here.
    if (canvas.Undo_index() != before)
        updateCommandStates();
}

void FrmMain::onCanvasReleased()
{
    if (!m_strokePause)
        return;
    canvas.endStroke();
    m_strokePause.reset();
}

Palette::HotCornerInput FrmMain::hotCornerInput() const
{
    Palette::HotCornerInput corner;
    corner.autoHide = settings.Auto_hide;
    corner.pointer = m_pointer.position();
    corner.buttonHeight = pFunc[0]->height();
    corner.cornerWidth = Hot_corner_width;
    corner.buttonsVisible = pFunc[0]->isVisible();
    return corner;
}

void FrmMain::takeStepResult(const Palette::TickResult& result)
{
    for (int i = 0; i < result.popped; ++i)
        PlayEffect(SoundKind::BubblePopped);
    if (result.buttons != Palette::ButtonsChange::None) {
        const bool show = result.buttons == Palette::ButtonsChange::Show;
        for (pButton* button : pFunc)
            button->setVisible(show);
    }
}

void FrmMain::paletteSteps(int count)
{
    // Every step moves the bubbles; only the last is drawn and shown.
    for (int i = 1; i < count && Timer1.isActive(); ++i)
        takeStepResult(palette.advance(m_paletteSurface.size(), hotCornerInput()));
    if (Timer1.isActive())
        Timer1_Timer();
}

void FrmMain::Timer1_Timer()
{
    takeStepResult(palette.tick(m_paletteSurface.image(), m_paletteSurface.backColor(), hotCornerInput()));
    Pc->repaintNow(palette.changedRects());
}

void FrmMain::Pc_MouseDown(int x, int y)
{
    const int hit = palette.hitTest(x, y);
    if (hit < 0)
        return;
    PlayEffect(SoundKind::ColourPicked);
    palette.restartClicked(hit);
    const qint32 colour = palette.colourOf(hit);
    if (colour == -1) {
        chooseColourWithPicker();
        return;
    }
    setColor(quint32(colour));
}

void FrmMain::chooseColourWithPicker()
{
    // The bubble just clicked is already on its way back from below.
    Timer1_Timer();
    const AnimationPause pause(Timer1);
    frmColorPicker picker(m_random, m_sounds, this);
    picker.setColorSelected(qint32(canvas.currentColor()));
    picker.exec();
    if (picker.ButtonPressed == QLatin1String("Ok"))
        setColor(quint32(picker.ColorSelected()));
}

void FrmMain::setColor(quint32 colour)
{
    canvas.setCurrentColor(colour);
    const QRgb rgb = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    m_backdropSurface.setBackColor(rgb);
    redrawBackdrop();
}

bool FrmMain::autoSave()
{
    const PictureSaver::SaveResult result = PictureSaver::autoSave(canvas, m_folder);
    // Whole sentences, so that each language can build them its own way.
    QString text;
    switch (result) {
    case PictureSaver::SaveResult::Saved:
    case PictureSaver::SaveResult::NothingToSave:
        return true;
    case PictureSaver::SaveResult::DiskFull:
        text = tr("The picture could not be saved because the disk is full. Press Cancel to keep it on the "
                  "screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on "
                  "without saving it.");
        break;
    case PictureSaver::SaveResult::WriteProtected:
        text = tr("The picture could not be saved because the disk or its folder is write protected. Press "
                  "Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save "
                  "as. Press Continue to go on without saving it.");
        break;
    case PictureSaver::SaveResult::Failed:
        text = tr("The picture could not be saved because of an unknown error. Press Cancel to keep it on the "
                  "screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on "
                  "without saving it.");
        break;
    }
    // The painting is still on the canvas: the parent decides whether to
    // stay with it (and make room, or use Save as) or to go on without it.
    const AnimationPause pause(Timer1);
    return ParentPrompt::tell(this, text, PromptOption::ShowCancel);
}

void FrmMain::showPictureError(PictureError error, const QString& path)
{
    PromptTexts texts;
    if (error == PictureError::Damaged) {
        texts.forParent = tr("The picture '%1' appears to be damaged or it no longer exists.").arg(path);
        texts.forChild = tr("Oops, the picture you choose appears to be have something wrong with it, "
                            "call someone who can help you fix it!");
    } else {
        texts.forParent = tr("Before printing, a temporary file has to be created in the application "
                             "directory. This was not possible. Please make sure there is enough "
                             "space in the disk and that the disk is not write protected.");
        texts.forChild = tr("Oh no! Your picture could not be printed. Call someone for help!");
    }
    const AnimationPause pause(Timer1);
    ParentPrompt::ask(this, settings, m_sounds, texts);
}
