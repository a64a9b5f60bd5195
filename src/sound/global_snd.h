#pragma once
// The sound manager: every effect and music track by its short name, one
// channel for music, and the two volumes from the settings.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/media/audio.h"
#include "sound/my_sound.h"

class TEkran;

class TGlobalSnd {
public:
    std::vector<std::unique_ptr<TMySound>> sounds;  // in table order
    std::vector<std::unique_ptr<TMyMusic>> musics;  // in table order
    TChannelPtr musicChn;               // none when no music plays
    TMySound* timeSnd = nullptr;        // "czas", the clock tick
    TMySound* clickSnd = nullptr;       // "click"
    TMyMusic* musicPrelude = nullptr;     // "wstep"
    int musicOn = 1;                    // 0: music is neither prepared nor played

    // One loading-screen progress step per music track; the loading screen
    // connects itself here. Called with "Music:" + the track's name.
    std::function<void(const std::string&)> loadingStep;
    // The game screen, and what a click on it does to its music first (it
    // restarts the mode's track when it has ended).
    TEkran* gameScreen = nullptr;
    std::function<void()> gameScreenMusic;

    // Loads every effect, prepares the music tracks. Once, at start-up.
    int setup();
    TMySound* createSound(const std::string& path, const std::string& name);
    TMyMusic* createMusic(const std::string& path, const std::string& name);
    // The first effect of that name (letter case ignored), or none.
    TMySound* getMySound(const std::string& name);
    // Plays the named effect; an unknown name does nothing.
    int play(const std::string& name);
    // The click of every button; on the game screen it first looks after the
    // screen's music.
    int click(TEkran* screen = nullptr);
    // Keeps the clock ticking without overlaps; call every frame it should tick.
    int playTime();
    int stopTime();
    int stopAllMusic();
    // The first track of that name (letter case ignored); none when music is off.
    TMyMusic* getMyMusic(const std::string& name);
    // Starts the named track and returns it; none when music is off or the
    // name is unknown. It does not stop the music already playing.
    TMyMusic* playMusic(const std::string& name);
    // Takes effect at once on the playing track.
    int setMusicVolume(float volume);
    // Takes effect from the next effect on.
    int setSoundVolume(float volume);

    struct TableEntry {
        const char* name;
        const char* file;
    };
    // The game's effects and tracks, in table order.
    static const std::vector<TableEntry>& effectTable();
    static const std::vector<TableEntry>& musicTable();
};
