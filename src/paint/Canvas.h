// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"
#include "platform/PictureSurface.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>

class Random;

// The picture being coloured: the visible canvas P and, at the same size, the
// hidden line picture tP that holds only the outlines. Before each stroke the
// pressed white region of tP is flood-filled red and copied into the region
// mask; the crayon, paintbrush and pencil change only canvas pixels whose mask
// colour equals the stroke's key, which keeps colour inside the outlines.
//
// The canvas works on images only. The main window owns the widgets, the
// palette timer, sounds and prompts: it shows P's image, stops the timer when
// beginStroke() returns true and enables the undo button from canUndo().
// Every change to P's image ends with P.refresh(rect).
class Canvas
{
public:
    enum ToolIndex { Crayon = 0, Paintbrush = 1, Pencil = 2, Marker = 3 };
    static constexpr quint32 RegionKey = 0x000000FF; // red, the fill of the pressed region
    static constexpr int UndoLevels = 3;

    explicit Canvas(Random& random);

    // The visible canvas and the hidden line picture.
    PictureSurface P;
    PictureSurface tP;

    // The three brush pictures (crayon, paintbrush, pencil); the brush in use
    // starts as the crayon.
    void setBrushPictures(const QImage& crayon, const QImage& paintbrush, const QImage& pencil);

    // Mouse press on P at (x, y). Returns false, doing nothing, when the point
    // is outside the canvas (the right and bottom edges themselves count as
    // inside) or no picture is open; otherwise takes an undo snapshot, builds
    // the region mask, paints the press and returns true.
    bool beginStroke(int x, int y);
    // Mouse move with a button down. A stroke that began on an outline starts
    // afresh, with its own snapshot, where the pointer first reaches a
    // non-black pixel.
    void moveStroke(int x, int y);
    // Mouse release: the canvas copy follows P again, and marker lines become
    // outlines.
    void endStroke();

    // Loads the line picture path into tP and shows colouredPath on P when that
    // file exists and loads (otherwise the line picture). Undo is reset.
    // Throws AppError (FileNotFound, InvalidPicture) when path cannot be
    // loaded; the previous picture then stays in place, line picture included.
    void openPicture(const QString& path, const QString& colouredPath);

    // Resets the picture to black and white: an own picture becomes a blank
    // page (its marker outlines go too), a book picture gets back its outlines
    // as opened. Cannot be undone.
    void clearColours(bool ownPicture);

    // Puts back the newest snapshot, outlines included.
    void undo();
    bool canUndo() const { return m_undoIndex >= 0; }

    // Tool 0..3; the brush in use becomes a fresh copy of the tool's brush
    // (the marker pen keeps the one it had).
    void selectTool(int tool);
    // The current colour, 0x00BBGGRR.
    void setCurrentColor(quint32 colour);
    // Crazy colours widen the spread of every dab from 10 to 120.
    void setCrazyColours(bool on);

    // State, read-only for the window, the saver and tests.
    int Tool() const { return m_tool; }
    quint32 Workon_color() const { return m_workonColor; }
    int Undo_index() const { return m_undoIndex; }
    const QString& CurrentPicture() const { return m_currentPicture; }
    const QString& Last_saved_picture() const { return m_lastSavedPicture; }
    void setLast_saved_picture(const QString& path) { m_lastSavedPicture = path; }
    uint8_t Current_red() const { return m_red; }
    uint8_t Current_green() const { return m_green; }
    uint8_t Current_blue() const { return m_blue; }
    quint32 currentColor() const;
    int Color_jitter() const { return m_colorJitter; }

    const cNDib& Region_mask() const { return m_regionMask; }
    const cNDib& Canvas_buffer() const { return m_canvasBuffer; }
    const cNDib& Line_buffer() const { return m_lineBuffer; }
    const cNDib& Brush_buffer() const { return m_brushBuffer; }
    const cNDib& Undo_canvas(int slot) const { return m_undoCanvas.at(size_t(slot)); }
    const cNDib& Undo_lines(int slot) const { return m_undoLines.at(size_t(slot)); }

private:
    void takeSnapshot();
    void fillPressedRegion(int x, int y);
    void paintMove(int x, int y);
    void paintPressExtras(int x, int y);
    void showLinePictureOnCanvas();

    Random& m_random;
    std::array<cNDib, 3> m_brushes;
    cNDib m_brushBuffer;
    cNDib m_regionMask;
    cNDib m_canvasBuffer;
    cNDib m_lineBuffer;
    std::array<cNDib, UndoLevels> m_undoCanvas;
    std::array<cNDib, UndoLevels> m_undoLines;
    int m_undoIndex = -1;
    int m_tool = Crayon;
    quint32 m_workonColor = 0xFFFFFFFFu; // -1 until the first press
    QString m_currentPicture;
    QString m_lastSavedPicture;
    uint8_t m_red = 0;
    uint8_t m_green = 0;
    uint8_t m_blue = 0;
    int m_colorJitter = 10;
    QPoint m_pen;
    bool m_stroking = false;
};
