#pragma once
// The help pages: a panel with one of the ten pages of advice over the
// screen that opened it. A page counts as seen by the current player the
// moment it opens.
#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "shell/ekran.h"

class TText;

class THelp : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_help.gui";

    std::unique_ptr<TGui> gui;
    TEkran* ekran = nullptr;  // drawn behind the page
    TText* text = nullptr;    // the layout's "tekst"
    std::vector<std::string> teksty1;  // pages 0 to 9

    THelp() { _myName = "Help pop-up."; }

    int setup() override;
    int update() override;
    int draw() override;

    // Page n, or "" when there is none.
    std::string getText(int n) const;
    void prepare(int n, TEkran* behind);
    // Shows page n over `ekran` until "ok" or Escape; returns 0.
    int mainLoop(int n, TEkran* ekran);
    // True when the page is dismissed this frame.
    bool react();
};
