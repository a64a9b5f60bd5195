#include "music.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <tuple>

namespace music {

using namespace synth;

namespace {

const int kScales[6][7] = {
    {0, 2, 4, 5, 7, 9, 11},  // major
    {0, 2, 3, 5, 7, 8, 10},  // natural minor
    {0, 2, 3, 5, 7, 9, 10},  // dorian
    {0, 2, 4, 5, 7, 9, 10},  // mixolydian
    {0, 2, 3, 5, 7, 8, 11},  // harmonic minor
    {0, 2, 4, 6, 7, 9, 11},  // lydian
};

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    // Bar lines stand on their own even when written against a note.
    std::string spaced;
    for (char c : text) {
        if (c == '|') spaced += " | ";
        else spaced += c;
    }
    std::istringstream in(spaced);
    std::string t;
    while (in >> t) out.push_back(t);
    return out;
}

// Splits a pattern into bars at '|' and each bar into tokens. A bar written
// without spaces ("x..x") is one token a character.
std::vector<std::vector<std::string>> patternBars(const std::string& text) {
    std::vector<std::vector<std::string>> bars(1);
    for (const std::string& t : tokens(text)) {
        if (t == "|") {
            bars.emplace_back();
            continue;
        }
        bars.back().push_back(t);
    }
    for (auto& bar : bars) {
        if (bar.size() == 1 && bar[0].size() > 1) {
            std::vector<std::string> chars;
            for (char c : bar[0]) chars.push_back(std::string(1, c));
            bar = chars;
        }
    }
    std::erase_if(bars, [](const std::vector<std::string>& b) { return b.empty(); });
    return bars;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "contentgen: bad music text: %s\n", what.c_str());
    std::abort();
}

}  // namespace

Song::Song(const SongSetup& setup) : setup_(setup) {}
Song::~Song() = default;

int Song::degreeToMidi(int degree, int octave, int accidental) const {
    const int* scale = kScales[int(setup_.scale)];
    const int d = degree - 1;
    const int oct = octave + (d >= 0 ? d / 7 : -((6 - d) / 7));
    const int idx = ((d % 7) + 7) % 7;
    return setup_.tonic + scale[idx] + 12 * oct + accidental;
}

void Song::chords(const std::string& text) {
    double beat = chords_.empty() ? 0 : chords_.back().beat + chords_.back().beats;
    const int* scale = kScales[int(setup_.scale)];
    for (const std::string& tok : tokens(text)) {
        if (tok == "|") continue;
        std::string t = tok;
        double beats = setup_.beatsPerBar;
        if (auto colon = t.find(':'); colon != std::string::npos) {
            beats = std::atof(t.c_str() + colon + 1);
            t = t.substr(0, colon);
        }
        size_t i = 0;
        int acc = 0;
        while (i < t.size() && (t[i] == 'b' || t[i] == '#')) acc += t[i++] == 'b' ? -1 : 1;
        if (i >= t.size() || t[i] < '1' || t[i] > '7') fail("chord " + tok);
        const int degree = t[i++] - '0';
        // Diatonic triad and seventh above the degree.
        auto diatonic = [&](int steps) {
            const int a = degree - 1, b = a + steps;
            return scale[b % 7] + 12 * (b / 7) - scale[a];
        };
        int third = diatonic(2), fifth = diatonic(4), seventh = diatonic(6);
        bool overridden = false;
        std::vector<int> extra;
        bool sus4 = false, sus2 = false;
        for (; i < t.size(); ++i) {
            switch (t[i]) {
            case 'M': third = 4; fifth = 7; seventh = 10; overridden = true; break;
            case 'm': third = 3; fifth = 7; seventh = 10; overridden = true; break;
            case 'o': third = 3; fifth = 6; seventh = 9; overridden = true; break;
            case 's': sus4 = true; break;
            case 'a': sus2 = true; break;
            case '7': extra.push_back(seventh); break;
            case '^': extra.push_back(11); break;
            case '6': extra.push_back(9); break;
            case '9': extra.push_back(14); break;
            default: fail("chord " + tok);
            }
        }
        (void)overridden;
        Chord c;
        c.beat = beat;
        c.beats = beats;
        c.root = ((setup_.tonic + scale[degree - 1] + acc) % 12 + 12) % 12;
        c.tones = {0, sus4 ? 5 : sus2 ? 2 : third, fifth};
        for (int e : extra) c.tones.push_back(e);
        std::sort(c.tones.begin(), c.tones.end());
        chords_.push_back(c);
        beat += beats;
    }
}

const Song::Chord& Song::chordAt(double beat) const {
    if (chords_.empty()) fail("no chords");
    // The progression repeats when the song is longer than it.
    const double total = chords_.back().beat + chords_.back().beats;
    double b = std::fmod(beat, total);
    if (b < 0) b += total;
    for (const Chord& c : chords_)
        if (b >= c.beat - 1e-9 && b < c.beat + c.beats - 1e-9) return c;
    return chords_.back();
}

Part& Song::part(Instrument inst, float gain, float pan, float reverbSend) {
    parts_.push_back(std::unique_ptr<Part>(new Part(this, inst, gain, pan, reverbSend)));
    return *parts_.back();
}

void Song::drums(Drum drum, int bar, int bars, const std::string& pattern, float gain, float pan, float send) {
    const auto pb = patternBars(pattern);
    for (int b = 0; b < bars; ++b) {
        const auto& steps = pb[size_t(b) % pb.size()];
        const double stepBeats = beatsPerBar() / double(steps.size());
        for (size_t s = 0; s < steps.size(); ++s) {
            const char c = steps[s][0];
            float v = c == 'X' ? 1.0f : c == 'x' ? 0.72f : c == 'o' ? 0.4f : 0.0f;
            if (v == 0) continue;
            hits_.push_back({drum, (bar + b) * beatsPerBar() + s * stepBeats, v, gain, pan, send});
        }
    }
}

void Song::swing(int stepsPerBeat, double amount) {
    swingSteps_ = stepsPerBeat;
    swingAmount_ = amount;
}

double Song::swung(double beat) const {
    if (swingSteps_ <= 0) return beat;
    const double step = beat * swingSteps_;
    const double whole = std::floor(step + 1e-6);
    if (std::fabs(step - whole) > 1e-6) return beat;  // only notes on the grid swing
    if (int64_t(whole) % 2 == 1) return beat + swingAmount_ / swingSteps_;
    return beat;
}

// ---------------------------------------------------------------------------

Part& Part::note(double beat, double beats, int midi, float velocity) {
    notes_.push_back({beat, beats, midi, velocity});
    return *this;
}

Part& Part::melody(int bar, const std::string& text, int stepsPerBeat, int octave) {
    const double step = 1.0 / stepsPerBeat;
    double beat = bar * song_->beatsPerBar();
    Note* last = nullptr;
    for (const std::string& tok : tokens(text)) {
        if (tok == "|") continue;
        if (tok == "-") {
            if (last) last->beats += step;
            beat += step;
            continue;
        }
        if (tok == ".") {
            last = nullptr;
            beat += step;
            continue;
        }
        size_t i = 0;
        int acc = 0;
        while (i < tok.size() && (tok[i] == 'b' || tok[i] == '#')) acc += tok[i++] == 'b' ? -1 : 1;
        if (i >= tok.size() || tok[i] < '1' || tok[i] > '7') fail("melody " + tok);
        const int degree = tok[i++] - '0';
        int oct = octave;
        float vel = 0.75f;
        for (; i < tok.size(); ++i) {
            if (tok[i] == '\'') ++oct;
            else if (tok[i] == ',') --oct;
            else if (tok[i] == '!') vel = 0.95f;
            else if (tok[i] == '?') vel = 0.5f;
            else fail("melody " + tok);
        }
        notes_.push_back({beat, step, song_->degreeToMidi(degree, oct, acc), vel});
        last = &notes_.back();
        beat += step;
    }
    return *this;
}

namespace {

// The chord's pitches in the window [low, low + span], as close as possible
// to the previous voicing.
std::vector<int> voice(const Song::Chord& c, int low, const std::vector<int>& previous) {
    std::vector<int> best;
    double bestCost = 1e9;
    const int n = int(c.tones.size());
    for (int inversion = 0; inversion < n; ++inversion) {
        for (int base = low - 12; base <= low + 12; ++base) {
            if (((base % 12) + 12) % 12 != (c.root + c.tones[size_t(inversion)]) % 12) continue;
            std::vector<int> v;
            int prev = base - 1;
            for (int k = 0; k < n; ++k) {
                const int tone = c.tones[size_t((inversion + k) % n)];
                int p = base - c.tones[size_t(inversion)] + tone;
                while (p <= prev) p += 12;
                v.push_back(p);
                prev = p;
            }
            if (v.front() < low || v.back() > low + 16) continue;
            double cost = 0;
            if (!previous.empty()) {
                for (size_t k = 0; k < v.size(); ++k) {
                    int nearest = 99;
                    for (int q : previous) nearest = std::min(nearest, std::abs(q - v[k]));
                    cost += nearest;
                }
            } else {
                cost = std::abs(v.front() - low - 4);
            }
            if (cost < bestCost) {
                bestCost = cost;
                best = v;
            }
        }
    }
    if (best.empty()) {
        for (int t : c.tones) best.push_back(low + ((c.root + t - low) % 12 + 12) % 12);
        std::sort(best.begin(), best.end());
    }
    return best;
}

int rootIn(const Song::Chord& c, int low) { return low + ((c.root - low) % 12 + 12) % 12; }

}  // namespace

Part& Part::pads(int bar, int bars, int low, double legato) {
    const double start = bar * song_->beatsPerBar();
    const double end = (bar + bars) * song_->beatsPerBar();
    std::vector<int> previous;
    double beat = start;
    while (beat < end - 1e-9) {
        const Song::Chord& c = song_->chordAt(beat);
        const double total = song_->chordList().back().beat + song_->chordList().back().beats;
        const double offset = std::fmod(beat, total);
        const double len = std::min(c.beat + c.beats - offset, end - beat);
        const std::vector<int> v = voice(c, low, previous);
        for (int p : v) notes_.push_back({beat, len * legato, p, 0.7f});
        previous = v;
        beat += len;
    }
    return *this;
}

Part& Part::comp(int bar, int bars, const std::string& rhythm, int low) {
    const auto pb = patternBars(rhythm);
    std::vector<int> previous;
    for (int b = 0; b < bars; ++b) {
        const auto& steps = pb[size_t(b) % pb.size()];
        const double stepBeats = song_->beatsPerBar() / double(steps.size());
        std::vector<size_t> open;  // notes of the last stab, for holds
        for (size_t s = 0; s < steps.size(); ++s) {
            const double beat = (bar + b) * song_->beatsPerBar() + s * stepBeats;
            const std::string& t = steps[s];
            if (t == "-") {
                for (size_t k : open) notes_[k].beats += stepBeats;
                continue;
            }
            open.clear();
            if (t == ".") continue;
            const std::vector<int> v = voice(song_->chordAt(beat), low, previous);
            previous = v;
            const float vel = t == "X" ? 0.9f : t == "o" ? 0.45f : 0.7f;
            for (int p : v) {
                notes_.push_back({beat, stepBeats * 0.9, p, vel});
                open.push_back(notes_.size() - 1);
            }
        }
    }
    return *this;
}

Part& Part::bass(int bar, int bars, const std::string& pattern, int low) {
    const auto pb = patternBars(pattern);
    for (int b = 0; b < bars; ++b) {
        const auto& steps = pb[size_t(b) % pb.size()];
        const double stepBeats = song_->beatsPerBar() / double(steps.size());
        Note* last = nullptr;
        for (size_t s = 0; s < steps.size(); ++s) {
            const double beat = (bar + b) * song_->beatsPerBar() + s * stepBeats;
            const std::string& t = steps[s];
            if (t == "-") {
                if (last) last->beats += stepBeats;
                continue;
            }
            if (t == ".") {
                last = nullptr;
                continue;
            }
            const Song::Chord& c = song_->chordAt(beat);
            const int root = rootIn(c, low);
            int p = root;
            float vel = 0.75f;
            for (char ch : t) {
                switch (ch) {
                case 'R': p = root; break;
                case '3': p = root + c.tones[1]; break;
                case '5': p = root + c.tones[std::min<size_t>(2, c.tones.size() - 1)]; break;
                case '7': p = c.tones.size() > 3 ? root + c.tones[3] : root + 10; break;
                case '8': p = root + 12; break;
                case 'a': {
                    // Half a step under (or over) the root of the next chord.
                    const Song::Chord& next = song_->chordAt(beat + stepBeats + 1e-6);
                    const Song::Chord& later = (&next == &c) ? song_->chordAt((bar + b + 1) * song_->beatsPerBar()) : next;
                    const int target = rootIn(later, low);
                    p = target - 1 >= low ? target - 1 : target + 1;
                    break;
                }
                case '!': vel = 0.95f; break;
                case '?': vel = 0.5f; break;
                case ',': p -= 12; break;
                default: fail("bass " + t);
                }
            }
            notes_.push_back({beat, stepBeats * 0.92, p, vel});
            last = &notes_.back();
        }
    }
    return *this;
}

Part& Part::arp(int bar, int bars, const std::string& pattern, int low) {
    const auto pb = patternBars(pattern);
    for (int b = 0; b < bars; ++b) {
        const auto& steps = pb[size_t(b) % pb.size()];
        const double stepBeats = song_->beatsPerBar() / double(steps.size());
        Note* last = nullptr;
        for (size_t s = 0; s < steps.size(); ++s) {
            const double beat = (bar + b) * song_->beatsPerBar() + s * stepBeats;
            const std::string& t = steps[s];
            if (t == "-") {
                if (last) last->beats += stepBeats;
                continue;
            }
            if (t == ".") {
                last = nullptr;
                continue;
            }
            const Song::Chord& c = song_->chordAt(beat);
            // Chord tones upward from `low`.
            std::vector<int> ladder;
            for (int o = -1; o < 4; ++o)
                for (int tone : c.tones) {
                    const int p = (low / 12 + o) * 12 + c.root + tone;
                    if (p >= low) ladder.push_back(p);
                }
            std::sort(ladder.begin(), ladder.end());
            const int idx = t[0] - '1';
            if (idx < 0 || idx > 8) fail("arp " + t);
            int p = ladder[size_t(idx)];
            float vel = 0.7f;
            for (size_t k = 1; k < t.size(); ++k) {
                if (t[k] == '+') p += 12;
                else if (t[k] == '!') vel = 0.9f;
                else if (t[k] == '?') vel = 0.45f;
                else fail("arp " + t);
            }
            notes_.push_back({beat, stepBeats, p, vel});
            last = &notes_.back();
        }
    }
    return *this;
}

// ---------------------------------------------------------------------------

// Velocities come in 24 steps, so a phrase that comes back plays the very
// notes it played before, as a sampled instrument would, and each is made once.
namespace {
int velocityStep(float v) { return int(std::lround(v * 24)); }
}  // namespace

const Mono& Song::note(Instrument inst, int midi, double hold, float velocity) {
    const int step = velocityStep(velocity);
    const int holdMs = int(std::lround(hold * 1000));
    auto [slot, fresh] = noteCache_.try_emplace(std::make_tuple(int(inst), midi, holdMs, step));
    if (fresh) {
        Rng rng(setup_.seed * 1000003 + uint64_t(inst) * 65537 + uint64_t(midi) * 613 + uint64_t(holdMs) * 7 +
                uint64_t(step));
        slot->second = renderNote(inst, midiHz(midi), holdMs / 1000.0, step / 24.0f, rng);
    }
    return slot->second;
}

const Mono& Song::hit(Drum drum, float velocity) {
    const int step = velocityStep(velocity);
    auto [slot, fresh] = noteCache_.try_emplace(std::make_tuple(1000 + int(drum), 0, 0, step));
    if (fresh) {
        Rng rng(setup_.seed * 31337 + uint64_t(drum) * 7 + uint64_t(step));
        slot->second = renderDrum(drum, step / 24.0f, rng);
    }
    return slot->second;
}

Stereo Song::render() {
    const double barSeconds = beatsPerBar() * beatSeconds();
    const size_t loopFrames = frames(setup_.bars * barSeconds);
    const size_t total = loopFrames + frames(setup_.tailSeconds);
    Stereo dry(total), send(total);

    auto place = [&](double beat) {
        return frames(swung(beat) * beatSeconds());
    };

    for (size_t pi = 0; pi < parts_.size(); ++pi) {
        Part& p = *parts_[pi];
        // Every note of a part goes onto one mono track, panned and sent once.
        Mono track(total, 0.0f);
        Rng human(setup_.seed * 7919 + pi * 104729 + 17);
        for (size_t ni = 0; ni < p.notes_.size(); ++ni) {
            const Part::Note& n = p.notes_[ni];
            if (n.beat >= setup_.bars * beatsPerBar() - 1e-9) continue;
            // A touch of human timing and touch, never early past the bar start.
            const double jitter = human.range(-0.004, 0.004);
            const float vel = std::clamp(n.velocity * float(human.range(0.92, 1.06)), 0.05f, 1.0f);
            const Mono& m = note(p.inst_, n.midi, n.beats * beatSeconds(), vel);
            size_t at = place(n.beat);
            const long shift = long(jitter * kRate);
            if (shift < 0 && size_t(-shift) > at) at = 0;
            else at = size_t(long(at) + shift);
            const size_t count = at < total ? std::min(m.size(), total - at) : 0;
            for (size_t i = 0; i < count; ++i) track[at + i] += m[i];
        }
        dry.add(track, 0, p.gain_, p.pan_);
        send.add(track, 0, p.gain_ * p.send_, p.pan_);
    }
    for (size_t hi = 0; hi < hits_.size(); ++hi) {
        const DrumHit& h = hits_[hi];
        if (h.beat >= setup_.bars * beatsPerBar() - 1e-9) continue;
        Rng human(setup_.seed * 15485863 + hi);
        const float vel = std::clamp(h.velocity * float(human.range(0.9, 1.05)), 0.05f, 1.0f);
        const Mono& m = hit(h.drum, vel);
        const size_t at = place(h.beat) + size_t(human.range(0, 0.003) * kRate);
        if (at >= total) continue;
        dry.add(m, at, h.gain, h.pan);
        send.add(m, at, h.gain * h.send, h.pan);
    }
    // Notes ringing past the tail are cut there.
    dry.resize(total);
    send.resize(total);

    reverb(send, dry, setup_.room, setup_.damp, setup_.reverbLevel * 3.0);

    Stereo out;
    if (setup_.loops) {
        // What rings past the end sounds again over the start when the track
        // comes round, so fold it in: the loop joins without a seam.
        out = Stereo(loopFrames);
        for (size_t i = 0; i < total; ++i) {
            out.l[i % loopFrames] += dry.l[i];
            out.r[i % loopFrames] += dry.r[i];
        }
    } else {
        out = std::move(dry);
        // Let the last chord ring out, then end in silence.
        fadeEdges(out.l, 0, std::min(1.5, setup_.tailSeconds * 0.5));
        fadeEdges(out.r, 0, std::min(1.5, setup_.tailSeconds * 0.5));
    }

    // DC and rumble out, level to the target loudness, peaks limited. A loop
    // is processed twice round so the filters and limiter are settled where
    // it joins.
    const size_t n = out.size();
    const int rounds = setup_.loops ? 2 : 1;
    Stereo work(n * rounds);
    for (int r = 0; r < rounds; ++r)
        for (size_t i = 0; i < n; ++i) {
            work.l[r * n + i] = out.l[i];
            work.r[r * n + i] = out.r[i];
        }
    Biquad hpl = Biquad::highpass(32), hpr = Biquad::highpass(32);
    for (size_t i = 0; i < work.size(); ++i) {
        work.l[i] = hpl.process(work.l[i]);
        work.r[i] = hpr.process(work.r[i]);
    }
    const float level = rms(out);
    if (level > 0) scale(work, setup_.loudness / level);
    limit(work, 0.89f);
    for (size_t i = 0; i < n; ++i) {
        out.l[i] = work.l[(rounds - 1) * n + i];
        out.r[i] = work.r[(rounds - 1) * n + i];
    }
    return out;
}

}  // namespace music
