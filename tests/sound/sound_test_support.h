#pragma once
// Helpers for the sound tests: test sounds written as files, and recordings
// of what the audio device really played, taken with OpenAL Soft's wave
// writer.
#include <string>
#include <vector>

namespace sound_testing {

// Sends all sound output of this test program to a WAV file. Must run before
// the first audio call of the process; every test of this program calls it
// first (OpenAL Soft reads its configuration once).
void useWaveWriter();

// What the device wrote since it was opened, read after closing it.
struct Recording {
    int rate = 0;
    std::vector<float> left, right;

    double seconds() const { return rate ? double(left.size()) / rate : 0; }
    // Over [from, to) seconds, both channels.
    float peak(double from, double to) const;
    float rms(double from, double to) const;
    // How long, in seconds, either channel is louder than `threshold`.
    double secondsAbove(float threshold, double from, double to) const;
    // Start and end, in seconds, of each stretch louder than `threshold`,
    // stretches closer than `gap` seconds joined.
    struct Stretch {
        double start, end;
    };
    std::vector<Stretch> stretches(float threshold, double gap = 0.05) const;
};

// Closes the device (it opens again at the next audio call) and reads what
// it wrote.
Recording finishRecording();

// 16-bit PCM WAV files for the tests.
enum class Wave { Sine, Constant };
void writeTestWav(const std::string& path, double seconds, float amplitude, Wave wave = Wave::Sine,
                  int channels = 1, int rate = 44100, double hz = 440);
// An OGG Vorbis file made with sox; false when sox is missing or fails.
bool writeTestOgg(const std::string& path, double seconds, float amplitude, int channels = 2);

// Sleeps, calling the per-frame audio update every few milliseconds as the
// game's frame loop would.
void runFrames(double seconds);

// Runs the test body in another folder and comes back.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::string& path);
    ~ScopedWorkingFolder();

private:
    std::string previous_;
};

}  // namespace sound_testing
