#pragma once
// One named sound effect (TMySound) and one named music track (TMyMusic), as
// kept by the sound manager (TGlobalSnd).
#include <string>

#include "shell/media/audio.h"

class TGlobalSnd;

class TMySound {
public:
    TSoundPtr snd;      // loaded at start-up, plays once
    TChannelPtr chn;    // of the last playing, none before the first
    std::string name;   // upper case
    std::string url;    // not used
    int spec = 0;       // 1 for the clock tick "CZAS"

    // The effect volume, 0 to 1, from the settings; read at every start.
    static float volume;

    // Starts the effect on a new channel. Most effects cut off their own
    // previous playing; glass, the guns and the click overlap freely.
    int playMe();
    // Whether this effect may sound over its own previous playing.
    bool overlapsItself() const;
};

class TMyMusic {
public:
    TSoundPtr music;    // none until first needed
    std::string name;   // upper case
    std::string url;    // the file

    // The music volume, 0 to 1, from the settings.
    static float volume;

    // The manager whose single music channel this track plays on.
    TGlobalSnd* owner = nullptr;
    // Set once a load has failed, so a missing file is not searched for again
    // on every frame that asks for the track.
    bool loadFailed = false;

    // Starts the track on the music channel at the music volume, loading it
    // first (looping) when it has not been loaded yet.
    int playMe();
    // Stops the music channel, whichever track it plays.
    int stop();
    // 1, once, when the music channel has finished playing (the channel is
    // then released); 0 otherwise, also when no music is on at all.
    int isEnd();
};
