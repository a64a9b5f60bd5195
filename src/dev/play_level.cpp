#include "dev/play_level.h"

#include <string>

#include "app/game_objects.h"
#include "app/start.h"
#include "shell/media/media.h"

int runPlayLevel(int nr) {
    initGame();
    GameObjects& o = objects();
    TProfileManager& profiles = o.profileManager;
    if (!profiles.profile)
        profiles.profile = profiles.profilesList.empty() ? profiles.addProfile("Player") : profiles.profilesList[0].get();
    TLevelPtr level = o.levelManager.loadLevel(nr);
    if (!profiles.profile || !level) {
        Print("play-level: level " + std::to_string(nr) + " cannot be played");
        return 1;
    }
    o.main.typGry = "QUEST";
    profiles.profile->level = level;
    TGame& game = o.game;
    game.setLevel(level);
    game.resetStartData(1);
    const int result = game.mainLoop();
    Print("play-level: level " + std::to_string(nr) + (result == 1 ? " won" : " left") + ", points " +
          std::to_string(game.punkty) + ", diamonds " + std::to_string(game.zebraneKapsle) + ", matches " +
          std::to_string(game.matches) + ", biggest " + std::to_string(game.biggestMatch) + ", lines left " +
          std::to_string(game.level ? game.level->lines : 0));
    profiles.saveProfile();
    return 0;
}
