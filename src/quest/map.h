#pragma once
// The quest map: the lands, the reached levels and the current one. Its one
// long-lived object also draws the outlined captions every screen uses.
#include <string>

#include "gui/dim.h"
#include "shell/ekran.h"

class TMap : public TEkran {
public:
    TMap() { _myName = "Quest Map Object"; }

    // Outlined text with a soft drop shadow, in the current font, scale and
    // rotation. align: 0 centred on x, 2 right-aligned at x, anything else
    // x is the left edge. Leaves colour `main` and alpha `alpha` in force.
    int _drawSpecText(const std::string& text, int x, int y, const TRGB& main, const TRGB& outline, int align,
                      float alpha);
};
