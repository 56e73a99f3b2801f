// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PackFixture.h"
#include "library/PicturePack.h"
#include "library/PicturePackInstaller.h"
#include "platform/ProgramFolder.h"
#include "ui/mMain.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/time.h>

using namespace PackFixture;
using PicturePack::Picture;
using PicturePack::Status;

namespace {

QByteArray sep()
{
    return PicturePack::separator();
}

// The pictures a decoded pack yields, by name.
QList<Picture> picturesOf(const QByteArray& pack, const PicturePack::Contents& contents)
{
    QList<Picture> pictures;
    for (const PicturePack::Piece& piece : contents.pieces)
        pictures.append({piece.name, PicturePack::bytesOf(pack, piece)});
    return pictures;
}

bool samePictures(const QList<Picture>& a, const QList<Picture>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].bytes != b[i].bytes)
            return false;
    return true;
}

TEST(PicturePackFormat, SeparatorIsTheScrambledVersionMark)
{
    EXPECT_EQ(sep(), QByteArray("fjdgeelfihfjf"));
    EXPECT_EQ(sep(), mMain::ScrambleText(QStringLiteral("<v6>"), true).toLatin1());
}

TEST(PicturePackFormat, HeaderThenSeparatorAndBytesOfEachPicture)
{
    const QByteArray cat = bmp(), dog = gif(), sun = jpeg();
    const QByteArray pack = PicturePack::encode(
        QStringLiteral("Animals"), {{"cat.bmp", cat}, {"dog.gif", dog}, {"sun.jpg", sun}});
    EXPECT_EQ(pack, "Animals|cat.bmp|dog.gif|sun.jpg" + sep() + cat + sep() + dog + sep() + sun);

    const PicturePack::Contents contents = PicturePack::decode(pack);
    ASSERT_EQ(contents.status, Status::Ok);
    EXPECT_EQ(contents.book, QStringLiteral("Animals"));
    EXPECT_TRUE(samePictures(picturesOf(pack, contents), {{"cat.bmp", cat}, {"dog.gif", dog}, {"sun.jpg", sun}}));

    // Names beyond one byte per character travel as UTF-8.
    const QByteArray accented = PicturePack::encode(QStringLiteral("Bücher ★"), {{"día.gif", dog}});
    EXPECT_TRUE(accented.startsWith(QStringLiteral("Bücher ★|día.gif").toUtf8()));
    EXPECT_EQ(PicturePack::decode(accented).book, QStringLiteral("Bücher ★"));
    // An older pack in a single-byte code page still reads.
    const QByteArray latin1 = QStringLiteral("Bücher|día.gif").toLatin1() + sep() + dog;
    ASSERT_EQ(PicturePack::decode(latin1).status, Status::Ok);
    EXPECT_EQ(PicturePack::decode(latin1).pieces[0].name, QStringLiteral("día.gif"));
}

TEST(PicturePackFormat, SeparatorInsidePicturesStillSplitsRight)
{
    const QList<Picture> pictures{{"a.gif", gifWithSeparator()},
                                  {"b.jpg", jpegWithSeparator()},
                                  {"c.bmp", bmpWithSeparator()},
                                  {"d.GIF", gif()}};
    for (const Picture& p : pictures)
        ASSERT_TRUE(ImageFile::decodes(p.bytes, PicturePack::formatOfName(p.name))) << p.name.toStdString();
    const QByteArray pack = PicturePack::encode(QStringLiteral("Mixed"), pictures);
    const PicturePack::Contents contents = PicturePack::decode(pack);
    ASSERT_EQ(contents.status, Status::Ok);
    EXPECT_TRUE(samePictures(picturesOf(pack, contents), pictures));

    // A picture that ends in the separator's first twelve bytes: the first
    // match overlaps the real separator.
    QByteArray tail = bmp();
    tail += sep().left(sep().size() - 1);
    const QList<Picture> overlapping{{"x.bmp", tail}, {"y.bmp", bmp(30, 10)}};
    const QByteArray second = PicturePack::encode(QStringLiteral("Edge"), overlapping);
    const PicturePack::Contents split = PicturePack::decode(second);
    ASSERT_EQ(split.status, Status::Ok);
    EXPECT_TRUE(samePictures(picturesOf(second, split), overlapping));
}

TEST(PicturePackFormat, WhatIsNotAPackOrIsDamaged)
{
    const QByteArray good = bmp();
    EXPECT_EQ(PicturePack::decode("Animals|cat.bmp" + good).status, Status::NoMarker);
    EXPECT_EQ(PicturePack::decode(QByteArray()).status, Status::NoMarker);
    EXPECT_EQ(PicturePack::decode("Animals" + sep() + good).status, Status::NoHeader);

    const QStringList badPictureNames{"../cat.bmp", "/etc/cat.bmp", "a/b.bmp", "a\\b.bmp", "cat.png", "cat", "",
                                      ".", "..", ".bmp", QStringLiteral("c\x01t.bmp"), QStringLiteral("c") + QChar(0) + "t.bmp",
                                      "cat.bmp.exe", QString(300, QLatin1Char('a')) + ".bmp"};
    for (const QString& name : badPictureNames) {
        const QByteArray pack = "Animals|" + name.toUtf8() + sep() + good;
        EXPECT_EQ(PicturePack::decode(pack).status, Status::Damaged) << name.toStdString();
    }
    const QStringList badBooks{"..", ".", "", "   ", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b",
                               QString(101, QLatin1Char('b')), QStringLiteral("tab\there")};
    for (const QString& book : badBooks)
        EXPECT_EQ(PicturePack::decode(book.toUtf8() + "|cat.bmp" + sep() + good).status, Status::Damaged)
            << book.toStdString();
    EXPECT_EQ(PicturePack::decode(QString(100, QLatin1Char('b')).toUtf8() + "|cat.bmp" + sep() + good).status,
              Status::Ok);

    // Same name twice, whatever the letter case.
    EXPECT_EQ(PicturePack::decode(PicturePack::encode("A", {{"cat.bmp", good}, {"CAT.bmp", bmp(30, 10)}})).status,
              Status::Damaged);
    // More names than pictures, and a picture of another kind than its name.
    EXPECT_EQ(PicturePack::decode("A|cat.bmp|dog.bmp" + sep() + good).status, Status::Damaged);
    EXPECT_EQ(PicturePack::decode(PicturePack::encode("A", {{"cat.gif", good}})).status, Status::Damaged);
    // Cut short: BMP rows, GIF trailer, JPEG end marker missing.
    for (const Picture& p : QList<Picture>{{"a.bmp", good}, {"a.gif", gif()}, {"a.jpg", jpeg()}})
        EXPECT_EQ(PicturePack::decode(PicturePack::encode("A", {{p.name, p.bytes.left(p.bytes.size() - 3)}})).status,
                  Status::Damaged)
            << p.name.toStdString();
    // Bytes that are no picture at all.
    EXPECT_EQ(PicturePack::decode(PicturePack::encode("A", {{"a.jpg", QByteArray(500, '\xFF')}})).status,
              Status::Damaged);
}

TEST(PicturePackFormat, APackFullOfSeparatorsIsRefusedQuickly)
{
    // Every piece starts like a picture and none is one: the search must
    // give up within its budget rather than try every combination.
    QByteArray pack("A|a.bmp|b.bmp|c.bmp|d.bmp|e.bmp|f.bmp|g.bmp|h.bmp");
    for (int i = 0; i < 20000; ++i)
        pack += sep() + QByteArray("BM") + QByteArray(60, char(i));
    EXPECT_EQ(PicturePack::decode(pack).status, Status::Damaged);

    QByteArray jpegs("A|a.jpg|b.jpg");
    for (int i = 0; i < 20000; ++i)
        jpegs += sep() + QByteArray("\xFF\xD8\xFF\xE0\x00\x04xx", 8);
    EXPECT_EQ(PicturePack::decode(jpegs).status, Status::Damaged);
}

// A data folder inside an outer folder: everything outside the data
// folder but inside the outer one must stay as it was.
class PackInstall : public ::testing::Test
{
protected:
    QTemporaryDir outer;
    QString dataRoot = outer.path() + QStringLiteral("/data");
    ProgramFolder folder{dataRoot};

    void SetUp() override
    {
        writeBytes(dataRoot + QStringLiteral("/books/Animals/cat.bmp"), bmp(20, 20));
        writeBytes(dataRoot + QStringLiteral("/books/The Tintaloo/owl.gif"), gif());
        writeBytes(outer.path() + QStringLiteral("/outside.txt"), "keep");
    }

    QString packFile(const QByteArray& bytes, const QString& name = QStringLiteral("p.tpk"))
    {
        const QString path = outer.path() + QStringLiteral("/packs/") + name;
        writeBytes(path, bytes);
        return path;
    }

    PicturePackInstaller::Outcome import(const QByteArray& bytes)
    {
        return PicturePackInstaller::importFile(folder, packFile(bytes));
    }
};

TEST_F(PackInstall, NewBookThenOnlyTheMissingPicturesOfAnExistingOne)
{
    const QByteArray dog = gif(), sun = jpeg();
    auto outcome = import(PicturePack::encode("Garden", {{"dog.gif", dog}, {"sun.jpg", sun}}));
    ASSERT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::Installed);
    EXPECT_EQ(outcome.book, QStringLiteral("Garden"));
    EXPECT_EQ(fileBytes(dataRoot + "/books/Garden/dog.gif"), dog);
    EXPECT_EQ(fileBytes(dataRoot + "/books/Garden/sun.jpg"), sun);
    EXPECT_EQ(PicturePackInstaller::message(outcome),
              QStringLiteral("The pictures were added successfully under the book 'Garden'. To view the new "
                             "pictures, please select this book from the list."));

    // "animals" is the book Animals; its cat.bmp stays as it was.
    const QByteArray oldCat = fileBytes(dataRoot + "/books/Animals/cat.bmp");
    outcome = import(PicturePack::encode("animals", {{"CAT.BMP", bmp(30, 30)}, {"fox.gif", dog}}));
    ASSERT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::Installed);
    EXPECT_EQ(outcome.book, QStringLiteral("Animals"));
    EXPECT_EQ(outcome.added, QStringList{"fox.gif"});
    EXPECT_EQ(outcome.skipped, QStringList{"CAT.BMP"});
    EXPECT_EQ(fileBytes(dataRoot + "/books/Animals/cat.bmp"), oldCat);
    EXPECT_FALSE(QFile::exists(dataRoot + "/books/Animals/CAT.BMP"));
    EXPECT_TRUE(PicturePackInstaller::message(outcome).contains(QStringLiteral("CAT.BMP")));
    // No temporary folder is left behind, and one abandoned long ago is gone.
    const QString abandoned = dataRoot + "/books/.tintaloo-pack-Ab12Cd";
    writeBytes(abandoned + "/half.bmp", "half");
    const struct timeval dayAgo[2] = {{time(nullptr) - 86400, 0}, {time(nullptr) - 86400, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(abandoned).constData(), dayAgo), 0);
    import(PicturePack::encode("Animals", {{"owl.gif", dog}}));
    EXPECT_EQ(QDir(dataRoot + "/books").entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"Animals", "Garden", "The Tintaloo"}));
    EXPECT_EQ(fileBytes(dataRoot + "/books/Animals/owl.gif"), dog);
}

TEST_F(PackInstall, LinksOutOfTheFolderAreRefused)
{
    QDir().mkpath(outer.path() + "/elsewhere");
    ASSERT_TRUE(QFile::link(outer.path() + "/elsewhere", dataRoot + "/books/Linked"));
    const QString intoLinkedBook = packFile(PicturePack::encode("linked", {{"x.gif", gif()}}), "a.tpk");
    const QString newBook = packFile(PicturePack::encode("New", {{"x.gif", gif()}}), "b.tpk");
    auto before = snapshot(outer.path());
    auto outcome = PicturePackInstaller::importFile(folder, intoLinkedBook);
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::WriteFailed);
    EXPECT_TRUE(PicturePackInstaller::message(outcome).startsWith(
        QStringLiteral("There was the following error while trying to add new pictures to The Tintaloo:")));
    EXPECT_EQ(snapshot(outer.path()), before);

    // The whole "books" folder as a link.
    QDir(dataRoot + "/books").removeRecursively();
    ASSERT_TRUE(QFile::link(outer.path() + "/elsewhere", dataRoot + "/books"));
    before = snapshot(outer.path());
    outcome = PicturePackInstaller::importFile(folder, newBook);
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::WriteFailed);
    EXPECT_EQ(snapshot(outer.path()), before);
}

TEST_F(PackInstall, AFailedWriteLeavesTheLibraryAsItWas)
{
    // The second picture does not fit under the file size limit (a full
    // disk, as far as the program can tell), in a new book and in an old one.
    const QString intoNew = packFile(PicturePack::encode("New", {{"a.gif", gif()}, {"b.bmp", bmp(200, 200)}}), "n.tpk");
    const QString intoOld = packFile(PicturePack::encode("Animals", {{"a.gif", gif()}, {"b.bmp", bmp(200, 200)}}), "o.tpk");
    const auto before = snapshot(outer.path());
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 50 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto first = PicturePackInstaller::importFile(folder, intoNew);
    const auto second = PicturePackInstaller::importFile(folder, intoOld);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(first.kind, PicturePackInstaller::Outcome::Kind::WriteFailed);
    EXPECT_EQ(second.kind, PicturePackInstaller::Outcome::Kind::WriteFailed);
    EXPECT_TRUE(second.detail.contains(QStringLiteral("b.bmp"))) << second.detail.toStdString();
    EXPECT_EQ(snapshot(outer.path()), before);
}

TEST_F(PackInstall, TheDefaultBookTakesNoPictures)
{
    const auto before = snapshot(dataRoot);
    const auto outcome = import(PicturePack::encode("the tintaloo", {{"x.gif", gif()}}));
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::WriteFailed);
    EXPECT_EQ(snapshot(dataRoot), before);
}

TEST_F(PackInstall, ReadingRefusesWhatIsNotAReadablePack)
{
    auto outcome = PicturePackInstaller::importFile(folder, outer.path() + "/missing.tpk");
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::CannotOpen);
    EXPECT_TRUE(PicturePackInstaller::message(outcome).startsWith(
        QStringLiteral("There was the following error while trying to open The Tintaloo package file:")));
    outcome = PicturePackInstaller::importFile(folder, outer.path());
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::CannotOpen);

    // Over the limit: refused from its size alone (a sparse file).
    const QString big = outer.path() + "/big.tpk";
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(PicturePack::MaxPackBytes + 1));
    }
    outcome = PicturePackInstaller::importFile(folder, big);
    EXPECT_EQ(outcome.kind, PicturePackInstaller::Outcome::Kind::CannotOpen);
    EXPECT_TRUE(outcome.detail.contains(QStringLiteral("512 MB")));

}

#ifdef TINTALOO_PROGRAM
TEST_F(PackInstall, CommandLineImportsWithoutWindows)
{
    const QByteArray dog = gif();
    const QString good = packFile(PicturePack::encode("Garden", {{"dog.gif", dog}}), "good.tpk");
    const QString bad = packFile("A|../../x.bmp" + sep() + bmp(), "bad.tpk");
    auto run = [this](const QString& pack, QByteArray& out, QByteArray& err, const QString& dashes = "--") {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no window system is needed at all
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TINTALOO_PROGRAM),
                      {dashes + QStringLiteral("data-dir"), dataRoot, dashes + QStringLiteral("import-pack"), pack});
        EXPECT_TRUE(program.waitForFinished(30000));
        out = program.readAllStandardOutput();
        err = program.readAllStandardError();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    };
    QByteArray out, err;
    EXPECT_EQ(run(good, out, err), 0);
    EXPECT_TRUE(out.contains("under the book 'Garden'")) << out.toStdString();
    EXPECT_EQ(fileBytes(dataRoot + "/books/Garden/dog.gif"), dog);

    // One dash means the same.
    const QString cat = packFile(PicturePack::encode("Garden", {{"cat.gif", dog}}), "cat.tpk");
    EXPECT_EQ(run(cat, out, err, QStringLiteral("-")), 0) << err.toStdString();
    EXPECT_EQ(fileBytes(dataRoot + "/books/Garden/cat.gif"), dog);

    const auto before = snapshot(outer.path());
    EXPECT_EQ(run(bad, out, err), 1);
    EXPECT_TRUE(err.contains("The file appears to be damaged. Please download again.")) << err.toStdString();
    EXPECT_EQ(snapshot(outer.path()), before);
}
#endif

} // namespace
