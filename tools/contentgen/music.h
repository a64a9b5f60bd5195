#pragma once
// A small composing and mixing engine for the music tracks. A song has a key,
// a tempo and a chord progression; parts (instruments with level, pan and
// reverb) get notes from written melodies and from patterns that follow the
// chords (bass lines, arpeggios, pads, comping); drums follow step patterns.
// The result is mixed with a room reverb, levelled and written as OGG.
//
// Melodies are written in scale degrees on a step grid, one token a step:
//   5  degree 5 of the key      5' 5,  an octave up / down (repeatable)
//   b3 #4  flattened / sharpened   -  hold the previous note   .  rest
//   5! 5?  accented / soft
// Chords, one token a bar (or "token:beats"): degree with an optional
// quality: 4 (as the key gives it), 5M major, 2m minor, 7o diminished,
// 4s sus4, 1a sus2, then 7 (seventh: diatonic, or dominant after M), ^ (major
// seventh), 6, 9 (added). b7M is a major chord on the flattened seventh.
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "synth.h"
#include "synth_voices.h"

namespace music {

enum class Scale { Major, Minor, Dorian, Mixolydian, HarmonicMinor, Lydian };

struct SongSetup {
    std::string name;       // for messages
    double bpm = 100;
    int beatsPerBar = 4;
    int tonic = 60;         // MIDI note of degree 1 in the middle octave
    Scale scale = Scale::Major;
    int bars = 16;          // the length of the loop (or of the piece)
    bool loops = true;
    double tailSeconds = 4; // rendered past the end: folded back into a loop, kept for a piece
    double room = 0.84;     // reverb feedback
    double damp = 0.3;
    double reverbLevel = 1.0;
    float loudness = 0.13f; // target RMS of the finished track
    uint64_t seed = 1;
};

class Song;

class Part {
public:
    // Written melody from bar `bar` (0-based), `stepsPerBeat` tokens a beat.
    Part& melody(int bar, const std::string& text, int stepsPerBeat = 2, int octave = 0);
    // Sustained chords, voiced between `low` and `low` + 14 with smooth voice
    // leading, each held for its chord's length (`legato` of it).
    Part& pads(int bar, int bars, int low, double legato = 1.0);
    // A rhythm of chord stabs: 'x' strike, '-' hold, '.' rest; one bar of
    // pattern repeats (or several, separated by '|').
    Part& comp(int bar, int bars, const std::string& rhythm, int low);
    // Bass: R root, 3 third, 5 fifth, 7 seventh, 8 octave, a approach to the
    // next chord, '-' hold, '.' rest; the root lies in [low, low + 11].
    Part& bass(int bar, int bars, const std::string& pattern, int low);
    // Arpeggio: 1.. index the chord tones upward from `low`; '+' adds an octave.
    Part& arp(int bar, int bars, const std::string& pattern, int low);
    // A single note.
    Part& note(double beat, double beats, int midi, float velocity = 0.8f);

private:
    friend class Song;
    struct Note {
        double beat, beats;
        int midi;
        float velocity;
    };
    Part(Song* song, synth::Instrument inst, float gain, float pan, float send)
        : song_(song), inst_(inst), gain_(gain), pan_(pan), send_(send) {}
    Song* song_;
    synth::Instrument inst_;
    float gain_, pan_, send_;
    std::vector<Note> notes_;
};

class Song {
public:
    explicit Song(const SongSetup& setup);
    ~Song();

    // The chord progression, appended bar by bar.
    void chords(const std::string& text);
    Part& part(synth::Instrument inst, float gain, float pan = 0, float reverbSend = 0.25f);
    // Drum steps over one or more bars ('|' between bars): X accent, x hit,
    // o ghost, '.' nothing; repeated from `bar` for `bars` bars.
    void drums(synth::Drum drum, int bar, int bars, const std::string& pattern, float gain,
               float pan = 0, float send = 0.1f);
    // Swing: every second step of this many per beat comes late by `amount` of a step.
    void swing(int stepsPerBeat, double amount);

    // Renders and mixes the whole song.
    synth::Stereo render();

    // Helpers for the parts.
    int degreeToMidi(int degree, int octave, int accidental) const;
    struct Chord {
        double beat, beats;
        int root;                 // pitch class 0..11 of the root
        std::vector<int> tones;   // semitones above the root, ascending
    };
    const std::vector<Chord>& chordList() const { return chords_; }
    const Chord& chordAt(double beat) const;
    double beatsPerBar() const { return setup_.beatsPerBar; }

private:
    friend class Part;
    struct DrumHit {
        synth::Drum drum;
        double beat;
        float velocity, gain, pan, send;
    };
    double beatSeconds() const { return 60.0 / setup_.bpm; }
    double swung(double beat) const;
    // Rendered once for each instrument, pitch, length and velocity step.
    const synth::Mono& note(synth::Instrument inst, int midi, double hold, float velocity);
    const synth::Mono& hit(synth::Drum drum, float velocity);

    SongSetup setup_;
    std::vector<Chord> chords_;
    std::vector<std::unique_ptr<Part>> parts_;
    std::vector<DrumHit> hits_;
    int swingSteps_ = 0;
    double swingAmount_ = 0;
    // Keyed by instrument, pitch, length in ms and velocity step; drums by
    // 1000 + drum and velocity step.
    std::map<std::tuple<int, int, int, int>, synth::Mono> noteCache_;
};

// Renders and writes every music track of the game into `folder`.
bool writeMusic(const std::string& folder);

}  // namespace music
