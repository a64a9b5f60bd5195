#include "menus/yes_or_no.h"

#include "gui/text.h"
#include "shell/media/media.h"

int TYesOrNo::setup() {
    gui = createGui(kLayout);
    back = LoadImage("gfx/gui/pytanie.png");
    MidHandleImage(back);
    return 0;
}

void TYesOrNo::setFont(const TImageFontPtr& font) {
    for (const char* name : {"tekst1", "tekst2"})
        if (auto* t = gui->getItemAs<TText>(name)) t->_font = font;
}

void TYesOrNo::open(const std::string& text, TEkran* behind) {
    ekran = behind;
    for (const char* name : {"tekst1", "tekst2"})
        if (auto* t = gui->getItemAs<TText>(name)) t->_txt = text;
    fade.open();
    result = 0;
}

int TYesOrNo::update() {
    fade.update();
    fade.applyTo(*gui);
    gui->update();
    return 0;
}

int TYesOrNo::draw() {
    if (ekran) ekran->draw();
    fade.drawPanel(back, 460, 300);
    gui->draw();
    return 0;
}

bool TYesOrNo::react() {
    if (KeyHit(KEY_ESCAPE) || gui->clickedItem("no")) {
        result = 0;
        fade.close();
    }
    if (KeyHit(KEY_ENTER) || gui->clickedItem("yes")) {
        result = 1;
        fade.close();
    }
    if (KeyHit(KEY_L)) gui->reload();
    return fade.gone();
}

int TYesOrNo::mainLoop(const std::string& text, TEkran* behind) {
    open(text, behind);
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    return result;
}
