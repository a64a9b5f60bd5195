// Channels as the device plays them: levels, ends, loops, pauses, streamed
// music and running without a device. Measured in what OpenAL Soft's wave
// writer recorded.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "shell/media/audio.h"
#include "sound_test_support.h"
#include "test_support.h"

using namespace sound_testing;
using testing_support::TempDir;

namespace {

void sleepFor(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// The device mixes on its own thread, which a busy machine may hold back, so
// ends are waited for rather than expected at an exact time.
bool endsWithin(TChannel& ch, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (!ch.Playing()) return true;
        sleepFor(0.01);
    }
    return !ch.Playing();
}

class AudioOutput : public ::testing::Test {
protected:
    void SetUp() override {
        useWaveWriter();
        media::audioShutdown();  // the recording starts with this test
    }
    TempDir dir;
};

TEST_F(AudioOutput, ChannelsPlayAtTheirVolumeAndEndWithTheirSound) {
    writeTestWav(dir.file("tone.wav"), 0.4, 0.5f);
    TSoundPtr tone = LoadSound(dir.file("tone.wav"));
    ASSERT_TRUE(tone);
    EXPECT_FALSE(media::audioSilent());

    TChannelPtr quiet = CueSound(tone);
    SetChannelVolume(quiet, 0.6f);
    ResumeChannel(quiet);
    EXPECT_EQ(quiet->Playing(), 1);
    sleepFor(0.25);
    EXPECT_EQ(quiet->Playing(), 1);
    EXPECT_TRUE(endsWithin(*quiet, 2.0));
    sleepFor(0.2);

    TChannelPtr full = PlaySound(tone);
    EXPECT_TRUE(endsWithin(*full, 2.0));
    sleepFor(0.2);

    const Recording rec = finishRecording();
    ASSERT_GT(rec.seconds(), 1.0);
    const auto parts = rec.stretches(0.02f);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(rec.peak(parts[0].start, parts[0].end), 0.30f, 0.01f);
    EXPECT_NEAR(rec.peak(parts[1].start, parts[1].end), 0.50f, 0.01f);
    // A sine of amplitude a has an RMS of a / sqrt(2), in both speakers alike.
    EXPECT_NEAR(rec.rms(parts[1].start + 0.05, parts[1].end - 0.05), 0.5f / std::sqrt(2.0f), 0.01f);
    for (const auto& p : parts) EXPECT_NEAR(p.end - p.start, 0.4, 0.03);
}

TEST_F(AudioOutput, LoopingPausingAndStopping) {
    writeTestWav(dir.file("loop.wav"), 0.2, 0.4f);
    TSoundPtr loop = LoadSound(dir.file("loop.wav"), SOUND_LOOP);
    ASSERT_TRUE(loop);
    TChannelPtr ch = PlaySound(loop);
    sleepFor(0.7);
    EXPECT_EQ(ch->Playing(), 1);  // well past the sound's own length
    ch->SetPaused(1);
    EXPECT_EQ(ch->Playing(), 1);  // paused is not finished
    sleepFor(0.5);
    ch->SetPaused(0);
    sleepFor(0.3);
    StopChannel(ch);
    EXPECT_EQ(ch->Playing(), 0);
    ch->SetPaused(0);  // a stopped channel stays stopped
    EXPECT_EQ(ch->Playing(), 0);
    sleepFor(0.3);

    const Recording rec = finishRecording();
    // Timed by the test's own sleeps, so only roughly.
    const auto parts = rec.stretches(0.02f, 0.1);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(parts[0].end - parts[0].start, 0.7, 0.15);
    EXPECT_NEAR(parts[1].start - parts[0].end, 0.5, 0.15);
    EXPECT_NEAR(parts[1].end - parts[1].start, 0.3, 0.15);
    EXPECT_NEAR(rec.peak(parts[0].start, parts[1].end), 0.4f, 0.01f);
}

TEST_F(AudioOutput, StoppingMidSoundFadesOutInsteadOfClicking) {
    writeTestWav(dir.file("low.wav"), 1.0, 0.8f, Wave::Sine, 1, 44100, 200);
    TChannelPtr ch = PlaySound(LoadSound(dir.file("low.wav")));
    ASSERT_TRUE(ch);
    sleepFor(0.4);
    ch->Stop();
    EXPECT_EQ(ch->Playing(), 0);
    runFrames(0.3);

    const Recording rec = finishRecording();
    ASSERT_EQ(rec.stretches(0.01f).size(), 1u);
    // A 200 Hz sine at 0.8 moves at most 0.023 from one sample to the next;
    // cutting it off mid-wave would jump by up to 0.8.
    float steepest = 0;
    for (size_t i = 1; i < rec.left.size(); ++i)
        steepest = std::max(steepest, std::fabs(rec.left[i] - rec.left[i - 1]));
    EXPECT_LT(steepest, 0.03f);
}

TEST_F(AudioOutput, LongOggFilesStreamToTheirEndOrRoundAgain) {
    ASSERT_TRUE(writeTestOgg(dir.file("music.ogg"), 2.6, 0.5f)) << "sox with OGG support";
    TSoundPtr once = LoadSound(dir.file("music.ogg"));
    TSoundPtr looped = LoadSound(dir.file("music.ogg"), SOUND_LOOP);
    ASSERT_TRUE(once && looped);
    EXPECT_TRUE(media::soundInfo(once).streamed);
    EXPECT_EQ(media::soundInfo(once).frames, (long long)(2.6 * 44100));

    TChannelPtr a = PlaySound(once);
    runFrames(2.3);
    EXPECT_EQ(a->Playing(), 1);
    runFrames(0.5);
    EXPECT_TRUE(endsWithin(*a, 2.0));
    runFrames(0.2);

    TChannelPtr b = PlaySound(looped);
    runFrames(3.4);
    EXPECT_EQ(b->Playing(), 1);
    b->Stop();
    runFrames(0.2);

    const Recording rec = finishRecording();
    const auto parts = rec.stretches(0.05f, 0.1);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(parts[0].end - parts[0].start, 2.6, 0.05);
    EXPECT_NEAR(parts[1].end - parts[1].start, 3.4, 0.25);  // went round without a gap
}

TEST_F(AudioOutput, AStreamThatRanDryCarriesOnWhenFramesComeBack) {
    ASSERT_TRUE(writeTestOgg(dir.file("music.ogg"), 4.0, 0.5f));
    TSoundPtr music = LoadSound(dir.file("music.ogg"), SOUND_LOOP);
    ASSERT_TRUE(music);
    TChannelPtr ch = PlaySound(music);
    runFrames(0.3);
    sleepFor(2.5);  // a long load with no frames: the queued audio runs out
    runFrames(1.0);
    EXPECT_EQ(ch->Playing(), 1);
    ch->Stop();

    const Recording rec = finishRecording();
    const auto parts = rec.stretches(0.05f, 0.1);
    ASSERT_GE(parts.size(), 2u);
    EXPECT_GT(parts.back().end - parts.back().start, 0.8);  // playing again after the pause
}

TEST_F(AudioOutput, MissingAndUnreadableFilesGiveNoSound) {
    EXPECT_FALSE(LoadSound(dir.file("missing.wav")));
    testing_support::writeFile(dir.file("text.wav"), "this is not a sound");
    EXPECT_FALSE(LoadSound(dir.file("text.wav")));
    testing_support::writeFile(dir.file("empty.ogg"), "OggS");
    EXPECT_FALSE(LoadSound(dir.file("empty.ogg")));
    EXPECT_FALSE(PlaySound(nullptr));
    EXPECT_FALSE(CueSound(nullptr));
    StopChannel(nullptr);
    ResumeChannel(nullptr);
    SetChannelVolume(nullptr, 1);
}

TEST_F(AudioOutput, FileNamesMatchWithoutRegardToCaseAndContentDecidesTheFormat) {
    writeTestWav(dir.file("sfx/Music/Track.ogg"), 0.1, 0.5f);  // a WAV under an OGG name
    TSoundPtr s = LoadSound(dir.file("sfx/music/track.OGG"));
    ASSERT_TRUE(s);
    EXPECT_EQ(media::soundInfo(s).rate, 44100);
    EXPECT_FALSE(media::soundInfo(s).streamed);
}

TEST(AudioWithoutDevice, SoundIsSilentButKeepsTimeAndSaysSoOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // A fresh process: no driver OpenAL Soft knows, so no device.
            setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
            TempDir dir;
            writeTestWav(dir.file("tone.wav"), 0.3, 0.5f);
            testing::internal::CaptureStdout();
            TSoundPtr tone = LoadSound(dir.file("tone.wav"));
            TSoundPtr loop = LoadSound(dir.file("tone.wav"), SOUND_LOOP);
            bool ok = tone && loop && media::audioSilent();
            TChannelPtr a = PlaySound(tone);
            TChannelPtr b = PlaySound(loop);
            ok = ok && a && a->Playing() == 1 && b->Playing() == 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(450));
            media::audioUpdate();
            ok = ok && a->Playing() == 0 && b->Playing() == 1;
            b->Stop();
            ok = ok && b->Playing() == 0;
            const std::string out = testing::internal::GetCapturedStdout();
            size_t lines = 0;
            for (size_t at = 0; (at = out.find("no audio device", at)) != std::string::npos; ++at) ++lines;
            std::exit(ok && lines == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
