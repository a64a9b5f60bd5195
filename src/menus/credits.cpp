#include "menus/credits.h"

// The credits screen comes with the stories and the shop; until then it
// ends at once, unshown.
int TCredits::mainLoop() { return 0; }
