#include "shell/start.h"

#include <pwd.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>

#include "board/tile_data.h"
#include "game/digits.h"
#include "game/particle.h"
#include "shell/delta_time.h"
#include "shell/game_objects.h"
#include "shell/media/media.h"
#include "shell/studio_intro.h"

std::string saveFolder;
TImagePtr imgMousePoint;
TFontSet fonts;

void TFontSet::load() {
    font_font12 = LoadImageFont("fonts/font.ttf", 12, SMOOTHFONT);
    font_font16 = LoadImageFont("fonts/font.ttf", 16, SMOOTHFONT);
    font_blueHigh22 = LoadImageFont("fonts/blueHigh.ttf", 22, SMOOTHFONT);
    font_blueHigh26 = LoadImageFont("fonts/blueHigh.ttf", 26, SMOOTHFONT);
    font_blueHigh36 = LoadImageFont("fonts/blueHigh.ttf", 36, SMOOTHFONT);
    font_FONT20 = LoadImageFont("fonts/FONT.ttf", 20, SMOOTHFONT);
    font_font16b = LoadImageFont("fonts/font.ttf", 16, SMOOTHFONT);
    font_font18 = LoadImageFont("fonts/font.ttf", 18, SMOOTHFONT);
    font_font14 = LoadImageFont("fonts/font.ttf", 14, SMOOTHFONT);
    font_font12b = LoadImageFont("fonts/font.ttf", 12, SMOOTHFONT);
}

TImageFontPtr TFontSet::find(const std::string& file, int size) const {
    std::string name = file;
    if (name.size() > 6 && strncasecmp(name.c_str(), "fonts/", 6) == 0) name = name.substr(6);
    const bool plain = strcasecmp(name.c_str(), "font.ttf") == 0;
    const bool blueHigh = strcasecmp(name.c_str(), "blueHigh.ttf") == 0;
    if (plain) {
        switch (size) {
            case 12: return font_font12;
            case 14: return font_font14;
            case 16: return font_font16;
            case 18: return font_font18;
            case 20: return font_FONT20;
            default: return nullptr;
        }
    }
    if (blueHigh) {
        switch (size) {
            case 22: return font_blueHigh22;
            case 26: return font_blueHigh26;
            case 36: return font_blueHigh36;
            default: return nullptr;
        }
    }
    return nullptr;
}

std::string getSpecialFolder() {
    // The game keeps its saves with the player's other application data.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return data;
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env == '/') home = env;
    // Without HOME (started by a service, or with a cleared environment)
    // the account's home is still known to the system.
    if (home.empty())
        if (const passwd* account = getpwuid(getuid()); account && account->pw_dir && *account->pw_dir == '/')
            home = account->pw_dir;
    return home.empty() ? "" : home + "/.local/share";
}

void grantFolderAccess(const std::string& /*path*/) {
    // Folders here carry plain owner permissions; the save folder belongs to
    // the player who plays, and nothing in it is made world-writable.
}

void prepareSaveFolder() {
    if (const char* override = std::getenv("VORNELL_SAVE_DIR"); override && *override) {
        saveFolder = override;
    } else {
        const std::string data = getSpecialFolder();
        saveFolder = data.empty() ? "" : data + "/Vornell";
    }
    for (char& c : saveFolder) {
        if (c == '\\') c = '/';
    }
    while (saveFolder.size() > 1 && saveFolder.back() == '/') saveFolder.pop_back();
    // Parents such as ~/.local/share may be missing on a fresh account.
    if (!saveFolder.empty() && FileType(saveFolder) == 0) CreateDir(saveFolder, 1);
    if (saveFolder.empty() || FileType(saveFolder) != 2 || access(saveFolder.c_str(), W_OK | X_OK) != 0) {
        const std::string tried = saveFolder.empty() ? "no home folder" : saveFolder;
        saveFolder.clear();
        Print("MY DOCS : none (" + tried + ")");
        noteUnsaved("There is no folder the game can keep its saves in (" + tried + ").");
        return;
    }
    Print("MY DOCS : " + saveFolder);
    grantFolderAccess(saveFolder);
}

bool canSave() { return !saveFolder.empty(); }

void setGraphicsMode(int fullScreen, int hertz) {
    if (!Graphics(800, 600, fullScreen ? 32 : 0, hertz, 0)) {
        Print("Vornell needs a display with OpenGL 3.3; none could be opened.");
        std::exit(1);
    }
    SetBlend(ALPHABLEND);
}

TImagePtr loadImageOrFail(const std::string& path, int flags) {
    TImagePtr image = LoadImage(path, flags);
    // Loading reads the header only: a picture damaged past it must be
    // found now, to be said as a missing one is, not drawn as nothing.
    if (image && !pictureDecodes(*image)) image = nullptr;
    if (!image) Notify("Couldn't load image file: " + path + " - program will probably crash!", 0);
    return image;
}

void frameTick() {
    TDeltaTime& timing = objects().deltaTime;
    timing.Update();
    delta = timing.CurrDelta();
    PollSystem();
    // Alt+F4 is taken from the keys as they arrived, not from what is held
    // now: a quick chord is over before the frame looks.
    if (QuitChordHit()) quitGame();
    if (AppTerminate()) quitGame();
}

void quitGame() {
    // Alt+F4 and the window's close button end the game from any screen;
    // the players' progress goes with them into the save files. (Before
    // the profiles were read there is nothing to save.)
    TProfileManager& profiles = objects().profileManager;
    if (profiles.loaded) profiles.saveProfile();
    // No more-games screen: the game simply ends.
    ShowMouse();
    std::exit(0);
}

void noteUnsaved(const std::string& message) {
    static bool told = false;
    Print(message);
    if (told) return;
    told = true;
    Notify(message + " The game goes on, but your progress cannot be saved" +
               (canSave() ? " in " + saveFolder : std::string()) + ".",
           0);
}

void initGame() {
    GameObjects& o = objects();
    prepareSaveFolder();
    const char* seed = std::getenv("VORNELL_SEED");
    SeedRnd(seed && *seed ? std::atoi(seed) : MilliSecs());
    o.settings.loadSettings();
    // The display always opens at 60 Hz; the stored rate is for switching later.
    setGraphicsMode(o.settings.fullScreen, 60);
    SetBlend(ALPHABLEND);
    HideMouse();
    o.loadingScreen.setup();
    registerGameCursors(o.mouse);
    imgMousePoint = LoadImage("gfx/gui/mousePoint.png");
    fonts.load();
    o.teksty.setup();
    o.snd.loadingStep = [&o](const std::string& name) { o.loadingScreen.addField(name); };
    o.snd.setup();
    // Every screen's set-up, in the game's order; those whose set-up is the
    // base one (the top-level object, the puzzle, the main menu, the play
    // mode) light a progress dot each.
    o.main.setup();
    o.map.setup();
    o.settings.setup();
    o.game.setup();
    o.shooting.setup();
    o.puzzleGame.setup();
    o.story.setup();
    o.shop.setup();
    o.mainMenu.setup();
    o.gate.setup();
    o.profileName.setup();
    o.yesOrNo.setup();
    o.inGameMenu.setup();
    o.play.setup();
    o.lostGame.setup();
    o.freePlay.setup();
    o.help.setup();
    o.credits.setup();
    o.levelManager.setup();
    o.profileManager.setup();
    loadTileKinds();
    loadParticleImages();
    loadDigits();
    o.loadingScreen.addField("nothing");
    // After the tile kinds and the catalogue: a profile loads its level.
    o.profileManager.loadProfiles();
    o.loadingScreen.start();
    // The backdrop colour of every screen, intro or not.
    SetClsColor(180, 200, 220);
    // Clicks made while loading count nowhere; keys still held (Alt of an
    // Alt+F4) stay held.
    FlushMouse();
}

void runGame() {
    initGame();
    // Players see the intro; the developer screens, which also start with
    // initGame, go straight to work.
    TStudioIntro().run();
    objects().main.mainLoop();
    quitGame();
}
