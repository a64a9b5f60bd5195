#include "sound_test_support.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "shell/media/audio.h"
#include "shell/media/files.h"
#include "shell/media/sound_decode.h"

namespace sound_testing {

namespace {

std::string& waveFile() {
    static std::string path;
    return path;
}

void put16(std::string& b, uint16_t v) {
    b += char(v & 0xFF);
    b += char(v >> 8);
}
void put32(std::string& b, uint32_t v) {
    put16(b, uint16_t(v));
    put16(b, uint16_t(v >> 16));
}

}  // namespace

void useWaveWriter() {
    if (!waveFile().empty()) return;
    // One folder for the whole run, left behind in the system's temporary
    // folder only if the program dies.
    std::string pattern = (std::filesystem::temp_directory_path() / "vornell-sound-XXXXXX").string();
    const char* dir = mkdtemp(pattern.data());
    if (!dir) std::abort();
    const std::string folder = dir;
    waveFile() = folder + "/played.wav";
    std::ofstream conf(folder + "/alsoft.conf");
    // Plain 16-bit stereo at the rate of the test sounds, with nothing in the
    // output stage that would change levels.
    conf << "[general]\nchannels = stereo\nfrequency = 44100\nsample-type = int16\n"
            "output-limiter = false\ndither = false\nhrtf = false\n"
            "[wave]\nfile = " << waveFile() << "\n";
    conf.close();
    setenv("ALSOFT_CONF", (folder + "/alsoft.conf").c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    static struct Cleanup {
        std::string folder;
        ~Cleanup() {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        }
    } cleanup{folder};
}

Recording finishRecording() {
    media::audioShutdown();
    Recording rec;
    auto bytes = media::readFileBytes(waveFile());
    if (!bytes) return rec;
    auto pcm = media::decodeWav(bytes->data(), bytes->size());
    if (!pcm || pcm->channels != 2) return rec;
    rec.rate = pcm->rate;
    const size_t n = pcm->frames();
    rec.left.resize(n);
    rec.right.resize(n);
    for (size_t i = 0; i < n; ++i) {
        rec.left[i] = pcm->samples[2 * i] / 32768.0f;
        rec.right[i] = pcm->samples[2 * i + 1] / 32768.0f;
    }
    return rec;
}

float Recording::peak(double from, double to) const {
    const size_t a = std::min(left.size(), size_t(std::max(0.0, from) * rate));
    const size_t b = std::min(left.size(), size_t(std::max(0.0, to) * rate));
    float p = 0;
    for (size_t i = a; i < b; ++i) p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
    return p;
}

float Recording::rms(double from, double to) const {
    const size_t a = std::min(left.size(), size_t(std::max(0.0, from) * rate));
    const size_t b = std::min(left.size(), size_t(std::max(0.0, to) * rate));
    if (b <= a) return 0;
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += double(left[i]) * left[i] + double(right[i]) * right[i];
    return float(std::sqrt(sum / (2.0 * double(b - a))));
}

double Recording::secondsAbove(float threshold, double from, double to) const {
    const size_t a = std::min(left.size(), size_t(std::max(0.0, from) * rate));
    const size_t b = std::min(left.size(), size_t(std::max(0.0, to) * rate));
    size_t n = 0;
    for (size_t i = a; i < b; ++i) n += (std::fabs(left[i]) > threshold || std::fabs(right[i]) > threshold) ? 1 : 0;
    return double(n) / rate;
}

std::vector<Recording::Stretch> Recording::stretches(float threshold, double gap) const {
    std::vector<Stretch> out;
    const size_t maxGap = size_t(gap * rate);
    size_t lastLoud = 0;
    bool open = false;
    for (size_t i = 0; i < left.size(); ++i) {
        const bool loud = std::fabs(left[i]) > threshold || std::fabs(right[i]) > threshold;
        if (!loud) continue;
        if (open && i - lastLoud <= maxGap) {
            out.back().end = double(i + 1) / rate;
        } else {
            out.push_back({double(i) / rate, double(i + 1) / rate});
            open = true;
        }
        lastLoud = i;
    }
    return out;
}

void writeTestWav(const std::string& path, double seconds, float amplitude, Wave wave, int channels, int rate,
                  double hz) {
    const size_t frames = size_t(seconds * rate);
    std::string data;
    // Short ramps at both ends so even a constant level starts and stops cleanly.
    const size_t ramp = size_t(0.002 * rate);
    for (size_t i = 0; i < frames; ++i) {
        double v = wave == Wave::Sine ? std::sin(2 * M_PI * hz * double(i) / rate) : 1.0;
        double edge = 1.0;
        if (i < ramp) edge = double(i) / ramp;
        if (frames - 1 - i < ramp) edge = double(frames - 1 - i) / ramp;
        const int16_t s = int16_t(std::lrint(v * edge * amplitude * 32767));
        for (int c = 0; c < channels; ++c) put16(data, uint16_t(s));
    }
    std::string b = "RIFF";
    put32(b, uint32_t(36 + data.size()));
    b += "WAVEfmt ";
    put32(b, 16);
    put16(b, 1);
    put16(b, uint16_t(channels));
    put32(b, uint32_t(rate));
    put32(b, uint32_t(rate * channels * 2));
    put16(b, uint16_t(channels * 2));
    put16(b, 16);
    b += "data";
    put32(b, uint32_t(data.size()));
    b += data;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << b;
}

bool writeTestOgg(const std::string& path, double seconds, float amplitude, int channels) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::string cmd = "sox -q -n -r 44100 -c " + std::to_string(channels) + " '" + path + "' synth " +
                            std::to_string(seconds) + " sine 440 vol " + std::to_string(amplitude) +
                            " 2>/dev/null";
    return std::system(cmd.c_str()) == 0 && std::filesystem::exists(path);
}

void runFrames(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        media::audioUpdate();
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
}

ScopedWorkingFolder::ScopedWorkingFolder(const std::string& path)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

ScopedWorkingFolder::~ScopedWorkingFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
}

}  // namespace sound_testing
