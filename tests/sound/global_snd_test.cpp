// The sound manager: its tables and console lines, the rules of each effect,
// the single music channel, tracks that loop and tracks that play once.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "sound/global_snd.h"
#include "sound_test_support.h"
#include "test_support.h"

using namespace sound_testing;
using testing_support::TempDir;

namespace {

void sleepFor(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// A working folder with a short sound at every path of the tables.
class SoundManager : public ::testing::Test {
protected:
    void SetUp() override {
        useWaveWriter();
        media::audioShutdown();  // the recording starts with this test
        TMySound::volume = 1;
        TMyMusic::volume = 1;
        for (const auto& e : TGlobalSnd::effectTable()) writeTestWav(dir.file(e.file), 0.3, 0.8f);
        // Two effects with a steady level, so overlaps show as a doubled level.
        writeTestWav(dir.file("sfx/bomb.wav"), 0.6, 0.25f, Wave::Constant);
        writeTestWav(dir.file("sfx/desert2.wav"), 0.6, 0.25f, Wave::Constant);
        // Short tracks keep the tests quick; the manager goes by the names.
        for (const auto& m : TGlobalSnd::musicTable()) writeTestWav(dir.file(m.file), 0.4, 0.8f);
        folder = std::make_unique<ScopedWorkingFolder>(dir.path());
    }
    void TearDown() override { folder.reset(); }

    TempDir dir;
    std::unique_ptr<ScopedWorkingFolder> folder;
    TGlobalSnd snd;
};

TEST_F(SoundManager, SetupLoadsBothTablesAndStepsTheLoadingScreenPerTrack) {
    std::vector<std::string> steps;
    snd.loadingStep = [&](const std::string& s) { steps.push_back(s); };
    testing::internal::CaptureStdout();
    snd.setup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "LOADING SOUND\nPREPEARING MUSIC\nEND OF PREPARING\nSOUND LOADED\n");

    ASSERT_EQ(snd.musics.size(), 11u);
    ASSERT_EQ(snd.sounds.size(), 33u);
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(steps.front(), "Music:puzzle-mini-gra");
    EXPECT_EQ(steps.back(), "Music:wstep");
    EXPECT_EQ(snd.sounds.front()->name, "USUN1");
    EXPECT_EQ(snd.sounds.back()->name, "WAR");
    for (const auto& s : snd.sounds) EXPECT_TRUE(s->snd) << s->name;
    // Only the menu loop and the two one-shot tracks are loaded up front.
    for (const auto& m : snd.musics)
        EXPECT_EQ(bool(m->music), m->name == "MAIN" || m->name == "STORY" || m->name == "WSTEP") << m->name;
    EXPECT_TRUE(media::soundInfo(snd.getMyMusic("main")->music).loops);
    EXPECT_FALSE(media::soundInfo(snd.getMyMusic("story")->music).loops);
    EXPECT_FALSE(media::soundInfo(snd.getMyMusic("wstep")->music).loops);

    EXPECT_EQ(snd.timeSnd, snd.getMySound("czas"));
    EXPECT_EQ(snd.timeSnd->spec, 1);
    EXPECT_EQ(snd.getMySound("bomba")->spec, 0);
    EXPECT_EQ(snd.clickSnd, snd.getMySound("click"));
    EXPECT_EQ(snd.musicPrelude, snd.getMyMusic("wstep"));

    // Names are matched without regard to case; "win" is both an effect and a track.
    EXPECT_EQ(snd.getMySound("usun1"), snd.getMySound("UsUn1"));
    EXPECT_EQ(snd.getMyMusic("Puzzle-Mini-Gra"), snd.musics.front().get());
    EXPECT_NE(snd.getMySound("win"), nullptr);
    EXPECT_NE(snd.getMyMusic("win"), nullptr);
    EXPECT_EQ(snd.getMySound("no-such-effect"), nullptr);
    EXPECT_EQ(snd.play("no-such-effect"), 0);
    EXPECT_EQ(snd.playMusic("no-such-track"), nullptr);

    // A track loaded on its first play stays loaded.
    TMyMusic* map = snd.playMusic("map");
    ASSERT_TRUE(map && map->music);
    const TSoundPtr loaded = map->music;
    snd.stopAllMusic();
    snd.playMusic("map");
    EXPECT_EQ(map->music, loaded);
    EXPECT_TRUE(media::soundInfo(loaded).loops);
}

TEST_F(SoundManager, EffectVolumeAppliesWithTheRemovalPopSofterAndTheWarHornFull) {
    snd.setup();
    snd.setSoundVolume(0.5f);
    snd.play("usun1");
    sleepFor(0.5);
    snd.play("war");
    sleepFor(0.5);
    snd.play("pop");
    sleepFor(0.5);
    const Recording rec = finishRecording();
    const auto parts = rec.stretches(0.02f);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_NEAR(rec.peak(parts[0].start, parts[0].end), 0.8f * 0.175f, 0.01f);
    EXPECT_NEAR(rec.peak(parts[1].start, parts[1].end), 0.8f, 0.01f);
    EXPECT_NEAR(rec.peak(parts[2].start, parts[2].end), 0.8f * 0.5f, 0.01f);
}

TEST_F(SoundManager, RepeatedEffectsCutThemselvesOffButGlassOverlaps) {
    snd.setup();
    snd.play("bomba");
    const TChannelPtr first = snd.getMySound("bomba")->chn;
    sleepFor(0.2);
    snd.play("BOMBA");
    EXPECT_EQ(first->Playing(), 0);
    EXPECT_EQ(snd.getMySound("bomba")->chn->Playing(), 1);
    sleepFor(1.0);
    snd.play("szklo1");
    const TChannelPtr glass = snd.getMySound("szklo1")->chn;
    sleepFor(0.2);
    snd.play("szklo1");
    EXPECT_EQ(glass->Playing(), 1);
    sleepFor(0.8);

    const Recording rec = finishRecording();
    const auto parts = rec.stretches(0.1f);
    ASSERT_EQ(parts.size(), 2u);
    // The bomb: one level throughout, the second start taking over the first
    // (which fades out within a few hundredths of a second rather than
    // clicking). The glass: both at once for as long as they overlap.
    // (Lengths only roughly: the device's mixing thread may run late on a
    // busy machine.)
    EXPECT_LT(rec.secondsAbove(0.3f, parts[0].start, parts[0].end), 0.04);
    EXPECT_NEAR(parts[0].end - parts[0].start, 0.75, 0.15);
    EXPECT_NEAR(rec.peak(parts[1].start, parts[1].end), 0.5f, 0.01f);
    EXPECT_GT(rec.secondsAbove(0.3f, parts[1].start, parts[1].end), 0.25);
    EXPECT_NEAR(parts[1].end - parts[1].start, 0.75, 0.15);
}

TEST_F(SoundManager, StoryAndIntroPlayOnceAndReportTheirEndOnceWhileTheMenuLoops) {
    snd.setup();
    for (const char* name : {"story", "wstep", "story"}) {  // the second time does not loop either
        SCOPED_TRACE(name);
        snd.stopAllMusic();
        ASSERT_NE(snd.playMusic(name), nullptr);
        TMyMusic* track = snd.getMyMusic(name);
        EXPECT_EQ(track->isEnd(), 0);
        for (int wait = 0; wait < 200 && snd.musicChn->Playing(); ++wait) sleepFor(0.01);
        EXPECT_EQ(track->isEnd(), 1);
        EXPECT_EQ(snd.musicChn, nullptr);
        EXPECT_EQ(track->isEnd(), 0);
    }
    snd.stopAllMusic();
    snd.playMusic("main");
    sleepFor(1.1);
    EXPECT_EQ(snd.musicChn->Playing(), 1);
    EXPECT_EQ(snd.getMyMusic("main")->isEnd(), 0);
    snd.stopAllMusic();
    EXPECT_EQ(snd.musicChn, nullptr);
    EXPECT_EQ(snd.getMyMusic("main")->isEnd(), 0);  // no music at all is not an end
}

TEST_F(SoundManager, MusicVolumeChangesThePlayingTrackAtOnce) {
    snd.setup();
    snd.playMusic("main");
    sleepFor(0.5);
    testing::internal::CaptureStdout();
    snd.setMusicVolume(0.25f);
    sleepFor(0.5);
    snd.stopAllMusic();
    snd.setMusicVolume(0.5f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MV : 0.25\nMUSIC CHN NULL\n");
    sleepFor(0.2);
    snd.playMusic("main");  // the next track starts at the new volume
    sleepFor(0.5);
    snd.stopAllMusic();

    const Recording rec = finishRecording();
    const auto parts = rec.stretches(0.02f);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(rec.peak(parts[0].start, parts[0].start + 0.25), 0.8f, 0.01f);
    EXPECT_NEAR(rec.peak(parts[0].end - 0.25, parts[0].end), 0.2f, 0.01f);
    EXPECT_NEAR(rec.peak(parts[1].start, parts[1].end), 0.4f, 0.01f);
}

TEST_F(SoundManager, OneTrackAtATimeOnTheMusicChannel) {
    snd.setup();
    snd.playMusic("main");
    const TChannelPtr first = snd.musicChn;
    // A caller that forgot to stop the music first must not leave the old
    // track playing where no stop can reach it.
    snd.playMusic("map");
    EXPECT_EQ(first->Playing(), 0);
    EXPECT_EQ(snd.musicChn->Playing(), 1);
    snd.getMyMusic("puzzle")->stop();  // stop acts on the channel, whatever the track
    EXPECT_EQ(snd.musicChn, nullptr);
}

TEST_F(SoundManager, TheClockTicksWithoutOverlapsUntilStopped) {
    snd.setup();
    snd.playTime();
    const TChannelPtr tick = snd.timeSnd->chn;
    ASSERT_TRUE(tick);
    for (int frame = 0; frame < 10; ++frame) {
        snd.playTime();
        sleepFor(0.016);
    }
    EXPECT_EQ(snd.timeSnd->chn, tick);
    while (tick->Playing()) sleepFor(0.01);
    snd.playTime();  // the tick has ended: the next one starts
    EXPECT_NE(snd.timeSnd->chn, tick);
    snd.stopTime();
    EXPECT_EQ(snd.timeSnd->chn->Playing(), 0);
}

TEST_F(SoundManager, ClicksOverlapAndOnTheGameScreenLookAfterItsMusicFirst) {
    snd.setup();
    int gameScreen = 0, otherScreen = 0, musicChecks = 0;
    snd.gameScreen = reinterpret_cast<TEkran*>(&gameScreen);
    snd.gameScreenMusic = [&] { ++musicChecks; };
    snd.click();
    const TChannelPtr first = snd.clickSnd->chn;
    snd.click(reinterpret_cast<TEkran*>(&otherScreen));
    EXPECT_EQ(musicChecks, 0);
    EXPECT_EQ(first->Playing(), 1);
    snd.click(snd.gameScreen);
    EXPECT_EQ(musicChecks, 1);
}

TEST_F(SoundManager, WithMusicOffNothingIsPreparedOrPlayed) {
    snd.musicOn = 0;
    int steps = 0;
    snd.loadingStep = [&](const std::string&) { ++steps; };
    snd.setup();
    EXPECT_EQ(steps, 0);
    EXPECT_TRUE(snd.musics.empty());
    EXPECT_EQ(snd.musicPrelude, nullptr);
    EXPECT_EQ(snd.playMusic("main"), nullptr);
    EXPECT_EQ(snd.getMyMusic("main"), nullptr);
    EXPECT_EQ(snd.stopAllMusic(), 0);
    EXPECT_EQ(snd.sounds.size(), 33u);
}

TEST_F(SoundManager, MissingFilesLeaveSilentEntriesThatDoNothing) {
    std::filesystem::remove_all(dir.file("sfx"));
    snd.setup();
    ASSERT_EQ(snd.sounds.size(), 33u);
    for (const auto& s : snd.sounds) EXPECT_FALSE(s->snd);
    EXPECT_EQ(snd.play("usun1"), 0);
    EXPECT_EQ(snd.getMySound("usun1")->chn, nullptr);
    snd.click();
    snd.playTime();
    snd.stopTime();
    TMyMusic* map = snd.playMusic("map");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(snd.musicChn, nullptr);
    EXPECT_TRUE(map->loadFailed);
    snd.setMusicVolume(0.3f);
    EXPECT_EQ(map->isEnd(), 0);
}

}  // namespace
