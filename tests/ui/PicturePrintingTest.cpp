// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PicturePrinting.h"
#include "support/ModalDriver.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
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

TEST(PicturePrinting, WithoutAPrinterTheDialogPrintsToAPdfFile)
{
    // No print server to ask, so no printer.
    qputenv("CUPS_SERVER", "/nonexistent/tintaloo-cups.sock");
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "NOT TESTED: a printer is set up here";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cat.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    const auto dialog = PicturePrinting::makeDialog(printer, pdf, nullptr);
    ModalDriver::answerNext([](QWidget* w) {
        auto* buttons = w->findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        ASSERT_TRUE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
        ModalDriver::click(buttons->button(QDialogButtonBox::Ok));
    });
    ASSERT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_TRUE(ModalDriver::allAnswered());
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(200, 50, 50));
    ASSERT_TRUE(PicturePrinting::printChosenCopies(printer, picture));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}
