// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sound effects, synthesised: soft plucks and blips, chimes,
// bubble pops, questioning "hmm?" calls, arpeggios. Written as 16-bit mono
// PCM at 22050 Hz, all equally loud (the same RMS level, -16 dBFS; peaks stay
// below -1 dBFS), faded in over 5 ms and out over 20 ms against clicks.
#include "ArtWriter.h"
#include "Generators.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kRate = 22050;
const double kTargetRms = std::pow(10.0, -16.0 / 20);
const double kMaxPeak = std::pow(10.0, -1.0 / 20);

struct Partial {
    double ratio;
    double amplitude;
};

const std::vector<Partial> kPure{{1.0, 1.0}};
const std::vector<Partial> kSoft{{1.0, 1.0}, {2.0, 0.22}, {3.0, 0.06}};
const std::vector<Partial> kTriangle{{1.0, 1.0}, {3.0, 1.0 / 9}, {5.0, 1.0 / 25}};
const std::vector<Partial> kBell{{1.0, 1.0}, {2.76, 0.28}, {5.4, 0.08}};

struct Note {
    double start;          // seconds
    double length;         // seconds, including the release
    double from;           // Hz at the start
    double to = 0.0;       // Hz after the glide (0: no glide)
    double glide = 0.03;   // glide time, seconds
    const std::vector<Partial>* partials = &kSoft;
    double attack = 0.005;
    double decay = 0.15;   // time constant of the exponential fall
    double level = 1.0;
    double vibrato = 0.0;  // depth as a fraction of the frequency
};

class Track
{
public:
    explicit Track(double seconds) : m_samples(size_t(seconds * kRate), 0.0) {}

    void add(const Note& n)
    {
        const size_t first = size_t(n.start * kRate);
        const size_t count = size_t(n.length * kRate);
        const double release = std::min(0.012, n.length / 3);
        double phase = 0.0;
        for (size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double t = double(i) / kRate;
            double f = n.from;
            if (n.to > 0.0)
                f = n.from * std::pow(n.to / n.from, std::min(1.0, t / n.glide));
            f *= 1.0 + n.vibrato * std::sin(2 * M_PI * 5.5 * t);
            phase += 2 * M_PI * f / kRate;
            double env = t < n.attack ? t / n.attack : std::exp(-(t - n.attack) / n.decay);
            const double left = n.length - t;
            if (left < release)
                env *= left / release;
            double v = 0.0;
            for (const Partial& p : *n.partials)
                if (f * p.ratio < kRate * 0.45)
                    v += p.amplitude * std::sin(phase * p.ratio) *
                         std::exp(-t * (p.ratio - 1.0) * 6.0); // upper partials fade first
            m_samples[first + i] += v * env * n.level;
        }
    }

    // A puff of low-passed noise (the "p" of a pop, the sparkle of a chime).
    void puff(double start, double length, double level, double smoothing, uint32_t seed)
    {
        std::mt19937 engine(seed);
        const size_t first = size_t(start * kRate);
        const size_t count = size_t(length * kRate);
        double low = 0.0;
        for (size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double white = (engine() >> 8) / double(1u << 24) * 2.0 - 1.0;
            low += (white - low) * smoothing;
            const double t = double(i) / count;
            m_samples[first + i] += low * level * (1.0 - t) * (1.0 - t);
        }
    }

    QByteArray wav() const
    {
        std::vector<double> s = m_samples;
        const size_t fadeIn = size_t(0.005 * kRate);
        const size_t fadeOut = std::min(s.size() / 2, size_t(0.02 * kRate));
        for (size_t i = 0; i < s.size(); ++i) {
            if (i < fadeIn)
                s[i] *= double(i) / fadeIn;
            const size_t left = s.size() - 1 - i;
            if (left < fadeOut) // a raised cosine: no corner at either end of the fade
                s[i] *= 0.5 - 0.5 * std::cos(M_PI * double(left) / fadeOut);
        }
        // Loudness follows the RMS level, not the peak: a short pluck and a
        // held note at one peak sound 8 dB apart.
        double peak = 0.0;
        double energy = 0.0;
        for (double v : s) {
            peak = std::max(peak, std::abs(v));
            energy += v * v;
        }
        const double rms = s.empty() ? 0.0 : std::sqrt(energy / double(s.size()));
        const double gain = rms > 0.0 ? std::min(kTargetRms / rms, kMaxPeak / peak) : 0.0;
        for (double& v : s)
            v *= gain;
        return encode(s);
    }

private:
    static void put32(QByteArray& out, quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
    static void put16(QByteArray& out, quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    }

    static QByteArray encode(const std::vector<double>& s)
    {
        const quint32 dataBytes = quint32(s.size() * 2);
        QByteArray out;
        out.append("RIFF");
        put32(out, 36 + dataBytes);
        out.append("WAVEfmt ");
        put32(out, 16);
        put16(out, 1); // PCM
        put16(out, 1); // mono
        put32(out, kRate);
        put32(out, kRate * 2);
        put16(out, 2);
        put16(out, 16);
        out.append("data");
        put32(out, dataBytes);
        for (double v : s)
            put16(out, quint16(qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0))));
        return out;
    }

    std::vector<double> m_samples;
};

double hz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Button presses: a soft plucked blip that bends up into its note.
QByteArray button(int variant)
{
    const int notes[] = {72, 74, 76, 79, 81, 84};
    const double f = hz(notes[variant]);
    Track t(0.18);
    t.add({.start = 0, .length = 0.18, .from = f * 0.9, .to = f, .glide = 0.02,
           .partials = &kTriangle, .attack = 0.003, .decay = 0.05});
    if (variant % 2 == 1) // every other one has a quiet echo an octave up
        t.add({.start = 0.06, .length = 0.12, .from = f * 2, .partials = &kPure, .attack = 0.003,
               .decay = 0.035, .level = 0.3});
    return t.wav();
}

// Colour picked: a quick sparkly run of bell notes.
QByteArray press(int variant)
{
    const std::vector<int> runs[] = {{84, 88, 91}, {79, 84, 88, 91}};
    const std::vector<int>& run = runs[variant];
    Track t(0.55);
    for (size_t i = 0; i < run.size(); ++i)
        t.add({.start = 0.055 * i, .length = 0.55 - 0.055 * i, .from = hz(run[i]), .partials = &kBell,
               .attack = 0.002, .decay = 0.12, .level = 0.7});
    t.puff(0.0, 0.2, 0.06, 0.5, 301 + variant);
    return t.wav();
}

// Bubble pops: a short downward bloop with a breath of noise.
QByteArray pop(int variant)
{
    const double starts[] = {900.0, 1100.0, 760.0, 1000.0};
    const double length = 0.09 + 0.01 * variant;
    Track t(length);
    t.add({.start = 0, .length = length, .from = starts[variant], .to = starts[variant] * 0.38,
           .glide = 0.05, .partials = &kPure, .attack = 0.002, .decay = 0.03});
    t.puff(0.0, 0.015, 0.35, 0.18, 401 + variant);
    return t.wav();
}

// A prompt opens: a gentle two-note "hmm?" that rises like a question.
QByteArray message(int variant)
{
    const int first[] = {67, 64, 69};
    const int second[] = {74, 69, 76};
    Track t(0.56);
    t.add({.start = 0, .length = 0.2, .from = hz(first[variant]), .partials = &kSoft,
           .attack = 0.02, .decay = 0.2, .vibrato = 0.004});
    t.add({.start = 0.2, .length = 0.36, .from = hz(second[variant] - 2), .to = hz(second[variant]),
           .glide = 0.12, .partials = &kSoft, .attack = 0.02, .decay = 0.22, .vibrato = 0.006});
    return t.wav();
}

// A new picture: a cheerful rising arpeggio.
QByteArray fresh(int variant)
{
    const std::vector<int> runs[] = {{72, 76, 79, 84}, {79, 83, 86, 91}};
    Track t(0.62);
    const std::vector<int>& run = runs[variant];
    for (size_t i = 0; i < run.size(); ++i)
        t.add({.start = 0.08 * i, .length = 0.62 - 0.08 * i, .from = hz(run[i]),
               .partials = variant == 0 ? &kTriangle : &kBell, .attack = 0.004,
               .decay = i + 1 == run.size() ? 0.2 : 0.09});
    return t.wav();
}

// Closing without action: two soft notes going down.
QByteArray cancel(int variant)
{
    const int first[] = {76, 74, 79, 72};
    const int second[] = {72, 69, 76, 67};
    Track t(0.4);
    t.add({.start = 0, .length = 0.15, .from = hz(first[variant]), .partials = &kTriangle,
           .attack = 0.006, .decay = 0.08, .level = 0.9});
    t.add({.start = 0.13, .length = 0.27, .from = hz(second[variant]), .partials = &kTriangle,
           .attack = 0.006, .decay = 0.11});
    return t.wav();
}

// Permission given: a warm rising chord.
QByteArray ok()
{
    Track t(0.6);
    t.add({.start = 0, .length = 0.6, .from = hz(60), .partials = &kSoft, .attack = 0.01, .decay = 0.3,
           .level = 0.5});
    t.add({.start = 0.09, .length = 0.51, .from = hz(64), .partials = &kSoft, .attack = 0.01,
           .decay = 0.3, .level = 0.5});
    t.add({.start = 0.18, .length = 0.42, .from = hz(67), .partials = &kSoft, .attack = 0.01,
           .decay = 0.3, .level = 0.55});
    t.add({.start = 0.27, .length = 0.33, .from = hz(72), .partials = &kSoft, .attack = 0.01,
           .decay = 0.25, .level = 0.6});
    return t.wav();
}

QByteArray beep()
{
    Track t(0.15);
    // Fallen to a tenth by its end, so it dies away rather than stops.
    t.add({.start = 0, .length = 0.15, .from = 880.0, .partials = &kPure, .attack = 0.006,
           .decay = 0.06});
    return t.wav();
}

QByteArray click()
{
    Track t(0.08);
    t.add({.start = 0, .length = 0.08, .from = 1600.0, .to = 1100.0, .glide = 0.02,
           .partials = &kPure, .attack = 0.001, .decay = 0.012});
    t.puff(0.0, 0.01, 0.3, 0.3, 501);
    return t.wav();
}

QByteArray sweep(double from, double to)
{
    Track t(0.25);
    t.add({.start = 0, .length = 0.25, .from = from, .to = to, .glide = 0.2, .partials = &kSoft,
           .attack = 0.008, .decay = 0.15});
    return t.wav();
}

} // namespace

void makeSounds(ArtWriter& out)
{
    auto wave = [&out](const QString& name, const QByteArray& data) {
        out.addFile("waves/" + name + ".wav", data);
    };
    for (int i = 0; i < 6; ++i)
        wave(QString("B%1").arg(i), button(i));
    for (int i = 0; i < 2; ++i)
        wave(QString("PRESS%1").arg(i), press(i));
    for (int i = 0; i < 4; ++i)
        wave(QString("POP%1").arg(i), pop(i));
    for (int i = 0; i < 3; ++i)
        wave(QString("MESSAGE%1").arg(i), message(i));
    for (int i = 0; i < 2; ++i)
        wave(QString("NEW%1").arg(i), fresh(i));
    for (int i = 0; i < 4; ++i)
        wave(QString("CANCEL%1").arg(i), cancel(i));
    wave("OK", ok());
    wave("BEEP", beep());
    wave("CLICK", click());
    wave("DOWN", sweep(700.0, 350.0));
    wave("UP", sweep(350.0, 700.0));
}
