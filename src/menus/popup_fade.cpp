#include "menus/popup_fade.h"

#include "shell/delta_time.h"
#include "shell/media/media.h"

void TPopUpFade::update() {
    approach(alpha, dAlpha, 0.05f * delta);
    if (alpha == 1) dGAlpha = 1;
    approach(gAlpha, dGAlpha, 0.05f * delta);
}

void TPopUpFade::applyTo(TGui& gui) const {
    for (auto& widget : gui._listaObiektow) {
        widget->_alpha = gAlpha;
        widget->_dAlpha = gAlpha;
    }
}

void TPopUpFade::drawPanel(const TImagePtr& panel, float x, float y) const {
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetRotation(0);
    SetBlend(ALPHABLEND);
    SetAlpha(alpha);
    SetScale(alpha, alpha);
    SetRotation(180 + 180 * alpha);
    DrawImage(panel, x, y);
    SetRotation(0);
    SetScale(1, 1);
}
