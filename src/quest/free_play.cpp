#include "quest/free_play.h"

// The free-play set-up comes with its own screen; until then it ends at
// once, and the main menu stays as it was.
int TFreePlay::mainLoop() { return 0; }
