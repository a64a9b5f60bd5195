#include "game/lost_game.h"

#include "app/game_objects.h"
#include "gui/caption.h"
#include "gui/text.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

int TLostGame::setup() {
    gui = createGui(kLayout);
    img = LoadImage("gfx/gui/game/lost-pop-up.png");
    MidHandleImage(img);
    const TTeksty& t = objects().teksty;
    txtNormal = t.txtNormal;
    txtTwo = t.txtTwo;
    txtYouLost = t.txtYouLost;
    txtNoMatch = t.txtNoMatch;
    return 0;
}

void TLostGame::setText(const std::string& text) {
    if (!gui) return;
    for (const char* name : {"tekst1", "tekst2"})
        if (TText* t = gui->getItemAs<TText>(name)) t->_txt = text;
}

void TLostGame::show(const std::string& why) {
    dAlpha = 1;
    alpha = 0;
    // Any other reason keeps the text of the previous loss.
    if (why == "NORMAL") setText(txtNormal);
    else if (why == "TWO") setText(txtTwo);
    else if (why == "NO-MATCH") setText(txtNoMatch);
    reason = why;
    if (v == 0) announceScreen(_myName, true);
    v = 1;
}

void TLostGame::hide() {
    alpha = dAlpha = 0;
    if (v == 1) announceScreen(_myName, false);
    v = 0;
}

int TLostGame::update() {
    approach(alpha, dAlpha, 0.05f * delta);
    if (v == 1 && gui) {
        for (auto& widget : gui->_listaObiektow) widget->_alpha = widget->_dAlpha = alpha;
        gui->update();
    }
    if (KeyHit(KEY_L) && gui) {
        gui->reload();
        setText(txtNormal);
    }
    return 0;
}

int TLostGame::draw() {
    if (v == 0) return 0;
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(alpha);
    SetRotation(180 + 180 * alpha);
    SetBlend(ALPHABLEND);
    DrawImage(img, 400, 300);
    SetRotation(0);
    SetImageFont(fonts.font_blueHigh22);
    drawSpecText(txtYouLost, 400, 125, createRGB(0, 0, 0), createRGB(200, 200, 200), 0, alpha);
    if (gui) gui->draw();
    SetAlpha(1);
    return 0;
}
