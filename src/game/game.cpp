#include "game/game.h"

int TGame::WYGRANA() {
    ++wonCalls;
    return 0;
}

int TGame::PRZEGRANA(const std::string& reason) {
    ++lostCalls;
    lostReason = reason;
    return 0;
}
