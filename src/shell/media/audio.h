#pragma once
// Sound effects and music on channels. A sound is loaded once and may play on
// many channels at once; each PlaySound starts a new channel. Channels keep
// playing when the game drops its handle. Without an audio device everything
// still works and keeps time, silently.
#include <functional>
#include <memory>
#include <string>

class TSound;
using TSoundPtr = std::shared_ptr<TSound>;

namespace media { struct Voice; }

// One playing instance of a sound.
class TChannel {
public:
    TChannel();
    ~TChannel();
    TChannel(const TChannel&) = delete;
    TChannel& operator=(const TChannel&) = delete;

    // Stops for good.
    void Stop();
    // Pauses (nonzero) or continues (0).
    void SetPaused(int paused);
    // 0 silent to 1 full; takes effect at once.
    void SetVolume(float volume);
    // 1 until a sound that does not loop has finished or the channel was
    // stopped; a paused channel still counts as playing.
    int Playing();

private:
    friend struct ChannelAccess;
    std::shared_ptr<media::Voice> voice_;
};
using TChannelPtr = std::shared_ptr<TChannel>;

enum SoundFlags : int {
    SOUND_LOOP = 1,  // loop when played
};

// Loads a WAV (PCM) or OGG Vorbis file, judged by its content. None when the
// file is missing or does not decode.
TSoundPtr LoadSound(const std::string& path, int flags = 0);
// Starts the sound at volume 1 and returns its channel. Given a channel, that
// channel stops what it played and plays this sound instead. None when the
// sound is none.
TChannelPtr PlaySound(const TSoundPtr& sound, const TChannelPtr& channel = nullptr);
// As PlaySound, but the channel starts paused.
TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel = nullptr);
void ResumeChannel(const TChannelPtr& channel);
void StopChannel(const TChannelPtr& channel);
void SetChannelVolume(const TChannelPtr& channel, float volume);

namespace media {

// Once per frame (Flip): keeps music streams fed and returns finished
// channels' resources.
void audioUpdate();
// Stops every channel and closes the device; sounds loaded before play
// silently afterwards. The next audio call opens the device again. For the
// end of the program and for tests that read what the device wrote.
void audioShutdown();
// True when no audio device could be opened and sound is silent.
bool audioSilent();

// Facts about a loaded sound, for tests and measurements.
struct SoundInfo {
    int rate = 0;
    int channels = 0;
    long long frames = 0;  // length
    bool loops = false;
    bool streamed = false;       // decoded while it plays rather than at load
    size_t residentBytes = 0;    // memory the sound holds (samples or compressed file)
};
SoundInfo soundInfo(const TSoundPtr& sound);

// The clock, in milliseconds, that the sound's own timing runs on (how long a
// stopped channel fades out before its source is used again): the steady
// clock unless a test sets one (nullptr sets the steady clock back).
void setSoundClock(std::function<long long()> clock);
// For tests that play the device's part: the source a channel sounds on (0
// when none), what is wrong with the sound's bookkeeping (a source or stream
// buffer held by two owners; empty when all is well), and how many stopped
// channels are still fading out.
unsigned channelSource(const TChannelPtr& channel);
std::string soundBookkeepingFault();
size_t fadingSources();

}  // namespace media
