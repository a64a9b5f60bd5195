#pragma once
// A developer's view of one story file, shown as the quest shows it (the
// closing story ends in the credits), opened with `vornell --story FILE`;
// players never reach it.
#include <string>

// Starts the game's shell, shows the story, then ends; returns the exit status.
int runStoryViewer(const std::string& file);
