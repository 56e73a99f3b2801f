// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QString>
#include <QtGlobal>

class PictureSurface;
class ProgramFolder;
class QImage;
class QWidget;

// Small services that several windows share: web pages, help topics,
// deleting files and folders with a checked result, splitting paths and
// colours, application-wide font smoothing and the text scrambler.
namespace mMain {

// Hands the address to the desktop's browser. True when it was handed over.
bool OpenWebPage(const QString& address);

// Shows the help topic ("index.htm", "license_agreement.htm") of the
// program's help folder in the help window, modally over owner. False, and
// nothing shown, when the topic is not there.
bool OpenHelpTopic(QWidget* owner, const ProgramFolder& folder, const QString& topic);
// Where that topic is: in the help folder's folder for the language the
// program speaks (help/de/, help/pt_BR/) when it is there, otherwise the
// English one in the help folder itself (which may not exist either).
QString HelpTopicPath(const ProgramFolder& folder, const QString& topic);
// The same, telling the parent in a notice when the topic cannot be shown.
void ShowHelpFile(QWidget* owner, const ProgramFolder& folder, const QString& topic);

// True when the file existed and is gone. Never throws; a read-only file (no
// write permission for its owner) is left alone and gives false.
bool RemoveFile(const QString& path);
// True when the folder existed and is gone with its contents. A trailing "/"
// is allowed. Nothing is forced: when the folder or anything in it is
// read-only, nothing is deleted and the result is false.
bool RemoveFolder(const QString& path);

// The part after the last "/" (the whole path when it has none).
QString FileNameOf(const QString& path);
// The part before the last "/"; throws AppError for a path without one.
QString FolderOf(const QString& path);

// Splits a colour 0x00BBGGRR into its bytes; a negative colour (not an
// explicit red-green-blue value) throws AppError Overflow.
void SplitColor(qint32 color, quint8& red, quint8& green, quint8& blue);

// The shadow under the bar: a vertical gradient from topColour in the first
// row to bottomColour over what the surface shows, L + 1 rows for height L
// and width + 1 columns (-1: the surface's own width or height).
void PaintGradient(QImage& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour);
// The same on a picture surface, which is then asked to repaint.
void PaintGradient(PictureSurface& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour);

// Antialiased text for the whole application. The system's own setting is
// never touched: the state lives in the application's font, so there is
// nothing to put back when the program ends.
bool FontSmoothingIsOn();
void FontSmoothingOn(int mode);
void FontSmoothingOff();

// The fixed offset of the second scrambling stage: digits 0 to 9 become the
// characters 'd' to 'm', so a scrambled text never looks like its digits.
constexpr int ScrambleOffset = 100;

// Each character becomes its code's digit count followed by the digits
// ("a" -> "297"); with second, each digit d then becomes the character
// ScrambleOffset + d. "Error encrypting string" for a character outside the
// single-byte code page.
QString ScrambleText(const QString& text, bool second);
// The inverse; "Error decrypting string" for anything it cannot read back,
// the empty text included.
QString UnscrambleText(const QString& text, bool second);

} // namespace mMain
