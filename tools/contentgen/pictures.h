#pragma once
#include <string>

// Draws every picture under OUT/gfx (and the contact sheet). False on failure.
bool generatePictures(const std::string& out);
