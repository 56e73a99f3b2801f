// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PicturePrinting.h"

#include "paint/CanvasPrinter.h"

#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace PicturePrinting {

bool printChosenCopies(QPrinter& printer, const QImage& picture)
{
    const int copies = printer.copyCount();
    // Every copy is a page of its own here; a copy count left on the printer
    // would make the print server repeat the whole document as well.
    printer.setCopyCount(1);
    printer.setCollateCopies(false);
    return PictureSaver::printCanvas(printer, picture, copies);
}

std::unique_ptr<QPrintDialog> makeDialog(QPrinter& printer, const QString& pdfPath, QWidget* owner)
{
    // The dialog takes the file name from the printer when it is made.
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    if (noPrinter) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    auto dialog = std::make_unique<QPrintDialog>(&printer, owner);
    dialog->setOption(QAbstractPrintDialog::PrintToFile, noPrinter);
    dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog;
}

}
