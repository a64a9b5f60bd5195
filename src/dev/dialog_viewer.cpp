#include "dev/dialog_viewer.h"

#include <cstdio>

#include "app/game_objects.h"
#include "app/start.h"
#include "gui/caption.h"
#include "shell/assets.h"
#include "shell/media/media.h"

namespace {

std::string volume(float v) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", double(v));
    return text;
}
}  // namespace

int TDialogViewer::setupObject() {
    back = LoadImage("gfx/backgrounds/land1.jpg");
    if (!back) back = LoadImage("gfx/splash/loadscreen.png");
    status = "Y question   M menu   H help   S settings   G gate   Esc quit";
    return 0;
}

void TDialogViewer::report(const std::string& what) {
    status = what;
    Print("dialogs: " + what + " at " + std::to_string(MilliSecs()) + " ms");
}

int TDialogViewer::update() {
    TGate& gate = objects().gate;
    const int wasOpen = gate.opened(), wasClosed = gate.closed();
    gate.update();
    if (!wasOpen && gate.opened()) report("gate opened");
    if (!wasClosed && gate.closed()) report("gate closed");
    return 0;
}

int TDialogViewer::draw() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    DrawImage(back, 0, 0);
    SetImageFont(fonts.font_font16);
    drawSpecText(status, 400, 570, createRGB(255, 255, 255), createRGB(62, 20, 92), 0, 1);
    objects().gate.draw();
    return 0;
}

int TDialogViewer::mainLoop() {
    GameObjects& o = objects();
    o.mouse.setCursor("podstawowy");
    o.gate.hide();
    FlushKeys();
    FlushMouse();
    const Shown shown(*this);
    for (;;) {
        runFrame();
        if (KeyHit(KEY_ESCAPE)) return 0;
        if (KeyHit(KEY_Y)) {
            const int answer = o.yesOrNo.mainLoop(o.teksty.txtAreYouSure, this);
            report(std::string("question answered ") + (answer ? "yes" : "no"));
        }
        if (KeyHit(KEY_M)) {
            const int choice = o.inGameMenu.mainLoop(this);
            static const char* const kChoices[] = {"resume", "restart", "main menu"};
            report(std::string("menu chose ") + kChoices[choice >= 0 && choice <= 2 ? choice : 0]);
            o.game.goExit = 0;
            if (o.gate.closed()) o.gate.open();
        }
        if (KeyHit(KEY_H)) {
            const int page = helpPage;
            helpPage = (helpPage + 1) % 10;
            o.help.mainLoop(page, this);
            report("help page " + std::to_string(page) + " closed");
        }
        if (KeyHit(KEY_S)) {
            o.settings.mainLoop(this);
            report("settings closed: music " + volume(o.settings.musicVol) + ", effects " +
                   volume(o.settings.soundVol) + ", full screen " + std::to_string(o.settings.fullScreen));
        }
        if (KeyHit(KEY_G)) {
            if (o.gate.closed()) o.gate.open();
            else o.gate.close();
        }
    }
}

int runDialogViewer() {
    initGame();
    TDialogViewer viewer;
    viewer.setupObject();
    return viewer.mainLoop();
}
