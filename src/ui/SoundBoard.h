#pragma once

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
    // The main window's effects: 0 bubble pop, 1 button click, 4 colour
    // picked, 5 new picture; other kinds play nothing. Reseeds the random
    // source from the clock first, whether or not sound is on.
    void PlayEffect(int kind);

    // The name of the last wave asked to play (empty when none): lets tests
    // hear what would have played on a machine without a sound device.
    const QString& lastPlayed() const { return m_lastPlayed; }
    void clearLastPlayed() { m_lastPlayed.clear(); }

private:
    QSoundEffect* effect(const QString& name);
    bool anyPlaying() const;

    Random& m_random;
    bool m_enabled = false;
    QHash<QString, QSoundEffect*> m_effects;
    QString m_lastPlayed;
};
