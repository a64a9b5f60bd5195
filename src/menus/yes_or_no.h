#pragma once
// The yes/no question: a panel over the screen that asked, spinning in, the
// question in two text widgets ("tekst1" under "tekst2", its shadow) and the
// buttons "yes" and "no". Enter answers yes, Escape no; the answer is given
// once the panel has gone again.
#include <memory>
#include <string>

#include "gui/gui.h"
#include "menus/popup_fade.h"
#include "shell/ekran.h"
#include "shell/media/font.h"
#include "shell/media/image.h"

class TYesOrNo : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_yesorno.gui";

    std::unique_ptr<TGui> gui;
    TEkran* ekran = nullptr;  // drawn behind the panel
    TImagePtr back;
    TPopUpFade fade;
    int result = 0;  // 1 yes, 0 no

    TYesOrNo() { _myName = "Yes or No"; }

    int setup() override;
    int update() override;
    int draw() override;
    void setFont(const TImageFontPtr& font);

    // Asks the question over `ekran`; 1 for yes, 0 for no.
    int mainLoop(const std::string& text, TEkran* ekran);
    // The loop's pieces: the panel starts coming in with the question...
    void open(const std::string& text, TEkran* behind);
    // ...and each frame's answer is read; true once the panel has gone.
    bool react();
};
