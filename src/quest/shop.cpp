#include "quest/shop.h"

// The shop's own screen comes with the stories; until then a visit ends at
// once and the player is back on the map.
int TSklep::mainLoop() { return 0; }
