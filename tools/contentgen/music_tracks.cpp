// The game's music: eleven tracks, each a small composition in its own mood.
// Loops come round seamlessly; "story" and "wstep" are pieces that end.
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "music.h"

namespace music {

using synth::Drum;
using synth::Instrument;

namespace {

// Main menu: warm and inviting, a tune to come back to. F major, 96 bpm.
synth::Stereo mainMenu() {
    SongSetup s;
    s.name = "main";
    s.bpm = 96;
    s.tonic = 65;
    s.bars = 16;
    s.seed = 11;
    Song song(s);
    song.chords("1 5 6 4 1 5 4 5s:2 5:2");
    song.chords("4 5 3 6 27 5 4^ 5");

    song.part(Instrument::Pad, 0.22f, 0, 0.5f).pads(0, 16, 53);
    song.part(Instrument::EPiano, 0.32f, -0.25f, 0.3f).comp(0, 16, "x-.x-.x-", 57);
    song.part(Instrument::Bass, 0.75f, 0, 0.05f).bass(0, 16, "R - - R 5 - - a", 41);
    auto& tune = song.part(Instrument::Bell, 0.55f, 0.15f, 0.35f);
    tune.melody(0, "5 - 3 4 5 - 1' - | 7 - 6 5 2' - - . | 1' - 7 6 3 - 6 7 | 1' - - - 6 - 4 - |"
                   "5 - 3 4 5 - 1' - | 7 - 6 5 2' - 3' - | 4' - 3' 2' 1' - 6 - | 5 - - - . . 6 7");
    const char* second =
        "1' - 6 1' 4' - 3' 2' | 2' - 7 2' 5' - 4' 3' | 3' - - 2' 3' - 5' - | 6' - 5' 3' 1' - 3' - |"
        "4' - 3' 2' 1' - 6 - | 2' - - 1' 7 - 5 - | 6 - 1' 3' 5' - 3' - | 2' - - - 7 - 5 -";
    song.part(Instrument::Flute, 0.5f, -0.1f, 0.3f).melody(8, second, 2, -1);
    tune.melody(8, second);
    song.part(Instrument::Glock, 0.16f, 0.4f, 0.4f).arp(8, 8, "1 . 3 . 2 . 4 .", 77);

    song.drums(Drum::Kick, 4, 12, "X.......X..x....", 0.7f);
    song.drums(Drum::Rim, 4, 4, "....x.......x...", 0.3f, 0.1f);
    song.drums(Drum::Clap, 8, 8, "....x.......x...", 0.28f, 0, 0.25f);
    song.drums(Drum::Shaker, 4, 12, "x.o.x.o.x.o.x.oo", 0.22f, 0.3f);
    song.drums(Drum::Crash, 8, 1, "X...............", 0.25f, -0.2f, 0.3f);
    song.drums(Drum::Triangle, 0, 4, "X...............", 0.12f, 0.4f, 0.4f);
    return song.render();
}

// Quest map: on the road, curious and bright. D mixolydian colour, 108 bpm.
synth::Stereo map() {
    SongSetup s;
    s.name = "map";
    s.bpm = 108;
    s.tonic = 62;
    s.bars = 16;
    s.seed = 12;
    Song song(s);
    song.chords("1 b7M 4 1 1 b7M 4 5 6 4 1 5 6 4 2 5s:2 5:2");

    song.part(Instrument::Strings, 0.16f, 0, 0.45f).pads(0, 16, 57);
    song.part(Instrument::Pluck, 1.0f, -0.35f, 0.2f).arp(0, 16, "1 2 3 4 5 4 3 2", 55);
    song.part(Instrument::Bass, 0.7f, 0, 0.05f).bass(0, 16, "R - - R 5 - 8 a", 38);
    const char* firstHalf =
        "1 - 2 3 5 - 3 - | 4 - 2 b7, 2 - 4 - | 6, - 1 2 1 - 6, 5, | 1 - - - . . 5, 6, |"
        "1 - 2 3 5 - 6 - | 4 - 5 4 2 - b7, - | 6, - 1 2 4 - 2 1 | 5 - 4 3 2 - - . |";
    const char* secondHalf =
        "6 - 5 6 1' - 6 - | 4 - 3 4 6 - 4 3 | 5 - - 3 1' - 7 - | 5 - 3 - 2 - 5 - |"
        "6 - 1' 2' 3' - 2' 1' | 1' - 6 5 6 - 1' - | 2' - 1' 2' 6 - 5 - | 2 - - - . . 5, 6,";
    song.part(Instrument::Flute, 0.55f, 0.15f, 0.3f).melody(0, firstHalf, 2, 1).melody(8, secondHalf, 2, 1);
    song.part(Instrument::Glock, 0.14f, 0.45f, 0.35f).melody(8, secondHalf, 2, 2);

    song.drums(Drum::Kick, 0, 16, "X.....x...X.....", 0.65f);
    song.drums(Drum::Shaker, 0, 16, "x.o.x.o.x.o.x.o.", 0.2f, 0.35f);
    song.drums(Drum::Tambourine, 4, 12, "....x.......x...", 0.22f, -0.3f);
    song.drums(Drum::Conga, 0, 16, "..x..o.x..x..o.x", 0.3f, -0.4f);
    return song.render();
}

// Story pages: a gentle tale told once, ending on a bright A major chord.
synth::Stereo story() {
    SongSetup s;
    s.name = "story";
    s.bpm = 76;
    s.tonic = 57;
    s.scale = Scale::Minor;
    s.bars = 20;
    s.loops = false;
    s.tailSeconds = 6;
    s.room = 0.87;
    s.seed = 13;
    Song song(s);
    song.chords("1 6 3 7 1 6 4 5M 6 7 3 1 4 7 3^ 6 4 5M7 1M:8");

    song.part(Instrument::Strings, 0.2f, 0, 0.55f).pads(0, 20, 52);
    song.part(Instrument::Pluck, 1.0f, -0.3f, 0.35f).arp(0, 18, "1 2 3 4 5 4 3 2", 45);
    song.part(Instrument::Pluck, 1.0f, -0.3f, 0.35f).arp(18, 1, "1 2 3 4 5 6 7 -", 45);
    song.part(Instrument::Bass, 0.35f, 0, 0.1f).bass(0, 18, "R - - - 5 - - -", 36);
    song.part(Instrument::Bass, 0.35f, 0, 0.1f).bass(18, 2, "R - - - - - - -", 36);
    song.part(Instrument::Flute, 0.55f, 0.12f, 0.4f)
        .melody(0, "1 - 2 3 5 - 3 - | 6 - 5 4 3 - - . | 3 - 5 - 3' - 2' 1' | 7 - - - 2 - - . |"
                   "1 - 2 3 5 - 1' - | 1' - 7 1' 6 - 5 - | 4 - 6 - 1' - 7 6 | #7 - - - 5 - - . |"
                   "1' - - 3' 1' - 6 - | 7 - 1' 2' 2' - 7 - | 3' - - 2' 3' - 5 - | 1' - - - . . 7 1' |"
                   "4' - 3' 2' 1' - 6 - | 7 - 2' - 4' - 2' - | 3' - 2' 1' 7 - 5 - | 6 - 1' - 3' - 1' - |"
                   "4' - - 3' 4' - 6 - | #7 - 2' - 1' - #7 - | 1' - - - - - - - | - - - - . . . .",
                2, 1);
    song.part(Instrument::Bell, 0.2f, 0.4f, 0.5f).arp(8, 10, "3 . . . 2 . . .", 69);
    song.drums(Drum::TomLow, 12, 1, "x...............", 0.3f, 0, 0.4f);
    song.drums(Drum::TomLow, 17, 1, "x.......x...x.x.", 0.3f, 0, 0.4f);
    song.drums(Drum::Triangle, 18, 1, "x...............", 0.15f, 0.3f, 0.5f);
    return song.render();
}

// Intro: a short overture that rises from a shimmer to a brass fanfare.
synth::Stereo intro() {
    SongSetup s;
    s.name = "wstep";
    s.bpm = 92;
    s.tonic = 60;
    s.bars = 12;
    s.loops = false;
    s.tailSeconds = 5;
    s.room = 0.88;
    s.seed = 14;
    Song song(s);
    song.chords("1 1 4 4 6 4 27 5s:2 5:2 1 b6M b7M 1");

    song.part(Instrument::Pad, 0.25f, 0, 0.6f).pads(0, 12, 52);
    song.part(Instrument::Glock, 0.2f, 0.35f, 0.5f).arp(0, 4, "1 2 3 2 4 3 2 3", 72);
    song.part(Instrument::Strings, 0.2f, -0.2f, 0.5f).pads(2, 10, 55);
    song.part(Instrument::Strings, 0.15f, 0.2f, 0.5f).arp(4, 7, "1 - 2 - 3 - 2 -", 67);
    song.part(Instrument::Bass, 0.6f, 0, 0.1f).bass(4, 7, "R - - - R - - -", 36);
    song.part(Instrument::Bass, 0.6f, 0, 0.1f).bass(11, 1, "R - - - - - - -", 36);
    auto& horns = song.part(Instrument::Brass, 0.75f, 0.05f, 0.4f);
    const char* fanfare =
        "3 - - 5 6 - - - | 6 - 5 4 1' - - - | 2' - 1' 6 4 - 6 - | 5 - - - 7 - - - |"
        "1' - - 5 1' - 3' - | b3' - - 1' b6 - - - | 4' - - 2' b7 - - - | 1' - - - - - - -";
    horns.melody(4, fanfare);
    song.part(Instrument::Brass, 0.45f, -0.15f, 0.4f).melody(4, fanfare, 2, -1);
    song.drums(Drum::TomLow, 6, 1, "x.......x.......", 0.45f, 0, 0.4f);
    song.drums(Drum::Snare, 7, 1, "o.o.o.o.x.x.xxXX", 0.35f, 0, 0.3f);
    song.drums(Drum::Kick, 8, 4, "X.......x.......", 0.7f);
    song.drums(Drum::Crash, 8, 1, "X...............", 0.35f, 0, 0.4f);
    song.drums(Drum::TomLow, 9, 2, "x...x...x.x.x.xx", 0.4f, 0, 0.4f);
    song.drums(Drum::Crash, 11, 1, "X...............", 0.4f, 0, 0.4f);
    return song.render();
}

// Win: the quest is done. Triumphant, festive brass and strings. D major, 120 bpm.
synth::Stereo win() {
    SongSetup s;
    s.name = "win";
    s.bpm = 120;
    s.tonic = 62;
    s.bars = 24;
    s.seed = 15;
    Song song(s);
    song.chords("1 5 6 4 1 5 4 5 | 4 1 4 5 6 3 4 5 | 1 5 6 4 1 5 4 5");

    const char* theme =
        "5 - 1' - 3' - 2' 1' | 2' - 7 - 5 - - . | 6 - 1' - 3' - 2' 1' | 1' - - 7 6 - - . |"
        "5 - 1' - 3' - 5' - | 4' - 3' - 2' - 7 - | 1' - 2' - 4' - 3' 4' | 5' - - - 4' 3' 2' 7";
    const char* middle =
        "6 - 5 6 1' - 6 - | 5 - 3 5 1' - 5 - | 6 - 5 6 1' - 6 5 | 7 - - - 5 - - . |"
        "6 - 1' 3' 6' - 5' - | 5' - 3' - 7 - - . | 1' - 7 6 4 - 5 6 | 7 - - - 5 - 6 7";
    auto& horns = song.part(Instrument::Brass, 0.8f, 0.1f, 0.3f);
    horns.melody(0, theme, 2, -1).melody(16, theme, 2, -1);
    song.part(Instrument::Strings, 0.45f, -0.1f, 0.4f).melody(8, middle, 2, -1).melody(16, theme, 2, 0);
    song.part(Instrument::Glock, 0.16f, 0.4f, 0.4f).melody(0, theme, 2, 1);
    song.part(Instrument::Strings, 0.15f, 0, 0.45f).pads(0, 24, 55);
    song.part(Instrument::Brass, 0.2f, -0.3f, 0.3f).comp(8, 8, "x-.x-.x.", 55);
    song.part(Instrument::Bass, 0.75f, 0, 0.05f).bass(0, 24, "R . R . 5 . 8 a", 38);

    song.drums(Drum::Kick, 0, 24, "X...x...X...x...", 0.7f);
    song.drums(Drum::Snare, 0, 24, "....X.......X... | ....X.......X... | ....X.......X... | ....X.......X... |"
                                   "....X.......X... | ....X.......X... | ....X.......X... | ....X.....x.XxXX",
               0.42f, 0, 0.2f);
    song.drums(Drum::HatClosed, 0, 24, "x.x.x.x.x.x.x.x.", 0.18f, 0.3f);
    song.drums(Drum::Crash, 0, 1, "X...............", 0.28f, -0.3f, 0.3f);
    song.drums(Drum::Crash, 8, 1, "X...............", 0.28f, -0.3f, 0.3f);
    song.drums(Drum::Crash, 16, 1, "X...............", 0.28f, -0.3f, 0.3f);
    song.drums(Drum::Tambourine, 16, 8, "..x...x...x...x.", 0.2f, 0.4f);
    return song.render();
}

// Normal board: bouncy and friendly, keeps the fingers moving. C major, 112 bpm.
synth::Stereo normal() {
    SongSetup s;
    s.name = "normal";
    s.bpm = 112;
    s.tonic = 60;
    s.bars = 24;
    s.seed = 16;
    Song song(s);
    song.chords("1 6 27 5 1 6 4 5 | 4^ 37 27 1 4^ 37 27 5s:2 5:2 | 1 6 27 5 1 6 4 5");

    const char* a =
        "5 . 3 5 . 3 1 2 | 3 . 1 3 . 1 6, 7, | 1 . 2 4 . 6 5 4 | 2 - - - 7, - . . |"
        "5 . 3 5 . 3 1' 7 | 6 . 5 3 . 1 3 5 | 6 . 1' 6 5 4 3 4 | 2 - - - . . . .";
    const char* b =
        "3' - 1' - 5 - 6 - | 7 - 5 - 3 - 2 - | 1' - 6 - 4 - 3 - | 5 - - - . . 3 4 |"
        "5 - 6 - 1' - 3' - | 2' - 7 - 5 - 3 - | 4 - 6 - 1' - 2' - | 1' - - 7 - - . .";
    song.part(Instrument::Marimba, 0.6f, 0.1f, 0.25f).melody(0, a, 2, 1).melody(16, a, 2, 1);
    song.part(Instrument::Flute, 0.45f, 0.1f, 0.3f).melody(8, b, 2, 0);
    song.part(Instrument::Glock, 0.14f, 0.4f, 0.3f).melody(16, a, 2, 2);
    song.part(Instrument::EPiano, 0.22f, -0.3f, 0.2f)
        .comp(0, 8, ". x . x . x . x", 55)
        .comp(8, 8, "x - - - x - - -", 55)
        .comp(16, 8, ". x . x . x . x", 55);
    song.part(Instrument::Pad, 0.16f, 0, 0.5f).pads(8, 8, 52);
    song.part(Instrument::Bass, 0.75f, 0, 0.05f)
        .bass(0, 8, "R . . R . . 5 . | R . . R 8 . 5 a", 36)
        .bass(8, 8, "R - - - 5 - - a", 36)
        .bass(16, 8, "R . . R . . 5 . | R . . R 8 . 5 a", 36);

    song.drums(Drum::Kick, 0, 8, "X.....x.X.......", 0.7f);
    song.drums(Drum::Kick, 8, 8, "X.......X.......", 0.55f);
    song.drums(Drum::Kick, 16, 8, "X.....x.X.....x.", 0.7f);
    song.drums(Drum::Snare, 0, 8, "....X.......X...", 0.35f, 0, 0.15f);
    song.drums(Drum::Clap, 0, 8, "....x.......x...", 0.2f, 0, 0.2f);
    song.drums(Drum::Rim, 8, 8, "....x.......x..o", 0.3f, 0.1f);
    song.drums(Drum::Snare, 16, 8, "....X.......X... | ....X.......X... | ....X.......X... | ....X.......X.xx",
               0.35f, 0, 0.15f);
    song.drums(Drum::Clap, 16, 8, "....x.......x...", 0.2f, 0, 0.2f);
    song.drums(Drum::HatClosed, 0, 24, "x.x.x.x.x.x.x.xo", 0.16f, 0.3f);
    song.drums(Drum::HatOpen, 0, 8, "..............x.", 0.1f, 0.3f);
    song.drums(Drum::Shaker, 8, 8, "x.o.x.o.x.o.x.o.", 0.18f, -0.3f);
    song.drums(Drum::Tambourine, 16, 8, "....x.......x...", 0.15f, -0.4f);
    return song.render();
}

// Strategy board: no clock, time to think. Laid-back swung jazz in F, 84 bpm.
synth::Stereo strategy() {
    SongSetup s;
    s.name = "strategy";
    s.bpm = 84;
    s.tonic = 65;
    s.bars = 16;
    s.seed = 17;
    s.room = 0.8;
    Song song(s);
    song.swing(2, 0.3);
    song.chords("27 5M7 1^ 67 27 5M7 37 6M7 27 5M7 1^ 4^ 37 6M7 27 5M7");

    song.part(Instrument::EPiano, 0.36f, -0.2f, 0.3f).comp(0, 16, "x - - x - - . . | . . x - - x - .", 53);
    song.part(Instrument::Bass, 0.6f, 0, 0.05f).bass(0, 16, "R 3 5 a", 36);
    song.part(Instrument::Pad, 0.1f, 0, 0.5f).pads(0, 16, 57);
    song.part(Instrument::Flute, 0.5f, 0.2f, 0.35f)
        .melody(0, "4 - 5 6 . 1' - . | 7 - 6 5 - - . . | 3 - - 5 3 - 1 - | 6 - - - . . . . |"
                   "4 - 5 6 . 1' 2' . | 4' - 3' 2' - - 1' . | 3 - 5 - 7 - 2' - | #1' - - 6 - - . . |"
                   "2' - 1' 6 4 - 2 - | 3 - 5 - 4 - 3 2 | 3 - - - 1 - . . | 6 - 5 - 3 - 4 - |"
                   "5 - - 3 . 5 7 . | 6 - #1' - 3' - - . | 2' - 1' - 4 - 6 - | 5 - - - . . . .");
    song.part(Instrument::Bell, 0.25f, 0.45f, 0.45f).arp(8, 8, ". . 4 . . 3 . .", 72);

    song.drums(Drum::Kick, 0, 16, "X.....x...x.....", 0.55f);
    song.drums(Drum::Rim, 0, 16, "....x.......x...", 0.25f, 0.15f, 0.2f);
    song.drums(Drum::HatClosed, 0, 16, "x...x.x.x...x.x.", 0.15f, 0.35f);
    song.drums(Drum::Shaker, 8, 8, "..o...o...o...o.", 0.12f, -0.35f);
    return song.render();
}

// Picture-puzzle board: playful and curious, celesta over pizzicato. G major, 100 bpm.
synth::Stereo puzzleBoard() {
    SongSetup s;
    s.name = "puzzle";
    s.bpm = 100;
    s.tonic = 67;
    s.bars = 16;
    s.seed = 18;
    Song song(s);
    song.chords("1 4 1 5 6 2 5s:2 5:2 1 4 5 3 6 2 5 1:2 4:2 5");

    song.part(Instrument::Bell, 0.5f, 0.15f, 0.35f)
        .melody(0, "5 . 3 . 1 . 3 5 | 6 . 4 . 1' . 6 4 | 5 . 3 . 2 3 4 #4 | 5 - - . 7, . 2 . |"
                   "3 . 5 . 1' . 7 6 | 6 . 1' . 3' . 2' 1' | 1' - 7 . 6 . 5 . | 1' . . . . . 5 6 |"
                   "1' . 6 . 4 . 6 1' | 7 . 5 . 2 . 5 7 | 3' . 2' . 7 . 5 . | 6 . 5 . 3 . . . |"
                   "4 . 6 . 1' . 3' . | 2' - 1' 7 6 - 5 . | 5 . 3 . 6 . 4 . | 2 - - . . . . .");
    song.part(Instrument::Pizzicato, 1.4f, -0.3f, 0.25f).arp(0, 16, "1 . 3 . 2 . 3 .", 55);
    song.part(Instrument::Pizzicato, 1.8f, 0, 0.15f).bass(0, 16, "R . . . 5 . . .", 43);
    song.part(Instrument::Marimba, 0.3f, 0.35f, 0.25f).arp(8, 8, "1 2 3 2 4 3 2 3", 67);
    song.part(Instrument::Strings, 0.1f, 0, 0.5f).pads(8, 8, 55);

    song.drums(Drum::WoodBlock, 0, 16, "x.....x...x.....", 0.22f, 0.3f);
    song.drums(Drum::Conga, 0, 16, "....x..o....x.o.", 0.25f, -0.35f);
    song.drums(Drum::Shaker, 4, 12, "x.o.x.o.x.o.x.o.", 0.14f, 0.35f);
    song.drums(Drum::Triangle, 0, 16, "X............... | ................", 0.08f, 0.4f, 0.4f);
    song.drums(Drum::Kick, 8, 8, "X.......X.......", 0.45f);
    return song.render();
}

// Picture puzzle mini-game: unhurried and pleasant while pieces find their place. Bb major, 90 bpm.
synth::Stereo puzzleGame() {
    SongSetup s;
    s.name = "puzzle-game";
    s.bpm = 90;
    s.tonic = 58;
    s.bars = 16;
    s.seed = 19;
    Song song(s);
    song.chords("1 3 4 1 6 2 4 5s:2 5:2 4 5 3 6 27 5 1^ 5");

    const char* opening =
        "3 - - 2 1 - 5, - | 3 - - 2 3 - 5 - | 4 - 3 4 6 - 5 4 | 3 - - - . . 1 2 |"
        "3 - 2 3 5 - 3 - | 2 - 1 2 4 - 2 - | 1 - 7, 1 6, - 1 - | 2 - - - 7, - - . |";
    const char* answer =
        "4 - 3 2 4 - 6 - | 5 - 4 3 2 - 7, - | 5 - 6 - 7 - 6 - | 1' - - 7 6 - 5 - |"
        "4 - 3 2 4 - 6 - | 5 - - - 7 - 2' - | 1' - - 7 5 - 3 - | 5 - - - . . . .";
    song.part(Instrument::Glock, 0.4f, 0.2f, 0.4f).melody(0, opening, 2, 1).melody(8, answer, 2, 1);
    song.part(Instrument::EPiano, 0.36f, -0.25f, 0.3f).melody(8, answer, 2, 0);
    song.part(Instrument::EPiano, 0.2f, -0.2f, 0.3f).comp(0, 16, "x - - . x - . x", 53);
    song.part(Instrument::Strings, 0.13f, 0, 0.5f).pads(0, 16, 58);
    song.part(Instrument::Bass, 0.65f, 0, 0.05f).bass(0, 16, "R - - R 5 - - -", 34);

    song.drums(Drum::Kick, 0, 16, "X.......X.......", 0.5f);
    song.drums(Drum::Rim, 4, 12, "....x.......x...", 0.22f, 0.1f, 0.2f);
    song.drums(Drum::Shaker, 0, 16, "x.o.x.o.x.o.x.o.", 0.15f, 0.35f);
    return song.render();
}

// Shooting gallery: quick, bright and a little cheeky. A minor, 140 bpm.
synth::Stereo shooting() {
    SongSetup s;
    s.name = "shooting";
    s.bpm = 140;
    s.tonic = 57;
    s.scale = Scale::Minor;
    s.bars = 24;
    s.seed = 20;
    Song song(s);
    song.chords("1 6 3 7 1 6 4 5M | 6 7 1 1 6 7 5M 5M | 1 6 3 7 1 6 4 5M");

    const char* a =
        "1 . 1 2 3 . 5 . | 6 . 5 . 3 . 1 . | 5 . 5 6 5 . 3 . | 2 - - - 7, . 2 . |"
        "1 . 1 2 3 . 5 . | 6 . 1' . 6 . 5 . | 4 . 6 . 1' . 6 . | #7 - - - 5 - 2 -";
    const char* b =
        "1' - 7 1' 3' - 1' - | 2' - 1' 2' 4' - 2' - | 3' - 2' 1' 5 - 1' - | 3' . 5' . 3' . 1' . |"
        "1' - 7 1' 3' - 1' - | 2' - 1' 2' 4' - 5' - | #7 - - - 5 - 2 - | 3 - 2 - 1 - #7, -";
    song.part(Instrument::ChipLead, 1.0f, 0.1f, 0.2f).melody(0, a, 2, 1).melody(8, b, 2, 1).melody(16, a, 2, 1);
    song.part(Instrument::ChipLead, 0.4f, -0.3f, 0.25f).melody(16, a, 2, 2);
    song.part(Instrument::SynthBass, 0.7f, 0, 0.03f).bass(0, 24, "R R 8 R R 8 R R", 33);
    song.part(Instrument::Pluck, 0.28f, -0.35f, 0.15f).comp(0, 24, "x . x x . x . x", 52);
    song.part(Instrument::Pad, 0.12f, 0, 0.4f).pads(8, 8, 57);

    song.drums(Drum::Kick, 0, 24, "X.....x.X.x.....", 0.75f);
    song.drums(Drum::Snare, 0, 24, "....X.......X... | ....X.......X... | ....X.......X... | ....X.......X... |"
                                   "....X.......X... | ....X.......X... | ....X.......X... | ....X.....XxXXXX",
               0.45f, 0, 0.15f);
    song.drums(Drum::HatClosed, 0, 24, "x.x.x.x.x.x.x.x.", 0.18f, 0.3f);
    song.drums(Drum::HatOpen, 8, 8, "..x...x...x...x.", 0.1f, 0.3f);
    song.drums(Drum::Crash, 0, 1, "X...............", 0.25f, -0.3f, 0.3f);
    song.drums(Drum::Crash, 8, 1, "X...............", 0.25f, -0.3f, 0.3f);
    song.drums(Drum::Crash, 16, 1, "X...............", 0.25f, -0.3f, 0.3f);
    return song.render();
}

// Two-sided board: marbles from both sides, a restless pulse. E minor, 126 bpm.
synth::Stereo twoSided() {
    SongSetup s;
    s.name = "two";
    s.bpm = 126;
    s.tonic = 64;
    s.scale = Scale::Minor;
    s.bars = 24;
    s.seed = 21;
    Song song(s);
    song.chords("1 1 6 7 1 1 4 5M | 6 7 3 6 4 1 2o 5M | 1 1 6 7 1 1 4 5M");

    const char* a =
        "1 - - 2 3 - 5 - | 5 - 4 3 1 - 2 - | 3 - - 2 1 - 3 - | 2 - - 3 4 - 6 - |"
        "5 - - 6 7 - 1' - | 1' - 2' 1' 5 - - . | 1' - 7 1' 6 - - . | #7 - - - 5 - 2 -";
    const char* b =
        "3' - - 2' 1' - 5 - | 2' - - 1' 7 - 4 - | 7 - 5 - 3 - 5 - | 3 - 5 - 1' - 3' - |"
        "1' - - 7 6 - 4 - | 5 - 3 - 1 - 5 - | 6 - 4 3 4 - 2 - | #7 - - - - - . .";
    song.part(Instrument::Flute, 0.5f, 0.15f, 0.3f).melody(0, a, 2, 0).melody(8, b, 2, 0).melody(16, a, 2, 0);
    song.part(Instrument::Strings, 0.22f, -0.15f, 0.4f).melody(16, a, 2, -1);
    song.part(Instrument::Marimba, 0.28f, -0.35f, 0.2f).arp(0, 24, "1 2 3 4 3 2 3 2", 64);
    song.part(Instrument::SynthBass, 0.65f, 0, 0.03f).bass(0, 24, "R . R R . R 8 .", 40);
    song.part(Instrument::Strings, 0.12f, 0, 0.45f).pads(0, 24, 52);

    song.drums(Drum::Kick, 0, 24, "X..x..X...x..x..", 0.7f);
    song.drums(Drum::Snare, 0, 24, "....X.......X...", 0.38f, 0, 0.15f);
    song.drums(Drum::Clap, 8, 8, "....x.......x...", 0.18f, 0, 0.2f);
    song.drums(Drum::HatClosed, 0, 24, "xoxoxoxoxoxoxoxo", 0.14f, 0.3f);
    song.drums(Drum::TomHigh, 8, 8, "................ | ..........x.x.xx", 0.25f, -0.2f, 0.2f);
    song.drums(Drum::Crash, 8, 1, "X...............", 0.22f, -0.3f, 0.3f);
    song.drums(Drum::Crash, 16, 1, "X...............", 0.22f, -0.3f, 0.3f);
    return song.render();
}

struct Track {
    const char* file;
    int serial;
    synth::Stereo (*make)();
};

// Longest first, so the cores finish together.
const Track kTracks[] = {
    {"story.ogg", 1110, story},       {"normal2.ogg", 1102, normal},
    {"win.ogg", 1109, win},           {"two.ogg", 1106, twoSided},
    {"strategy.ogg", 1103, strategy}, {"puzzle-game.ogg", 1101, puzzleGame},
    {"shooting.ogg", 1105, shooting}, {"main.ogg", 1107, mainMenu},
    {"puzzle.ogg", 1104, puzzleBoard}, {"wstep.ogg", 1111, intro},
    {"map.ogg", 1108, map},
};

}  // namespace

bool writeMusic(const std::string& folder) {
    if (!synth::makeDirs(folder)) return false;
    // Tracks are independent, so they render on every core; each track's
    // bytes depend only on its own score.
    const size_t count = sizeof kTracks / sizeof kTracks[0];
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++) {
            const Track& t = kTracks[i];
            const synth::Stereo audio = t.make();
            if (!synth::writeOgg(folder + "/" + t.file, audio, 0.4f, t.serial)) {
                std::fprintf(stderr, "contentgen: could not write %s\n", t.file);
                ok = false;
            }
        }
    };
    const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned c = 1; c < cores; ++c) threads.emplace_back(worker);
    worker();
    for (auto& th : threads) th.join();
    return ok;
}

}  // namespace music
