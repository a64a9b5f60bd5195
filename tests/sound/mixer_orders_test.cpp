// The sound layer against every order in which the device's mixer thread may
// finish what a source plays, relative to the game stopping the channel, the
// fade-out running out, a frame's update and a new sound taking a source.
// The test plays the mixer's part itself (a source stopped behind the layer's
// back is one the mixer has played to its end) and the fade's clock is the
// test's, so each order is played exactly, not left to the machine's timing.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/media/audio.h"
#include "sound_test_support.h"
#include "test_support.h"

using namespace sound_testing;
using testing_support::TempDir;

namespace {

enum class Step { GameStops, MixerEnds, FadeRunsOut, Frame, NewSound };

const char* name(Step s) {
    switch (s) {
        case Step::GameStops: return "the game stops the channel";
        case Step::MixerEnds: return "the mixer plays it to its end";
        case Step::FadeRunsOut: return "the fade runs out";
        case Step::Frame: return "a frame's update";
        case Step::NewSound: return "a new sound starts";
    }
    return "?";
}

class MixerOrders : public ::testing::Test {
protected:
    void SetUp() override {
        useWaveWriter();
        media::audioShutdown();
        media::setSoundClock([this] { return now; });
        writeTestWav(dir.file("effect.wav"), 1.5, 0.3f);
        effect = LoadSound(dir.file("effect.wav"));
        ASSERT_TRUE(writeTestOgg(dir.file("music.ogg"), 4.0, 0.3f)) << "sox could not write the test music";
        music = LoadSound(dir.file("music.ogg"), SOUND_LOOP);
        ASSERT_TRUE(effect && music);
        ASSERT_TRUE(media::soundInfo(music).streamed);
    }
    void TearDown() override {
        media::audioShutdown();
        media::setSoundClock(nullptr);
    }

    // Plays `played` and takes it through the steps in the given order,
    // checking the bookkeeping and the device after every step.
    void playOrder(const TSoundPtr& played, const std::vector<Step>& order) {
        std::string trace;
        for (Step s : order) trace += std::string(name(s)) + ", ";
        SCOPED_TRACE(trace);

        TChannelPtr channel = PlaySound(played);
        const ALuint source = media::channelSource(channel);
        ASSERT_NE(source, 0u);
        TChannelPtr other;
        bool stopped = false;
        for (Step s : order) {
            switch (s) {
                case Step::GameStops:
                    channel->Stop();
                    stopped = true;
                    break;
                case Step::MixerEnds:
                    // Only while the source is still this sound's: once
                    // released it may already be playing another.
                    if (media::channelSource(other) != source) alSourceStop(source);
                    break;
                case Step::FadeRunsOut:
                    now += 1000;
                    break;
                case Step::Frame:
                    media::audioUpdate();
                    break;
                case Step::NewSound:
                    other = PlaySound(effect);
                    break;
            }
            ASSERT_EQ(media::soundBookkeepingFault(), "") << "after " << name(s);
            ASSERT_EQ(alGetError(), AL_NO_ERROR) << "after " << name(s);
            if (stopped) {
                EXPECT_EQ(channel->Playing(), 0) << "after " << name(s);
            }
            if (other) {
                // A new sound always sounds, on a source of its own.
                const ALuint mine = media::channelSource(other);
                ASSERT_NE(mine, 0u) << "after " << name(s);
                ALint state = 0;
                alGetSourcei(mine, AL_SOURCE_STATE, &state);
                EXPECT_EQ(state, AL_PLAYING) << "after " << name(s);
            }
        }
        // Whatever the order, everything is handed back once the fades are
        // over.
        StopChannel(channel);
        StopChannel(other);
        now += 1000;
        media::audioUpdate();
        EXPECT_EQ(media::fadingSources(), 0u);
        EXPECT_EQ(media::soundBookkeepingFault(), "");
    }

    TempDir dir;
    long long now = 1'000'000;
    TSoundPtr effect, music;
};

std::vector<std::vector<Step>> everyOrder() {
    std::vector<Step> steps = {Step::GameStops, Step::MixerEnds, Step::FadeRunsOut, Step::Frame, Step::NewSound};
    std::sort(steps.begin(), steps.end());
    std::vector<std::vector<Step>> orders;
    do orders.push_back(steps);
    while (std::next_permutation(steps.begin(), steps.end()));
    return orders;
}

TEST_F(MixerOrders, AnEffectEndsCleanlyInEveryOrder) {
    for (const auto& order : everyOrder()) {
        playOrder(effect, order);
        if (HasFatalFailure()) return;
    }
}

TEST_F(MixerOrders, StreamedMusicEndsCleanlyInEveryOrder) {
    for (const auto& order : everyOrder()) {
        playOrder(music, order);
        if (HasFatalFailure()) return;
    }
}

TEST_F(MixerOrders, AFadeHoldsItsSourceUntilItsTimeIsUp) {
    TChannelPtr a = PlaySound(effect);
    const ALuint source = media::channelSource(a);
    a->Stop();
    EXPECT_EQ(media::fadingSources(), 1u);
    now += 30;
    media::audioUpdate();
    TChannelPtr b = PlaySound(effect);
    EXPECT_NE(media::channelSource(b), source) << "a source still fading out was played again";
    now += 40;
    media::audioUpdate();
    EXPECT_EQ(media::fadingSources(), 0u);
    TChannelPtr c = PlaySound(effect);
    EXPECT_EQ(media::channelSource(c), source) << "a source whose fade is over is used again first";
    EXPECT_EQ(media::soundBookkeepingFault(), "");
}

TEST_F(MixerOrders, StreamsRunDryAndRefillInAnyOrderWithPauses) {
    // The mixer may drain a stream's whole queue between two frames (a
    // busy machine holds the game back); pauses and volume changes come in
    // between. Each round leaves the stream whole.
    TChannelPtr ch = PlaySound(music);
    const ALuint source = media::channelSource(ch);
    for (int round = 0; round < 12; ++round) {
        if (round % 3 == 0) alSourceStop(source);  // ran dry: every buffer played
        if (round % 4 == 1) ch->SetPaused(1);
        media::audioUpdate();
        if (round % 4 == 1) ch->SetPaused(0);
        ch->SetVolume(float(round % 5) / 4.0f);
        ASSERT_EQ(media::soundBookkeepingFault(), "") << "round " << round;
        ASSERT_EQ(alGetError(), AL_NO_ERROR) << "round " << round;
        EXPECT_EQ(ch->Playing(), 1) << "round " << round;
        ALint queued = 0;
        alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
        EXPECT_GT(queued, 0) << "round " << round;
    }
}

}  // namespace
