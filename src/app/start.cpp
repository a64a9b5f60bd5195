#include "app/start.h"

#include <cstdlib>

#include "app/game_objects.h"
#include "app/studio_intro.h"
#include "board/tile_data.h"
#include "gui/digits.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/language.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"

void switchLanguage(const std::string& code) {
    GameObjects& o = objects();
    language::use(code);
    o.teksty.setup();
    o.story.readStories();
    readBonusTips(o.game.bonusButtons, TGame::kBonusFile);
    o.shooting.readGunNames();
    o.credits.setup();
    o.freePlay.readLayout();
}

void initGame() {
    GameObjects& o = objects();
    prepareSaveFolder();
    // The language first: every text and picture below is read in it.
    language::use(TSettings::startingLanguage());
    o.settings.useLanguage = switchLanguage;
    Print("LANGUAGE : " + language::current());
    // Alt+F4 and the window's close button end the game from any screen;
    // the players' progress goes with them into the save files. (Before
    // the profiles were read there is nothing to save.)
    setQuitStep([&o] {
        if (o.profileManager.loaded) o.profileManager.saveProfile();
    });
    const char* seed = std::getenv("VORNELL_SEED");
    SeedRnd(seed && *seed ? std::atoi(seed) : MilliSecs());
    o.teksty.setup();
    o.settings.loadSettings();
    // The display always opens at 60 Hz; the stored rate is for switching later.
    setGraphicsMode(o.settings.fullScreen, 60);
    setFullScreenStep([&o] { o.settings.toggleFullScreen(); });
    SetBlend(ALPHABLEND);
    HideMouse();
    o.loadingScreen.setup();
    registerGameCursors(o.mouse);
    imgMousePoint = LoadImage("gfx/gui/mousePoint.png");
    fonts.load();
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
