#pragma once
// Instruments and drums for the music and the effects. Each renders one note
// (frequency in Hz, held for `hold` seconds, velocity 0..1) into a mono
// buffer that includes the note's natural release.
#include "synth.h"

namespace synth {

enum class Instrument {
    EPiano,     // soft electric piano (FM)
    Bell,       // music box / celesta
    Glock,      // glockenspiel bar
    Marimba,
    Pluck,      // nylon guitar / harp (plucked string)
    Pizzicato,  // short plucked string
    Pad,        // warm detuned pad
    Strings,    // bowed section
    Bass,       // round electric bass
    SynthBass,  // filtered saw bass
    Flute,
    ChipLead,   // filtered square lead
    Brass,
    Organ,      // soft drawbar organ
};

Mono renderNote(Instrument inst, double hz, double hold, float velocity, Rng& rng);

enum class Drum {
    Kick, Snare, Clap, HatClosed, HatOpen, Shaker, Rim, WoodBlock, TomLow, TomHigh,
    Tambourine, Crash, Triangle, Conga,
};

Mono renderDrum(Drum drum, float velocity, Rng& rng);

// Shared pieces for the effects.
Mono noiseBurst(double seconds, Rng& rng);

}  // namespace synth
