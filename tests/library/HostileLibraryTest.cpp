// SPDX-License-Identifier: GPL-3.0-or-later
// The books as a hostile disk presents them: thumbnails that cannot be
// written, folders that links lead outside the program folder, and the
// temporary files an interrupted write leaves behind.
#include "BrowserFixture.h"
#include "library/BookStore.h"
#include "support/DiskTricks.h"
#include "support/TestTools.h"
#include "ui/frmMessage.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

class HostileLibrary : public Browser
{
protected:
    // Opens the browser and closes it again; true when it showed.
    bool browse()
    {
        bool shown = false;
        open([&shown](QWidget* w) {
            shown = strip(w)->isVisible();
            clickButton(w, "cClose");
        });
        return shown && !browser().LoadFailed;
    }
    // The strip's pixel in the middle of a cell.
    QRgb cellCentre(int entry)
    {
        const PictureEntry& cell = browser().pictureTable().at(entry);
        return shownAt(&browser(), centre(cell)) & 0xFFFFFF;
    }
};

} // namespace

TEST_F(HostileLibrary, AWriteProtectedBookShowsItsThumbnailsFromMemory)
{
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    WriteProtectedFolder readOnly(file(QStringLiteral("/books/Animals")));
    if (!readOnly.active())
        GTEST_SKIP() << "cannot write-protect a folder: " << readOnly.whyNot().toStdString();
    ASSERT_TRUE(browse());
    ASSERT_EQ(browser().pictureTable().size(), 1);
    EXPECT_TRUE(nearColor(cellCentre(0), qRgb(0, 0, 200)));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/cat.bmp.tnl")));
}

TEST_F(HostileLibrary, AFullDiskOrALongNameDoesNotEndTheLoad)
{
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    // name + ".tnl" is longer than a file name may be.
    const QString longName = QString(249, QLatin1Char('z')) + QStringLiteral(".bmp");
    writeSolid(data, QStringLiteral("/books/Animals/") + longName, QSize(50, 50), qRgb(200, 0, 0));
    {
        FullDisk full;
        ASSERT_TRUE(browse());
    }
    ASSERT_EQ(browser().pictureTable().size(), 2);
    EXPECT_TRUE(nearColor(cellCentre(0), qRgb(0, 0, 200)));
    EXPECT_TRUE(nearColor(cellCentre(1), qRgb(200, 0, 0)));
    EXPECT_EQ(folderEntries(file(QStringLiteral("/books/Animals"))), (QStringList{"cat.bmp", longName}));

    // With room on the disk again, the next load writes what it can.
    frmOpen again(data.folder(), settings, sounds);
    ModalDriver::answerNext([](QWidget* w) { clickButton(w, "cClose"); });
    again.exec();
    EXPECT_FALSE(again.LoadFailed);
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/cat.bmp.tnl")));
}

TEST_F(HostileLibrary, FoldersLinkedOutsideAreNeitherListedNorSwept)
{
    QTemporaryDir outside;
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    QFile precious(outside.filePath(QStringLiteral("precious.tnl")));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("keep me");
    precious.close();
    QImage dog(10, 10, QImage::Format_RGB32);
    dog.fill(Qt::black);
    ASSERT_TRUE(dog.save(outside.filePath(QStringLiteral("dog.bmp")), "BMP"));
    ASSERT_TRUE(QFile::link(outside.path(), file(QStringLiteral("/books/Linked"))));
    makeFolder(data, QStringLiteral("/colored pictures"));
    ASSERT_TRUE(QFile::link(outside.path(), file(QStringLiteral("/colored pictures/Animals"))));
    // A link to a folder inside is an ordinary book.
    ASSERT_TRUE(QFile::link(file(QStringLiteral("/books/Animals")), file(QStringLiteral("/books/Zoo"))));

    BookStore store(data.folder());
    EXPECT_EQ(store.books(), (QStringList{"Animals", "Zoo"}));
    ASSERT_TRUE(browse());
    EXPECT_EQ(browser().pictureTable().size(), 2);
    EXPECT_EQ(store.sweepOrphanThumbnails(outside.path()), 0);
    EXPECT_EQ(folderEntries(outside.path()), (QStringList{"dog.bmp", "precious.tnl"}));
}

TEST_F(HostileLibrary, StaleTemporaryFilesAreRemovedAtStartUp)
{
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    data.writeFile(QStringLiteral("/books/Animals/.cat.bmp.tnl.Ab12Cd"), "half");
    data.writeFile(QStringLiteral("/colored pictures/Animals/.cat.bmp.jpg.xY98zz"), "half");
    data.writeFile(QStringLiteral("/.Settings.ini.a1b2c3"), "half");
    data.writeFile(QStringLiteral("/books/Animals/.cat.bmp.tnl.fresh1"), "being written");
    for (const char* stale : {"/books/Animals/.cat.bmp.tnl.Ab12Cd", "/colored pictures/Animals/.cat.bmp.jpg.xY98zz",
                              "/.Settings.ini.a1b2c3"})
        setAge(file(QLatin1String(stale)), 300);

    EXPECT_EQ(BookStore(data.folder()).removeStaleTemporaries(), 3);
    EXPECT_EQ(folderEntries(file(QStringLiteral("/books/Animals"))), (QStringList{".cat.bmp.tnl.fresh1", "cat.bmp"}));
    EXPECT_TRUE(folderEntries(file(QStringLiteral("/colored pictures/Animals"))).isEmpty());
}

TEST_F(HostileLibrary, ACutOffPackImportIsNoBookAndGoesAtStartUp)
{
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    data.writePicture(QStringLiteral("/books/.tintaloo-pack-Ab12Cd/dog.bmp"));
    data.writePicture(QStringLiteral("/books/.tintaloo-pack-fresh1/emu.bmp"));
    setAge(file(QStringLiteral("/books/.tintaloo-pack-Ab12Cd")), 7200);

    BookStore store(data.folder());
    EXPECT_EQ(store.books(), QStringList{"Animals"});
    ASSERT_TRUE(browse());
    EXPECT_EQ(browser().pictureTable().size(), 1);

    // An import younger than an hour may still be running.
    EXPECT_EQ(store.removeStaleTemporaries(), 1);
    EXPECT_EQ(folderEntries(file(QStringLiteral("/books"))), (QStringList{".tintaloo-pack-fresh1", "Animals"}));
}

TEST_F(HostileLibrary, ANewPictureIsNeverStartedInAFolderLinkedOutside)
{
    QTemporaryDir outside;
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    ASSERT_TRUE(QFile::link(outside.path(), file(QStringLiteral("/books/own pictures"))));
    open([](QWidget* w) {
        ModalDriver::answerNext([](QWidget* modal) {
            auto* notice = qobject_cast<frmMessage*>(modal);
            ASSERT_NE(notice, nullptr);
            ModalDriver::clickChild(notice, "cOut1");
        });
        clickButton(w, "cPicadd");
        clickButton(w, "cClose");
    });
    EXPECT_TRUE(browser().Filename.isEmpty());
    EXPECT_TRUE(folderEntries(outside.path()).isEmpty());
}
