#pragma once
// The pop-up of a lost level: it turns half a turn while it fades in, says
// why the level was lost, and offers "restart" and "mainmenu" (the game
// screen reads those two clicks itself).
#include <memory>
#include <string>

#include "gui/gui.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TLostGame : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_lost.gui";

    std::unique_ptr<TGui> gui;
    TImagePtr img;  // the pop-up, mid-handled
    int v = 0;      // 1 while shown
    float alpha = 0, dAlpha = 0;
    std::string txtNormal, txtTwo, txtYouLost, txtNoMatch;
    // The reason of the last loss: "NORMAL", "TWO" or "NO-MATCH".
    std::string reason;

    TLostGame() { _myName = "Game Lost Info"; }

    int setup() override;
    int draw() override;
    int update() override;
    void show(const std::string& why);
    void hide();
    // Both texts of the layout say `text`.
    void setText(const std::string& text);
};
