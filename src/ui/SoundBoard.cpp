// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SoundBoard.h"

#include "platform/Random.h"

#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

quint32 readLe32(const char* p)
{
    const auto* u = reinterpret_cast<const uchar*>(p);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

// The playing time of a RIFF wave, from its byte rate and data size; 0 when
// the file is not a wave we understand.
int waveDurationMs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.read(4096);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qint64 pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = readLe32(bytes.constData() + pos + 4);
        if (id == "fmt " && pos + 16 <= bytes.size())
            byteRate = readLe32(bytes.constData() + pos + 8 + 8);
        if (id == "data") {
            // The data chunk may be cut short; the file size bounds it.
            const qint64 dataBytes = qMin<qint64>(size, file.size() - (pos + 8));
            return byteRate ? int(dataBytes * 1000 / byteRate) : 0;
        }
        pos += 8 + size + (size & 1);
    }
    return 0;
}

} // namespace

SoundBoard::SoundBoard(Random& random, QObject* parent)
    : QObject(parent)
    , m_random(random)
    , m_hasDevice(!QMediaDevices::audioOutputs().isEmpty())
    , m_folder(QStringLiteral(":/waves/"))
{
    m_clock.start();
    preloadAll();
}

SoundBoard::~SoundBoard() = default;

void SoundBoard::setWaveFolder(const QString& folder)
{
    stopAll();
    for (const Wave& w : std::as_const(m_waves))
        delete w.effect;
    m_waves.clear();
    m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    preloadAll();
}

// Loading is asynchronous inside QSoundEffect, so making them all here costs
// next to nothing at start-up and the first press of a button is not late.
void SoundBoard::preloadAll()
{
    if (!m_hasDevice)
        return;
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QString& file : files) {
        const QString name = file.chopped(4);
        m_waves.insert(name, loadWave(name));
    }
}

SoundBoard::Wave SoundBoard::loadWave(const QString& name)
{
    Wave w;
    const QString path = m_folder + name + QStringLiteral(".wav");
    w.exists = QFile::exists(path);
    if (!w.exists)
        return w;
    w.durationMs = waveDurationMs(path);
    if (m_hasDevice) {
        w.effect = new QSoundEffect(this);
        w.effect->setSource(path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                              : QUrl::fromLocalFile(path));
    }
    return w;
}

const SoundBoard::Wave& SoundBoard::wave(const QString& name)
{
    auto it = m_waves.find(name);
    if (it == m_waves.end())
        it = m_waves.insert(name, loadWave(name));
    return *it;
}

bool SoundBoard::anyPlaying() const
{
    return m_clock.elapsed() < m_busyUntilMs;
}

void SoundBoard::stopAll()
{
    for (const Wave& w : std::as_const(m_waves))
        if (w.effect && w.effect->isPlaying())
            w.effect->stop();
    m_busyUntilMs = 0;
}

void SoundBoard::play(const QString& name, Mode mode)
{
    if (!m_enabled)
        return;
    if (mode == Mode::NoInterrupt && anyPlaying())
        return;
    m_lastPlayed = name;
    ++m_playCount;
    const Wave& w = wave(name);
    stopAll();
    if (!w.exists)
        return;
    m_busyUntilMs = m_clock.elapsed() + w.durationMs;
    if (!w.effect)
        return;
    w.effect->play();
    if (mode == Mode::Waiting)
        waitUntilFinished(w.effect, w.durationMs);
}

// Waits for the end of the sound, but never longer than its length and a
// second: a device that stops answering must not hang the window.
void SoundBoard::waitUntilFinished(QSoundEffect* effect, int durationMs)
{
    if (!effect->isPlaying() && effect->status() != QSoundEffect::Loading)
        return;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(effect, &QSoundEffect::playingChanged, &loop, [effect, &loop]() {
        if (!effect->isPlaying())
            loop.quit();
    });
    connect(effect, &QSoundEffect::statusChanged, &loop, [effect, &loop]() {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    timeout.start(durationMs + 1000);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_busyUntilMs = 0;
}

void SoundBoard::playVariant(const QString& base, int count, Mode mode)
{
    if (!m_enabled || count <= 0)
        return;
    play(base + QString::number(m_random.below(count)), mode);
}

void SoundBoard::PlayEffect(int kind)
{
    m_random.seedFromClock();
    if (!m_enabled)
        return;
    switch (kind) {
    case SoundKind::BubblePopped:
        playVariant(QStringLiteral("POP"), 4, Mode::NoInterrupt);
        break;
    case SoundKind::ButtonPressed:
        if (m_random.below(2) == 0)
            playVariant(QStringLiteral("B"), 6);
        else
            playVariant(QStringLiteral("MESSAGE"), 3);
        break;
    case SoundKind::ColourPicked:
        if (m_random.below(2) == 0)
            playVariant(QStringLiteral("PRESS"), 2);
        else
            playVariant(QStringLiteral("B"), 6);
        break;
    case SoundKind::NewPicture:
        playVariant(QStringLiteral("NEW"), 2);
        break;
    default:
        break;
    }
}
