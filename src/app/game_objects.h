#pragma once
// Every long-lived screen and manager of the game, created once at start-up
// in this order and kept until the process ends.
#include "app/loading_screen.h"
#include "app/top_level.h"
#include "board/level_manager.h"
#include "datafiles/teksty.h"
#include "game/end_emitter.h"
#include "game/game.h"
#include "game/game_time.h"
#include "game/gate.h"
#include "game/lost_game.h"
#include "game/results.h"
#include "gui/mouse.h"
#include "menus/credits.h"
#include "menus/help.h"
#include "menus/in_game_menu.h"
#include "menus/main_menu.h"
#include "menus/play_mode.h"
#include "menus/settings.h"
#include "menus/yes_or_no.h"
#include "minigames/puzzle_game.h"
#include "minigames/shooting.h"
#include "quest/free_play.h"
#include "quest/map.h"
#include "quest/profile_manager.h"
#include "quest/profile_name.h"
#include "quest/shop.h"
#include "quest/story.h"
#include "shell/delta_time.h"
#include "shell/ekran.h"
#include "shell/frame_tick.h"
#include "sound/global_snd.h"

struct GameObjects : TScreenHost {
    // The frame timing, started with the objects as it always was.
    TDeltaTime& deltaTime = frameTiming();
    TLoadingScreen loadingScreen;
    TGameTime gameTime;
    TMain main;
    TMap map;
    TGame game;
    TSettings settings;
    TShooting shooting;
    TPuzzleGame puzzleGame;
    TStory story;
    TSklep shop;
    TEndEmitter endEmitter;
    TLevelManager levelManager;
    TProfileManager profileManager;
    TGlobalSnd snd;
    TMainMenu mainMenu;
    TGate gate;
    TWyniki results;
    TProfileName profileName;
    TYesOrNo yesOrNo;
    TInGameMenu inGameMenu;
    TPlay play;
    TLostGame lostGame;
    TFreePlay freePlay;
    THelp help;
    TCredits credits;
    TMouse mouse;
    TTeksty teksty;

    // The screens' host from the start: every frame snapshots this mouse
    // and draws its cursor, every set-up lights a dot on this loading screen.
    GameObjects() {
        setScreenHost(this);
        setWidgetClickSound([this] { snd.click(); });
        setBoardPlayer(&game);
    }
    ~GameObjects() override {
        setScreenHost(nullptr);
        setWidgetClickSound(nullptr);
        setBoardPlayer(nullptr);
    }
    GameObjects(const GameObjects&) = delete;
    GameObjects& operator=(const GameObjects&) = delete;
    void pointerUpdate() override { mouse.update(); }
    void pointerDraw() override { mouse.draw(); }
    void screenSetUp(const std::string& name) override { loadingScreen.addField(name); }
};

// The objects of the running game. Created on first use (the program entry
// does that before anything else runs).
GameObjects& objects();
