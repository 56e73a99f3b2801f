#include "ui/PicturePrinting.h"

#include "paint/PictureSaver.h"

#include <QImage>
#include <QPrinter>

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

}
