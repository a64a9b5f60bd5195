#include "menus/main_menu.h"

#include "app/game_objects.h"
#include "datafiles/teksty.h"
#include "gui/caption.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/language.h"
#include "shell/media/media.h"

int TMainMenu::setupObject() {
    tlo = LoadImage("gfx/gui/mainmenu/tlo.jpg");
    panel = LoadImage("gfx/gui/mainmenu/menu.png");
    change = LoadImage("gfx/gui/mainmenu/changeprofile.png");
    gui = createGui(kLayout);
    logo.setup();
    MidHandleImage(panel);
    return 0;
}

void TMainMenu::prepare() {
    fade = 1;
    dFade = 0;
    alpha = 0;
    per = 0;
    dPer = 0;
    what = -1;
    goExit = 0;
    logo.start();
    GameObjects& o = objects();
    o.snd.stopAllMusic();
    o.snd.playMusic("main");
    if (o.gate.closed()) o.gate.open();
    Print("MAIN MENU");
}

int TMainMenu::mainLoop() {
    GameObjects& o = objects();
    prepare();
    const Shown shown(*this);
    for (;;) {
        runFrame();
        // Escape is read every frame, so a press left over from another
        // screen is spent here and never quits the game later.
        const bool escape = KeyHit(KEY_ESCAPE) != 0;
        if (whiteFade == 0) _control(escape);
        if (whiteFade == 0 && !o.profileManager.profile) askForPlayer();
        if (KeyHit(KEY_SPACE)) prepare();
        if (goExit == 1) break;
        if (KeyHit(KEY_L)) gui->reload();
    }
    o.profileManager.saveProfile();
    return what;
}

void TMainMenu::_control(bool escape) {
    // Clicks during the intro's veil are dropped.
    if (fade != 0) {
        FlushMouse();
        return;
    }
    // Once a choice is made the gate is closing: nothing else counts.
    if (what != -1) return;
    GameObjects& o = objects();
    if (escape || gui->clickedItem("quit")) {
        what = QUIT;
        goExit = 1;
        return;
    }
    if (gui->clickedItem("play")) play();
    if (gui->clickedItem("change")) o.profileManager.mainLoop();
    if (gui->clickedItem("settings")) o.settings.mainLoop(this);
    if (gui->clickedItem("freeplay")) goFreePlay();
    if (gui->clickedItem("credits")) {
        o.credits.mainLoop();
        o.snd.stopAllMusic();
        o.snd.playMusic("main");
    }
}

void TMainMenu::askForPlayer() {
    TProfileManager& players = objects().profileManager;
    // Players on the list but none current (an index naming nobody, the
    // current one deleted): one of them is picked from the list, where a
    // full list can still be played. Only an empty list asks for a name.
    if (players.profilesList.empty()) players.createNewProfile(this);
    else players.mainLoop();
}

bool TMainMenu::_canResume() const {
    const TProfile* p = objects().profileManager.profile;
    return p && p->level;
}

void TMainMenu::leaveFor(Choice choice) {
    what = choice;
    objects().gate.close();
}

void TMainMenu::play() {
    if (!_canResume()) {
        leaveFor(NEW_QUEST);
        return;
    }
    const int choice = objects().play.mainLoop();
    if (choice == NEW_QUEST || choice == RESUME_QUEST) leaveFor(Choice(choice));
}

void TMainMenu::goFreePlay() {
    GameObjects& o = objects();
    o.freePlay.mainLoop();
    o.snd.stopAllMusic();
    o.snd.playMusic("main");
}

void TMainMenu::_updateFade() { approach(fade, dFade, 0.03f * delta); }

void TMainMenu::_updatePer() {
    if (logo.per == 1) dPer = 1;
    approach(per, dPer, 0.03f * delta);
    alpha = per < 0.5f ? 0 : 2 * (per - 0.5f);
    if (per == 1) alpha = 1;
}

int TMainMenu::update() {
    GameObjects& o = objects();
    gui->update();
    updateParticles();
    _updateFade();
    logo.update(_logoParticles);
    updateParticles(&_logoParticles);
    _updatePer();
    o.gate.update();
    if (o.gate.closed()) goExit = 1;
    approach(whiteFade, dWhiteFade, 0.03f * delta);
    return 0;
}

void TMainMenu::_drawPanels() {
    SetAlpha(alpha);
    SetRotation(alpha * 180 + 180);
    DrawImage(panel, 410, 300);
    SetRotation(0);
    DrawImage(change, 560, 495);
    SetAlpha(1);
}

void TMainMenu::_drawGreeting() {
    const TProfile* p = objects().profileManager.profile;
    if (!p) return;
    // Made again only when the name or the language changes, not every frame.
    if (greetedName != p->name || greetedLanguage != language::changes() || greeting.empty()) {
        greetedName = p->name;
        greetedLanguage = language::changes();
        greeting = objects().teksty.txtHello + p->name + "!";
    }
    const std::string& s = greeting;
    SetImageFont(fonts.font_blueHigh22);
    const float x = float(400 - TextWidth(s) / 2), y = 570;
    SetColor(0, 0, 0);
    SetAlpha(0.4f);
    DrawText(s, x + 4, y + 4);
    SetAlpha(1);
    drawOutline(s, x, y);
    SetColor(255, 255, 255);
    DrawText(s, x, y);
}

void TMainMenu::_drawVeil(float opacity, int grey) {
    if (opacity <= 0) return;
    SetColor(grey, grey, grey);
    SetAlpha(opacity);
    SetScale(1, 1);
    SetRotation(0);
    DrawRect(0, 0, 800, 600);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

int TMainMenu::draw() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetRotation(0);
    SetScale(1, 1);
    SetAlpha(1);
    DrawImage(tlo, 0, 0);
    drawParticles();
    _drawPanels();
    _drawGreeting();
    if (gui) {
        for (auto& widget : gui->_listaObiektow) widget->_alpha = widget->_dAlpha = alpha;
        gui->draw();
    }
    logo.draw();
    SetScale(1, 1);
    drawParticles(&_logoParticles);
    _drawVeil(fade, 0);
    _drawVeil(whiteFade, 255);
    objects().gate.draw();
    return 0;
}
