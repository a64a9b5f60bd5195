#pragma once
// Small synthesis toolkit for the generated sounds: buffers, a seeded noise
// source, oscillators, envelopes, filters, a reverb, and WAV/OGG writers.
// Everything is deterministic: the same calls give the same samples.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

// 32 kHz: everything the game plays lies below 16 kHz, and it keeps the
// generator quick.
constexpr int kRate = 32000;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

using Mono = std::vector<float>;

struct Stereo {
    Mono l, r;
    Stereo() = default;
    explicit Stereo(size_t frames) : l(frames, 0.0f), r(frames, 0.0f) {}
    size_t size() const { return l.size(); }
    void resize(size_t frames) { l.resize(frames, 0.0f); r.resize(frames, 0.0f); }
    // Adds a mono signal at frame `at`, scaled and panned (-1 left .. 1 right,
    // constant power). Grows the buffer when needed.
    void add(const Mono& m, size_t at, float gain = 1, float pan = 0);
    void add(const Stereo& s, size_t at, float gain = 1);
};

size_t frames(double seconds);
double seconds(size_t frames);

// xorshift64*: our own so the noise is the same everywhere.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed ? seed * 0x9E3779B97F4A7C15ull : 0x2545F4914F6CDD1Dull) {}
    uint64_t next() {
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    float bipolar() { return float(uniform() * 2 - 1); }
    double range(double a, double b) { return a + (b - a) * uniform(); }
    int below(int n) { return int(uniform() * n); }

private:
    uint64_t s_;
};

double midiHz(double note);

// Oscillators with phase in cycles [0, 1). The band-limited ones take the
// phase increment (frequency / rate) to smooth their edges.
inline float sine(double phase) { return float(std::sin(kTwoPi * phase)); }
// Table sine for the inner loops: phase in cycles, any value.
const float* sineTable();  // kSineTableSize + 1 entries
constexpr int kSineTableSize = 4096;
inline float fsin(double phase) {
    static const float* table = sineTable();
    const long long whole = static_cast<long long>(phase);
    double p = phase - double(whole);
    if (p < 0) p += 1.0;
    const double x = p * kSineTableSize;
    const int i = int(x);
    const float f = float(x - i);
    return table[i] + f * (table[i + 1] - table[i]);
}

// An exponential fall computed by repeated multiplication: e^(-t/tau).
class Decay {
public:
    Decay(double tau, double start = 1.0) : v_(start), k_(std::exp(-1.0 / (tau * kRate))) {}
    double next() { const double r = v_; v_ *= k_; return r; }
    double value() const { return v_; }

private:
    double v_, k_;
};

// The adsr() envelope, sample by sample.
class Envelope {
public:
    Envelope(double attack, double decayTau, double sustain, double noteOff, double releaseTau);
    double next() {
        double v;
        if (i_ < attackN_) v = double(i_) / double(attackN_);
        else v = sustain_ + (1 - sustain_) * decay_.next();
        if (i_ >= offN_) v *= release_.next();
        ++i_;
        return v;
    }

private:
    size_t i_ = 0, attackN_, offN_;
    double sustain_;
    Decay decay_, release_;
};
// PolyBLEP: a two-sample polynomial correction at each step of the wave.
inline double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
inline float sawBL(double phase, double inc) { return float(2.0 * phase - 1.0 - polyBlep(phase, inc)); }
inline float squareBL(double phase, double inc, double width = 0.5) {
    double v = phase < width ? 1.0 : -1.0;
    v += polyBlep(phase, inc);
    double p2 = phase - width;
    if (p2 < 0) p2 += 1.0;
    v -= polyBlep(p2, inc);
    return float(v);
}
inline float triangle(double phase) { return float(phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase); }
// A smooth saturation curve close to tanh, cheap enough for every sample.
inline float softClip(float x) {
    if (x > 3.0f) return 1.0f;
    if (x < -3.0f) return -1.0f;
    const float x2 = x * x;
    return x * (27.0f + x2) / (27.0f + 9.0f * x2);
}

// Envelope shapes over time t in seconds.
float expDecay(double t, double tau);  // e^(-t/tau)
// Linear attack, then exponential decay toward `sustain` with time constant
// `decayTau`; after `noteOff` a release with time constant `releaseTau`.
float adsr(double t, double attack, double decayTau, double sustain, double noteOff,
           double releaseTau);

// Filters (transposed direct form II biquads, RBJ cookbook).
class Biquad {
public:
    static Biquad lowpass(double hz, double q = 0.7071);
    static Biquad highpass(double hz, double q = 0.7071);
    static Biquad bandpass(double hz, double q);
    static Biquad peak(double hz, double q, double gainDb);
    void setLowpass(double hz, double q = 0.7071);  // keeps the state (sweeps)
    float process(float x) {
        const float y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
    void run(Mono& m) { for (float& s : m) s = process(s); }

private:
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
};

class OnePole {
public:
    explicit OnePole(double hz = 1000) { set(hz); }
    void set(double hz) { a = float(std::exp(-kTwoPi * hz / kRate)); }
    float lowpass(float x) { z = x + a * (z - x); return z; }
    float highpass(float x) { return x - lowpass(x); }

private:
    float a = 0, z = 0;
};

// Stereo room reverb (Schroeder-Moorer style: parallel damped combs into
// series all-passes, the right side slightly detuned for width).
void reverb(const Stereo& in, Stereo& out, double roomSize, double damping, double wet);

// Measurements and level.
float peak(const Mono& m);
float peak(const Stereo& s);
float rms(const Stereo& s);
void scale(Mono& m, float g);
void scale(Stereo& s, float g);
void normalize(Mono& m, float targetPeak);
// Gentle limiter: gain reduction with fast attack and slow release so the
// peaks stay under `ceiling` without audible clipping.
void limit(Stereo& s, float ceiling);
// Short fades at both ends of a one-shot so it starts and stops at silence.
void fadeEdges(Mono& m, double inSeconds, double outSeconds);

// Files. Samples are clamped to [-1, 1] and rounded to 16 bits.
bool writeWav(const std::string& path, const Mono& m);
bool writeWav(const std::string& path, const Stereo& s);
// OGG Vorbis at the given VBR quality (-0.1 .. 1), with a fixed stream serial
// number so the bytes are the same on every run.
bool writeOgg(const std::string& path, const Stereo& s, float quality, int serial);
bool writeOgg(const std::string& path, const Mono& m, float quality, int serial);

bool makeDirs(const std::string& path);

}  // namespace synth
