#pragma once
// The two scenes that belong to no land: the free-play backdrop (a rainbow
// valley) and the main menu's panorama, which hints at the quest's lands.
#include "art.h"

namespace showcase {
void paintFreePlay(art::Canvas& out);
void paintMainMenu(art::Canvas& out);
}  // namespace showcase
