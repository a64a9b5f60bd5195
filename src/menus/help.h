#pragma once
// The help pages: a panel with one of the ten pages of advice over the
// screen that opened it, in the words of what the player plays with (the
// mouse, the keys or a gamepad; it follows a change while it is open). A
// page counts as seen by the current player the moment it opens.
#include <memory>
#include <string>

#include "gui/gui.h"
#include "shell/media/font.h"
#include "shell/media/input.h"
#include "shell/ekran.h"

class TText;

class THelp : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_help.gui";

    std::unique_ptr<TGui> gui;
    TEkran* ekran = nullptr;  // drawn behind the page
    TText* text = nullptr;    // the layout's "tekst"
    int page = 0;             // the page shown
    TImageFontPtr pageFont;   // the layout's font for the page

    THelp() { _myName = "Help pop-up."; }

    int setup() override;
    int update() override;
    int draw() override;

    // Page n for a player of that device, or "" when there is none.
    const std::string& getText(int n, InputDevice device = InputDevice::Mouse) const;
    void prepare(int n, TEkran* behind);
    // Puts the words on the page, in the page font or, when they would run
    // into the OK, the smaller one.
    void showWords(const std::string& words);
    // Shows page n over `ekran` until "ok", Escape, Enter or Space; returns 0.
    int mainLoop(int n, TEkran* ekran);
    // True when the page is dismissed this frame.
    bool react();
};
