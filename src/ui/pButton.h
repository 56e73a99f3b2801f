// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"

#include <QImage>
#include <QWidget>

// The program's picture button, drawn entirely from bitmaps: up, held down,
// pressed (latched) and disabled; a grey disabled image is made from the up
// image when none is given. Plays no sounds; its users do.
class pButton : public QWidget
{
    Q_OBJECT
public:
    explicit pButton(QWidget* parent = nullptr);

    // Any image may be null (absent). Returns 0 on success, otherwise the
    // number of the error that stopped it. Sizes the button to the up image.
    int SetPicture(const QImage& pUP, const QImage& pDOWN = {}, const QImage& pPRESSED = {},
                   const QImage& pDISABLED = {});

    // Enables or disables the button and draws the look of that state, even
    // when the state does not change: enabling shows the up image, so a
    // latched button is drawn up until its owner presses it again.
    void setEnabled(bool enabled);

    bool Pressed() const { return m_pressed; }
    void setPressed(bool pressed);
    QString ToolText() const { return toolTip(); }
    void setToolText(const QString& text) { setToolTip(text); }
    void setMouseIcon(const QCursor& cursor) { setCursor(cursor); }
    bool LockRefresh() const { return m_lockRefresh; }
    void setLockRefresh(bool lock);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on) { m_autoSize = on; }

    // The images as the button holds them (for tests and reuse).
    const cNDib& upImage() const { return m_up; }
    const cNDib& disabledImage() const;
    // What the button shows now.
    const QImage& shownImage() const { return m_shown; }

    // Shows a picture directly, outside the up/down/pressed cycle.
    void picture(const QImage& pic);
    // Loads a picture file and shows it; false when it cannot be read.
    bool Picture2(const QString& filename);

    QSize sizeHint() const override;

Q_SIGNALS:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void MouseUp();
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void draw(const cNDib& image);
    void showImage(const QImage& image);
    void drawForEnabledState();
    static void makeGrey(cNDib& image);

    cNDib m_up, m_down, m_pressedImage, m_disabled, m_generatedDisabled;
    QImage m_shown;
    QImage m_enlarged;       // m_shown at the screen's device pixel ratio
    qint64 m_enlargedFrom = 0;
    bool m_autoSize = true;
    bool m_pressed = false;
    bool m_lockRefresh = false;
    bool m_mouseDown = false;
};
