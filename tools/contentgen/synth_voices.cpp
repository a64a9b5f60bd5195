#include "synth_voices.h"

#include <algorithm>

namespace synth {

namespace {

// Soft saturation that keeps small signals unchanged.
inline float soft(float x, float drive) { return softClip(x * drive) / softClip(drive); }

// A decaying sine partial by recursion: two multiplies a sample.
void addPartial(Mono& out, double hz, double amp, double tau, size_t attackN = 40) {
    if (hz >= kRate * 0.45) return;
    const double w = kTwoPi * hz / kRate;
    const double r = std::exp(-1.0 / (tau * kRate));
    const double c = 2 * r * std::cos(w);
    // Seeded with the two samples before the start so that
    // y[n] = amp * r^n * sin(w n) from n = 0.
    double y1 = amp * std::sin(-w) / r;
    double y2 = amp * std::sin(-2 * w) / (r * r);
    // y[n] = amp * r^n * sin(w n)
    const double rr = r * r;
    const size_t n = std::min(out.size(), frames(tau * 8));
    for (size_t i = 0; i < n; ++i) {
        const double y = c * y1 - rr * y2;
        y2 = y1;
        y1 = y;
        const double a = i < attackN ? double(i) / double(attackN) : 1.0;
        out[i] += float(y * a);
    }
}

Mono epiano(double hz, double hold, float vel) {
    const double decayTau = 1.3 * std::pow(261.6 / hz, 0.35);
    const double release = 0.18;
    const size_t n = frames(std::min(hold + release * 5, hold + decayTau * 5));
    Mono out(n);
    const double tineHz = hz * 14.0;
    const double index0 = 0.9 + 1.6 * vel;
    Envelope amp(0.002, decayTau, 0.0, hold, release);
    Decay index(0.28, index0), tine(0.012, 0.12 * vel);
    const double inc = hz / kRate, inc2 = inc * 1.0012, incT = tineHz / kRate;
    double ph = 0, ph2 = 0, phT = 0;
    for (size_t i = 0; i < n; ++i) {
        const double idx = index.next() + 0.25;
        // A second, slightly detuned plain body gives the gentle chorus of a real one.
        double y = 0.75 * fsin(ph + idx / kTwoPi * fsin(ph)) + 0.25 * fsin(ph2);
        const double tv = tine.next();
        if (tineHz < 16000 && tv > 1e-5) y += tv * fsin(phT);
        out[i] = float(amp.next() * y * 0.5);
        ph += inc; if (ph >= 1) ph -= 1;
        ph2 += inc2; if (ph2 >= 1) ph2 -= 1;
        phT += incT; if (phT >= 1) phT -= 1;
    }
    return out;
}

Mono bell(double hz, double hold, float vel) {
    const double tau = 1.4 * std::pow(523.0 / hz, 0.4);
    // Under the next notes and the room the far tail is inaudible: stop at 2 s.
    const size_t n = frames(std::max(hold, 0.1) + std::min(tau * 3, 2.0));
    Mono out(n);
    Decay body(tau), index(0.35, 0.6 + 1.2 * vel), second(tau * 0.4, 0.18);
    const size_t holdN = frames(hold);
    Decay off(tau * 0.8);
    const double inc = hz / kRate;
    double ph = 0, phm = 0, ph2 = 0;
    const size_t attackN = frames(0.0015);
    for (size_t i = 0; i < n; ++i) {
        double y = fsin(ph + index.next() / kTwoPi * fsin(phm)) + second.next() * fsin(ph2);
        const double att = i < attackN ? double(i) / attackN : 1.0;
        const double o = i > holdN ? off.next() : 1.0;
        out[i] = float(att * o * body.next() * y * 0.45);
        ph += inc; if (ph >= 1) ph -= 1;
        phm += inc * 3.5; if (phm >= 1) phm -= 1;
        ph2 += inc * 2; if (ph2 >= 1) ph2 -= 1;
    }
    fadeEdges(out, 0, 0.3);
    return out;
}

Mono glock(double hz, double hold, float vel, Rng& rng) {
    static const double ratio[3] = {1.0, 2.756, 5.404};
    static const double amp[3] = {1.0, 0.3, 0.1};
    static const double tau[3] = {1.3, 0.3, 0.1};
    const size_t n = frames(std::max(hold, 0.1) + 2.2);
    Mono out(n);
    for (int p = 0; p < 3; ++p) addPartial(out, hz * ratio[p], amp[p], tau[p], 30);
    fadeEdges(out, 0, 0.3);
    OnePole lp(6000);
    for (size_t i = 0; i < frames(0.003) && i < n; ++i) out[i] += 0.2f * vel * lp.lowpass(rng.bipolar());
    for (float& v : out) v *= 0.35f;
    return out;
}

Mono marimba(double hz, double hold, float vel, Rng& rng) {
    static const double ratio[3] = {1.0, 3.93, 9.2};
    static const double amp[3] = {1.0, 0.22, 0.05};
    const double tau0 = 0.5 * std::pow(440.0 / hz, 0.35);
    const double tau[3] = {tau0, 0.07, 0.02};
    const size_t n = frames(std::max(hold * 0.3, 0.05) + tau0 * 5);
    Mono out(n);
    for (int p = 0; p < 3; ++p) addPartial(out, hz * ratio[p], amp[p] * (p ? 0.5 + vel : 1.0), tau[p], 40);
    OnePole lp(2500);
    const size_t click = frames(0.004);
    for (size_t i = 0; i < click && i < n; ++i)
        out[i] += 0.25f * vel * lp.lowpass(rng.bipolar()) * (1.0f - float(i) / click);
    for (float& v : out) v *= 0.45f;
    return out;
}

Mono plucked(double hz, double hold, float vel, double t60, double brightness, Rng& rng) {
    const double period = kRate / hz - 0.5;  // the averaging adds half a sample
    const size_t len = size_t(period) + 2;
    const double frac = period - std::floor(period);
    const size_t n = frames(std::max(hold, 0.05) + 0.25 + std::min(t60, hold + 0.3));
    std::vector<float> line(len, 0.0f);
    OnePole init(200 + brightness * 7000 * (0.5 + 0.5 * vel));
    // Excite with shaped noise, then let the string ring.
    for (size_t i = 0; i < len; ++i) line[i] = init.lowpass(rng.bipolar());
    float mean = 0;
    for (float v : line) mean += v;
    mean /= float(len);
    for (float& v : line) v -= mean;
    const double g = std::pow(0.001, 1.0 / (t60 * hz));
    Mono out(n);
    size_t w = 0;
    float prev = 0;
    const size_t ip = size_t(period);
    const size_t holdN = frames(hold);
    Decay release(0.12);
    for (size_t i = 0; i < n; ++i) {
        // Read `period` samples back, interpolated.
        const size_t r0 = (w + len - ip) % len;
        const size_t r1 = (w + len - ip - 1) % len;
        const float delayed = float((1 - frac) * line[r0] + frac * line[r1]);
        const float y = float(g * 0.5 * (delayed + prev));
        prev = delayed;
        const float damp = i > holdN ? float(release.next()) : 1.0f;
        line[w] = y;
        w = (w + 1) % len;
        out[i] = y * damp;
    }
    for (size_t i = 0; i < n; ++i) out[i] *= 0.6f * std::min(1.0f, float(i) / 20.0f);
    // Fade the last bit so a cut note ends at silence.
    fadeEdges(out, 0, 0.02);
    return out;
}

Mono pad(double hz, double hold, float vel, Rng& rng, bool strings) {
    const int voices = strings ? 4 : 3;
    const double release = strings ? 0.35 : 0.9;
    const double attack = strings ? 0.14 : 0.5;
    const size_t n = frames(hold + release * 3);
    Mono out(n);
    std::vector<double> phase(static_cast<size_t>(voices)), detune(static_cast<size_t>(voices));
    for (int v = 0; v < voices; ++v) {
        phase[size_t(v)] = rng.uniform();
        const double cents = (double(v) / (voices - 1) - 0.5) * (strings ? 22 : 16);
        detune[size_t(v)] = std::pow(2.0, cents / 1200.0);
    }
    const double cutoff = std::min(strings ? 3800.0 : 2400.0, hz * (strings ? 7 : 5));
    Biquad lp = Biquad::lowpass(cutoff, 0.6);
    Biquad hp = Biquad::highpass(strings ? 140 : 90);
    const double lfoPhase = rng.uniform();
    Envelope amp(attack, 1.2, 0.8, hold, release);
    const double level = 0.35 + 0.3 * vel;
    const size_t vibStart = frames(0.25), vibRamp = frames(0.4);
    for (size_t i = 0; i < n; ++i) {
        double vib = 1.0;
        if (strings && i > vibStart) {
            const double depth = 0.0028 * std::min(1.0, double(i - vibStart) / vibRamp);
            vib += depth * fsin(5.3 * seconds(i) + lfoPhase);
        }
        if (!strings && (i & 63) == 0)  // a slow breath in the brightness
            lp.setLowpass(cutoff * (1 + 0.25 * fsin(0.23 * seconds(i) + lfoPhase)), 0.6);
        double y = 0;
        for (int v = 0; v < voices; ++v) {
            const double inc = hz * detune[size_t(v)] * vib / kRate;
            double& p = phase[size_t(v)];
            y += sawBL(p, inc);
            p += inc;
            if (p >= 1) p -= 1;
        }
        y /= voices;
        out[i] = float(hp.process(lp.process(float(y))) * amp.next() * level);
    }
    return out;
}

Mono bass(double hz, double hold, float vel) {
    const size_t n = frames(hold + 0.3);
    Mono out(n);
    Envelope amp(0.004, 0.5, 0.55, hold, 0.05);
    Decay h2(0.4, 0.28), h3(0.15, 0.1), finger(0.012, 0.2);
    const double inc = hz / kRate;
    double ph = 0;
    const float level = 0.5f + 0.5f * vel;
    for (size_t i = 0; i < n; ++i) {
        const double y = fsin(ph) + h2.next() * fsin(2 * ph) + h3.next() * fsin(3 * ph) + finger.next() * fsin(4 * ph);
        out[i] = soft(float(y * amp.next()) * level, 1.4f) * 0.4f;
        ph += inc;
        if (ph >= 1) ph -= 1;
    }
    return out;
}

Mono synthBass(double hz, double hold, float vel, Rng& rng) {
    const size_t n = frames(hold + 0.25);
    Mono out(n);
    double p1 = rng.uniform(), p2 = rng.uniform(), p3 = 0;
    Biquad lp = Biquad::lowpass(hz * 4, 1.1);
    Envelope amp(0.003, 0.3, 0.7, hold, 0.04);
    Decay sweep(0.11, hz * (6 + 6 * vel));
    const double i1 = hz / kRate, i2 = hz * 1.004 / kRate;
    for (size_t i = 0; i < n; ++i) {
        const double sv = sweep.next();
        if ((i & 15) == 0) lp.setLowpass(hz * 1.5 + sv, 1.1);
        double y = 0.6 * sawBL(p1, i1) + 0.4 * sawBL(p2, i2) + 0.5 * fsin(p3);  // a solid bottom under the saws
        p1 += i1; if (p1 >= 1) p1 -= 1;
        p2 += i2; if (p2 >= 1) p2 -= 1;
        p3 += i1; if (p3 >= 1) p3 -= 1;
        out[i] = float(lp.process(float(y)) * amp.next() * 0.42);
    }
    return out;
}

Mono flute(double hz, double hold, float vel, Rng& rng) {
    const size_t n = frames(hold + 0.4);
    Mono out(n);
    Biquad breath = Biquad::bandpass(std::min(hz * 2.0, 9000.0), 1.5);
    double phase = 0;
    const double vibPhase = rng.uniform();
    Envelope amp(0.045, 0.5, 0.85, hold, 0.09);
    Decay chiff(0.02, 1.0);
    const double level = 0.3 + 0.15 * vel;
    const size_t vibStart = frames(0.22), vibRamp = frames(0.35);
    for (size_t i = 0; i < n; ++i) {
        const double depth = i > vibStart ? 0.005 * std::min(1.0, double(i - vibStart) / vibRamp) : 0.0;
        const double f = hz * (1 + depth * fsin(5.0 * seconds(i) + vibPhase));
        phase += f / kRate;
        if (phase >= 1) phase -= 1;
        double y = fsin(phase) + 0.16 * fsin(2 * phase) + 0.05 * fsin(3 * phase);
        y += breath.process(rng.bipolar()) * (0.35 + chiff.next());
        out[i] = float(y * amp.next() * level);
    }
    return out;
}

Mono chipLead(double hz, double hold, float vel) {
    const size_t n = frames(hold + 0.3);
    Mono out(n);
    double p1 = 0, p2 = 0.3;
    Biquad lp = Biquad::lowpass(4200, 0.7);
    Envelope amp(0.004, 0.25, 0.65, hold, 0.05);
    const double level = 0.16 + 0.08 * vel;
    const size_t vibStart = frames(0.15), vibRamp = frames(0.2);
    for (size_t i = 0; i < n; ++i) {
        const double depth = i > vibStart ? 0.004 * std::min(1.0, double(i - vibStart) / vibRamp) : 0.0;
        const double vib = 1 + depth * fsin(5.5 * seconds(i));
        const double i1 = hz * vib / kRate, i2 = i1 * 1.003;
        const double y = 0.65 * squareBL(p1, i1, 0.25) + 0.35 * squareBL(p2, i2, 0.5);
        p1 += i1; if (p1 >= 1) p1 -= 1;
        p2 += i2; if (p2 >= 1) p2 -= 1;
        out[i] = float(lp.process(float(y)) * amp.next() * level);
    }
    return out;
}

Mono brass(double hz, double hold, float vel, Rng& rng) {
    const size_t n = frames(hold + 0.5);
    Mono out(n);
    double p1 = rng.uniform(), p2 = rng.uniform(), p3 = rng.uniform();
    Biquad lp = Biquad::lowpass(hz * 2, 0.9);
    Envelope amp(0.035, 0.6, 0.85, hold, 0.1);
    const size_t vibStart = frames(0.3), vibRamp = frames(0.3), holdN = frames(hold);
    for (size_t i = 0; i < n; ++i) {
        const double depth = i > vibStart ? 0.003 * std::min(1.0, double(i - vibStart) / vibRamp) : 0.0;
        const double vib = 1 + depth * fsin(5.2 * seconds(i));
        const double i1 = hz * vib / kRate, i2 = i1 * 1.0035, i3 = i1 * 0.9968;
        const double y = (sawBL(p1, i1) + sawBL(p2, i2) + sawBL(p3, i3)) / 3;
        p1 += i1; if (p1 >= 1) p1 -= 1;
        p2 += i2; if (p2 >= 1) p2 -= 1;
        p3 += i3; if (p3 >= 1) p3 -= 1;
        if ((i & 15) == 0) {
            // The "blat" of a brass attack: the tone opens up, then settles.
            const double t = seconds(i);
            const double open = (1 - std::exp(-t / 0.04)) * (0.65 + 0.35 * std::exp(-t / 0.3));
            const double off = i > holdN ? std::exp(-(t - hold) / 0.08) : 1.0;
            lp.setLowpass(hz * (1.2 + (3.5 + 3 * vel) * open * off), 0.9);
        }
        out[i] = float(lp.process(float(y)) * amp.next() * 0.55);
    }
    return out;
}

Mono organ(double hz, double hold, float vel) {
    static const double ratio[4] = {1, 2, 3, 4};
    static const double amp[4] = {1, 0.45, 0.22, 0.15};
    const size_t n = frames(hold + 0.3);
    Mono out(n);
    Envelope env(0.012, 1.0, 1.0, hold, 0.06);
    const double inc = hz / kRate;
    double ph = 0;
    for (size_t i = 0; i < n; ++i) {
        double y = 0;
        for (int k = 0; k < 4; ++k)
            if (hz * ratio[k] < 15000) y += amp[k] * fsin(ph * ratio[k]);
        const double trem = 1 + 0.08 * fsin(5.8 * seconds(i));
        out[i] = float(y * env.next() * trem * (0.15 + 0.05 * vel));
        ph += inc;
        if (ph >= 1) ph -= 1;
    }
    return out;
}

}  // namespace

Mono noiseBurst(double secs, Rng& rng) {
    Mono m(frames(secs));
    for (float& s : m) s = rng.bipolar();
    return m;
}

Mono renderNote(Instrument inst, double hz, double hold, float vel, Rng& rng) {
    switch (inst) {
    case Instrument::EPiano: return epiano(hz, hold, vel);
    case Instrument::Bell: return bell(hz, hold, vel);
    case Instrument::Glock: return glock(hz, hold, vel, rng);
    case Instrument::Marimba: return marimba(hz, hold, vel, rng);
    case Instrument::Pluck: return plucked(hz, hold, vel, 2.6 * std::pow(196.0 / hz, 0.3), 0.6, rng);
    case Instrument::Pizzicato: return plucked(hz, std::min(hold, 0.25), vel, 0.45, 0.35, rng);
    case Instrument::Pad: return pad(hz, hold, vel, rng, false);
    case Instrument::Strings: return pad(hz, hold, vel, rng, true);
    case Instrument::Bass: return bass(hz, hold, vel);
    case Instrument::SynthBass: return synthBass(hz, hold, vel, rng);
    case Instrument::Flute: return flute(hz, hold, vel, rng);
    case Instrument::ChipLead: return chipLead(hz, hold, vel);
    case Instrument::Brass: return brass(hz, hold, vel, rng);
    case Instrument::Organ: return organ(hz, hold, vel);
    }
    return {};
}

// ---------------------------------------------------------------------------

namespace {

// A sine whose frequency glides from `from` to `to` with time constant `tau`.
void sweepTone(Mono& out, double from, double to, double tau, double ampTau, float gain) {
    double phase = 0;
    Decay glideDecay(tau, from - to), amp(ampTau);
    for (size_t i = 0; i < out.size(); ++i) {
        phase += (to + glideDecay.next()) / kRate;
        out[i] += gain * float(fsin(phase) * amp.next());
    }
}

}  // namespace

Mono renderDrum(Drum drum, float vel, Rng& rng) {
    Mono out;
    switch (drum) {
    case Drum::Kick: {
        out.assign(frames(0.55), 0.0f);
        sweepTone(out, 140, 47, 0.032, 0.3, 1.0f);
        OnePole lp(3500);
        for (size_t i = 0; i < frames(0.006); ++i) out[i] += 0.35f * lp.lowpass(rng.bipolar()) * (1 - float(i) / frames(0.006));
        for (float& s : out) s = soft(s, 1.3f);
        break;
    }
    case Drum::Snare: {
        out.assign(frames(0.4), 0.0f);
        sweepTone(out, 240, 185, 0.02, 0.06, 0.55f);
        sweepTone(out, 340, 330, 0.02, 0.035, 0.2f);
        Biquad hp = Biquad::highpass(1400), lp = Biquad::lowpass(9000);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] += 0.7f * lp.process(hp.process(rng.bipolar())) * expDecay(seconds(i), 0.12);
        break;
    }
    case Drum::Clap: {
        out.assign(frames(0.45), 0.0f);
        Biquad bp = Biquad::bandpass(1150, 1.1);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(i);
            double env = 0;
            for (double at : {0.0, 0.011, 0.023}) if (t >= at) env = std::max(env, std::exp(-(t - at) / 0.005));
            if (t >= 0.03) env = std::max(env, 0.75 * std::exp(-(t - 0.03) / 0.11));
            out[i] = float(bp.process(rng.bipolar()) * env * 2.2);
        }
        break;
    }
    case Drum::HatClosed:
    case Drum::HatOpen: {
        const double tau = drum == Drum::HatClosed ? 0.03 : 0.22;
        out.assign(frames(tau * 6), 0.0f);
        Biquad hp = Biquad::highpass(7200, 0.8), hp2 = Biquad::highpass(6000);
        // Metallic tone from detuned squares under the noise.
        static const double metal[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        double ph[6] = {0, 0, 0, 0, 0, 0};
        for (size_t i = 0; i < out.size(); ++i) {
            double m = 0;
            for (int k = 0; k < 6; ++k) {
                ph[k] += metal[k] * 1.7 / kRate;
                if (ph[k] >= 1) ph[k] -= 1;
                m += ph[k] < 0.5 ? 1 : -1;
            }
            const float x = float(0.6 * rng.bipolar() + 0.08 * m);
            out[i] = hp2.process(hp.process(x)) * expDecay(seconds(i), tau) * 0.9f;
        }
        break;
    }
    case Drum::Shaker: {
        out.assign(frames(0.16), 0.0f);
        Biquad bp = Biquad::bandpass(5800, 1.4);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(i);
            const double env = std::min(1.0, t / 0.012) * std::exp(-std::max(0.0, t - 0.012) / 0.045);
            out[i] = float(bp.process(rng.bipolar()) * env * 1.3);
        }
        break;
    }
    case Drum::Rim: {
        out.assign(frames(0.08), 0.0f);
        sweepTone(out, 1750, 1700, 0.01, 0.008, 0.7f);
        Biquad hp = Biquad::highpass(2500);
        for (size_t i = 0; i < frames(0.004); ++i) out[i] += 0.5f * hp.process(rng.bipolar());
        break;
    }
    case Drum::WoodBlock: {
        out.assign(frames(0.15), 0.0f);
        sweepTone(out, 980, 920, 0.01, 0.03, 0.8f);
        sweepTone(out, 2050, 2000, 0.01, 0.012, 0.25f);
        break;
    }
    case Drum::TomLow:
    case Drum::TomHigh: {
        const bool low = drum == Drum::TomLow;
        out.assign(frames(0.6), 0.0f);
        sweepTone(out, low ? 150 : 230, low ? 95 : 150, 0.06, 0.22, 0.9f);
        OnePole lp(2000);
        for (size_t i = 0; i < frames(0.01); ++i) out[i] += 0.2f * lp.lowpass(rng.bipolar());
        break;
    }
    case Drum::Tambourine: {
        out.assign(frames(0.35), 0.0f);
        Biquad hp = Biquad::highpass(5500);
        static const double jingle[4] = {5200, 6300, 7400, 9100};
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(i);
            double j = 0;
            for (double f : jingle) j += std::sin(kTwoPi * f * t);
            out[i] = float((0.6 * hp.process(rng.bipolar()) + 0.08 * j) * std::exp(-t / 0.09));
        }
        break;
    }
    case Drum::Crash: {
        out.assign(frames(2.6), 0.0f);
        Biquad hp = Biquad::highpass(3800), pk = Biquad::peak(6500, 1.0, 6);
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(i);
            out[i] = pk.process(hp.process(rng.bipolar())) * float(std::exp(-t / 0.75) * 0.55);
        }
        break;
    }
    case Drum::Triangle: {
        out.assign(frames(1.6), 0.0f);
        for (double r : {1.0, 2.71, 4.53}) {
            for (size_t i = 0; i < out.size(); ++i) {
                const double t = seconds(i);
                out[i] += float(std::sin(kTwoPi * 2650 * r * t) * std::exp(-t / (0.55 / r)) * 0.25 / r);
            }
        }
        break;
    }
    case Drum::Conga: {
        out.assign(frames(0.4), 0.0f);
        sweepTone(out, 260, 215, 0.02, 0.16, 0.9f);
        Biquad bp = Biquad::bandpass(1800, 1.0);
        for (size_t i = 0; i < frames(0.01); ++i) out[i] += 0.4f * bp.process(rng.bipolar());
        break;
    }
    }
    // Balance the kit against itself: the kick carries the most energy for
    // the loudness it has, the hats and shakers the least.
    float level = 1.0f;
    switch (drum) {
    case Drum::Kick: level = 0.6f; break;
    case Drum::Snare: level = 1.8f; break;
    case Drum::Clap: level = 1.6f; break;
    case Drum::HatClosed: case Drum::HatOpen: level = 3.0f; break;
    case Drum::Shaker: level = 2.5f; break;
    case Drum::Rim: level = 1.5f; break;
    case Drum::Tambourine: level = 2.0f; break;
    case Drum::WoodBlock: level = 1.3f; break;
    default: break;
    }
    for (float& s : out) s *= vel * level;
    return out;
}

}  // namespace synth
