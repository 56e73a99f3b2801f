// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paint/PickerBubbles.h"
#include "platform/PictureSurface.h"
#include "ui/AnimationTimer.h"
#include "ui/BorderedDialog.h"

#include <QString>

class Random;
class SoundBoard;
class SurfaceView;

// The colour picker: eighteen bubbles in shades of the current colour float
// upwards; popping one makes the colour under its centre the new colour.
// There is no cancel: the window closes only when a bubble was picked.
//
// The caller sets ColorSelected to the current colour, calls exec(), and
// reads ColorSelected again when ButtonPressed is "Ok".
class frmColorPicker : public BorderedDialog
{
    Q_OBJECT
public:
    static constexpr int WindowWidth = 459;
    static constexpr int WindowHeight = 314;

    frmColorPicker(Random& random, SoundBoard& sounds, QWidget* parent = nullptr);
    ~frmColorPicker() override;

    // 0x00BBGGRR: in, the current colour; out, the picked one.
    qint32 ColorSelected() const { return m_colorSelected; }
    void setColorSelected(qint32 colour) { m_colorSelected = colour; }
    // "Ok" once a bubble was picked.
    QString ButtonPressed;

    // The bubbles and the picture they float in (the control "Pc" shows it).
    PickerBubbles& bubbles() { return m_bubbles; }
    PictureSurface& area() { return m_area; }
    bool isLocked() const { return m_lock; }
    AnimationTimer Timer1{this};

    // One animation step (bubbles, pops).
    void Timer1_Timer();
    void Pc_MouseDown(int x, int y);
    void Pc_MouseUp();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void Form_Load();

    // The picture area the bubbles float in.
    SurfaceView* Pc = nullptr;
    Random& m_random;
    SoundBoard& m_sounds;
    PickerBubbles m_bubbles;
    PictureSurface m_area;
    qint32 m_colorSelected = 0;
    bool m_lock = true;
    bool m_picked = false;
    bool m_loaded = false;
};
