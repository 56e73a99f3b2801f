// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmColorPicker.h"

#include "ui/SurfaceView.h"
#include "ui/Resources.h"
#include "ui/SoundBoard.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// The picture area inside the raised edge: the window's design less the
// two-pixel border on every side.
const QRect AreaGeometry(8, 2, 444, 310);
// A soft neutral sky behind the bubbles: the picker stands out from the white
// page it opens over, and pale shades of every hue (and the white bubble,
// with its grey rim) still show on it.
constexpr QRgb AreaColour = 0xFFECEFF4;

} // namespace

frmColorPicker::frmColorPicker(Random& random, SoundBoard& sounds, QWidget* parent)
    : BorderedDialog(parent)
    , m_random(random)
    , m_sounds(sounds)
    , m_bubbles(random)
{
    setObjectName(QStringLiteral("frmColorPicker"));
    setFixedSize(WindowWidth, WindowHeight);

    m_area.setBackColor(AreaColour);
    m_area.resize(AreaGeometry.size());
    Pc = new SurfaceView(m_area, this);
    Pc->setObjectName(QStringLiteral("Pc"));
    Pc->setGeometry(AreaGeometry);
    Pc->setCursor(Resources::handCursor());
    // Any button picks: a small child presses whichever is under the finger.
    connect(Pc, &SurfaceView::mousePressed, this, [this](Qt::MouseButton, int x, int y) { Pc_MouseDown(x, y); });
    connect(Pc, &SurfaceView::mouseReleased, this, [this](Qt::MouseButton, int, int) { Pc_MouseUp(); });

    connect(&Timer1, &AnimationTimer::steps, this, [this](int count) {
        for (int i = 0; i < count && Timer1.isActive(); ++i)
            Timer1_Timer();
    });

    PickerBubbles::Pictures pictures;
    for (int k = 0; k < PickerBubbles::Count; ++k)
        pictures[size_t(k)] = Resources::pickerBubble(k);
    m_bubbles.setPictures(pictures);
}

frmColorPicker::~frmColorPicker() = default;

void frmColorPicker::showEvent(QShowEvent* event)
{
    BorderedDialog::showEvent(event);
    if (!m_loaded)
        Form_Load();
}

void frmColorPicker::Form_Load()
{
    m_loaded = true;
    m_lock = true;
    m_picked = false;
    ButtonPressed.clear();
    m_area.clear();
    m_bubbles.place(m_area.size());
    // The bubbles float from the moment the window opens, also while their
    // shades are being made: the events processed between two bubbles
    // repaint the window. Clicks wait (and the window is locked until the
    // shades are made); tint() refuses to run inside itself.
    Timer1.start();
    m_bubbles.tint(m_colorSelected, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    // The bubbles are on screen from the first frame, not one step later.
    Timer1_Timer();
    m_lock = false;
}

void frmColorPicker::Timer1_Timer()
{
    const int popped = m_bubbles.tick(m_area.image(), m_area.backColor());
    for (int i = 0; i < popped; ++i)
        m_sounds.PlayEffect(SoundKind::BubblePopped);
    for (const QRect& rect : m_bubbles.changedRects())
        m_area.refresh(rect);
}

void frmColorPicker::Pc_MouseDown(int x, int y)
{
    if (m_lock)
        return;
    const int hit = m_bubbles.hitTest(x, y);
    if (hit < 0)
        return;
    m_sounds.PlayEffect(SoundKind::ColourPicked);
    m_colorSelected = m_bubbles.centreColour(hit);
    m_picked = true;
    m_lock = true;
}

void frmColorPicker::Pc_MouseUp()
{
    if (!m_lock || !m_picked)
        return;
    ButtonPressed = QStringLiteral("Ok");
    // The picked bubble stays where it was while the window closes.
    Timer1.stop();
    accept();
}

void frmColorPicker::keyPressEvent(QKeyEvent* event)
{
    // No cancel: Escape and Enter do not close the picker.
    event->accept();
}

void frmColorPicker::reject()
{
    // Only a picked bubble closes the window.
    if (m_picked)
        BorderedDialog::reject();
}
