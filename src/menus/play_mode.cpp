#include "menus/play_mode.h"

#include "app/game_objects.h"
#include "gui/caption.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

int TPlay::setupObject() {
    gui = createGui(kLayout);
    img = LoadImage("gfx/gui/mainmenu/panel.png");
    MidHandleImage(img);
    return 0;
}

void TPlay::open() {
    alpha = 0;
    per = 0;
    dPer = 1;
    wynik = BACK;
}

int TPlay::update() {
    for (auto& widget : gui->_listaObiektow) widget->_alpha = widget->_dAlpha = alpha;
    gui->update();
    updateParticles();
    approach(per, dPer, 0.03f * delta);
    alpha = per < 0.5f ? 0 : 2 * (per - 0.5f);
    if (per == 1) alpha = 1;
    return 0;
}

int TPlay::draw() {
    objects().mainMenu.draw();
    SetColor(255, 255, 255);
    SetRotation(0);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetScale(per, per);
    SetRotation(180 + 180 * per);
    SetAlpha(per);
    DrawImage(img, 400, 300);
    SetRotation(0);
    SetScale(1, 1);
    gui->draw();
    SetImageFont(fonts.font_blueHigh22);
    const TRGB white = createRGB(255, 255, 255), ink = createRGB(62, 20, 92);
    for (int line = 0; line < 2; ++line)
        drawSpecText(kQuestion[line], 400, 196 + 26 * line, white, ink, 0, alpha);
    SetAlpha(1);
    return 0;
}

bool TPlay::react() {
    if (KeyHit(KEY_L)) setupObject();
    auto choose = [this](Result r) {
        wynik = r;
        dPer = 0;
    };
    if (KeyHit(KEY_ESCAPE) || gui->clickedItem("main")) choose(BACK);
    if (gui->clickedItem("new")) choose(NEW_QUEST);
    if (gui->clickedItem("resume")) choose(RESUME);
    return dPer == 0 && per == 0;
}

int TPlay::mainLoop() {
    open();
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    return wynik;
}
