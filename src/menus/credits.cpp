#include "menus/credits.h"

#include "app/game_objects.h"
#include "datafiles/txt_file.h"
#include "shell/assets.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

int TCredits::setup(const std::string& path) {
    const TTxtFile file = loadTxtFile(path);
    lista.clear();
    lines.clear();
    int dy = 0;
    for (int n = 1; n <= kLines; ++n) {
        const int column = (n - 1) / kColumnLines;
        if ((n - 1) % kColumnLines == 0) dy = 0;
        lista.push_back(getTxtLine(file, n));
        const std::string& s = lista.back();
        Line line;
        if (!s.empty() && s[0] == '@') {
            line = {s.substr(1), fonts.font_blueHigh26, createRGB(200, 50, 50)};
        } else if (!s.empty() && s[0] == '#') {
            line = {s.substr(1), fonts.font_blueHigh22, createRGB(200, 200, 50)};
        } else {
            line = {s, fonts.font_FONT20, createRGB(200, 255, 255)};
        }
        if (line.font) SetImageFont(line.font);
        line.x = column * kColumnWidth + kColumnWidth / 2 - TextWidth(line.text) / 2;
        line.dy = dy;
        dy += TextHeight(line.text) + 3;
        lines.push_back(std::move(line));
    }
    return 0;
}

int TCredits::prepare() {
    y = kTop;
    alpha = 0;
    dAlpha = 1;
    return 0;
}

int TCredits::update() {
    approach(alpha, dAlpha, 0.02f * delta);
    return 0;
}

int TCredits::draw() {
    objects().mainMenu.draw();
    SetBlend(ALPHABLEND);
    SetRotation(0);
    SetScale(1, 1);
    // The veil fades in to a white page that hides the menu, so nothing of it
    // runs under the lines.
    SetColor(255, 255, 255);
    SetAlpha(alpha);
    DrawRect(0, 0, 800, 600);
    for (const Line& line : lines) {
        if (line.font) SetImageFont(line.font);
        const float x = float(line.x), h = y + float(line.dy);
        SetColor(0, 0, 0);
        SetAlpha(0.5f * alpha);
        DrawText(line.text, x + 3, h + 3);
        SetAlpha(alpha);
        for (const float dx : {-1.0f, 1.0f})
            for (const float dy : {-1.0f, 1.0f}) DrawText(line.text, x + dx, h + dy);
        SetColor(line.colour.r, line.colour.g, line.colour.b);
        DrawText(line.text, x, h);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
    return 0;
}

bool TCredits::react() {
    if (KeyHit(KEY_ESCAPE) + KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0 || objects().mouse.leftPressed) dAlpha = 0;
    return dAlpha == 0 && alpha == 0;
}

int TCredits::mainLoop() {
    TMouse& mouse = objects().mouse;
    prepare();
    for (int i = 0; i < 100; ++i) frameTick();
    const TEkran::Shown shown("credits");
    do {
        // No pointer on this page.
        Cls();
        frameTick();
        mouse.update();
        update();
        draw();
        Flip(-1);
    } while (!react());
    FlushMouse();
    FlushKeys();
    return 0;
}
