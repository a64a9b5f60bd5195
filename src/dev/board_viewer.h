#pragma once
// A developer's view of one level file: the board and its waiting rows as the
// game screen lays them out, in any of the three marble sizes, with the rules
// live: click a group to remove it, click a bonus marble to fire it, click a
// waiting row to push it in. Not reachable in play.
#include <string>

// Runs until Escape or the window closes; 1 when the level file could not
// be shown.
int runBoardViewer(const std::string& levelFile);
