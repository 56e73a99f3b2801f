// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramFolder.h"

#include <QImage>
#include <QString>

class Canvas;
class PictureSurface;

// Saving the coloured picture (printing it: CanvasPrinter.h).
//
// The child never saves by hand: whenever the program is about to leave a
// picture, the canvas is written as "/colored pictures/<book>/<file>.jpg"
// under the program folder, where file is the picture's own file name
// (cat.bmp gives cat.bmp.jpg) and book the folder in front of it. The
// thumbnails of the coloured and of the book picture are deleted so that the
// browsers rebuild them in colour. An own picture also gets its line picture
// written back, so the child's marker lines stay part of it.
namespace PictureSaver {

constexpr int JpegQuality = 90;

// The coloured picture that belongs to a book picture (letter case matched
// to what exists on disk); empty for a path without a folder.
QString colouredPathFor(const ProgramFolder& folder, const QString& picture);
// Whether picture lies in the own-pictures book (letter case ignored).
bool isOwnPicture(const ProgramFolder& folder, const QString& picture);

// How an automatic save went; the failures say why, for the parent.
enum class SaveResult {
    Saved,
    NothingToSave,
    DiskFull,       // no space left (or a quota or size limit reached)
    WriteProtected, // a read-only disk, folder or file
    Failed,         // anything else
};

// The automatic save of the canvas's current picture. Does nothing without a
// picture. A failed JPEG write leaves the previous coloured picture whole
// and the canvas as it was; the caller tells the parent. Nothing is written
// or deleted in a folder that a link leads outside the program folder.
SaveResult autoSave(Canvas& canvas, const ProgramFolder& folder);

// Writes the image as a JPEG at target, quality 90. Returns true on success;
// throws AppError(JpegLibrary) when the picture cannot be encoded or written (an old
// file at target is then left whole).
bool canvasToJpeg(const QImage& canvas, const QString& target);
// The same for the canvas surface, whose stored picture becomes the image
// written.
bool canvasToJpeg(PictureSurface& canvas, const QString& target);
} // namespace PictureSaver
