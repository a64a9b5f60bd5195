#pragma once
// How the question and the in-game menu come and go: the panel spins and
// grows in, then the buttons fade in; on closing both fade out together.
#include "gui/gui.h"
#include "shell/media/image.h"

struct TPopUpFade {
    float alpha = 0, dAlpha = 0;    // the panel and its target
    float gAlpha = 0, dGAlpha = 0;  // the buttons and their target

    // Starts coming in from nothing.
    void open() {
        alpha = 0;
        dAlpha = 1;
        gAlpha = 0;
        dGAlpha = 0;
    }
    void close() {
        dAlpha = 0;
        dGAlpha = 0;
    }
    // One frame: the panel first; the buttons once it has fully arrived.
    void update();
    // Closed and faded out completely.
    bool gone() const { return alpha == 0 && dAlpha == 0 && gAlpha == 0 && dGAlpha == 0; }
    // Every widget shows at the buttons' opacity.
    void applyTo(TGui& gui) const;
    // The panel picture at (x, y): spinning half a turn and growing as it comes.
    void drawPanel(const TImagePtr& panel, float x, float y) const;
};
