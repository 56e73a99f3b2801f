// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ResourceIds.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;
class Random;

// Plays the program's wave resources (":/waves/NAME.wav") by name. One
// preloaded QSoundEffect per wave; silent while disabled (Play_Sound off),
// when a wave is missing, or when there is no sound device.
class SoundBoard : public QObject
{
    Q_OBJECT
public:
    enum class Mode {
        Normal,      // plays at once, cutting off a sound that is playing
        NoInterrupt, // not played at all while another sound is playing
        Waiting      // the caller waits (local event loop) until it ends
    };

    explicit SoundBoard(Random& random, QObject* parent = nullptr);
    ~SoundBoard() override;

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    // Plays one wave by name ("OK", "POP2").
    void play(const QString& name, Mode mode = Mode::Normal);
    // Plays base + n, n = integer part of r * count ("CANCEL", 4).
    void playVariant(const QString& base, int count, Mode mode = Mode::Normal);
    // The main window's effects, by SoundKind; other kinds play nothing.
    // Reseeds the random source from the clock first, whether or not sound
    // is on.
    void PlayEffect(int kind);

    // The name of the last wave asked to play (empty when none): lets tests
    // hear what would have played on a machine without a sound device.
    const QString& lastPlayed() const { return m_lastPlayed; }
    void clearLastPlayed() { m_lastPlayed.clear(); }
    // How many waves were started since construction (skips not counted).
    int playCount() const { return m_playCount; }

    // Where the waves are looked up: ":/waves/" by default; tests point it
    // at a folder of their own. Forgets everything loaded so far.
    void setWaveFolder(const QString& folder);
    // Whether a sound device was found when the board was made.
    bool hasDevice() const { return m_hasDevice; }
    // Whether a started sound is still running (by its length), device or not.
    bool anyPlaying() const;

private:
    struct Wave
    {
        QSoundEffect* effect = nullptr; // null without a device
        int durationMs = 0;
        bool exists = false;
    };

    const Wave& wave(const QString& name);
    Wave loadWave(const QString& name);
    void preloadAll();
    void stopAll();
    void waitUntilFinished(QSoundEffect* effect, int durationMs);

    Random& m_random;
    bool m_enabled = false;
    bool m_hasDevice = false;
    QString m_folder;
    QHash<QString, Wave> m_waves;
    QElapsedTimer m_clock;
    qint64 m_busyUntilMs = 0;
    int m_playCount = 0;
    QString m_lastPlayed;
};
