// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pButton.h"

#include "imaging/CrispScaler.h"
#include "platform/AppError.h"
#include "platform/Log.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <new>

pButton::pButton(QWidget* parent)
    : QWidget(parent)
{
    // Moves are reported with no button held, as the buttons' users expect.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

int pButton::SetPicture(const QImage& pUP, const QImage& pDOWN, const QImage& pPRESSED,
                        const QImage& pDISABLED)
{
    try {
        if (!pUP.isNull()) {
            m_up.Make_From_Image(pUP);
            if (pDISABLED.isNull()) {
                m_generatedDisabled = m_up;
                makeGrey(m_generatedDisabled);
            }
            resize(pUP.size());
            updateGeometry();
        }
        if (!pDOWN.isNull())
            m_down.Make_From_Image(pDOWN);
        if (!pPRESSED.isNull())
            m_pressedImage.Make_From_Image(pPRESSED);
        if (!pDISABLED.isNull())
            m_disabled.Make_From_Image(pDISABLED);
        drawForEnabledState();
    } catch (const AppError& error) {
        qCWarning(Log::windows) << "Button" << objectName() << "keeps its old look:" << error.description();
        return error.number();
    } catch (const std::bad_alloc&) {
        qCWarning(Log::windows) << "Button" << objectName() << "keeps its old look: out of memory";
        return ErrorNumber::OutOfMemory;
    }
    return 0;
}

// Grey of every pixel but pure white, which stays white so that the white
// surround of a button does not turn into a grey box.
void pButton::makeGrey(cNDib& image)
{
    uint8_t* p = image.bits();
    const qsizetype count = qsizetype(image.pixelWidth()) * image.pixelHeight();
    for (qsizetype i = 0; i < count; ++i, p += 4) {
        const uint8_t blue = p[0], green = p[1], red = p[2];
        if (red == 255 && green == 255 && blue == 255)
            continue;
        const double grey = std::nearbyint(0.255 * red + 0.587 * green + 0.114 * blue);
        const uint8_t g = grey > 255.0 ? 255 : uint8_t(grey);
        p[0] = p[1] = p[2] = g;
    }
}

const cNDib& pButton::disabledImage() const
{
    return m_disabled.isEmpty() ? m_generatedDisabled : m_disabled;
}

void pButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    drawForEnabledState();
}

void pButton::setPressed(bool pressed)
{
    m_pressed = pressed;
    if (pressed)
        draw(m_pressedImage);
    else
        draw(m_up);
}

void pButton::setLockRefresh(bool lock)
{
    m_lockRefresh = lock;
    if (!lock)
        repaint();
}

void pButton::picture(const QImage& pic)
{
    showImage(pic.convertToFormat(QImage::Format_RGB32));
}

bool pButton::Picture2(const QString& filename)
{
    const QImage image(filename);
    if (image.isNull())
        return false;
    picture(image);
    return true;
}

QSize pButton::sizeHint() const
{
    if (!m_up.isEmpty())
        return {m_up.pixelWidth(), m_up.pixelHeight()};
    return m_shown.isNull() ? QSize(16, 16) : m_shown.size();
}

void pButton::draw(const cNDib& image)
{
    if (!image.isEmpty())
        showImage(image.toImage());
}

void pButton::showImage(const QImage& image)
{
    m_shown = image;
    if (!m_lockRefresh)
        update();
}

// Enabling shows the up image, not the pressed one: a latched button that
// comes back is drawn up until its owner presses it again.
void pButton::drawForEnabledState()
{
    if (isEnabled())
        draw(m_up);
    else
        draw(disabledImage());
}

void pButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        drawForEnabledState();
    QWidget::changeEvent(event);
}

void pButton::paintEvent(QPaintEvent*)
{
    if (m_shown.isNull())
        return;
    // Enlarged once per picture and screen, not on every paint.
    const qreal ratio = devicePixelRatioF();
    if (m_enlarged.isNull() || m_enlargedFrom != m_shown.cacheKey() || m_enlarged.devicePixelRatio() != ratio) {
        m_enlarged = ratio > 1.0 ? CrispScaler::enlarged(m_shown, ratio) : m_shown;
        m_enlargedFrom = m_shown.cacheKey();
    }
    QPainter painter(this);
    painter.drawImage(rect(), m_enlarged);
}

void pButton::mousePressEvent(QMouseEvent* event)
{
    m_mouseDown = event->button() == Qt::LeftButton;
    draw(m_down);
    const QPointF at = event->position();
    Q_EMIT MouseDown(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void pButton::mouseReleaseEvent(QMouseEvent* event)
{
    draw(m_up);
    setPressed(m_pressed);
    const bool clicked = m_mouseDown && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_mouseDown = false;
    Q_EMIT MouseUp();
    if (clicked)
        Q_EMIT click();
}

void pButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    Q_EMIT MouseMove(event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}
