#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "WaveFile.h"

namespace orv::assetgen {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;
constexpr double kRate = kSampleRate;

// Noise from a fixed seed: the files must not change from one build to the next.
class NoiseSource {
  public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xFFFFFF) / double(0x800000) - 1.0;
    }

  private:
    std::uint32_t state_;
};

using Buffer = std::vector<float>;

Buffer MakeBuffer(double seconds) {
    return Buffer(static_cast<std::size_t>(seconds * kRate), 0.0f);
}

// Adds v at sample i; loops wrap their tails round to the start so they join cleanly.
void Mix(Buffer& out, long i, double v, bool wrap) {
    const long n = static_cast<long>(out.size());
    if (wrap) i = ((i % n) + n) % n;
    if (i >= 0 && i < n) out[i] += static_cast<float>(v);
}

double MidiHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

enum class Voice { Sine, Square, Saw, Bell, Brass };

// One waveform sample at phase p (radians), built from a few harmonics so
// nothing aliases at 22 kHz.
double Wave(Voice voice, double p, double hz) {
    switch (voice) {
        case Voice::Sine:
            return std::sin(p);
        case Voice::Bell:
            return std::sin(p) + 0.35 * std::sin(2.76 * p) + 0.15 * std::sin(5.4 * p);
        case Voice::Square:
        case Voice::Saw:
        case Voice::Brass: {
            double s = 0.0;
            for (int k = 1; k < 24 && k * hz < kRate * 0.45; ++k) {
                if (voice == Voice::Square && k % 2 == 0) continue;
                const double soften = voice == Voice::Brass ? 1.0 / (1.0 + 0.15 * k * k) : 1.0;
                s += std::sin(k * p) / k * soften;
            }
            return s * (voice == Voice::Brass ? 1.2 : 0.8);
        }
    }
    return 0.0;
}

struct Note {
    double start;   // seconds
    double length;  // seconds
    double hz;
    double gain;
};

// A note with a short attack, a decay towards a sustain level and a release.
void AddNote(Buffer& out, const Note& n, Voice voice, double decay, double sustain, bool wrap) {
    const double attack = voice == Voice::Bell ? 0.004 : 0.012;
    const double release = voice == Voice::Bell ? 0.6 : 0.05;
    const long first = std::lround(n.start * kRate);
    const long count = std::lround((n.length + release) * kRate);
    for (long i = 0; i < count; ++i) {
        const double t = i / kRate;
        double env =
            t < attack ? t / attack : sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
        if (t > n.length) env *= std::exp(-(t - n.length) / (release / 4.0));
        Mix(out, first + i, n.gain * env * Wave(voice, kTau * n.hz * t, n.hz), wrap);
    }
}

// Filtered noise burst with a falling cutoff: splashes, drums and explosions.
void AddNoise(Buffer& out, double start, double seconds, double gain, double decay,
              double cutoffFrom, double cutoffTo, std::uint32_t seed, bool wrap,
              bool highPass = false) {
    NoiseSource noise(seed);
    double low = 0.0, low2 = 0.0;
    const long first = std::lround(start * kRate);
    const long count = std::lround(seconds * kRate);
    for (long i = 0; i < count; ++i) {
        const double t = i / kRate;
        const double cutoff = cutoffTo + (cutoffFrom - cutoffTo) * std::exp(-t / (seconds * 0.35));
        const double a = 1.0 - std::exp(-kTau * cutoff / kRate);
        const double x = noise.Next();
        low += a * (x - low);
        low2 += a * (low - low2);
        const double v = highPass ? x - low2 : low2;
        const double fadeIn = std::min(1.0, t / 0.002);
        Mix(out, first + i, gain * fadeIn * std::exp(-t / decay) * v, wrap);
    }
}

// A sine whose pitch glides down: booms, thumps and kick drums.
void AddBoom(Buffer& out, double start, double seconds, double gain, double hzFrom, double hzTo,
             double decay, bool wrap) {
    double phase = 0.0;
    const long first = std::lround(start * kRate);
    const long count = std::lround(seconds * kRate);
    for (long i = 0; i < count; ++i) {
        const double t = i / kRate;
        const double hz = hzTo + (hzFrom - hzTo) * std::exp(-t / (seconds * 0.25));
        phase += kTau * hz / kRate;
        const double fadeIn = std::min(1.0, t / 0.003);
        Mix(out, first + i, gain * fadeIn * std::exp(-t / decay) * std::sin(phase), wrap);
    }
}

// Scales to a fixed peak (never clipping) and fades the very ends of one-shots.
Buffer Finish(Buffer out, double peak, bool loop) {
    float top = 0.0f;
    for (float s : out) top = std::max(top, std::abs(s));
    if (top > 0.0f)
        for (float& s : out) s = static_cast<float>(s * peak / top);
    if (!loop) {
        const std::size_t fade = std::min<std::size_t>(out.size(), 220);
        for (std::size_t i = 0; i < fade; ++i)
            out[out.size() - 1 - i] *= static_cast<float>(i) / fade;
    }
    return out;
}

Buffer Miss() {
    // A shell dropping into soft ground: dull thump and a short spray of earth.
    Buffer out = MakeBuffer(0.32);
    AddBoom(out, 0.0, 0.25, 0.9, 140.0, 50.0, 0.07, false);
    AddNoise(out, 0.01, 0.30, 0.8, 0.08, 2500.0, 300.0, 11u, false);
    return Finish(out, 0.75, false);
}

Buffer Adjacent() {
    // Radar ping: two rising blips, a hint that something is close.
    Buffer out = MakeBuffer(0.26);
    AddNote(out, {0.0, 0.08, MidiHz(81), 0.5}, Voice::Square, 0.05, 0.5, false);
    AddNote(out, {0.11, 0.10, MidiHz(88), 0.5}, Voice::Square, 0.05, 0.5, false);
    return Finish(out, 0.6, false);
}

Buffer CombatHit() {
    Buffer out = MakeBuffer(0.62);
    AddNoise(out, 0.0, 0.62, 1.0, 0.18, 5000.0, 250.0, 23u, false);
    AddBoom(out, 0.0, 0.5, 0.9, 110.0, 38.0, 0.16, false);
    AddNoise(out, 0.12, 0.35, 0.35, 0.1, 3000.0, 600.0, 29u, false);  // debris
    return Finish(out, 0.85, false);
}

Buffer CommandHit() {
    // Bigger than a tank: a double blast, a deep boom and a falling alarm tone.
    Buffer out = MakeBuffer(0.82);
    AddNoise(out, 0.0, 0.82, 1.0, 0.26, 6000.0, 200.0, 37u, false);
    AddNoise(out, 0.09, 0.7, 0.7, 0.22, 4000.0, 180.0, 41u, false);
    AddBoom(out, 0.0, 0.8, 1.1, 95.0, 30.0, 0.3, false);
    for (int k = 0; k < 3; ++k)
        AddNote(out, {0.05 + k * 0.17, 0.14, MidiHz(79 - k * 5), 0.18}, Voice::Square, 0.1, 0.6,
                false);
    return Finish(out, 0.85, false);
}

Buffer Message() {
    Buffer out = MakeBuffer(0.32);
    AddNote(out, {0.0, 0.05, MidiHz(84), 0.5}, Voice::Bell, 0.12, 0.0, false);
    AddNote(out, {0.07, 0.05, MidiHz(91), 0.45}, Voice::Bell, 0.12, 0.0, false);
    return Finish(out, 0.6, false);
}

void Snare(Buffer& out, double at, double gain, std::uint32_t seed) {
    AddNoise(out, at, 0.16, gain, 0.045, 7000.0, 3000.0, seed, true, true);
    AddBoom(out, at, 0.08, gain * 0.4, 240.0, 180.0, 0.03, true);
}

Buffer MainBgm() {
    // March in D minor, 120 beats a minute, two bars of 4/4: four seconds that loop.
    constexpr double kBeat = 0.5;
    constexpr double k16 = kBeat / 4;
    Buffer out = MakeBuffer(8 * kBeat);

    // Bass: eighth notes on the roots D, D, Bb, A.
    const int bassRoots[4] = {38, 38, 34, 33};
    for (int beat = 0; beat < 8; ++beat) {
        const int root = bassRoots[beat / 2];
        AddNote(out, {beat * kBeat, kBeat * 0.4, MidiHz(root), 0.32}, Voice::Saw, 0.12, 0.4, true);
        AddNote(out,
                {beat * kBeat + kBeat / 2, kBeat * 0.35, MidiHz(root + (beat % 2 ? 7 : 12)), 0.26},
                Voice::Saw, 0.1, 0.3, true);
    }
    // Soft held chords under everything, so the rests never drop to silence:
    // D minor, D minor, B flat, A major, one second each.
    const int pads[4][3] = {{50, 53, 57}, {50, 53, 57}, {46, 50, 53}, {45, 49, 52}};
    for (int i = 0; i < 4; ++i)
        for (const int note : pads[i])
            AddNote(out, {i * 2 * kBeat, 2 * kBeat - 0.01, MidiHz(note), 0.06}, Voice::Brass, 0.6,
                    0.7, true);
    // Melody: a bugle-like call, note and length in sixteenths.
    struct Step {
        int note;
        int sixteenths;
    };
    const Step melody[] = {{62, 3}, {62, 1}, {65, 2}, {69, 2}, {74, 4}, {69, 2}, {65, 2},
                           {70, 3}, {69, 1}, {67, 2}, {65, 2}, {64, 2}, {61, 2}, {62, 4}};
    int at = 0;
    for (const Step& s : melody) {
        AddNote(out, {at * k16, s.sixteenths * k16 * 0.92, MidiHz(s.note), 0.3}, Voice::Brass, 0.25,
                0.65, true);
        at += s.sixteenths;
    }
    // Drums: kick on the beat, a snare on the march pattern.
    for (int beat = 0; beat < 8; ++beat)
        AddBoom(out, beat * kBeat, 0.2, 0.55, 120.0, 45.0, 0.07, true);
    // Sixteenths of one bar: rat-a-tat on the off beats, a roll into the loop point.
    const int snare[16] = {0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1, 1, 1, 1};
    for (int s = 0; s < 32; ++s) {
        if (snare[s % 16]) Snare(out, s * k16, (s % 4 == 2) ? 0.32 : 0.18, 101u + s);
    }
    return Finish(out, 0.8, true);
}

Buffer OmakeBgm() {
    // A quiet music box over soft chords, 80 beats a minute, two bars: six seconds.
    constexpr double kBeat = 0.75;
    Buffer out = MakeBuffer(8 * kBeat);
    const int chords[2][3] = {{60, 64, 67}, {57, 60, 64}};  // C major, A minor
    for (int bar = 0; bar < 2; ++bar) {
        for (int k = 0; k < 3; ++k)
            AddNote(out, {bar * 4 * kBeat, 4 * kBeat - 0.01, MidiHz(chords[bar][k] - 12), 0.12},
                    Voice::Sine, 1.5, 0.55, true);
        AddNote(out, {bar * 4 * kBeat, 4 * kBeat - 0.01, MidiHz(chords[bar][0] - 24), 0.2},
                Voice::Sine, 1.0, 0.6, true);
    }
    const int tune[16] = {76, 79, 84, 79, 76, 72, 74, 76, 72, 76, 81, 76, 72, 69, 71, 72};
    for (int i = 0; i < 16; ++i)
        AddNote(out, {i * kBeat / 2, 0.1, MidiHz(tune[i]), i % 4 == 0 ? 0.3 : 0.22}, Voice::Bell,
                0.35, 0.0, true);
    return Finish(out, 0.7, true);
}

}  // namespace

std::vector<float> SynthesiseSound(const QString& fileName) {
    const QString name = fileName.toLower();
    if (name == u"ハズレ.wav") return Miss();
    if (name == u"隣接.wav") return Adjacent();
    if (name == u"戦闘車.wav") return CombatHit();
    if (name == u"指令車.wav") return CommandHit();
    if (name == u"メッセージ.wav") return Message();
    if (name == u"mainbgm.wav") return MainBgm();
    if (name == u"omakebgm.wav") return OmakeBgm();
    return Message();
}

}  // namespace orv::assetgen
