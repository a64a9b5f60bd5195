#include "game/game.h"

int TGame::setLevel(const TLevelPtr& newLevel) {
    level = newLevel;
    return 0;
}

int TGame::resetStartData(int /*openGate*/) {
    state = "BEGIN";
    zebraneKapsle = punkty = najwiekszyMatch = matches = 0;
    goExit = 0;
    return 0;
}

// The screen itself comes with the game screen's own loop; until then a
// level handed to it ends at once, unplayed.
int TGame::mainLoop() { return 0; }

int TGame::WYGRANA() {
    ++wonCalls;
    return 0;
}

int TGame::PRZEGRANA(const std::string& reason) {
    ++lostCalls;
    lostReason = reason;
    return 0;
}

int TGame::_controlTileBonus(const TTilePtr& t) {
    if (!level || !t || !t->TD) return 0;
    TLevel& l = *level;
    const int id = t->TD->id;
    // The bomb and the eraser lie inside the area they clear, so they go
    // with it; the others are taken off first.
    if (id == KIND_BOMB) {
        l.bomb(t);
        l.checkLevel(0);
    } else if (id == KIND_SHUFFLE) {
        l.destroyTile(t);
        l.checkLevel(0);
        l.changeTilesPosition();
    } else if (id == KIND_LINE_ERASER) {
        l.eraseLine(t);
        l.checkLevel(0);
    } else if (id == KIND_SIDE_SWITCH) {
        l.destroyTile(t);
        l.changePlaces(t);
    } else if (id > 100) {
        l.destroyTile(t);
        l.destroy(id - 100);
        l.checkLevel(0);
    } else {
        return 0;
    }
    return 1;
}
