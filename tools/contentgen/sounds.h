#pragma once
#include <string>

// Synthesizes every effect and music track under OUT/sfx. False on failure.
bool generateSounds(const std::string& out);
