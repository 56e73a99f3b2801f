// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Canvas.h"

#include "paint/BrushTools.h"
#include "platform/FloodFill.h"
#include "platform/ImageFile.h"
#include "platform/Random.h"
#include "platform/Log.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb FillRed = 0xFFFF0000u;

int16_t toInt16(int v)
{
    return int16_t(std::clamp(v, int(std::numeric_limits<int16_t>::min()), int(std::numeric_limits<int16_t>::max())));
}

} // namespace

Canvas::Canvas(Random& random)
    : m_random(random)
{
    P.setBackColor(White);
    tP.setBackColor(White);
}

void Canvas::setBrushPictures(const QImage& crayon, const QImage& paintbrush, const QImage& pencil)
{
    m_brushes[Crayon].Make_From_Image(crayon);
    m_brushes[Paintbrush].Make_From_Image(paintbrush);
    m_brushes[Pencil].Make_From_Image(pencil);
    m_brushBuffer = m_brushes[m_tool == Marker ? Crayon : m_tool];
}

quint32 Canvas::currentColor() const
{
    return colourFromRgb(m_red, m_green, m_blue);
}

// ---------------------------------------------------------------------------
// Strokes

bool Canvas::beginStroke(int x, int y)
{
    if (P.isEmpty() || tP.isEmpty())
        return false;
    // The right and bottom edges themselves are accepted; look-ups clamp.
    if (x < 0 || x > P.width() || y < 0 || y > P.height())
        return false;
    m_stroking = true;

    tP.clear(); // drops the red fill of the previous stroke
    takeSnapshot();
    if (m_tool != Marker)
        fillPressedRegion(x, y);
    m_regionMask.Make_From_Picture(tP);
    m_workonColor = m_regionMask.Get_Pixel_Long(x, y);
    m_pen = QPoint(x, y);

    moveStroke(x, y);
    paintPressExtras(x, y);
    return true;
}

void Canvas::moveStroke(int x, int y)
{
    if (!m_stroking)
        return;
    if (m_workonColor == 0) {
        // Pressed on an outline: nothing is painted until the pointer reaches
        // a non-black pixel, where a stroke of its own begins.
        if (m_regionMask.isEmpty() || m_regionMask.Get_Pixel_Long(x, y) == 0)
            return;
        beginStroke(x, y);
        return;
    }
    paintMove(x, y);
}

void Canvas::endStroke()
{
    m_canvasBuffer.Make_From_Picture(P);
    if (m_stroking && m_tool == Marker)
        tP.commit(); // the marker's lines become outlines
    m_stroking = false;
}

void Canvas::takeSnapshot()
{
    if (m_undoIndex == UndoLevels - 1) {
        // The oldest snapshot is dropped; its buffers are reused for the new one.
        for (int i = 0; i < UndoLevels - 1; ++i) {
            std::swap(m_undoCanvas[size_t(i)], m_undoCanvas[size_t(i + 1)]);
            std::swap(m_undoLines[size_t(i)], m_undoLines[size_t(i + 1)]);
        }
    } else {
        ++m_undoIndex;
    }
    m_undoCanvas[size_t(m_undoIndex)].Make_From_Picture(P);
    m_undoLines[size_t(m_undoIndex)].Make_From_Picture(tP);
}

void Canvas::fillPressedRegion(int x, int y)
{
    // A press on the right or bottom edge fills the region of the last pixel,
    // the same pixel whose colour becomes the stroke's key; otherwise the key
    // would be plain white and the stroke would spread into every region.
    QImage& lines = tP.image();
    x = std::clamp(x, 0, lines.width() - 1);
    y = std::clamp(y, 0, lines.height() - 1);
    if (reinterpret_cast<const QRgb*>(lines.constScanLine(y))[x] == White)
        floodFill(lines, x, y, FillRed);
}

void Canvas::paintMove(int x, int y)
{
    switch (m_tool) {
    case Crayon:
    case Paintbrush: {
        const quint32 c = spreadColour(m_red, m_green, m_blue, m_colorJitter, m_random);
        const QRect changed = stamp_brush(m_canvasBuffer, m_regionMask, m_brushBuffer, x, y, m_workonColor,
                                          uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t(c >> 16), P.image());
        if (!changed.isEmpty())
            P.refresh(changed);
        break;
    }
    case Pencil: {
        const quint32 c = spreadColour(m_red, m_green, m_blue, m_colorJitter, m_random);
        const QRect changed = LineGP(P.image(), m_regionMask, toInt16(m_pen.x()), toInt16(m_pen.y()), toInt16(x),
                                     toInt16(y), c, m_workonColor);
        m_pen = QPoint(x, y);
        if (!changed.isEmpty())
            P.refresh(changed);
        break;
    }
    case Marker: {
        // Black on the line picture, the exact colour on the canvas; the
        // region mask is not consulted.
        markerLine(tP.image(), m_pen, QPoint(x, y), 0);
        const QRect changed = markerLine(P.image(), m_pen, QPoint(x, y), currentColor());
        m_pen = QPoint(x, y);
        if (!changed.isEmpty()) {
            tP.refresh(changed);
            P.refresh(changed);
        }
        break;
    }
    default:
        break;
    }
}

void Canvas::paintPressExtras(int x, int y)
{
    if (m_tool == Pencil) {
        P.refresh(markerDot(P.image(), QPoint(x, y), currentColor()));
    } else if (m_tool == Marker) {
        const QRect changed = markerDot(P.image(), QPoint(x, y), currentColor());
        markerDot(tP.image(), QPoint(x, y), currentColor());
        tP.refresh(changed);
        P.refresh(changed);
    }
}

// ---------------------------------------------------------------------------
// Open, clear, undo

void Canvas::openPicture(const QString& path, const QString& colouredPath)
{
    // Read before touching anything: a picture that cannot be loaded leaves
    // the line picture, the canvas and undo as they were.
    const QImage lines = ImageFile::read(path);
    m_stroking = false;

    tP.emptyPicture();
    tP.setPicture(lines, true);
    m_canvasBuffer.Make_From_Picture(tP);
    m_lineBuffer = m_canvasBuffer;

    bool coloured = false;
    if (!colouredPath.isEmpty() && QFileInfo(colouredPath).isFile()) {
        try {
            P.emptyPicture();
            P.loadFile(colouredPath, true);
            m_canvasBuffer.Make_From_Picture(P);
            coloured = true;
        } catch (const AppError& e) {
            // A damaged coloured picture falls back to black and white.
            qCWarning(Log::files) << "The coloured picture" << colouredPath << "could not be read:" << e.description();
        }
    }
    if (!coloured)
        showLinePictureOnCanvas();

    m_undoIndex = -1;
    m_currentPicture = path;
    tP.refresh();
    P.refresh();
}

void Canvas::showLinePictureOnCanvas()
{
    P.emptyPicture();
    m_canvasBuffer.Set_dib(P, true);
}

void Canvas::clearColours(bool ownPicture)
{
    if (P.isEmpty() || tP.isEmpty())
        return;
    m_stroking = false;
    if (ownPicture) {
        // An own picture is wiped completely, marker outlines included.
        tP.emptyPicture();
        tP.commit();
        m_regionMask.Make_From_Picture(tP);
        m_lineBuffer = m_regionMask;
        m_canvasBuffer = m_regionMask;
        m_canvasBuffer.Set_dib(P, true);
    } else {
        m_lineBuffer.Set_dib(P, true);
        m_lineBuffer.Set_dib(tP, true);
        tP.commit();
        m_regionMask.Make_From_Picture(P);
        m_canvasBuffer.Make_From_Picture(P);
    }
    m_undoIndex = -1;
    tP.refresh();
    P.refresh();
}

void Canvas::undo()
{
    if (m_undoIndex < 0)
        return;
    const size_t slot = size_t(m_undoIndex);
    tP.clear();
    m_undoCanvas[slot].Set_dib(P, true);
    m_undoLines[slot].Set_dib(tP, true);
    tP.commit(); // takes back marker outlines too
    m_regionMask.Make_From_Picture(tP);
    --m_undoIndex;
    m_canvasBuffer.Make_From_Picture(P);
    tP.refresh();
    P.refresh();
}

// ---------------------------------------------------------------------------
// Tool and colour

void Canvas::selectTool(int tool)
{
    if (tool < Crayon || tool > Marker)
        return;
    if (tool != Marker && !m_brushes[size_t(tool)].isEmpty())
        m_brushBuffer = m_brushes[size_t(tool)];
    m_tool = tool;
}

void Canvas::setCurrentColor(quint32 colour)
{
    if (colour > 0x00FFFFFFu)
        return; // -1 is "no colour"
    m_red = uint8_t(colour & 0xFF);
    m_green = uint8_t((colour >> 8) & 0xFF);
    m_blue = uint8_t((colour >> 16) & 0xFF);
}

void Canvas::setCrazyColours(bool on)
{
    m_colorJitter = on ? 120 : 10;
}
