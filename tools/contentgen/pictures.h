#pragma once
#include <string>

// Draws every picture under OUT/gfx (and the contact sheet beside OUT); in a
// language run (catalogue::use) only the pictures that carry words, at the
// same paths. False on failure.
bool generatePictures(const std::string& out);
