#pragma once
// A developer's way into one quest level, `vornell --play-level N`: the
// level is played on the game screen (or its mini-game) with the current
// profile of the save folder, which is created when there is none, exactly
// as the quest plays it; the program ends when the level is left, after
// saving the profiles. Not reachable in play.
//
// The outcome is written to the console for scripted runs:
//   play-level: level 12 won, points 250, diamonds 31, matches 14, biggest 6, lines left 0
// ("left" instead of "won" when the level was not won).

// Runs the level; 1 when level N could not be loaded.
int runPlayLevel(int nr);
