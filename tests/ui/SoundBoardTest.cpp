// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"
#include "ui/SoundBoard.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A silent mono 16-bit wave of the given length.
void writeWave(const QString& path, int milliseconds)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * 2 * quint32(milliseconds) / 1000;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    file.write("RIFF");
    out << quint32(36 + dataBytes);
    file.write("WAVEfmt ");
    out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
    file.write("data");
    out << dataBytes;
    file.write(QByteArray(int(dataBytes), '\0'));
}

class Sounds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        board.setWaveFolder(waves.path());
        board.setEnabled(true);
    }

    // Plays many times and collects the names that would have played.
    template <typename Play>
    QSet<QString> heard(Play play, int times = 400)
    {
        QSet<QString> names;
        for (int i = 0; i < times; ++i) {
            board.clearLastPlayed();
            play();
            names.insert(board.lastPlayed());
        }
        return names;
    }

    QTemporaryDir waves;
    Random random{12345u};
    SoundBoard board{random};
};

TEST_F(Sounds, DisabledPlaysNothingAtAll)
{
    writeWave(waves.filePath("OK.wav"), 2000);
    board.setWaveFolder(waves.path());
    board.setEnabled(false);
    QElapsedTimer clock;
    clock.start();
    board.play("OK", SoundBoard::Mode::Waiting);
    board.playVariant("CANCEL", 4);
    for (int kind = 0; kind <= 5; ++kind)
        board.PlayEffect(kind);
    EXPECT_TRUE(board.lastPlayed().isEmpty());
    EXPECT_EQ(board.playCount(), 0);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(Sounds, VariantsStayInTheirRange)
{
    const QSet<QString> cancel = heard([&] { board.playVariant("CANCEL", 4); });
    EXPECT_EQ(cancel, QSet<QString>({"CANCEL0", "CANCEL1", "CANCEL2", "CANCEL3"}));
    const QSet<QString> message = heard([&] { board.playVariant("MESSAGE", 3); });
    EXPECT_EQ(message, QSet<QString>({"MESSAGE0", "MESSAGE1", "MESSAGE2"}));
}

TEST_F(Sounds, EffectKindsPickTheirSets)
{
    EXPECT_EQ(heard([&] { board.PlayEffect(SoundKind::BubblePopped); }),
              QSet<QString>({"POP0", "POP1", "POP2", "POP3"}));
    EXPECT_EQ(heard([&] { board.PlayEffect(SoundKind::ButtonPressed); }),
              QSet<QString>({"B0", "B1", "B2", "B3", "B4", "B5", "MESSAGE0", "MESSAGE1", "MESSAGE2"}));
    EXPECT_EQ(heard([&] { board.PlayEffect(SoundKind::ColourPicked); }),
              QSet<QString>({"PRESS0", "PRESS1", "B0", "B1", "B2", "B3", "B4", "B5"}));
    EXPECT_EQ(heard([&] { board.PlayEffect(SoundKind::NewPicture); }), QSet<QString>({"NEW0", "NEW1"}));
}

TEST_F(Sounds, OtherEffectKindsPlayNothing)
{
    for (int kind : {-1, 2, 3, 6, 100}) {
        board.PlayEffect(kind);
        EXPECT_TRUE(board.lastPlayed().isEmpty()) << kind;
    }
    EXPECT_EQ(board.playCount(), 0);
}

TEST_F(Sounds, EffectsReseedEvenWhenSilent)
{
    Random untouched{777u};
    Random used{777u};
    SoundBoard silent(used);
    silent.PlayEffect(SoundKind::ButtonPressed);
    EXPECT_NE(used.next(), untouched.next());
}

TEST_F(Sounds, PopsDoNotCutIntoASoundThatIsPlaying)
{
    for (int i = 0; i < 4; ++i)
        writeWave(waves.filePath(QStringLiteral("POP%1.wav").arg(i)), 400);
    writeWave(waves.filePath("B0.wav"), 400);
    board.setWaveFolder(waves.path());

    board.PlayEffect(SoundKind::BubblePopped);
    EXPECT_EQ(board.playCount(), 1);
    EXPECT_TRUE(board.anyPlaying());
    for (int i = 0; i < 10; ++i)
        board.PlayEffect(SoundKind::BubblePopped);
    EXPECT_EQ(board.playCount(), 1);

    // Any other sound cuts in.
    board.play("B0");
    EXPECT_EQ(board.playCount(), 2);
    EXPECT_EQ(board.lastPlayed(), "B0");
}

TEST_F(Sounds, APopPlaysAgainOnceTheLastSoundHasEnded)
{
    writeWave(waves.filePath("POP0.wav"), 40);
    board.setWaveFolder(waves.path());
    board.play("POP0", SoundBoard::Mode::NoInterrupt);
    board.play("POP0", SoundBoard::Mode::NoInterrupt);
    EXPECT_EQ(board.playCount(), 1);
    QTest::qWait(120);
    EXPECT_FALSE(board.anyPlaying());
    board.play("POP0", SoundBoard::Mode::NoInterrupt);
    EXPECT_EQ(board.playCount(), 2);
}

TEST_F(Sounds, AMissingWaveIsHarmless)
{
    board.play("NOTHING", SoundBoard::Mode::Waiting);
    EXPECT_EQ(board.lastPlayed(), "NOTHING");
    EXPECT_FALSE(board.anyPlaying());
}

TEST_F(Sounds, WaitingNeverHangsWithoutADevice)
{
    if (board.hasDevice())
        GTEST_SKIP() << "a sound device is present; the wait is real";
    writeWave(waves.filePath("OK.wav"), 3000);
    board.setWaveFolder(waves.path());
    QElapsedTimer clock;
    clock.start();
    board.play("OK", SoundBoard::Mode::Waiting);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(board.lastPlayed(), "OK");
}

TEST_F(Sounds, ABrokenWaveFileIsHarmless)
{
    QFile broken(waves.filePath("B3.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\xff\xff\xff\xff" "WAVEdata");
    broken.close();
    board.setWaveFolder(waves.path());
    board.play("B3");
    board.play("POP0", SoundBoard::Mode::NoInterrupt);
    EXPECT_EQ(board.playCount(), 2);
}

} // namespace
