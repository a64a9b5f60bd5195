#pragma once
// The settings and their file: the effect and music volumes, full screen or
// a window, the refresh rate used when switching, and the cursor flag. The
// pop-up changes the volumes with buttons or by dragging along the two
// bars, switches the display at once, and saves the file when it closes.
// It also chooses the game's language, which takes effect at once and is
// kept in a file of its own (language.dat), so this file stays as it was.
//
//   settings {
//   	 sound = 0.500000000
//   	 music = 0.699999988
//   	 fullscreen = 1
//   	 hz = 100
//   	 mouseDraw = 1
//   	 }
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "shell/ekran.h"

class TRCMFile;

class TSettings : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_settings.gui";
    // The two drag areas: the music bar above, the effects bar below.
    static constexpr int kDragX = 285, kDragW = 250, kDragH = 30;
    static constexpr int kMusicDragY = 191, kSoundDragY = 270;
    // The inside of the panel ends here on the right.
    static constexpr int kPanelRight = 605;
    // Where the "Fullscreen" label starts: beside its switch, which is
    // wider in some languages.
    static int fullscreenLabelX(TGuiObject& fullscreenSwitch) {
        fullscreenSwitch.countDims();
        return fullscreenSwitch.dim.x2 + 12;
    }
    static constexpr float kStep = 0.05f;

    TEkran* ekran = nullptr;  // drawn behind the pop-up
    std::unique_ptr<TGui> gui;
    float soundVol = 0.5f;
    float musicVol = 0.7f;
    int fullScreen = 1;
    int mouseIsShowed = 1;
    int hz = 100;
    // The languages offered, English first, each with its name in itself;
    // read when the pop-up opens.
    std::vector<std::string> languages, languageNames;
    // Puts a language to use everywhere at once (the game's screens read
    // their texts again); set by the game at start.
    std::function<void(const std::string&)> useLanguage;

    TSettings() { _myName = "Settings"; }

    int setup() override;
    int update() override;
    int draw() override;

    static std::string path();
    static std::string languagePath();
    // The language kept in language.dat, else the desktop's (first start);
    // English when the file is damaged. Put to use before anything shows a
    // text.
    static std::string startingLanguage();
    // The next (step 1) or previous (step -1) offered language: put to use
    // and kept.
    void stepLanguage(int step);
    // Reads the file (writing the defaults first when there is none) and
    // hands the volumes to the sound manager.
    int loadSettings();
    // 1 when the file was written.
    int saveSettings();
    std::string getSettingsString() const;
    // The values of a settings file; missing ones keep their value,
    // out-of-range ones are clamped.
    void readFrom(const TRCMFile& file);

    // Shows the pop-up over `ekran` until "ok" or Escape, then saves; 0.
    int mainLoop(TEkran* ekran);
    // One frame's clicks and keys; true when the pop-up closes.
    bool react();
    // Clamps both volumes and makes them heard at once.
    int checkSoundStuff();
    // Between full screen and a window, at once.
    int switchScreen();
    // F11 or Alt+Enter on any screen: switches and keeps the choice at once.
    int toggleFullScreen();
    // The volume a drag at pointer x gives, before clamping.
    static float dragVolume(int x) { return float(x - (kDragX - 1)) / float(kDragW); }
};
