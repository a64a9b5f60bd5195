// The game's sound effects, synthesized, and the entry point that writes them
// and the music under OUT/sfx.
#include "sounds.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "music.h"
#include "synth.h"
#include "synth_voices.h"

using namespace synth;

namespace {

// A decaying sine partial added at `at` seconds.
void partial(Mono& m, double at, double hz, double amp, double tau, double attack = 0.001) {
    const size_t start = frames(at);
    const size_t n = std::min(m.size() - std::min(m.size(), start), frames(tau * 7));
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        const double a = std::min(1.0, t / attack) * std::exp(-t / tau);
        m[start + i] += float(amp * a * std::sin(kTwoPi * hz * t));
    }
}

// A tone whose pitch glides exponentially from `from` to `to` over `glide` s.
void glide(Mono& m, double at, double len, double from, double to, double glideTime, double amp,
           double attack, double release, int shape = 0) {
    const size_t start = frames(at);
    const size_t n = std::min(m.size() - std::min(m.size(), start), frames(len));
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        const double u = std::min(1.0, t / glideTime);
        const double f = from * std::pow(to / from, u);
        const double inc = f / kRate;
        phase += inc;
        if (phase >= 1) phase -= 1;
        double a = std::min(1.0, t / attack);
        if (t > len - release) a *= std::max(0.0, (len - t) / release);
        double v;
        switch (shape) {
        case 1: v = triangle(phase); break;
        case 2: v = sawBL(phase, inc); break;
        case 3: v = squareBL(phase, inc, 0.5); break;
        default: v = std::sin(kTwoPi * phase);
        }
        m[start + i] += float(amp * a * v);
    }
}

// Filtered noise with an envelope given as a function of time.
void noise(Mono& m, double at, double len, Biquad filter, const std::function<double(double)>& env,
           Rng& rng, double amp = 1) {
    const size_t start = frames(at);
    const size_t n = std::min(m.size() - std::min(m.size(), start), frames(len));
    for (size_t i = 0; i < n; ++i) m[start + i] += float(amp * env(seconds(i)) * filter.process(rng.bipolar()));
}

Mono blank(double secs) { return Mono(frames(secs), 0.0f); }

Mono finish(Mono m, float peakLevel) {
    Biquad dc = Biquad::highpass(25);
    dc.run(m);
    normalize(m, peakLevel);
    fadeEdges(m, 0.0005, 0.01);
    return m;
}

// Mono through the room reverb, as stereo.
Stereo roomy(const Mono& m, double room, double wet, double tail) {
    Stereo s(m.size() + frames(tail));
    s.add(m, 0, 1, 0);
    Stereo in = s;
    reverb(in, s, room, 0.35, wet);
    return s;
}

Stereo finishStereo(Stereo s, float peakLevel) {
    Biquad dl = Biquad::highpass(25), dr = Biquad::highpass(25);
    dl.run(s.l);
    dr.run(s.r);
    const float p = peak(s);
    if (p > 0) scale(s, peakLevel / p);
    fadeEdges(s.l, 0.0005, 0.05);
    fadeEdges(s.r, 0.0005, 0.05);
    return s;
}

// --- the board ---------------------------------------------------------------

// A marble taken off the board: a round glassy pop with a bright ring.
Mono removal(uint64_t seed, double pitch) {
    Rng rng(seed);
    Mono m = blank(0.35);
    glide(m, 0, 0.07, 420 * pitch, 1250 * pitch, 0.035, 0.8, 0.001, 0.03);
    partial(m, 0.006, 2600 * pitch, 0.35, 0.06);
    partial(m, 0.006, 3950 * pitch, 0.18, 0.04);
    partial(m, 0.01, 1250 * pitch, 0.25, 0.09);
    noise(m, 0, 0.01, Biquad::bandpass(3000, 1.0), [](double t) { return 1 - t / 0.01; }, rng, 0.3);
    return m;
}

Mono coin(double hz, Rng& rng, double amp) {
    Mono m = blank(0.7);
    static const double ratio[5] = {1.0, 1.51, 2.34, 3.17, 4.02};
    for (int k = 0; k < 5; ++k)
        partial(m, 0, hz * ratio[k] * rng.range(0.995, 1.005), amp * (k ? 0.5 / k : 1.0), 0.25 / (1 + k * 0.6));
    noise(m, 0, 0.004, Biquad::highpass(5000), [](double) { return 1.0; }, rng, amp * 0.4);
    return m;
}

// Coins: one, a couple, a handful, a pour.
Mono coins(int count, double spread, uint64_t seed) {
    Rng rng(seed);
    Mono m = blank(spread + 0.8);
    double at = 0;
    for (int i = 0; i < count; ++i) {
        const Mono c = coin(rng.range(2300, 3400), rng, rng.range(0.55, 1.0) * (i == 0 ? 1.0 : 0.8));
        const size_t start = frames(at);
        for (size_t k = 0; k < c.size() && start + k < m.size(); ++k) m[start + k] += c[k];
        at += count > 1 ? spread / (count - 1) * rng.range(0.5, 1.5) : 0;
        at = std::min(at, spread);
    }
    return m;
}

// The gate sliding open: a latch, a heavy slide, a stop.
Mono gateOpen() {
    Rng rng(301);
    Mono m = blank(1.3);
    noise(m, 0, 0.02, Biquad::bandpass(2500, 2), [](double t) { return std::exp(-t / 0.004); }, rng, 0.8);
    partial(m, 0, 1800, 0.3, 0.01);
    partial(m, 0.012, 1150, 0.25, 0.015);
    Biquad slide = Biquad::bandpass(350, 0.8);
    noise(m, 0.06, 0.95, slide,
          [](double t) { return std::sin(kPi * std::min(1.0, t / 0.95)) * (0.8 + 0.2 * std::sin(kTwoPi * 13 * t)); },
          rng, 1.6);
    glide(m, 0.06, 0.95, 70, 95, 0.9, 0.25, 0.15, 0.3, 2);
    partial(m, 1.0, 110, 0.6, 0.08, 0.002);
    noise(m, 1.0, 0.1, Biquad::lowpass(900), [](double t) { return std::exp(-t / 0.03); }, rng, 0.6);
    return m;
}

Mono bomb() {
    Rng rng(302);
    Mono m = blank(1.6);
    glide(m, 0, 0.9, 95, 32, 0.35, 1.0, 0.002, 0.6);
    Biquad lp = Biquad::lowpass(4000, 0.8);
    const size_t n = frames(1.5);
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        if ((i & 15) == 0) lp.setLowpass(180 + 5000 * std::exp(-t / 0.12), 0.8);
        const double env = std::min(1.0, t / 0.003) * (0.75 * std::exp(-t / 0.18) + 0.25 * std::exp(-t / 0.6));
        m[i] += float(1.4 * env * lp.process(rng.bipolar()));
    }
    for (float& s : m) s = std::tanh(1.6f * s);
    return m;
}

// A line wiped away: a fast rising sweep with a sparkle at its end.
Mono erase() {
    Rng rng(303);
    Mono m = blank(0.7);
    glide(m, 0, 0.38, 260, 2600, 0.36, 0.35, 0.01, 0.08, 2);
    Biquad bp = Biquad::bandpass(1200, 1.2);
    const size_t n = frames(0.42);
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        if ((i & 31) == 0) bp = Biquad::bandpass(600 * std::pow(10.0, t / 0.42 * 1.0), 1.2);
        m[i] += float(0.8 * std::sin(kPi * t / 0.42) * bp.process(rng.bipolar()));
    }
    for (int k = 0; k < 6; ++k) partial(m, 0.33 + 0.02 * k, rng.range(3500, 6000), 0.18, 0.06);
    Biquad lp = Biquad::lowpass(7000);
    lp.run(m);
    return m;
}

// Colours changing: a quick rising shimmer of bells.
Mono colourChange() {
    Rng rng(304);
    Mono m = blank(1.1);
    const double notes[7] = {72, 76, 79, 84, 88, 91, 96};
    for (int k = 0; k < 7; ++k) {
        const double hz = midiHz(notes[k]);
        partial(m, 0.035 * k, hz, 0.5, 0.25);
        partial(m, 0.035 * k, hz * 3.5, 0.08, 0.06);
    }
    noise(m, 0, 0.6, Biquad::bandpass(7000, 2), [](double t) { return std::sin(kPi * t / 0.6) * 0.6; }, rng, 0.3);
    return m;
}

// --- the shooting gallery ----------------------------------------------------

// A fairground rifle: sharp crack, short punch, no long tail so it can repeat fast.
Mono gunShot() {
    Rng rng(305);
    Mono m = blank(0.3);
    noise(m, 0, 0.25, Biquad::highpass(1200), [](double t) { return std::exp(-t / 0.025); }, rng, 1.0);
    noise(m, 0, 0.25, Biquad::lowpass(900), [](double t) { return std::exp(-t / 0.05); }, rng, 1.2);
    glide(m, 0, 0.15, 180, 55, 0.05, 0.9, 0.001, 0.1);
    for (float& s : m) s = std::tanh(1.5f * s);
    return m;
}

Mono reload() {
    Rng rng(306);
    Mono m = blank(0.5);
    auto clack = [&](double at, double hz, double amp) {
        noise(m, at, 0.03, Biquad::bandpass(hz, 3), [](double t) { return std::exp(-t / 0.006); }, rng, amp * 2.5);
        partial(m, at, hz * 0.8, amp * 0.4, 0.015);
        partial(m, at, hz * 1.9, amp * 0.2, 0.01);
    };
    clack(0.0, 2400, 0.7);
    noise(m, 0.03, 0.14, Biquad::bandpass(3200, 1.5), [](double t) { return 0.25 * std::sin(kPi * t / 0.14); }, rng);
    clack(0.19, 1700, 1.0);
    clack(0.215, 3100, 0.5);
    return m;
}

// Glass (a balloon hit in the gallery): a crack, then bright shards tinkling down.
Mono glass() {
    Rng rng(307);
    Mono m = blank(0.9);
    noise(m, 0, 0.05, Biquad::highpass(2500), [](double t) { return std::exp(-t / 0.012); }, rng, 1.0);
    for (int k = 0; k < 28; ++k) {
        const double at = 0.003 + rng.uniform() * rng.uniform() * 0.5;
        const double hz = rng.range(2800, 9000);
        partial(m, at, hz, rng.range(0.08, 0.3) * (1 - at), rng.range(0.02, 0.09));
    }
    return m;
}

Mono bottle(double hz, uint64_t seed, int taps) {
    Rng rng(seed);
    Mono m = blank(0.6 + 0.12 * taps);
    for (int t = 0; t < taps; ++t) {
        const double at = 0.12 * t;
        const double a = t ? 0.6 : 1.0;
        partial(m, at, hz, 0.6 * a, 0.22);
        partial(m, at, hz * 2.32, 0.3 * a, 0.08);
        partial(m, at, hz * 4.25, 0.12 * a, 0.03);
        noise(m, at, 0.006, Biquad::highpass(4000), [](double) { return 1.0; }, rng, 0.25 * a);
    }
    return m;
}

// --- the interface -----------------------------------------------------------

// Clock: a soft tick and tock in one second, to be repeated while time runs.
Mono clockTick() {
    Rng rng(308);
    Mono m = blank(1.0);
    auto tick = [&](double at, double hz, double amp) {
        noise(m, at, 0.015, Biquad::bandpass(hz, 4), [](double t) { return std::exp(-t / 0.003); }, rng, amp * 2);
        partial(m, at, hz, amp * 0.5, 0.008);
        partial(m, at, hz * 0.5, amp * 0.2, 0.012);
    };
    tick(0.0, 2600, 1.0);
    tick(0.5, 1900, 0.8);
    return m;
}

Mono click() {
    Rng rng(309);
    Mono m = blank(0.06);
    noise(m, 0, 0.01, Biquad::bandpass(3500, 1.5), [](double t) { return std::exp(-t / 0.002); }, rng, 1.0);
    partial(m, 0, 1500, 0.5, 0.008);
    return m;
}

Mono pageTurn() {
    Rng rng(310);
    Mono m = blank(0.55);
    Rng crinkle(311);
    double grain = 1;
    Biquad bp = Biquad::bandpass(2500, 0.7);
    const size_t n = frames(0.5);
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        if (i % 220 == 0) grain = crinkle.range(0.4, 1.0);
        if ((i & 63) == 0) bp = Biquad::bandpass(1800 + 2500 * std::sin(kPi * t / 0.5), 0.7);
        const double env = std::pow(std::sin(kPi * std::min(1.0, t / 0.5)), 1.5) * (t < 0.32 ? 1.0 : 1.0 + 2.0 * std::exp(-(t - 0.32) / 0.02));
        m[i] += float(env * grain * bp.process(rng.bipolar()));
    }
    return m;
}

Mono alarm() {
    Mono m = blank(1.6);
    for (int k = 0; k < 3; ++k) {
        glide(m, 0.5 * k, 0.22, 880, 880, 1, 0.5, 0.005, 0.02, 3);
        glide(m, 0.5 * k + 0.24, 0.22, 660, 660, 1, 0.5, 0.005, 0.02, 3);
    }
    Biquad lp = Biquad::lowpass(3000);
    lp.run(m);
    return m;
}

Mono blip() {
    Mono m = blank(0.1);
    glide(m, 0, 0.07, 1200, 1500, 0.02, 0.8, 0.003, 0.04);
    return m;
}

Mono pop() {
    Rng rng(312);
    Mono m = blank(0.15);
    glide(m, 0, 0.08, 900, 280, 0.05, 0.9, 0.001, 0.05);
    noise(m, 0, 0.006, Biquad::bandpass(2000, 1), [](double) { return 1.0; }, rng, 0.4);
    return m;
}

Mono flip() {
    Rng rng(313);
    Mono m = blank(0.15);
    Biquad bp = Biquad::bandpass(1000, 2);
    const size_t n = frames(0.1);
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        if ((i & 15) == 0) bp = Biquad::bandpass(1000 * std::pow(4.0, t / 0.1), 2);
        m[i] += float(std::sin(kPi * t / 0.1) * bp.process(rng.bipolar()) * 2.0);
    }
    partial(m, 0.09, 2200, 0.25, 0.01);
    return m;
}

// A piece in its right place: two bell notes up a fifth.
Mono okChime() {
    Mono m = blank(0.9);
    partial(m, 0, midiHz(88), 0.6, 0.25);
    partial(m, 0, midiHz(88) * 2.76, 0.1, 0.05);
    partial(m, 0.09, midiHz(95), 0.7, 0.35);
    partial(m, 0.09, midiHz(95) * 2.76, 0.1, 0.06);
    return m;
}

// The level lost: a sad slide down on a soft horn.
Stereo lost() {
    Rng rng(314);
    Mono m = blank(2.6);
    const double notes[4] = {67, 66, 65, 64};
    const double lens[4] = {0.32, 0.32, 0.32, 1.2};
    double at = 0;
    for (int k = 0; k < 4; ++k) {
        Mono n = renderNote(Instrument::Brass, midiHz(notes[k] - 12), lens[k], 0.6f, rng);
        for (size_t i = 0; i < n.size() && frames(at) + i < m.size(); ++i) m[frames(at) + i] += n[i];
        at += lens[k] + 0.04;
    }
    Biquad lp = Biquad::lowpass(2200);
    lp.run(m);
    return roomy(m, 0.8, 0.6, 0.8);
}

// The level won: a bright rising fanfare with a glittering final chord.
Stereo winJingle() {
    Rng rng(315);
    Mono m = blank(2.6);
    const double notes[4] = {60, 64, 67, 72};
    for (int k = 0; k < 4; ++k) {
        const double at = 0.11 * k;
        const double hold = k == 3 ? 1.1 : 0.1;
        Mono b = renderNote(Instrument::Brass, midiHz(notes[k]), hold, 0.85f, rng);
        Mono g = renderNote(Instrument::Glock, midiHz(notes[k] + 24), 0.1, 0.8f, rng);
        for (size_t i = 0; i < b.size() && frames(at) + i < m.size(); ++i) m[frames(at) + i] += b[i] * 0.8f;
        for (size_t i = 0; i < g.size() && frames(at) + i < m.size(); ++i) m[frames(at) + i] += g[i] * 0.6f;
    }
    for (double n : {64.0, 67.0}) {
        Mono b = renderNote(Instrument::Brass, midiHz(n), 1.1, 0.7f, rng);
        for (size_t i = 0; i < b.size() && frames(0.33) + i < m.size(); ++i) m[frames(0.33) + i] += b[i] * 0.5f;
    }
    for (int k = 0; k < 10; ++k) partial(m, 0.4 + 0.06 * k, midiHz(84 + (k % 3) * 4 + 12 * (k % 2)), 0.12, 0.3);
    return roomy(m, 0.82, 0.5, 0.6);
}

Stereo applause() {
    Rng rng(316);
    const double len = 3.2;
    Stereo s(frames(len + 0.3));
    // Each clap: a short band of noise; the crowd thickens and then thins out.
    for (int k = 0; k < 900; ++k) {
        const double at = rng.uniform() * len;
        const double density = std::min(1.0, at / 0.25) * (at < 1.8 ? 1.0 : std::exp(-(at - 1.8) / 0.5));
        if (rng.uniform() > density) continue;
        Mono c = blank(0.04);
        noise(c, 0, 0.04, Biquad::bandpass(rng.range(900, 2600), rng.range(1.0, 2.5)),
              [](double t) { return std::exp(-t / 0.008); }, rng, rng.range(0.4, 1.0));
        s.add(c, frames(at), 1.0f, rng.bipolar() * 0.8f);
    }
    Stereo out = s;
    reverb(s, out, 0.75, 0.4, 0.8);
    return out;
}

// "Go!": a laser-like zap falling away, over a whoosh.
Mono startWhoosh() {
    Rng rng(317);
    Mono m = blank(0.8);
    double phase = 0;
    const size_t n = frames(0.6);
    for (size_t i = 0; i < n; ++i) {
        const double t = seconds(i);
        const double f = 300 + 2200 * std::exp(-t / 0.16) + 30 * std::sin(kTwoPi * 28 * t);
        phase += f / kRate;
        const double env = std::min(1.0, t / 0.01) * std::exp(-t / 0.25);
        m[i] += float(0.6 * env * (std::sin(kTwoPi * phase) + 0.3 * std::sin(2 * kTwoPi * phase)));
    }
    Biquad bp = Biquad::bandpass(1500, 0.8);
    for (size_t i = 0; i < frames(0.7); ++i) {
        const double t = seconds(i);
        if ((i & 31) == 0) bp = Biquad::bandpass(4000 * std::exp(-t / 0.3) + 300, 0.8);
        m[i] += float(0.5 * std::sin(kPi * std::min(1.0, t / 0.7)) * bp.process(rng.bipolar()));
    }
    return m;
}

// The war horn: a long low call rising a fifth, out in the open.
Stereo warHorn() {
    Rng rng(318);
    Mono m = blank(3.0);
    const Mono a = renderNote(Instrument::Brass, midiHz(43), 0.75, 0.75f, rng);
    const Mono b = renderNote(Instrument::Brass, midiHz(50), 1.6, 0.9f, rng);
    const Mono c = renderNote(Instrument::Brass, midiHz(38), 2.3, 0.6f, rng);
    for (size_t i = 0; i < a.size() && i < m.size(); ++i) m[i] += a[i];
    for (size_t i = 0; i < b.size() && frames(0.8) + i < m.size(); ++i) m[frames(0.8) + i] += b[i];
    for (size_t i = 0; i < c.size() && i < m.size(); ++i) m[i] += 0.5f * c[i];
    Biquad lp = Biquad::lowpass(1800);
    lp.run(m);
    return roomy(m, 0.86, 0.7, 0.5);
}

struct Effect {
    const char* file;
    std::function<Mono()> mono;
    std::function<Stereo()> stereo;
    float level;  // peak
};

}  // namespace

bool generateSounds(const std::string& out) {
    const std::string sfx = out + "/sfx";
    if (!makeDirs(sfx)) {
        std::fprintf(stderr, "contentgen: cannot create %s\n", sfx.c_str());
        return false;
    }
    // The removal pop "usun1" plays at a third of the effect volume, so it is
    // made at full level; its twin "usun2" plays at the volume itself and is
    // made quieter to match.
    const std::vector<Effect> effects = {
        {"usuniecie.wav", [] { return removal(101, 1.0); }, nullptr, 0.9f},
        {"usuniecie1.wav", [] { return removal(102, 0.84); }, nullptr, 0.32f},
        {"monety1.wav", [] { return coins(1, 0, 201); }, nullptr, 0.6f},
        {"monety2.wav", [] { return coins(2, 0.09, 202); }, nullptr, 0.6f},
        {"monety3.wav", [] { return coins(5, 0.3, 203); }, nullptr, 0.6f},
        {"monety4.wav", [] { return coins(14, 0.8, 204); }, nullptr, 0.6f},
        {"otwieranie.wav", gateOpen, nullptr, 0.6f},
        {"bomb.wav", bomb, nullptr, 0.8f},
        {"erase.wav", erase, nullptr, 0.6f},
        {"zmiana.wav", colourChange, nullptr, 0.55f},
        {"smg.wav", gunShot, nullptr, 0.7f},
        {"przeladuj.wav", reload, nullptr, 0.6f},
        {"desert2.wav", glass, nullptr, 0.6f},
        {"clock1.wav", clockTick, nullptr, 0.35f},
        {"click.wav", click, nullptr, 0.45f},
        {"page_turn_1.wav", pageTurn, nullptr, 0.5f},
        {"lost.wav", nullptr, lost, 0.6f},
        {"smokin.wav", nullptr, winJingle, 0.65f},
        {"pop.wav", pop, nullptr, 0.55f},
        {"flip.wav", flip, nullptr, 0.45f},
        {"ok.wav", okChime, nullptr, 0.5f},
        {"butelka1.wav", [] { return bottle(1150, 401, 1); }, nullptr, 0.55f},
        {"butelka2.wav", [] { return bottle(880, 402, 2); }, nullptr, 0.55f},
        {"blip.wav", blip, nullptr, 0.4f},
        {"oklaski.wav", nullptr, applause, 0.6f},
        {"peeeow.wav", startWhoosh, nullptr, 0.6f},
    };
    for (const Effect& e : effects) {
        const std::string path = sfx + "/" + e.file;
        const bool ok = e.mono ? writeWav(path, finish(e.mono(), e.level))
                               : writeWav(path, finishStereo(e.stereo(), e.level));
        if (!ok) return false;
    }
    // Two effects are OGG files.
    if (!writeOgg(sfx + "/alarm.ogg", finish(alarm(), 0.3f), 0.4f, 2001)) return false;
    if (!writeOgg(sfx + "/war.ogg", finishStereo(warHorn(), 0.6f), 0.4f, 2002)) return false;
    return music::writeMusic(sfx + "/music");
}
