#include "menus/help.h"

#include "app/game_objects.h"
#include "gui/text.h"
#include "shell/assets.h"
#include "shell/media/media.h"

int THelp::setup() {
    gui = createGui(kLayout);
    text = gui->getItemAs<TText>("tekst");
    if (text) pageFont = text->_font;
    return 0;
}

void THelp::showWords(const std::string& words) {
    if (!text) return;
    text->_txt = words;
    // A page too long for the panel in some language takes the smaller
    // page font, and still ends above the OK.
    text->_font = pageFont;
    TGuiObject* ok = gui->getItem("ok");
    if (!ok || !pageFont) return;
    ok->countDims();
    SetImageFont(pageFont);
    int lines = 0;
    layoutTextBlock(words, int(text->dim.x), int(text->dim.y), text->dim.w, "LEFT", 0, &lines);
    if (text->dim.y + float(lines * TextHeight("A")) > float(ok->dim.y1)) text->_font = fonts.font_font14;
}

const std::string& THelp::getText(int n, InputDevice device) const {
    static const std::string none;
    const TTeksty& t = objects().teksty;
    if (n < 0 || n >= int(t.txtPomocKeys.size())) return none;
    const size_t i = size_t(n);
    switch (device) {
        case InputDevice::Keyboard: return t.txtPomocKeys[i];
        case InputDevice::Gamepad: return t.txtPomocPad[i];
        case InputDevice::Mouse: break;
    }
    return t.txtPomoc[i];
}

void THelp::prepare(int n, TEkran* behind) {
    page = n;
    showWords(getText(n, LastInputDevice()));
    ekran = behind;
    if (TProfile* p = objects().profileManager.profile; p && n >= 0 && n < int(p->hint.size()))
        p->hint[size_t(n)] = 1;
    objects().mouse.setCursor("podstawowy");
}

int THelp::update() {
    if (text) {
        if (const std::string& words = getText(page, LastInputDevice()); words != text->_txt) showWords(words);
    }
    gui->update();
    return 0;
}

int THelp::draw() {
    if (ekran) ekran->draw();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    SetBlend(ALPHABLEND);
    gui->draw();
    return 0;
}

bool THelp::react() {
    // A page has one answer: every key a player may reach for gives it.
    return KeyHit(KEY_ESCAPE) + KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0 || gui->clickedItem("ok");
}

int THelp::mainLoop(int n, TEkran* behind) {
    if (behind) behind->pauseTimers();
    prepare(n, behind);
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    if (behind) behind->resumeTimers();
    AppFocusLost();
    // The closing click or key must not reach the screen behind.
    FlushKeys();
    FlushMouse();
    objects().mouse.leftPressed = 0;
    return 0;
}
