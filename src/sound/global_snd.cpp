#include "sound/global_snd.h"

#include <cstdio>

#include "shell/media/input.h"
#include "shell/media/messages.h"

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

}  // namespace

const std::vector<TGlobalSnd::TableEntry>& TGlobalSnd::effectTable() {
    static const std::vector<TableEntry> table = {
        {"usun1", "sfx/usuniecie.wav"},    {"monety1", "sfx/monety1.wav"},
        {"monety2", "sfx/monety2.wav"},    {"monety3", "sfx/monety3.wav"},
        {"monety4", "sfx/monety4.wav"},    {"open", "sfx/otwieranie.wav"},
        {"bomba", "sfx/bomb.wav"},         {"linia", "sfx/erase.wav"},
        {"zmiana", "sfx/zmiana.wav"},      {"smg", "sfx/smg.wav"},
        {"desert1", "sfx/smg.wav"},        {"desert2", "sfx/smg.wav"},
        {"shotgun", "sfx/smg.wav"},        {"rifle", "sfx/smg.wav"},
        {"reload", "sfx/przeladuj.wav"},   {"szklo1", "sfx/desert2.wav"},
        {"szklo2", "sfx/desert2.wav"},     {"usun2", "sfx/usuniecie1.wav"},
        {"czas", "sfx/clock1.wav"},        {"click", "sfx/click.wav"},
        {"kartka", "sfx/page_turn_1.wav"}, {"alarm", "sfx/alarm.ogg"},
        {"lost", "sfx/lost.wav"},          {"win", "sfx/smokin.wav"},
        {"pop", "sfx/pop.wav"},            {"flip", "sfx/flip.wav"},
        {"ok", "sfx/ok.wav"},              {"butelka1", "sfx/butelka1.wav"},
        {"butelka2", "sfx/butelka2.wav"},  {"blip", "sfx/blip.wav"},
        {"brawo", "sfx/oklaski.wav"},      {"go", "sfx/peeeow.wav"},
        {"war", "sfx/war.ogg"},
    };
    return table;
}

const std::vector<TGlobalSnd::TableEntry>& TGlobalSnd::musicTable() {
    static const std::vector<TableEntry> table = {
        {"puzzle-mini-gra", "sfx/music/puzzle-game.ogg"},
        {"normal", "sfx/music/normal2.ogg"},
        {"strategy", "sfx/music/strategy.ogg"},
        {"puzzle", "sfx/music/puzzle.ogg"},
        {"shooting", "sfx/music/shooting.ogg"},
        {"two", "sfx/music/two.ogg"},
        {"main", "sfx/music/main.ogg"},
        {"map", "sfx/music/map.ogg"},
        {"win", "sfx/music/win.ogg"},
        {"story", "sfx/music/story.ogg"},
        {"wstep", "sfx/music/wstep.ogg"},
    };
    return table;
}

int TGlobalSnd::setup() {
    Print("LOADING SOUND");
    // A track still playing from before would belong to none of the new lists.
    if (musicChn) musicChn->Stop();
    musicChn = nullptr;
    musics.clear();
    sounds.clear();
    Print("PREPEARING MUSIC");
    if (musicOn == 1)
        for (const TableEntry& t : musicTable()) createMusic(t.file, t.name);
    Print("END OF PREPARING");
    for (const TableEntry& t : effectTable()) createSound(t.file, t.name);
    timeSnd = getMySound("czas");
    if (timeSnd) timeSnd->spec = 1;
    clickSnd = getMySound("click");
    musicPrelude = musicOn == 1 ? getMyMusic("wstep") : nullptr;
    Print("SOUND LOADED");
    return 1;
}

TMySound* TGlobalSnd::createSound(const std::string& path, const std::string& name) {
    auto s = std::make_unique<TMySound>();
    s->snd = LoadSound(path, 0);
    s->name = upper(name);
    sounds.push_back(std::move(s));
    return sounds.back().get();
}

TMyMusic* TGlobalSnd::createMusic(const std::string& path, const std::string& name) {
    PollSystem();
    if (loadingStep) loadingStep("Music:" + name);
    auto m = std::make_unique<TMyMusic>();
    m->owner = this;
    m->url = path;
    // The menu loop (and an intro, should there be one) and the two tracks
    // that play once are loaded now; the rest wait for their first play. A
    // start-up track that failed is not tried again later, when it would come
    // back looping.
    const std::string key = upper(name);
    if (key == "INTRO" || key == "MAIN") m->music = LoadSound(path, SOUND_LOOP);
    else if (key == "WSTEP" || key == "STORY") m->music = LoadSound(path, 0);
    if ((key == "INTRO" || key == "MAIN" || key == "WSTEP" || key == "STORY") && !m->music)
        m->loadFailed = true;
    PollSystem();
    m->name = key;
    musics.push_back(std::move(m));
    return musics.back().get();
}

TMySound* TGlobalSnd::getMySound(const std::string& name) {
    const std::string key = upper(name);
    for (auto& s : sounds)
        if (s->name == key) return s.get();
    return nullptr;
}

int TGlobalSnd::play(const std::string& name) {
    TMySound* s = getMySound(name);
    return s ? s->playMe() : 0;
}

int TGlobalSnd::click(TEkran* screen) {
    if (screen && screen == gameScreen && gameScreenMusic) gameScreenMusic();
    return clickSnd ? clickSnd->playMe() : 0;
}

int TGlobalSnd::playTime() {
    if (!timeSnd) return 0;
    if (!timeSnd->chn || !timeSnd->chn->Playing()) timeSnd->playMe();
    return 1;
}

int TGlobalSnd::stopTime() {
    if (timeSnd && timeSnd->chn) timeSnd->chn->Stop();
    return 1;
}

int TGlobalSnd::stopAllMusic() {
    if (musicOn != 1) return 0;
    for (auto& m : musics) m->stop();
    // With no track prepared there is nothing to call stop on, yet the
    // channel must not keep playing.
    if (musicChn) {
        musicChn->Stop();
        musicChn = nullptr;
    }
    return 1;
}

TMyMusic* TGlobalSnd::getMyMusic(const std::string& name) {
    if (musicOn != 1) return nullptr;
    const std::string key = upper(name);
    for (auto& m : musics)
        if (m->name == key) return m.get();
    return nullptr;
}

TMyMusic* TGlobalSnd::playMusic(const std::string& name) {
    if (musicOn != 1) return nullptr;
    TMyMusic* m = getMyMusic(name);
    if (m) m->playMe();
    return m;
}

int TGlobalSnd::setMusicVolume(float volume) {
    TMyMusic::volume = volume;
    if (musicChn) {
        SetChannelVolume(musicChn, volume);
        char text[32];
        std::snprintf(text, sizeof text, "%g", double(volume));
        Print(std::string("MV : ") + text);
    } else {
        Print("MUSIC CHN NULL");
    }
    return 1;
}

int TGlobalSnd::setSoundVolume(float volume) {
    TMySound::volume = volume;
    return 1;
}
