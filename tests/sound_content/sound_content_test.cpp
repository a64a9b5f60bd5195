// The generated sounds in the working folder: every file the sound tables
// name is there and loads; effects start and stop at silence without
// clipping; tracks have their length, a common loudness, loops that join
// without a click, and the two one-shot pieces end in silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "shell/media/audio.h"
#include "shell/media/files.h"
#include "shell/media/sound_decode.h"
#include "sound/global_snd.h"
#include "test_support.h"

using testing_support::contentDir;

namespace {

std::optional<media::PcmSound> load(const std::string& relative) {
    auto bytes = media::readFileBytes(contentDir() + "/" + relative);
    if (!bytes) return std::nullopt;
    switch (media::sniffSoundFile(bytes->data(), bytes->size())) {
    case media::SoundFileKind::Wav: return media::decodeWav(bytes->data(), bytes->size());
    case media::SoundFileKind::OggVorbis: return media::decodeOgg(bytes->data(), bytes->size());
    default: return std::nullopt;
    }
}

float peakOf(const media::PcmSound& s) {
    int p = 0;
    for (int16_t v : s.samples) p = std::max(p, std::abs(int(v)));
    return p / 32768.0f;
}

float rmsOf(const media::PcmSound& s, size_t fromFrame, size_t toFrame) {
    double sum = 0;
    const size_t a = fromFrame * s.channels, b = std::min(s.samples.size(), toFrame * s.channels);
    for (size_t i = a; i < b; ++i) sum += double(s.samples[i]) * s.samples[i];
    return b > a ? float(std::sqrt(sum / double(b - a)) / 32768.0) : 0.0f;
}

class GeneratedSounds : public ::testing::Test {
protected:
    void SetUp() override {
        if (contentDir().empty() || !std::filesystem::exists(contentDir() + "/sfx"))
            GTEST_FAIL() << testing_support::kNoContent;
    }
};

TEST_F(GeneratedSounds, EffectsStartAndEndAtSilenceWithoutClipping) {
    for (const auto& e : TGlobalSnd::effectTable()) {
        SCOPED_TRACE(e.file);
        auto s = load(e.file);
        ASSERT_TRUE(s);
        const double seconds = double(s->frames()) / s->rate;
        EXPECT_GE(seconds, 0.03);
        EXPECT_LE(seconds, 4.0);
        const float peak = peakOf(*s);
        EXPECT_LT(peak, 0.98f);
        EXPECT_GT(peak, 0.1f);
        // No click on the first or last sample.
        for (int c = 0; c < s->channels; ++c) {
            EXPECT_LT(std::abs(s->samples[size_t(c)]), 330);
            EXPECT_LT(std::abs(s->samples[s->samples.size() - 1 - size_t(c)]), 330);
        }
    }
}

TEST_F(GeneratedSounds, TracksHaveTheirLengthAndACommonLoudness) {
    // Going from the map to a level and back must not jump in loudness.
    float quietest = 0, loudest = -100;
    for (const auto& m : TGlobalSnd::musicTable()) {
        SCOPED_TRACE(m.file);
        auto s = load(m.file);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->channels, 2);
        const double seconds = double(s->frames()) / s->rate;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 90.0);
        EXPECT_LT(peakOf(*s), 0.99f);
        const float db = 20 * std::log10(rmsOf(*s, 0, s->frames()));
        EXPECT_GT(db, -21.0f);
        EXPECT_LT(db, -15.0f);
        quietest = std::min(quietest, db);
        loudest = std::max(loudest, db);
    }
    EXPECT_LT(loudest - quietest, 2.0f);
}

TEST_F(GeneratedSounds, LoopsJoinWithoutAClickAndPiecesEndInSilence) {
    for (const auto& m : TGlobalSnd::musicTable()) {
        SCOPED_TRACE(m.file);
        auto s = load(m.file);
        ASSERT_TRUE(s);
        const std::string name = m.name;
        const size_t n = s->frames();
        if (name == "story" || name == "wstep") {
            EXPECT_LT(rmsOf(*s, n - size_t(s->rate / 20), n), 0.001f);
            continue;
        }
        // The step from the last frame to the first must look like any other
        // step of the music around it.
        for (int c = 0; c < 2; ++c) {
            auto at = [&](size_t frame) { return int(s->samples[frame * 2 + size_t(c)]); };
            std::vector<int> steps;
            for (size_t i = n - 2000; i < n; ++i) steps.push_back(std::abs(at(i) - at(i - 1)));
            for (size_t i = 1; i < 2000; ++i) steps.push_back(std::abs(at(i) - at(i - 1)));
            std::sort(steps.begin(), steps.end());
            const int typical = steps[steps.size() * 99 / 100];
            EXPECT_LE(std::abs(at(0) - at(n - 1)), 2 * typical + 64) << "channel " << c;
        }
    }
}

TEST_F(GeneratedSounds, TheManagerLoadsEveryEffectAndTrack) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(contentDir());
    TGlobalSnd snd;
    snd.setup();
    for (const auto& s : snd.sounds) EXPECT_TRUE(s->snd) << s->name;
    for (const auto& m : snd.musics) {
        ASSERT_NE(snd.playMusic(m->name), nullptr);
        EXPECT_TRUE(m->music) << m->name;
        EXPECT_NE(snd.musicChn, nullptr) << m->name;
        snd.stopAllMusic();
    }
    std::filesystem::current_path(previous);
}

}  // namespace
