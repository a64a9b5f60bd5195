#include "menus/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/game_objects.h"
#include "datafiles/data_file_writer.h"
#include "datafiles/rcm_file.h"
#include "gui/caption.h"
#include "shell/assets.h"
#include "shell/frame_tick.h"
#include "shell/language.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"

namespace {
// A volume from a file or a drag: inside 0..1, and a number.
float clampVolume(float v) { return std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.0f; }
}  // namespace

std::string TSettings::path() { return saveFolder + "/settings.dat"; }
std::string TSettings::languagePath() { return saveFolder + "/" + language::kChoiceFile; }

std::string TSettings::startingLanguage() {
    const std::vector<std::string> languages = language::available();
    if (!canSave() || FileType(languagePath()) == 0)
        return language::fromEnvironment(languages, [](const char* name) { return std::getenv(name); });
    // A damaged file speaks English, as the game does when all else fails.
    const std::string kept = language::readChoice(languagePath(), languages);
    return kept.empty() ? language::kEnglish : kept;
}

void TSettings::stepLanguage(int step) {
    if (languages.empty()) return;
    const auto here = std::find(languages.begin(), languages.end(), language::current());
    const int count = int(languages.size());
    const int at = here == languages.end() ? 0 : int(here - languages.begin());
    const std::string& code = languages[size_t(((at + step) % count + count) % count)];
    if (useLanguage) useLanguage(code);
    Print("LANGUAGE : " + code);
    if (canSave() && !language::saveChoice(languagePath(), code)) noteUnsaved(objects().teksty.txtSettingsNotSaved);
}

int TSettings::setup() {
    gui = createGui(kLayout);
    return 0;
}

std::string TSettings::getSettingsString() const {
    std::string t = "settings {\n";
    t += "\t sound = " + DataFileWriter::formatFloat(soundVol) + "\n";
    t += "\t music = " + DataFileWriter::formatFloat(musicVol) + "\n";
    t += "\t fullscreen = " + std::to_string(fullScreen) + "\n";
    t += "\t hz = " + std::to_string(hz) + "\n";
    t += "\t mouseDraw = " + std::to_string(mouseIsShowed) + "\n";
    t += "\t }\n \n";
    return t;
}

void TSettings::readFrom(const TRCMFile& file) {
    if (file.findEntry("settings::sound")) soundVol = clampVolume(file.getFloat("settings::sound"));
    if (file.findEntry("settings::music")) musicVol = clampVolume(file.getFloat("settings::music"));
    if (file.findEntry("settings::fullscreen")) fullScreen = file.getInt("settings::fullscreen") != 0 ? 1 : 0;
    // A rate the display cannot sensibly run at is brought into range.
    if (file.findEntry("settings::hz")) hz = std::clamp(file.getInt("settings::hz"), 30, 240);
    if (file.findEntry("settings::mouseDraw")) mouseIsShowed = file.getInt("settings::mouseDraw") != 0 ? 1 : 0;
}

int TSettings::loadSettings() {
    if (canSave()) {
        if (FileType(path()) == 0) saveSettings();
        readFrom(loadRCMFile(path()));
    }
    TGlobalSnd& snd = objects().snd;
    snd.setMusicVolume(musicVol);
    snd.setSoundVolume(soundVol);
    return 0;
}

int TSettings::saveSettings() {
    // With no save folder the player was told once, at start.
    if (!canSave()) return 0;
    if (FileType(saveFolder) != 2) CreateDir(saveFolder, 1);
    if (SaveText(getSettingsString(), path())) return 1;
    noteUnsaved(objects().teksty.txtSettingsNotSaved);
    return 0;
}

int TSettings::checkSoundStuff() {
    musicVol = clampVolume(musicVol);
    soundVol = clampVolume(soundVol);
    TGlobalSnd& snd = objects().snd;
    snd.setMusicVolume(musicVol);
    snd.setSoundVolume(soundVol);
    return 0;
}

int TSettings::switchScreen() {
    fullScreen = 1 - fullScreen;
    setGraphicsMode(fullScreen, hz);
    // Full screen puts the pointer in the middle of the picture, on the
    // effects bar: the button still held from the click must not drag it.
    objects().mouse.clear();
    Print(std::string("FULL SCREEN : ") + (fullScreen ? "on" : "off"));
    return 0;
}

int TSettings::toggleFullScreen() {
    switchScreen();
    saveSettings();
    return 0;
}

int TSettings::update() {
    if (TGuiObject* on = gui->getItem("on")) on->setState(fullScreen, fullScreen);
    if (TGuiObject* off = gui->getItem("off")) off->setState(1 - fullScreen, 1 - fullScreen);
    gui->update();
    const TMouse& mouse = objects().mouse;
    if (mouse.leftHolded && mouse.inRect(kDragX, kMusicDragY, kDragW, kDragH)) {
        musicVol = dragVolume(mouse.x);
        checkSoundStuff();
    }
    if (mouse.leftHolded && mouse.inRect(kDragX, kSoundDragY, kDragW, kDragH)) {
        soundVol = dragVolume(mouse.x);
        checkSoundStuff();
    }
    return 0;
}

int TSettings::draw() {
    if (ekran) ekran->draw();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    gui->draw();
    // The bars: music above, effects below.
    SetScale(1, 1);
    SetAlpha(0.7f);
    SetColor(0, 200, 200);
    DrawRect(271, 189, 240 * musicVol, 14);
    DrawRect(271, 267, 240 * soundVol, 14);
    SetAlpha(1);
    SetColor(255, 255, 255);
    const TRGB white = createRGB(255, 255, 255), black = createRGB(0, 0, 0);
    SetImageFont(fonts.font_blueHigh26);
    const TTeksty& t = objects().teksty;
    drawSpecText(t.txtSettings, 400, 120, createRGB(255, 0, 255), createRGB(255, 255, 0), 0, 1);
    if (TGuiObject* on = gui->getItem("on")) {
        const int x = fullscreenLabelX(*on);
        SetImageFont(fittingFont({&t.txtFullscreen}, {fonts.font_blueHigh26, fonts.font_blueHigh22}, kPanelRight - x));
        drawSpecText(t.txtFullscreen, x, 348, white, black, 1, 1);
    }
    // Each bar's caption above it.
    SetImageFont(fonts.font_font16);
    drawSpecText(t.txtMusicVolume, 400, 155, white, black, 0, 1);
    drawSpecText(t.txtSoundVolume, 400, 235, white, black, 0, 1);
    // The language between its arrows, named in itself.
    SetImageFont(fonts.font_blueHigh22);
    const auto shown = std::find(languages.begin(), languages.end(), language::current());
    const std::string& name =
        shown == languages.end() ? t.txtLanguageName : languageNames[size_t(shown - languages.begin())];
    drawSpecText(name, 400, 303, createRGB(255, 255, 120), createRGB(60, 20, 90), 0, 1);
    SetScale(1, 1);
    return 0;
}

bool TSettings::react() {
    if (KeyHit(KEY_ESCAPE) || gui->clickedItem("ok")) return true;
    if (KeyHit(KEY_L)) gui->reload();
    if (gui->clickedItem("on") || gui->clickedItem("off")) switchScreen();
    if (gui->clickedItem("plus1")) musicVol += kStep;
    if (gui->clickedItem("plus2")) soundVol += kStep;
    if (gui->clickedItem("minus1")) musicVol -= kStep;
    if (gui->clickedItem("minus2")) soundVol -= kStep;
    for (const char* b : {"plus1", "plus2", "minus1", "minus2"})
        if (gui->clickedItem(b)) checkSoundStuff();
    if (gui->clickedItem("language_prev")) stepLanguage(-1);
    if (gui->clickedItem("language_next")) stepLanguage(1);
    return false;
}

int TSettings::mainLoop(TEkran* behind) {
    ekran = behind;
    languages = language::offered();
    languageNames.clear();
    for (const std::string& code : languages)
        languageNames.push_back(TTeksty::languageNameIn(language::fileOf(code, TTeksty::kPath)));
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    saveSettings();
    return 0;
}
