// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppError.h"
#include "support/FileDialogDriver.h"
#include "support/ShownAt.h"
#include "support/TempDataFolder.h"
#include "support/WindowWatch.h"
#include "ui/GCommonDialog.h"
#include "ui/cFileDialog.h"
#include "ui/frmParentMessage.h"

#include <QFile>
#include <sys/inotify.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

const QString PictureFilter = QStringLiteral("Pictures (*.bmp,*.gif,*.jpg)|*.bmp;*.gif;*.jpg");

struct SaveCall
{
    QString filename, title, filter = QStringLiteral("Jpeg file (*.jpg)|*.jpg");
    int filterIndex = 1;
    qint32 flags = 0;
    bool result = false;

    void run(const QString& defaultExt, const QString& dialogTitle = QStringLiteral("Save current picture as..."))
    {
        result = GCommonDialog::VBGetSaveFileName(filename, title, true, filter, filterIndex, QString(), dialogTitle,
                                                  defaultExt, nullptr, flags);
    }
};

class FileDialogs : public ::testing::Test
{
protected:
    TempDataFolder data;
    QString folder() const { return data.root() + QStringLiteral("/pics"); }
    void SetUp() override
    {
        data.writePicture(QStringLiteral("/pics/cat.bmp"));
        data.writePicture(QStringLiteral("/pics/dog.gif"));
        data.writePicture(QStringLiteral("/pics/sun.jpg"));
    }
};

TEST_F(FileDialogs, OpenSeveralGivesFolderAndNamesInOrder)
{
    cFileDialog dialog;
    dialog.Filter = PictureFilter;
    dialog.flags = cFileDialog::FileMustExist | cFileDialog::AllowMultiSelect;
    const auto seen = FileDialogDriver::choose(
        {folder() + QStringLiteral("/cat.bmp"), folder() + QStringLiteral("/dog.gif"), folder() + QStringLiteral("/sun.jpg")});
    dialog.ShowOpen();
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(seen->multipleSelection);
    EXPECT_EQ(seen->shownFilters, QStringList{QStringLiteral("Pictures (*.bmp,*.gif,*.jpg)")});
    const QChar nul(0);
    EXPECT_EQ(dialog.Filename, folder() + nul + "cat.bmp" + nul + "dog.gif" + nul + "sun.jpg" + nul + nul);

    QString dir;
    QStringList names;
    int count = 0;
    dialog.ParseMultiFileName(dir, names, count);
    EXPECT_EQ(dir, folder());
    EXPECT_EQ(names, (QStringList{"cat.bmp", "dog.gif", "sun.jpg"}));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(dialog.selectedPaths().size(), 3);
}

TEST_F(FileDialogs, OpenOneInMultipleSelectionGivesFolderWithSeparator)
{
    cFileDialog dialog;
    dialog.Filter = PictureFilter;
    dialog.flags = cFileDialog::FileMustExist | cFileDialog::AllowMultiSelect;
    FileDialogDriver::choose(folder() + QStringLiteral("/dog.gif"));
    dialog.ShowOpen();
    EXPECT_EQ(dialog.Filename, folder() + QStringLiteral("/dog.gif"));
    QString dir;
    QStringList names;
    int count = 0;
    dialog.ParseMultiFileName(dir, names, count);
    EXPECT_EQ(dir, folder() + QLatin1Char('/'));
    EXPECT_EQ(names, QStringList{QStringLiteral("dog.gif")});
    EXPECT_EQ(count, 1);
}

TEST_F(FileDialogs, CancelledOpenKeepsTheNameOrRaises)
{
    cFileDialog dialog;
    dialog.Filename = QStringLiteral("before");
    dialog.DialogTitle = QStringLiteral("Pick one");
    const auto seen = FileDialogDriver::cancel();
    dialog.ShowOpen();
    EXPECT_EQ(seen->title, QStringLiteral("Pick one"));
    EXPECT_EQ(seen->initialName, QStringLiteral("before"));
    EXPECT_EQ(dialog.Filename, QStringLiteral("before"));
    EXPECT_TRUE(dialog.selectedPaths().isEmpty());

    dialog.CancelError = true;
    FileDialogDriver::cancel();
    try {
        dialog.ShowOpen();
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("User selected cancel."));
    }
}

TEST_F(FileDialogs, BothDialogsArePlacedOverTheirOwnerBeforeTheyShow)
{
    QWidget owner;
    owner.setGeometry(90, 70, 900, 700);
    owner.show();
    ShownAt shown;
    cFileDialog open;
    open.hwnd = &owner;
    FileDialogDriver::choose({folder() + QStringLiteral("/cat.bmp")});
    open.ShowOpen();
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_LE((shown.of("QFileDialog").center() - owner.frameGeometry().center()).manhattanLength(), 4);

    owner.move(200, 150);
    QString name, title, filter = QStringLiteral("Jpeg file (*.jpg)|*.jpg");
    int index = 1;
    qint32 flags = 0;
    FileDialogDriver::choose({folder() + QStringLiteral("/new.jpg")});
    GCommonDialog::VBGetSaveFileName(name, title, true, filter, index, folder(), QStringLiteral("Save"),
                                     QStringLiteral("jpg"), &owner, flags);
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_LE((shown.of("QFileDialog").center() - owner.frameGeometry().center()).manhattanLength(), 4);
}

TEST(FileDialogFilters, DescriptionAndPatternPairs)
{
    EXPECT_EQ(cFileDialog::nameFilters(QStringLiteral("Jpeg file (*.jpg)|*.jpg")),
              QStringList{QStringLiteral("Jpeg file (*.jpg) (*.jpg)")});
    EXPECT_EQ(cFileDialog::nameFilters(PictureFilter),
              QStringList{QStringLiteral("Pictures (*.bmp,*.gif,*.jpg) (*.bmp *.gif *.jpg)")});
    // A colon splits like a bar: the pairs shift.
    EXPECT_EQ(cFileDialog::nameFilters(QStringLiteral("Packs: new|*.tpk")),
              (QStringList{QStringLiteral("Packs (new)"), QStringLiteral("*.tpk (*)")}));
    EXPECT_EQ(cFileDialog::filterPair(QStringLiteral("A|*.a|B|*.b"), 1), QStringLiteral("B|*.b"));
}

TEST_F(FileDialogs, CancelledSaveClearsEverything)
{
    SaveCall call;
    call.filename = QStringLiteral("x");
    const auto seen = FileDialogDriver::cancel();
    call.run(QStringLiteral("jpg;jpeg"));
    EXPECT_TRUE(seen->saving);
    EXPECT_EQ(seen->title, QStringLiteral("Save current picture as..."));
    EXPECT_EQ(seen->shownFilters, QStringList{QStringLiteral("Jpeg file (*.jpg)")});
    EXPECT_FALSE(call.result);
    EXPECT_TRUE(call.filename.isEmpty());
    EXPECT_EQ(call.filterIndex, 0);
    EXPECT_TRUE(call.filter.isEmpty());
}

TEST_F(FileDialogs, ExtensionAddedWithLetterCase)
{
    SaveCall plain;
    FileDialogDriver::type(folder(), QStringLiteral("new"));
    plain.run(QStringLiteral("jpg;jpeg"));
    EXPECT_TRUE(plain.result);
    EXPECT_EQ(plain.filename, folder() + QStringLiteral("/new.jpg"));
    EXPECT_EQ(plain.title, QStringLiteral("new.jpg"));
    EXPECT_EQ(plain.filter, QStringLiteral("Jpeg file (*.jpg)|*.jpg"));
    EXPECT_EQ(plain.filterIndex, 1);

    SaveCall jpeg;
    FileDialogDriver::type(folder(), QStringLiteral("new.jpeg"));
    jpeg.run(QStringLiteral("jpg;jpeg"));
    EXPECT_EQ(jpeg.filename, folder() + QStringLiteral("/new.jpeg"));

    SaveCall upper;
    FileDialogDriver::type(folder(), QStringLiteral("PACK.TPK"));
    upper.run(QStringLiteral("tpk"));
    EXPECT_EQ(upper.filename, folder() + QStringLiteral("/PACK.TPK.tpk"));
}

TEST_F(FileDialogs, OverwriteQuestionConcernsTheFinalName)
{
    // "sun" becomes sun.jpg, which exists: the question names it; "Cancel"
    // goes back to the dialog, where "Continue" on the same name replaces.
    QStringList questions;
    FileDialogDriver::type(folder(), QStringLiteral("sun"), [&]() {
        // The dialog opens again after "Cancel".
        WindowWatch::answerNotice(questions, true, [&]() { FileDialogDriver::type(folder(), QStringLiteral("other")); });
    });
    SaveCall call;
    call.run(QStringLiteral("jpg;jpeg"));
    EXPECT_TRUE(ModalDriver::allAnswered());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(folder() + QStringLiteral("/sun.jpg")));
    EXPECT_TRUE(call.result);
    EXPECT_EQ(call.filename, folder() + QStringLiteral("/other.jpg"));

    FileDialogDriver::type(folder(), QStringLiteral("sun"), [&]() { WindowWatch::answerNotice(questions); });
    SaveCall replace;
    replace.run(QStringLiteral("jpg;jpeg"));
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(replace.result);
    EXPECT_EQ(replace.filename, folder() + QStringLiteral("/sun.jpg"));
}
} // namespace

namespace {

// Tells whether anyone opened a file, from the kernel's own account
// (inotify); reading a file's status does not count.
class OpenWatch
{
public:
    explicit OpenWatch(const QString& path)
        : m_fd(inotify_init1(IN_NONBLOCK))
    {
        if (m_fd >= 0)
            inotify_add_watch(m_fd, path.toLocal8Bit().constData(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isValid() const { return m_fd >= 0; }
    bool wasOpened() const
    {
        char buffer[4096];
        return ::read(m_fd, buffer, sizeof buffer) > 0;
    }

private:
    int m_fd;
};

} // namespace

// Files in /proc look like empty regular files and some block the reader for
// ever: the dialog must draw every file from its status alone, or a parent
// who looks into /proc freezes the program.
TEST_F(FileDialogs, FilesAreListedWithoutBeingOpened)
{
    const QString mystery = folder() + QStringLiteral("/kmsg");
    {
        QFile file(mystery);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("no name says what this is");
    }
    const OpenWatch watch(mystery);
    ASSERT_TRUE(watch.isValid());

    cFileDialog dialog;
    dialog.Filter = QStringLiteral("All files (*.*)|*");
    dialog.InitDir = folder();
    dialog.flags = cFileDialog::FileMustExist;
    FileDialogDriver::choose(folder() + QStringLiteral("/cat.bmp"));
    dialog.ShowOpen();
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_EQ(dialog.Filename, folder() + QStringLiteral("/cat.bmp"));
    EXPECT_FALSE(watch.wasOpened()) << "the dialog read a file's contents to draw its icon";
}
