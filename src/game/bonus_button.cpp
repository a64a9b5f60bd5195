#include "game/bonus_button.h"

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "gui/caption.h"
#include "gui/keyboard_focus.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

int profileBonusCount(int nr) {
    const TProfile* p = objects().profileManager.profile;
    if (!p || nr < 0 || nr >= TProfile::kBonusKinds) return 0;
    return p->bonus[size_t(nr)];
}

int TBonusButton::update() {
    over = 0;
    clicked = 0;
    scale = 1;
    howMany = profileBonusCount(nr);
    if (howMany == 0) a = 0;
    if (v == 0 || !img) return 0;
    const TMouse& mouse = objects().mouse;
    const int w = img->width, h = img->height;
    // Inactive buttons tell what they would do as well, but neither glow nor click.
    over = mouse.inRect(int(x - float(w / 2)), int(y - float(h / 2)), w, h) ? 1 : 0;
    lit = keyboardFocusShown() ? chosen : over;
    if (a == 0) {
        alpha = 0;
        return 0;
    }
    clicked = over && mouse.leftPressed ? 1 : 0;
    approach(alpha, lit ? 1.0f : 0.0f, 0.05f * delta);
    if (clicked) scale = 1.1f;
    return clicked;
}

void TBonusButton::draw(const TImagePtr& glow, const TImagePtr& badge) const {
    if (v == 0) return;
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetRotation(0);
    if (a == 0) {
        SetAlpha(0.3f);
        SetScale(1, 1);
        SetColor(100, 100, 100);
        DrawImage(unactive, x, y);
        SetColor(255, 255, 255);
        SetAlpha(1);
        return;
    }
    SetScale(1, 1);
    SetAlpha(alpha);
    DrawImage(glow, x, y);
    if (chosen && lit) drawChosen();
    SetAlpha(1);
    SetScale(scale, scale);
    DrawImage(img, x, y);
    SetScale(1, 1);
    if (howMany > 1) {
        DrawImage(badge, x + 15, y + 15);
        SetImageFont(fonts.font_font12);
        const std::string count = std::to_string(howMany);
        DrawText(count, float(int(x + 15 - float(TextWidth(count) / 2))),
                 float(int(y + 15 - float(TextHeight(count) / 2))));
    }
}

void TBonusButton::drawChosen() const {
    // The keyboard focus of the game's buttons: the picture itself, shifted
    // around its place in warm gold, two rings wide, pulsing.
    const float pulse = 0.7f + 0.3f * Sin(float(MilliSecs() % 1500) * 0.24f);
    SetBlend(LIGHTBLEND);
    SetScale(1, 1);
    SetColor(255, 196, 72);
    for (const float radius : {6.0f, 3.0f}) {
        SetAlpha(pulse * (radius > 4 ? 0.45f : 0.75f));
        for (int k = 0; k < 8; ++k)
            DrawImage(img, x + radius * Cos(45.0f * float(k)), y + radius * Sin(45.0f * float(k)));
    }
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
}

void TBonusButton::drawTooltip() const {
    if (v == 0 || lit == 0 || txt.empty()) return;
    SetImageFont(fonts.font_font14);
    SetScale(1, 1);
    // Left of the column, level with the button, over whatever lies there.
    drawSpecText(txt, int(x) - 30, int(y) - TextHeight(txt) / 2, createRGB(255, 255, 255),
                                createRGB(62, 20, 92), 2, 1);
    SetColor(255, 255, 255);
}

std::vector<std::unique_ptr<TBonusButton>> loadBonusButtons(const std::string& path) {
    std::vector<std::unique_ptr<TBonusButton>> buttons;
    const TRCMFile file = loadRCMFile(path);
    int count = file.getInt("bonusy::i");
    if (count > TProfile::kBonusKinds) count = TProfile::kBonusKinds;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        if (!file.findEntry("bonusy::img" + n)) continue;
        auto b = std::make_unique<TBonusButton>();
        b->url = file.getString("bonusy::img" + n);
        b->img = LoadImage(b->url);
        MidHandleImage(b->img);
        b->unactive = LoadImage(file.getString("bonusy::gimg" + n));
        MidHandleImage(b->unactive);
        b->txt = file.getString("bonusy::txt" + n);
        b->nr = i - 1;
        buttons.push_back(std::move(b));
    }
    return buttons;
}

void readBonusTips(const std::vector<std::unique_ptr<TBonusButton>>& buttons, const std::string& path) {
    const TRCMFile file = loadRCMFile(path);
    for (const auto& b : buttons) b->txt = file.getString("bonusy::txt" + std::to_string(b->nr + 1));
}
