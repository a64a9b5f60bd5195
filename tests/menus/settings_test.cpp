// The settings file and the settings pop-up's volume controls.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "menus/settings.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "sound/my_sound.h"
#include "test_support.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

constexpr const char* kDefaults =
    "settings {\n\t sound = 0.500000000\n\t music = 0.699999988\n\t fullscreen = 1\n\t hz = 100\n"
    "\t mouseDraw = 1\n\t }\n \n";

// Each test points the save folder at a folder of its own, gone afterwards.
class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override { testing_support::resetGlobalState(); }
};

TEST_F(SettingsFile, AFirstStartWritesTheDefaultsAndHearsThem) {
    testing_support::TempDir dir;
    saveFolder = dir.path();
    TSettings settings;
    settings.loadSettings();
    EXPECT_EQ(readFile(dir.file("settings.dat")), kDefaults);
    EXPECT_FLOAT_EQ(TMySound::volume, 0.5f);
    EXPECT_FLOAT_EQ(TMyMusic::volume, 0.7f);
    EXPECT_EQ(settings.fullScreen, 1);
    EXPECT_EQ(settings.hz, 100);
}

TEST_F(SettingsFile, ValuesReadBackAndOutOfRangeOnesAreClamped) {
    testing_support::TempDir dir;
    saveFolder = dir.path();
    TSettings settings;
    settings.soundVol = 0.25f;
    settings.musicVol = 1.0f;
    settings.fullScreen = 0;
    settings.hz = 75;
    settings.mouseIsShowed = 0;
    ASSERT_EQ(settings.saveSettings(), 1);
    EXPECT_EQ(readFile(dir.file("settings.dat")),
              "settings {\n\t sound = 0.250000000\n\t music = 1.00000000\n\t fullscreen = 0\n\t hz = 75\n"
              "\t mouseDraw = 0\n\t }\n \n");
    TSettings back;
    back.loadSettings();
    EXPECT_EQ(back.soundVol, 0.25f);
    EXPECT_EQ(back.musicVol, 1.0f);
    EXPECT_EQ(back.fullScreen, 0);
    EXPECT_EQ(back.hz, 75);
    EXPECT_EQ(back.mouseIsShowed, 0);

    writeFile(dir.file("settings.dat"), "settings {\n\t sound = 1.7\n\t music = -0.3\n\t fullscreen = 5\n\t hz = 0\n}\n");
    TSettings clamped;
    clamped.loadSettings();
    EXPECT_EQ(clamped.soundVol, 1.0f);
    EXPECT_EQ(clamped.musicVol, 0.0f);
    EXPECT_EQ(clamped.fullScreen, 1);
    EXPECT_EQ(clamped.hz, 30);
    EXPECT_EQ(clamped.mouseIsShowed, 1) << "a missing key keeps its default";

    // Garbage reads as the defaults; the file is written again when the
    // pop-up next closes.
    writeFile(dir.file("settings.dat"), "\xFF\xFE\x00garbage{");
    TSettings damaged;
    damaged.loadSettings();
    EXPECT_EQ(damaged.soundVol, 0.5f);
    EXPECT_EQ(damaged.musicVol, 0.7f);
}

// The pop-up's controls, on its real layout.
class SettingsPopUp : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        saveFolder = dir.path();
        settings.setup();
        frame();
    }
    void frame() {
        mouse().update();
        settings.update();
        settings.react();
    }
    void clickAt(int x, int y) {
        media::inputMouseMove(x, y);
        frame();
        media::inputMouseDown(1);
        media::inputMouseUp(1);
        frame();
    }

    testing_support::TempDir dir;
    TSettings settings;
};

TEST_F(SettingsPopUp, StepsOfFiveHundredthsStopAtTheEnds) {
    settings.musicVol = 0.02f;
    settings.soundVol = 0.98f;
    clickAt(236, 196);  // music minus
    EXPECT_EQ(settings.musicVol, 0.0f);
    clickAt(560, 274);  // effects plus
    EXPECT_EQ(settings.soundVol, 1.0f);
    clickAt(560, 196);  // music plus
    EXPECT_NEAR(settings.musicVol, 0.05f, 1e-6);
    clickAt(236, 274);  // effects minus
    EXPECT_NEAR(settings.soundVol, 0.95f, 1e-6);
    EXPECT_NEAR(TMyMusic::volume, 0.05f, 1e-6) << "every change is heard at once";
}

TEST_F(SettingsPopUp, DraggingAlongABarSetsItsVolume) {
    EXPECT_NEAR(TSettings::dragVolume(285), 0.004f, 1e-6);
    EXPECT_NEAR(TSettings::dragVolume(534), 1.0f, 1e-6);
    media::inputMouseMove(285, 200);
    media::inputMouseDown(1);
    frame();
    EXPECT_NEAR(settings.musicVol, 0.004f, 1e-6);
    media::inputMouseMove(535, 205);  // still inside: 1.004, held at 1
    frame();
    EXPECT_EQ(settings.musicVol, 1.0f);
    media::inputMouseMove(400, 280);  // the effects bar
    frame();
    EXPECT_NEAR(settings.soundVol, 116.0f / 250.0f, 1e-6);
    media::inputMouseUp(1);
    media::inputMouseMove(300, 200);
    frame();
    EXPECT_EQ(settings.musicVol, 1.0f) << "moving without the button held changes nothing";
}

TEST_F(SettingsPopUp, EscapeAndOkClose) {
    press(KEY_ESCAPE);
    mouse().update();
    settings.update();
    EXPECT_TRUE(settings.react());
    media::inputMouseMove(400, 398);
    frame();
    media::inputMouseDown(1);
    media::inputMouseUp(1);
    mouse().update();
    settings.update();
    EXPECT_TRUE(settings.react());
}

}  // namespace
