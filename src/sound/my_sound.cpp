#include "sound/my_sound.h"

#include "sound/global_snd.h"

float TMySound::volume = 1.0f;
float TMyMusic::volume = 1.0f;

bool TMySound::overlapsItself() const {
    return name == "SZKLO1" || name == "DESERT1" || name == "DESERT2" || name == "SHOTGUN" ||
           name == "RIFLE" || name == "CLICK";
}

int TMySound::playMe() {
    if (!snd) return 0;
    if (!overlapsItself() && chn && chn->Playing()) chn->Stop();
    float v = volume;
    if (name == "WAR") v = 1.0f;                   // the war horn always at full
    else if (name == "USUN1") v = volume * 0.35f;  // frequent removal pops, kept soft
    // Cued, so not a moment of it sounds at full volume before the volume is set.
    chn = CueSound(snd);
    if (!chn) return 0;
    SetChannelVolume(chn, v);
    ResumeChannel(chn);
    return 1;
}

int TMyMusic::playMe() {
    if (!owner) return 0;
    if (!music && !loadFailed) {
        music = LoadSound(url, SOUND_LOOP);
        loadFailed = !music;
    }
    if (!music) return 0;
    // Only one track sounds at a time: a channel still playing here would be
    // lost to every later stop and play on for ever.
    if (owner->musicChn) owner->musicChn->Stop();
    owner->musicChn = CueSound(music);
    SetChannelVolume(owner->musicChn, volume);
    ResumeChannel(owner->musicChn);
    return 1;
}

int TMyMusic::stop() {
    if (owner && owner->musicChn) {
        owner->musicChn->Stop();
        owner->musicChn = nullptr;
    }
    return 0;
}

int TMyMusic::isEnd() {
    if (owner && owner->musicChn && !owner->musicChn->Playing()) {
        stop();
        return 1;
    }
    return 0;
}
