// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The coloured pictures browser and the picture manager over a temporary
// program folder, driven by a parent: links clicked, thumbnails clicked
// with Ctrl, books picked with the keyboard, notices answered.

#include "LibraryFixture.h"
#include "library/LibraryWindow.h"
#include "support/FileDialogDriver.h"
#include "support/ModalDriver.h"
#include "support/WindowWatch.h"
#include "ui/LinkLabel.h"

#include <QFileDialog>
#include <QTest>
#include <gtest/gtest.h>

class LibraryWindows : public ::testing::Test
{
protected:
    // Shows window modally; action runs on it once it shows and must close it.
    template <class Window>
    void run(Window& window, std::function<void(Window*)> action)
    {
        ModalDriver::answerNext([&window, action](QWidget*) { action(&window); });
        window.exec();
        EXPECT_TRUE(ModalDriver::allAnswered());
    }

    static void command(LibraryWindow* w, int index) { ModalDriver::click(w->cFunc(index)); }

    // The names the list shows, in order.
    static QStringList shown(const LibraryWindow* w)
    {
        QStringList names;
        for (int row = 0; row < WindowWatch::LV(w)->count(); ++row)
            names << WindowWatch::LV(w)->item(row)->text();
        return names;
    }
    static QStringList books(const LibraryWindow* w)
    {
        QStringList names;
        for (int i = 0; i < WindowWatch::cBooks(w)->count(); ++i)
            names << WindowWatch::cBooks(w)->itemText(i);
        return names;
    }

    // Ctrl+click on each named thumbnail.
    static void select(LibraryWindow* w, const QStringList& names)
    {
        for (const QString& name : names) {
            const auto found = WindowWatch::LV(w)->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            const QPoint at = WindowWatch::LV(w)->visualItemRect(found.first()).center();
            QTest::mouseClick(WindowWatch::LV(w)->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        }
    }

    // Picks a book in the chooser with the arrow keys, as a parent can.
    static void chooseBook(LibraryWindow* w, const QString& book)
    {
        const int target = WindowWatch::cBooks(w)->findText(book);
        ASSERT_GE(target, 0) << book.toStdString();
        while (WindowWatch::cBooks(w)->currentIndex() != target)
            QTest::keyClick(WindowWatch::cBooks(w), WindowWatch::cBooks(w)->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }

    // Answers the next open dialog with these files.
    static FileDialogDriver::SeenPtr chooseFiles(const QStringList& paths, FileDialogDriver::Then then = {})
    {
        return FileDialogDriver::choose(paths, std::move(then));
    }

    QString file(const QString& tail) const { return data.root() + tail; }
    bool exists(const QString& tail) const { return QFileInfo::exists(file(tail)); }

    TempDataFolder data;
};
