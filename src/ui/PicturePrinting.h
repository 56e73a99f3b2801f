// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;
class QPrintDialog;
class QPrinter;
class QString;
class QWidget;

#include <memory>

namespace PicturePrinting {

// What the print command does after its dialog: as many pages as copies
// were chosen in it (the printer's copy count), one copy per page. The
// printer's own copy count is set to 1 first, so that N copies make N sheets
// on a print server too, not N times N.
bool printChosenCopies(QPrinter& printer, const QImage& picture);

// The print command's dialog for printer. With no printer set up it would
// offer nothing to print on: it offers a PDF file instead, pdfPath already
// filled in.
std::unique_ptr<QPrintDialog> makeDialog(QPrinter& printer, const QString& pdfPath, QWidget* owner);

}
