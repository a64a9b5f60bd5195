#include "minigames/shooting.h"

// The mini-game's screens come with the mini-games themselves; until then a
// level handed to it ends at once, unplayed.
int TShooting::mainLoop(const TLevelPtr& /*level*/) { return 0; }
