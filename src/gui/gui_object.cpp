#include "gui/gui_object.h"

#include <utility>

#include "gui/mouse.h"
#include "shell/delta_time.h"
#include "shell/media/graphics.h"
#include "shell/media/input.h"
#include "shell/media/numbers.h"

namespace {

std::function<void()>& clickSound() {
    static std::function<void()> sound;
    return sound;
}

}  // namespace

void setWidgetClickSound(std::function<void()> sound) { clickSound() = std::move(sound); }

void playWidgetClickSound() {
    if (clickSound()) clickSound()();
}

void TGuiObject::move(float dx, float dy) {
    dim.x += dx;
    dim.y += dy;
    dim.x1 = int(float(dim.x1) + dx);
    dim.x2 = int(float(dim.x2) + dx);
    dim.y1 = int(float(dim.y1) + dy);
    dim.y2 = int(float(dim.y2) + dy);
}

void TGuiObject::setPosition(int x, int y) {
    move(float(int(float(x) - dim.x)), float(int(float(y) - dim.y)));
}

void TGuiObject::clear() {
    _v = 1;
    _a = 1;
    _over = 0;
    _clicked = 0;
}

bool TGuiObject::updateMOver(float ox, float oy) {
    countDims();
    if (!guiMouse) return false;
    const float px = float(guiMouse->x), py = float(guiMouse->y);
    return px >= float(dim.x1) + ox && px <= float(dim.x2) + ox && py >= float(dim.y1) + oy &&
           py <= float(dim.y2) + oy;
}

void TGuiObject::update(float ox, float oy) {
    _clicked = 0;
    _over = 0;
    if (_v && _a && updateMOver(ox, oy)) {
        _over = 1;
        _clicked = guiMouse->leftPressed ? 1 : 0;
        _holded = guiMouse->leftHolded ? 1 : 0;
    }
    // The shortcut works for a hidden widget too, as long as it is active.
    // (Code 0 is no key; not asking spares an input poll per widget.)
    if (_a && _key != 0 && KeyHit(_key)) {
        _clicked = 1;
        _over = 1;
    }
    if (_clicked) playWidgetClickSound();
    updateClass(int(ox), int(oy));
    updateParams();
}

void TGuiObject::updateClass(int x, int y) { updateMe(x, y); }

void TGuiObject::updateParams() {
    const float step = wzr * delta;
    approach(_scale, _dScale, step);
    approach(_alpha, _dAlpha, step);
}

void TGuiObject::_drawFrame() {
    SetColor(255, 0, 0);
    SetAlpha(1);
    SetScale(1, 1);
    const float x1 = float(dim.x1), y1 = float(dim.y1), x2 = float(dim.x2), y2 = float(dim.y2);
    DrawLine(x1, y1, x2, y1);
    DrawLine(x2, y1, x2, y2);
    DrawLine(x2, y2, x1, y2);
    DrawLine(x1, y2, x1, y1);
    SetColor(255, 255, 255);
}

void TGuiObject::draw(float /*ox*/, float /*oy*/) {}
