// Sound output through OpenAL Soft: one source per playing channel. Effects
// are decoded into buffers at load; long OGG files (the music) stay compressed
// in memory and are decoded into a short queue of buffers while they play,
// refilled once per frame by audioUpdate.
//
// Every sound is uploaded as stereo and played with direct channels, so what
// reaches the speakers is the sample times the channel volume, with no
// panning or distance rules in between.
#include "shell/media/audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <functional>
#include <map>
#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "shell/media/clock.h"
#include "shell/media/files.h"
#include "shell/media/messages.h"
#include "shell/media/sound_decode.h"

namespace {

// OGG files longer than this are streamed while they play instead of being
// decoded whole at load.
constexpr int kStreamAboveSeconds = 2;
// The stream queue: enough to ride out about a second without frames.
constexpr int kStreamBuffers = 6;
constexpr size_t kStreamBufferFrames = 8192;
// More sources than the game ever has sounding at once.
constexpr int kMaxSources = 128;
// A stopped channel fades to silence over the device's next mixing steps
// instead of being cut mid-wave, which would click.
constexpr long long kFadeOutMs = 60;

}  // namespace

class TSound {
public:
    int rate = 0;
    int channels = 0;   // of the file
    long long frames = 0;
    bool loops = false;

    // Decoded sounds: an OpenAL buffer, valid while the device that made it
    // is open (generation).
    ALuint buffer = 0;
    unsigned generation = 0;
    size_t bufferBytes = 0;

    // Streamed sounds: the compressed file.
    std::shared_ptr<const std::vector<uint8_t>> ogg;

    TSound();
    ~TSound();
    bool streamed() const { return ogg != nullptr; }
    // In whole milliseconds; a length no int can hold (a damaged file's
    // header can claim one) counts as endless.
    int lengthMs() const {
        if (rate <= 0 || frames <= 0) return 0;
        if (frames / rate >= INT_MAX / 1000) return INT_MAX;
        return int(frames * 1000 / rate);
    }
};

namespace media {

struct Voice {
    TSoundPtr sound;
    bool done = false;
    bool paused = false;
    float volume = 1;

    // A voice with no source keeps time on the clock instead of sounding:
    // there is no device, no source was free, or the sound is from a device
    // that has been closed since.
    ALuint source = 0;
    // Sound keeps time on the harness clock: how long a sound has played is
    // no reading of the game's, so a session replays alike whatever the sound
    // device does.
    int startedAt = 0;   // clock at the start, moved on by pauses
    int pausedAt = 0;

    std::unique_ptr<OggStream> stream;
    std::array<ALuint, kStreamBuffers> streamBuffers{};
    bool streamEnded = false;
};

}  // namespace media

// A source on its way to silence after its channel was stopped; released
// once the fade is over.
struct Fading {
    ALuint source = 0;
    std::array<ALuint, kStreamBuffers> streamBuffers{};
    TSoundPtr sound;  // keeps the buffer alive while the source still reads it
    long long untilMs = 0;  // on the sound's clock
};

struct ChannelAccess {
    static std::shared_ptr<media::Voice>& voice(TChannel& c) { return c.voice_; }
};

namespace {

using media::OggStream;
using media::Voice;

struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool tried = false;
    bool silent = false;
    bool directChannels = false;
    unsigned generation = 0;
    int sourceCount = 0;
    std::vector<ALuint> freeSources;
    std::vector<std::shared_ptr<Voice>> active;  // voices that hold a source
    std::vector<Fading> fading;
    std::unordered_set<TSound*> sounds;          // every live sound, for shutdown
    bool exitHookSet = false;
};

// The device mixes in real time, so the sound's own timing (how long a
// stopped channel fades) is real time too, unless a test sets a clock to
// take the sound through any order of events with the mixer.
std::function<long long()>& clockOverride() {
    static std::function<long long()> clock;
    return clock;
}

long long soundClockMs() {
    if (const auto& clock = clockOverride()) return clock();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

Device& dev() {
    // Never destroyed: sounds held by long-lived objects may go away after it
    // would have, at the very end of the program.
    static Device* d = new Device;
    return *d;
}

bool open() {
    Device& d = dev();
    if (d.tried) return !d.silent;
    d.tried = true;
    d.device = alcOpenDevice(nullptr);
    if (d.device) d.context = alcCreateContext(d.device, nullptr);
    if (!d.context || !alcMakeContextCurrent(d.context)) {
        if (d.context) alcDestroyContext(d.context);
        if (d.device) alcCloseDevice(d.device);
        d.context = nullptr;
        d.device = nullptr;
        d.silent = true;
        Print("Sound: no audio device could be opened; the game plays without sound.");
        return false;
    }
    d.silent = false;
    d.generation++;
    d.directChannels = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    alListenerf(AL_GAIN, 1.0f);
    if (!d.exitHookSet) {
        d.exitHookSet = true;
        // Closing the device finishes what it writes (the wave writer's header).
        std::atexit([] { media::audioShutdown(); });
    }
    return true;
}

bool live(const TSound& s) {
    const Device& d = dev();
    return !d.silent && d.context && s.generation == d.generation;
}

// Interleaved stereo from mono or stereo samples.
std::vector<int16_t> toStereo(const int16_t* samples, size_t frames, int channels) {
    std::vector<int16_t> out(frames * 2);
    if (channels == 2) {
        std::copy(samples, samples + frames * 2, out.begin());
    } else {
        for (size_t i = 0; i < frames; ++i) out[2 * i] = out[2 * i + 1] = samples[i];
    }
    return out;
}

ALenum alFormat(int channels) { return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16; }

// Uploads samples, as stereo when the device can play them unpanned.
bool upload(ALuint buffer, const int16_t* samples, size_t frames, int channels, int rate) {
    alGetError();
    if (dev().directChannels && channels == 1) {
        std::vector<int16_t> stereo = toStereo(samples, frames, 1);
        alBufferData(buffer, AL_FORMAT_STEREO16, stereo.data(), ALsizei(stereo.size() * 2), rate);
    } else {
        alBufferData(buffer, alFormat(channels), samples, ALsizei(frames * channels * 2), rate);
    }
    return alGetError() == AL_NO_ERROR;
}

void serviceVoice(Voice& v);

void releaseSource(ALuint source, std::array<ALuint, kStreamBuffers>& streamBuffers) {
    Device& d = dev();
    if (d.context) {
        if (source) {
            alSourceStop(source);
            alSourcei(source, AL_BUFFER, 0);
            d.freeSources.push_back(source);
        }
        if (streamBuffers[0]) alDeleteBuffers(kStreamBuffers, streamBuffers.data());
    }
    streamBuffers.fill(0);
}

void releaseVoice(Voice& v) {
    releaseSource(v.source, v.streamBuffers);
    v.source = 0;
    v.stream.reset();
}

void releaseFaded(bool all) {
    Device& d = dev();
    const long long now = soundClockMs();
    std::erase_if(d.fading, [&](Fading& f) {
        if (!all && now < f.untilMs) return false;
        releaseSource(f.source, f.streamBuffers);
        return true;
    });
}

void finishVoice(Voice& v) {
    if (v.done) return;
    v.done = true;
    Device& d = dev();
    ALint state = AL_STOPPED;
    if (v.source && d.context) alGetSourcei(v.source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) {
        // Hand the source over to fade out; the channel is stopped from now on.
        alSourcef(v.source, AL_GAIN, 0.0f);
        d.fading.push_back({v.source, v.streamBuffers, std::move(v.sound), soundClockMs() + kFadeOutMs});
        v.source = 0;
        v.streamBuffers.fill(0);
        v.stream.reset();
    } else {
        releaseVoice(v);
    }
    v.sound.reset();
}

void sweep() {
    Device& d = dev();
    releaseFaded(false);
    for (auto& v : d.active) serviceVoice(*v);
    std::erase_if(d.active, [](const std::shared_ptr<Voice>& v) { return v->done || !v->source; });
}

ALuint acquireSource() {
    Device& d = dev();
    if (d.freeSources.empty()) sweep();
    if (d.freeSources.empty() && d.sourceCount >= kMaxSources) releaseFaded(true);
    if (!d.freeSources.empty()) {
        ALuint s = d.freeSources.back();
        d.freeSources.pop_back();
        return s;
    }
    if (d.sourceCount >= kMaxSources) return 0;
    alGetError();
    ALuint s = 0;
    alGenSources(1, &s);
    if (alGetError() != AL_NO_ERROR) return 0;
    d.sourceCount++;
    return s;
}

// Decodes the next piece of a stream into `buffer`; false when nothing is left.
bool fillStreamBuffer(Voice& v, ALuint buffer) {
    if (v.streamEnded) return false;
    OggStream& s = *v.stream;
    const int ch = s.channels();
    std::vector<int16_t> pcm(kStreamBufferFrames * size_t(ch));
    size_t got = 0;
    bool rewound = false;
    while (got < kStreamBufferFrames) {
        const size_t n = s.read(pcm.data() + got * ch, kStreamBufferFrames - got);
        got += n;
        if (n > 0) {
            rewound = false;
            continue;
        }
        // The end of the file: go round again when looping (once per empty
        // read, so an empty file cannot spin forever).
        if (!v.sound->loops || rewound || !s.rewind()) {
            v.streamEnded = true;
            break;
        }
        rewound = true;
    }
    if (got == 0) return false;
    return upload(buffer, pcm.data(), got, ch, s.rate());
}

void serviceVoice(Voice& v) {
    if (v.done || !v.source) return;
    ALint state = 0;
    alGetSourcei(v.source, AL_SOURCE_STATE, &state);
    if (v.stream) {
        // The state is read first: a source seen stopped has played every
        // buffer counted as processed below, so restarting it replays nothing.
        ALint processed = 0;
        alGetSourcei(v.source, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0) {
            ALuint b = 0;
            alSourceUnqueueBuffers(v.source, 1, &b);
            if (fillStreamBuffer(v, b)) alSourceQueueBuffers(v.source, 1, &b);
        }
        ALint queued = 0;
        alGetSourcei(v.source, AL_BUFFERS_QUEUED, &queued);
        if (queued == 0) {
            finishVoice(v);
        } else if (state == AL_STOPPED && !v.paused) {
            // Ran dry because no frame came to refill it: carry on.
            alSourcePlay(v.source);
        }
        return;
    }
    if (state == AL_STOPPED) finishVoice(v);
}

int timedPlaying(const Voice& v) {
    if (v.done || !v.sound) return 0;
    if (v.sound->loops) return 1;
    const int now = v.paused ? v.pausedAt : media::harnessClock();
    return now - v.startedAt < v.sound->lengthMs() ? 1 : 0;
}

std::shared_ptr<Voice> startVoice(const TSoundPtr& sound, bool cued) {
    auto v = std::make_shared<Voice>();
    v->sound = sound;
    v->paused = cued;
    v->startedAt = media::harnessClock();
    v->pausedAt = v->startedAt;
    if (!open() || !(sound->streamed() || live(*sound))) return v;

    ALuint src = acquireSource();
    if (!src) return v;
    v->source = src;
    Device& d = dev();
    alSourcei(src, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(src, AL_POSITION, 0, 0, 0);
    alSourcef(src, AL_ROLLOFF_FACTOR, 0);
    alSourcef(src, AL_GAIN, 1.0f);
    alSourcef(src, AL_PITCH, 1.0f);
    if (d.directChannels) alSourcei(src, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);

    if (sound->streamed()) {
        alSourcei(src, AL_LOOPING, AL_FALSE);
        v->stream = OggStream::open(sound->ogg);
        alGetError();
        alGenBuffers(kStreamBuffers, v->streamBuffers.data());
        if (!v->stream || alGetError() != AL_NO_ERROR) {
            v->streamBuffers.fill(0);
            finishVoice(*v);
            return v;
        }
        for (ALuint b : v->streamBuffers)
            if (fillStreamBuffer(*v, b)) alSourceQueueBuffers(src, 1, &b);
    } else {
        alSourcei(src, AL_LOOPING, sound->loops ? AL_TRUE : AL_FALSE);
        alSourcei(src, AL_BUFFER, ALint(sound->buffer));
    }
    if (!cued) alSourcePlay(src);
    d.active.push_back(v);
    return v;
}

TChannelPtr start(const TSoundPtr& sound, const TChannelPtr& channel, bool cued) {
    if (!sound) return nullptr;
    TChannelPtr ch = channel ? channel : std::make_shared<TChannel>();
    auto& voice = ChannelAccess::voice(*ch);
    if (voice) finishVoice(*voice);
    voice = startVoice(sound, cued);
    return ch;
}

}  // namespace

TSound::TSound() { dev().sounds.insert(this); }

TSound::~TSound() {
    dev().sounds.erase(this);
    if (buffer && live(*this)) alDeleteBuffers(1, &buffer);
}

// ---------------------------------------------------------------------------
// Channels

TChannel::TChannel() = default;
TChannel::~TChannel() = default;

void TChannel::Stop() {
    if (voice_) finishVoice(*voice_);
}

void TChannel::SetPaused(int paused) {
    if (!voice_ || voice_->done) return;
    Voice& v = *voice_;
    const bool pause = paused != 0;
    if (pause == v.paused) return;
    v.paused = pause;
    const int now = media::harnessClock();
    if (pause) v.pausedAt = now;
    else v.startedAt += now - v.pausedAt;
    if (v.source) {
        if (pause) alSourcePause(v.source);
        else alSourcePlay(v.source);
    }
}

void TChannel::SetVolume(float volume) {
    if (!voice_ || voice_->done) return;
    if (!(volume == volume)) volume = 0;  // NaN
    voice_->volume = std::clamp(volume, 0.0f, 1.0f);
    if (voice_->source) alSourcef(voice_->source, AL_GAIN, voice_->volume);
}

int TChannel::Playing() {
    if (!voice_ || voice_->done) return 0;
    Voice& v = *voice_;
    if (!v.source) return timedPlaying(v);
    serviceVoice(v);
    return v.done ? 0 : 1;
}

// ---------------------------------------------------------------------------
// The flat operations

TSoundPtr LoadSound(const std::string& path, int flags) {
    using namespace media;
    auto bytes = readFileBytes(path);
    if (!bytes) return nullptr;
    const bool haveDevice = open();

    auto sound = std::make_shared<TSound>();
    sound->loops = (flags & SOUND_LOOP) != 0;
    std::optional<PcmSound> pcm;
    switch (sniffSoundFile(bytes->data(), bytes->size())) {
    case SoundFileKind::Wav:
        pcm = decodeWav(bytes->data(), bytes->size());
        break;
    case SoundFileKind::OggVorbis: {
        auto shared = std::make_shared<const std::vector<uint8_t>>(std::move(*bytes));
        auto stream = OggStream::open(shared);
        if (!stream) return nullptr;
        const long long total = stream->totalFrames();
        if (total < 0 || total > (long long)stream->rate() * kStreamAboveSeconds) {
            sound->rate = stream->rate();
            sound->channels = stream->channels();
            sound->frames = total;
            if (total < 0) {
                // Unknown length: measure it once by decoding.
                std::vector<int16_t> scratch(4096 * size_t(stream->channels()));
                long long n = 0, got;
                while ((got = (long long)stream->read(scratch.data(), 4096)) > 0) n += got;
                sound->frames = n;
            }
            if (sound->frames <= 0) return nullptr;
            if (haveDevice) sound->ogg = std::move(shared);
            return sound;
        }
        pcm = decodeOgg(shared->data(), shared->size());
        break;
    }
    case SoundFileKind::Unknown:
        return nullptr;
    }
    if (!pcm || pcm->frames() == 0) return nullptr;
    sound->rate = pcm->rate;
    sound->channels = pcm->channels;
    sound->frames = (long long)pcm->frames();
    if (!haveDevice) return sound;  // silent: only the length matters

    alGetError();
    alGenBuffers(1, &sound->buffer);
    if (alGetError() != AL_NO_ERROR) {
        sound->buffer = 0;
        return sound;  // plays silently
    }
    sound->generation = dev().generation;
    if (!upload(sound->buffer, pcm->samples.data(), pcm->frames(), pcm->channels, pcm->rate)) {
        alDeleteBuffers(1, &sound->buffer);
        sound->buffer = 0;
        sound->generation = 0;
        return sound;
    }
    const int storedChannels = dev().directChannels ? 2 : pcm->channels;
    sound->bufferBytes = pcm->frames() * size_t(storedChannels) * 2;
    return sound;
}

TChannelPtr PlaySound(const TSoundPtr& sound, const TChannelPtr& channel) {
    return start(sound, channel, false);
}

TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel) {
    return start(sound, channel, true);
}

void ResumeChannel(const TChannelPtr& channel) {
    if (channel) channel->SetPaused(0);
}

void StopChannel(const TChannelPtr& channel) {
    if (channel) channel->Stop();
}

void SetChannelVolume(const TChannelPtr& channel, float volume) {
    if (channel) channel->SetVolume(volume);
}

namespace media {

void audioUpdate() {
    Device& d = dev();
    if (d.active.empty() && d.fading.empty()) return;
    sweep();
}

void audioShutdown() {
    Device& d = dev();
    if (!d.tried) return;
    for (auto& v : d.active) finishVoice(*v);
    d.active.clear();
    releaseFaded(true);
    if (d.context) {
        for (TSound* s : d.sounds) {
            if (s->buffer && s->generation == d.generation) alDeleteBuffers(1, &s->buffer);
            s->buffer = 0;
            s->generation = 0;
            s->ogg.reset();  // a streamed sound keeps time silently from now on
        }
        if (!d.freeSources.empty()) alDeleteSources(ALsizei(d.freeSources.size()), d.freeSources.data());
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(d.context);
        alcCloseDevice(d.device);
    }
    d.freeSources.clear();
    d.sourceCount = 0;
    d.context = nullptr;
    d.device = nullptr;
    d.tried = false;
    d.silent = false;
}

bool audioSilent() { return !open(); }

void setSoundClock(std::function<long long()> clock) { clockOverride() = std::move(clock); }

unsigned channelSource(const TChannelPtr& channel) {
    if (!channel) return 0;
    const auto& voice = ChannelAccess::voice(*channel);
    return voice ? voice->source : 0;
}

std::string soundBookkeepingFault() {
    const Device& d = dev();
    // Every source and stream buffer has one owner: a voice, a fade, or (for
    // sources) the free list. One owned twice would be stopped, refilled or
    // deleted by one owner while the other still plays it.
    std::map<ALuint, std::string> sourceOwner, bufferOwner;
    std::string fault;
    auto own = [&](std::map<ALuint, std::string>& owners, ALuint id, const std::string& who) {
        if (!id) return;
        auto [it, fresh] = owners.emplace(id, who);
        if (!fresh) fault += "id " + std::to_string(id) + " is held by " + it->second + " and by " + who + "; ";
    };
    for (ALuint s : d.freeSources) own(sourceOwner, s, "the free list");
    for (size_t i = 0; i < d.active.size(); ++i) {
        const Voice& v = *d.active[i];
        const std::string who = "voice " + std::to_string(i);
        if (v.done && v.source) fault += who + " is done but holds source " + std::to_string(v.source) + "; ";
        own(sourceOwner, v.source, who);
        for (ALuint b : v.streamBuffers) own(bufferOwner, b, who);
    }
    for (size_t i = 0; i < d.fading.size(); ++i) {
        const std::string who = "fade " + std::to_string(i);
        own(sourceOwner, d.fading[i].source, who);
        for (ALuint b : d.fading[i].streamBuffers) own(bufferOwner, b, who);
    }
    if (int(sourceOwner.size()) > d.sourceCount)
        fault += std::to_string(sourceOwner.size()) + " sources held, " + std::to_string(d.sourceCount) + " made; ";
    return fault;
}

size_t fadingSources() { return dev().fading.size(); }

SoundInfo soundInfo(const TSoundPtr& sound) {
    SoundInfo info;
    if (!sound) return info;
    info.rate = sound->rate;
    info.channels = sound->channels;
    info.frames = sound->frames;
    info.loops = sound->loops;
    info.streamed = sound->frames > (long long)sound->rate * kStreamAboveSeconds && sound->ogg;
    info.residentBytes = sound->ogg ? sound->ogg->size() : sound->bufferBytes;
    return info;
}

}  // namespace media
