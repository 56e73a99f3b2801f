// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PackFixture.h"
#include "library/PicturePackImport.h"
#include "library/frmPicturePack.h"
#include "platform/ProgramFolder.h"
#include "support/FileDialogDriver.h"
#include "support/ModalDriver.h"
#include "support/WindowWatch.h"
#include "ui/LinkLabel.h"
#include "ui/frmParentMessage.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace PackFixture;

namespace {

using WindowWatch::answerNotice;

const QString Created = QStringLiteral("The Picture Pack has been successfully created!");
const QString Damaged = QStringLiteral("The file appears to be damaged. Please download again.");

// A folder "Animals" with three pictures, a data folder and a folder for
// packs, all inside one outer folder.
class PackWindows : public ::testing::Test
{
protected:
    QTemporaryDir outer;
    QString pictures = outer.path() + QStringLiteral("/pictures/Animals");
    QString packs = outer.path() + QStringLiteral("/packs");
    QString dataRoot = outer.path() + QStringLiteral("/data");
    ProgramFolder folder{dataRoot};
    QByteArray cat = bmp(), dog = gif(), sun = jpeg();
    QStringList notices;

    void SetUp() override
    {
        writeBytes(pictures + QStringLiteral("/cat.bmp"), cat);
        writeBytes(pictures + QStringLiteral("/dog.gif"), dog);
        writeBytes(pictures + QStringLiteral("/sun.jpg"), sun);
        writeBytes(dataRoot + QStringLiteral("/books/The Tintaloo/owl.gif"), gif());
        QDir().mkpath(packs);
    }

    QStringList picturePaths(const QStringList& names) const
    {
        QStringList paths;
        for (const QString& name : names)
            paths << pictures + QLatin1Char('/') + name;
        return paths;
    }

    // Clicks "Select files..." with the open and save dialogs answered.
    void createPack(frmPicturePack& window, const QStringList& names, const QString& typedName,
                    FileDialogDriver::Then afterSave = {})
    {
        FileDialogDriver::choose(picturePaths(names), [this, typedName, afterSave]() {
            FileDialogDriver::type(packs, typedName, afterSave ? afterSave : [this]() { answerNotice(notices); });
        });
        ModalDriver::clickChild(&window, "lJoin");
        EXPECT_TRUE(ModalDriver::allAnswered());
    }

    QString import(FileDialogDriver::Then answerDialog)
    {
        answerNotice(notices, false, std::move(answerDialog));
        const QString book = importPicturePackInteractively(nullptr, folder);
        EXPECT_TRUE(ModalDriver::allAnswered());
        return book;
    }
};

TEST_F(PackWindows, TheWindowShowsItsTextsAndCloses)
{
    frmPicturePack window(folder);
    window.show();
    EXPECT_EQ(ModalDriver::child<QLabel>(&window, "Label6")->text(),
              QStringLiteral("This window allows you to create Picture Packs for The Tintaloo. Picture Packs are "
                             "special files that contain several pictures within them.  The advantage of a Picture "
                             "Pack is that distributing pictures will be easier (only one file needs to be "
                             "distributed) and it will ease the process of installing new pictures (only one file "
                             "needs to be installed.)"));
    EXPECT_EQ(ModalDriver::child<LinkLabel>(&window, "lJoin")->text(), QStringLiteral("Select files to put into the Picture Pack"));
    EXPECT_EQ(ModalDriver::child<LinkLabel>(&window, "Label1")->text(), QStringLiteral("Close"));
    EXPECT_TRUE(ModalDriver::child<LinkLabel>(&window, "lJoin")->testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(ModalDriver::child<LinkLabel>(&window, "Label1")->testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(window.rect().contains(ModalDriver::child<QLabel>(&window, "Label6")->geometry()));
    EXPECT_FALSE(ModalDriver::child<LinkLabel>(&window, "lJoin")->geometry().intersects(ModalDriver::child<QLabel>(&window, "Label6")->geometry()));
    ModalDriver::clickChild(&window, "Label1");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PackWindows, ThreePicturesMakeTheExactFile)
{
    frmPicturePack window(folder);
    window.show();
    FileDialogDriver::SeenPtr save;
    const auto open = FileDialogDriver::choose(picturePaths({"cat.bmp", "dog.gif", "sun.jpg"}), [&]() {
        save = FileDialogDriver::type(packs, QStringLiteral("animals"), [this]() { answerNotice(notices); });
    });
    ModalDriver::clickChild(&window, "lJoin");
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_EQ(open->shownFilters, QStringList{QStringLiteral("Pictures (*.bmp,*.gif,*.jpg)")});
    EXPECT_TRUE(open->multipleSelection);
    EXPECT_EQ(save->title, QStringLiteral("Select where you would like to save the Picture Pack."));
    EXPECT_EQ(save->shownFilters, QStringList{QStringLiteral("Tintaloo Picture Pack")});
    EXPECT_EQ(notices, QStringList{Created});
    const QByteArray S = PicturePack::separator();
    EXPECT_EQ(fileBytes(packs + "/animals.tpk"), "Animals|cat.bmp|dog.gif|sun.jpg" + S + cat + S + dog + S + sun);
    EXPECT_TRUE(window.isVisible()); // stays open after the notice

    createPack(window, {"dog.gif"}, QStringLiteral("one"));
    EXPECT_EQ(fileBytes(packs + "/one.tpk"), "Animals|dog.gif" + S + dog);
}

TEST_F(PackWindows, TheExtensionIsAddedUnlessTypedExactly)
{
    frmPicturePack window(folder);
    window.show();
    createPack(window, {"cat.bmp"}, QStringLiteral("given.tpk"));
    createPack(window, {"cat.bmp"}, QStringLiteral("LOUD.TPK"));
    EXPECT_EQ(notices, (QStringList{Created, Created}));
    QStringList made = QDir(packs).entryList(QDir::Files | QDir::Hidden);
    made.sort();
    EXPECT_EQ(made.join(' ').toStdString(), "LOUD.TPK.tpk given.tpk");
}

TEST_F(PackWindows, OverwritingALongerPackLeavesNoOldBytes)
{
    writeBytes(packs + "/old.tpk", QByteArray(100000, 'x'));
    frmPicturePack window(folder);
    window.show();
    // "old" becomes old.tpk, which exists: the question is about that name.
    createPack(window, {"dog.gif"}, QStringLiteral("old"),
               [this]() { answerNotice(notices, false, [this]() { answerNotice(notices); }); });
    ASSERT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[0].contains(packs + "/old.tpk"));
    EXPECT_EQ(notices[1], Created);
    EXPECT_EQ(fileBytes(packs + "/old.tpk"), "Animals|dog.gif" + PicturePack::separator() + dog);
}

TEST_F(PackWindows, CancellingEitherDialogMakesNothingAndSaysNothing)
{
    frmPicturePack window(folder);
    window.show();
    const auto before = snapshot(outer.path());
    FileDialogDriver::cancel();
    ModalDriver::clickChild(&window, "lJoin");
    FileDialogDriver::choose(picturePaths({"cat.bmp"}), []() { FileDialogDriver::cancel(); });
    ModalDriver::clickChild(&window, "lJoin");
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(snapshot(outer.path()), before);
}

TEST_F(PackWindows, APictureThatCannotBeReadStopsBeforeWriting)
{
    frmPicturePack window(folder);
    window.show();
    // The picture goes away between choosing and reading.
    FileDialogDriver::choose(picturePaths({"cat.bmp", "dog.gif"}), [this]() {
        QFile::remove(pictures + "/dog.gif");
        answerNotice(notices);
    });
    ModalDriver::clickChild(&window, "lJoin");
    EXPECT_TRUE(ModalDriver::allAnswered());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(pictures + "/dog.gif"));
    EXPECT_TRUE(QDir(packs).isEmpty());
}

TEST_F(PackWindows, ImportingThePackBackGivesTheSameBytes)
{
    frmPicturePack window(folder);
    window.show();
    createPack(window, {"cat.bmp", "dog.gif", "sun.jpg"}, QStringLiteral("animals"));
    notices.clear();

    FileDialogDriver::SeenPtr open;
    const QString book = import([&]() {
        open = FileDialogDriver::choose(packs + "/animals.tpk", [this]() { answerNotice(notices); });
    });
    EXPECT_EQ(notices[0], QStringLiteral("Picture Packs are special files that contain several pictures within them "
                                         "and they can be downloaded from The Tintaloo website. Please press "
                                         "continue to select a Picture Pack to install."));
    EXPECT_EQ(open->shownFilters, QStringList{QStringLiteral("The Tintaloo image pack (*.tpk)")});
    ASSERT_EQ(notices.size(), 2);
    EXPECT_EQ(notices[1], QStringLiteral("The pictures were added successfully under the book 'Animals'. To view "
                                         "the new pictures, please select this book from the list."));
    EXPECT_EQ(book, QStringLiteral("Animals"));
    EXPECT_EQ(fileBytes(dataRoot + "/books/Animals/cat.bmp"), cat);
    EXPECT_EQ(fileBytes(dataRoot + "/books/Animals/dog.gif"), dog);
    EXPECT_EQ(fileBytes(dataRoot + "/books/Animals/sun.jpg"), sun);

    // Again: every picture is there already, none is replaced.
    notices.clear();
    import([this]() { FileDialogDriver::choose(packs + "/animals.tpk", [this]() { answerNotice(notices); }); });
    ASSERT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[1].contains(QStringLiteral("already has every picture")));
}

TEST_F(PackWindows, CancellingTheImportDoesNothing)
{
    const auto before = snapshot(outer.path());
    answerNotice(notices, true);
    EXPECT_EQ(importPicturePackInteractively(nullptr, folder), QString());
    EXPECT_EQ(import([]() { FileDialogDriver::cancel(); }), QString());
    EXPECT_EQ(notices.size(), 2); // the intro notice, twice; nothing after
    EXPECT_EQ(snapshot(outer.path()), before);
}

TEST_F(PackWindows, HostilePacksChangeNothing)
{
    const QByteArray S = PicturePack::separator();
    const QByteArray good = bmp();
    QByteArray truncated = PicturePack::encode("Animals", {{"cat.bmp", cat}, {"sun.jpg", sun}});
    truncated.chop(20);
    const struct
    {
        const char* what;
        QByteArray pack;
        QString message;
    } cases[] = {
        {"parent folder in a name", "Animals|../../evil.bmp" + S + good, Damaged},
        {"parent folder as the book", "../..|evil.bmp" + S + good, Damaged},
        {"absolute name", "Animals|" + (outer.path() + "/evil.bmp").toUtf8() + S + good, Damaged},
        {"absolute book", (outer.path() + "/evil").toUtf8() + "|evil.bmp" + S + good, Damaged},
        {"bad extension", "Animals|evil.sh" + S + good, Damaged},
        {"truncated file", truncated, Damaged},
        {"picture that does not decode", "Animals|evil.gif" + S + QByteArray("GIF89a") + QByteArray(200, '\x7F'), Damaged},
        {"no separator", "Animals|cat.bmp" + good,
         QStringLiteral("The file could not be read from header. Please make sure that the file is not designed for "
                        "another version of The Tintaloo.")},
        {"no header", "Animals" + S + good, QStringLiteral("Could not read from the header information.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(packs + "/hostile.tpk", c.pack);
        const auto before = snapshot(outer.path());
        notices.clear();
        const QString book =
            import([this]() { FileDialogDriver::choose(packs + "/hostile.tpk", [this]() { answerNotice(notices); }); });
        EXPECT_EQ(book, QString());
        ASSERT_EQ(notices.size(), 2);
        EXPECT_EQ(notices[1], c.message);
        EXPECT_EQ(snapshot(outer.path()), before);
    }
}

TEST_F(PackWindows, ASeparatorInsideAPictureStillImports)
{
    const QList<PicturePack::Picture> inside{{"a.gif", gifWithSeparator()}, {"b.jpg", jpegWithSeparator()},
                                             {"c.bmp", bmpWithSeparator()}};
    writeBytes(packs + "/inside.tpk", PicturePack::encode("Inside", inside));
    const QString book =
        import([this]() { FileDialogDriver::choose(packs + "/inside.tpk", [this]() { answerNotice(notices); }); });
    EXPECT_EQ(book, QStringLiteral("Inside"));
    for (const auto& picture : inside)
        EXPECT_EQ(fileBytes(dataRoot + "/books/Inside/" + picture.name), picture.bytes) << picture.name.toStdString();
}

} // namespace
