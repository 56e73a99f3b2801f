#include "ui/PicturePrinting.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PicturePrinting, TheChosenCopiesArePagesAndThePrinterItselfPrintsOnce)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setCopyCount(3);
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(200, 50, 50));

    ASSERT_TRUE(PicturePrinting::printChosenCopies(printer, picture));
    EXPECT_EQ(printer.copyCount(), 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 3);
}
