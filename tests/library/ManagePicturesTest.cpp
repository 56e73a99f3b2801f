// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryWindowsFixture.h"
#include "library/frmBookTitle.h"
#include "library/PicturePack.h"
#include "library/frmManagePictures.h"
#include "library/frmPicturePack.h"

#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const QString AreYouSure = QStringLiteral("Are you sure you wish to delete the selected picture(s)?");
const QString RemoveBookQuestion = QStringLiteral(
    "Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be "
    "removed too.");

class ManagePictures : public LibraryWindows
{
protected:
    void SetUp() override
    {
        data.writePicture(QStringLiteral("/books/The Tintaloo/sun.bmp"));
        data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
        data.writePicture(QStringLiteral("/books/Animals/dog.bmp"));
        data.writePicture(QStringLiteral("/books/Animals/emu.gif"));
        data.writePicture(QStringLiteral("/books/Zoo/lion.bmp"));
    }

    // dog.bmp coloured and shown in both browsers: four files in all.
    void colourDog()
    {
        writeSolid(data, QStringLiteral("/colored pictures/Animals/dog.bmp.jpg"), QSize(120, 80), qRgb(0, 90, 200));
        writeSolid(data, QStringLiteral("/colored pictures/Animals/dog.bmp.jpg.tnl"), QSize(100, 100),
                   qRgb(0, 90, 200));
    }
};

TEST_F(ManagePictures, ListsTheBooksWithTheirPicturesAndSevenCommands)
{
    data.writeFile(QStringLiteral("/books/Animals/broken.jpg"), QByteArray("\xFF\xD8\xFF broken", 10));
    data.writeFile(QStringLiteral("/books/Animals/cat.bmp.tnl"), "a damaged thumbnail");
    // A book folder that is a link leading out of the program folder is no book.
    QTemporaryDir elsewhere;
    data.writePicture(QStringLiteral("/drawn/away.bmp"));
    QFile::rename(file(QStringLiteral("/drawn/away.bmp")), elsewhere.path() + QStringLiteral("/away.bmp"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), file(QStringLiteral("/books/Elsewhere"))));
    // Nor is the temporary folder of a pack import.
    data.writePicture(QStringLiteral("/books/.tintaloo-pack-Ab12Cd/fox.bmp"));
    frmManagePictures w(data.folder());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Manage pictures"));
    EXPECT_EQ(books(&w), QStringList({"Animals", "The Tintaloo", "Zoo"}));
    // Every readable picture, each with its own thumbnail made beside it.
    EXPECT_EQ(shown(&w), QStringList({"cat.bmp", "dog.bmp", "emu.gif"}));
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/emu.gif.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/broken.jpg.tnl")));
    EXPECT_EQ(QImage(file(QStringLiteral("/books/Animals/cat.bmp.tnl"))).size(), QSize(100, 100));
    const QStringList captions = {"Delete this book",     "Delete selected picture(s)", "Add pictures to this book",
                                  "Create a new book",    "Close",                      "Import a Picture Pack",
                                  "Create a Picture Pack"};
    for (int i = 0; i < 7; ++i) {
        ASSERT_NE(w.cFunc(i), nullptr);
        EXPECT_EQ(w.cFunc(i)->text(), captions.at(i));
    }
    EXPECT_EQ(w.cFunc(3)->toolTip(),
              QStringLiteral("Add a new book to The Tintaloo.  You can then add pictures to the book."));
}

TEST_F(ManagePictures, TheDefaultBookTheOpenPicturesBookAndTheLastBookStay)
{
    colourDog();
    writeSolid(data, QStringLiteral("/colored pictures/Zoo/lion.bmp.jpg"), QSize(120, 80), qRgb(200, 90, 0));
    frmManagePictures w(data.folder());
    // The canvas's picture, spelt in another letter case.
    w.setCurrentPicture(file(QStringLiteral("/books/ANIMALS/cat.bmp")));
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [&notices](frmManagePictures* win) {
        chooseBook(win, QStringLiteral("The Tintaloo"));
        command(win, 0);
        chooseBook(win, QStringLiteral("Animals"));
        command(win, 0);
        notices.setPressCancel(true);
        chooseBook(win, QStringLiteral("Zoo"));
        command(win, 0);
        notices.setPressCancel(false);
        command(win, 0);
        // After removing a book the chooser shows the first remaining one.
        EXPECT_EQ(books(win), QStringList({"Animals", "The Tintaloo"}));
        EXPECT_EQ(WindowWatch::cBooks(win)->currentText(), QStringLiteral("Animals"));
        EXPECT_EQ(shown(win), QStringList({"cat.bmp", "dog.bmp", "emu.gif"}));
        command(win, 4);
    });
    const QString animals = file(QStringLiteral("/books/Animals"));
    EXPECT_EQ(notices.texts(),
              QStringList({QStringLiteral("This book cannot be removed because it is required for The Tintaloo to "
                                          "work correctly."),
                           RemoveBookQuestion,
                           QStringLiteral("The book '") + animals
                               + QStringLiteral("' cannot be removed because the picture that is currently open in "
                                                "The Tintaloo is within this book."),
                           RemoveBookQuestion, RemoveBookQuestion}));
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/cat.bmp")));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/Animals/dog.bmp.jpg")));
    EXPECT_FALSE(exists(QStringLiteral("/books/Zoo")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Zoo")));
}

TEST_F(ManagePictures, TheLastBookCannotBeRemoved)
{
    QDir(file(QStringLiteral("/books/The Tintaloo"))).removeRecursively();
    QDir(file(QStringLiteral("/books/Animals"))).removeRecursively();
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [](frmManagePictures* win) {
        command(win, 0);
        command(win, 4);
    });
    EXPECT_EQ(notices.texts(),
              QStringList({QStringLiteral("The Tintaloo requires at least one book to run. As this is the last book, "
                                          "you must create another picture book before you are able to remove this "
                                          "one.")}));
    EXPECT_TRUE(exists(QStringLiteral("/books/Zoo/lion.bmp")));
}

TEST_F(ManagePictures, ABookThatCannotBeRemovedStaysWhole)
{
    QFile::setPermissions(file(QStringLiteral("/books/Zoo/lion.bmp")), QFile::ReadOwner);
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [](frmManagePictures* win) {
        chooseBook(win, QStringLiteral("Zoo"));
        command(win, 0);
        EXPECT_EQ(WindowWatch::cBooks(win)->currentText(), QStringLiteral("Zoo"));
        EXPECT_EQ(shown(win), QStringList({"lion.bmp"}));
        command(win, 4);
    });
    EXPECT_EQ(notices.texts(), QStringList({RemoveBookQuestion,
                                            QStringLiteral("There was a problem removing the book. Please make sure "
                                                           "that the path '")
                                                + file(QStringLiteral("/books/Zoo"))
                                                + QStringLiteral("' is not write protected and that it is not "
                                                                 "currently in use.")}));
    EXPECT_TRUE(exists(QStringLiteral("/books/Zoo/lion.bmp")));
}

TEST_F(ManagePictures, DeletingPicturesSparesTheOpenOneAndTakesColouredVersionsAlong)
{
    colourDog();
    frmManagePictures w(data.folder());
    const QString open = file(QStringLiteral("/books/Animals/cat.bmp"));
    // The same file, however its path is spelt.
    w.setCurrentPicture(file(QStringLiteral("/books/Zoo/../Animals/./cat.bmp")));
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [](frmManagePictures* win) {
        chooseBook(win, QStringLiteral("The Tintaloo"));
        command(win, 1);
        select(win, {QStringLiteral("sun.bmp")});
        command(win, 1);

        chooseBook(win, QStringLiteral("Animals"));
        select(win, {QStringLiteral("cat.bmp"), QStringLiteral("dog.bmp")});
        command(win, 1);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp", "dog.bmp", "emu.gif"}));

        WindowWatch::LV(win)->clearSelection();
        select(win, {QStringLiteral("dog.bmp"), QStringLiteral("emu.gif")});
        command(win, 1);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp"}));
        command(win, 4);
    });
    EXPECT_EQ(notices.texts(),
              QStringList({QStringLiteral("Please select at least one picture to delete."),
                           QStringLiteral("The pictures in this book cannot be removed because they are required for "
                                          "The Tintaloo to work correctly."),
                           AreYouSure,
                           QStringLiteral("The file '") + open
                               + QStringLiteral("' could not be removed because the file is currently open in The "
                                                "Tintaloo. Please close it first by opening another picture."),
                           AreYouSure}));
    EXPECT_TRUE(exists(QStringLiteral("/books/The Tintaloo/sun.bmp")));
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/cat.bmp")));
    for (const char* gone : {"/books/Animals/dog.bmp", "/books/Animals/dog.bmp.tnl", "/books/Animals/emu.gif",
                             "/colored pictures/Animals/dog.bmp.jpg", "/colored pictures/Animals/dog.bmp.jpg.tnl"})
        EXPECT_FALSE(exists(QLatin1String(gone))) << gone;
    // The emptied coloured folder stays.
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/Animals")));
}

TEST_F(ManagePictures, ANewBookNeedsAUsableTitleThatIsNotTaken)
{
    const QString cannotCreate = QStringLiteral("The book could not be created. Please make sure that the path '")
        + file(QStringLiteral("/books/"))
        + QStringLiteral("' is not write protected and that you have not used the following characters in the book "
                         "title \\ /:*?\"<>|");
    const QString taken = QStringLiteral("A book by this name already exists. Please select another name.");
    const QStringList titles = {"Cats/Dogs", "What?",  "a|b",         "",     "   ",
                                ".",         "..",     QString(101, 'x'), "zoo", " Birds "};
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [&titles](frmManagePictures* win) {
        for (const QString& title : titles) {
            WindowWatch::answer<frmBookTitle>([title](frmBookTitle* prompt) {
                EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Book title"));
                EXPECT_EQ(ModalDriver::childText(prompt, "lMessage"), QStringLiteral("Please enter a title for the new book."));
                ModalDriver::type(ModalDriver::child<QLineEdit>(prompt, "Text1"), title);
                ModalDriver::clickChild(prompt, "lContinue");
            });
            command(win, 3);
        }
        // Cancel makes nothing.
        WindowWatch::answer<frmBookTitle>([](frmBookTitle* prompt) {
            ModalDriver::type(ModalDriver::child<QLineEdit>(prompt, "Text1"), QStringLiteral("Fish"));
            ModalDriver::clickChild(prompt, "lCancel");
        });
        command(win, 3);
        EXPECT_EQ(books(win), QStringList({"Animals", "Birds", "The Tintaloo", "Zoo"}));
        EXPECT_EQ(WindowWatch::cBooks(win)->currentText(), QStringLiteral("Birds"));
        EXPECT_EQ(WindowWatch::LV(win)->count(), 0);
        command(win, 4);
    });
    QStringList expected(8, cannotCreate);
    expected << taken;
    EXPECT_EQ(notices.texts(), expected);
    EXPECT_TRUE(QFileInfo(file(QStringLiteral("/books/Birds"))).isDir());
    EXPECT_FALSE(exists(QStringLiteral("/books/Fish")));
    EXPECT_EQ(QDir(file(QStringLiteral("/books"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 4);
}

} // namespace

namespace {

TEST_F(ManagePictures, AnImportedPackShowsItsBookAndPacksAreMadeInTheirOwnWindow)
{
    QTemporaryDir downloads;
    const QString pack = downloads.path() + QStringLiteral("/birds.tpk");
    data.writePicture(QStringLiteral("/drawn/owl.bmp"));
    const QByteArray owl = fileBytes(file(QStringLiteral("/drawn/owl.bmp")));
    QFile out(pack);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(PicturePack::encode(QStringLiteral("Birds"), {{QStringLiteral("owl.bmp"), owl}}));
    out.close();

    frmManagePictures w(data.folder());
    QStringList outcome;
    run<frmManagePictures>(w, [&](frmManagePictures* win) {
        WindowWatch::answer<frmParentMessage>([&](frmParentMessage* intro) {
            chooseFiles({pack}, [&outcome]() {
                WindowWatch::answer<frmParentMessage>([&outcome](frmParentMessage* notice) {
                    outcome << ModalDriver::childText(notice, "lMessage");
                    ModalDriver::clickChild(notice, "lContinue");
                });
            });
            ModalDriver::clickChild(intro, "lContinue");
        });
        command(win, 5);
        EXPECT_EQ(outcome.size(), 1);
        EXPECT_EQ(books(win), QStringList({"Animals", "Birds", "The Tintaloo", "Zoo"}));
        EXPECT_EQ(WindowWatch::cBooks(win)->currentText(), QStringLiteral("Birds"));
        EXPECT_EQ(shown(win), QStringList({"owl.bmp"}));

        bool packWindowShown = false;
        WindowWatch::answer<frmPicturePack>([&packWindowShown](frmPicturePack* packWindow) {
            packWindowShown = true;
            ModalDriver::clickChild(packWindow, "Label1");
        });
        command(win, 6);
        EXPECT_TRUE(packWindowShown);
        command(win, 4);
    });
    EXPECT_EQ(fileBytes(file(QStringLiteral("/books/Birds/owl.bmp"))), owl);
}

} // namespace
