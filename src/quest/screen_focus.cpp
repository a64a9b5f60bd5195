#include "quest/screen_focus.h"

#include "shell/media/clock.h"
#include "shell/media/input.h"

namespace {

// The target whose middle lies nearest to the middle of `spot`.
int nearest(const std::vector<TFocusTarget>& targets, const TDim& spot) {
    const auto distance = [&spot](const TDim& d) {
        const int dx = (d.x1 + d.x2) - (spot.x1 + spot.x2), dy = (d.y1 + d.y2) - (spot.y1 + spot.y2);
        return dx * dx + dy * dy;
    };
    int best = 0;
    for (int i = 1; i < int(targets.size()); ++i)
        if (distance(targets[size_t(i)].dim) < distance(targets[size_t(best)].dim)) best = i;
    return best;
}

}  // namespace

void TScreenFocus::setContainers(TGui* first, TGui* second) {
    const std::array<TGui*, kContainers> now = {first, second};
    // A button of a container that was replaced holds the focus no more.
    if (onButton() && now[size_t(containerOf())] != containers_[size_t(containerOf())]) place_ = kNowhere;
    containers_ = now;
}

void TScreenFocus::open() {
    placedHere_ = false;
    arrows_.reset();
}

void TScreenFocus::placeOnItem(int item) {
    place_ = item;
    hasSpot_ = false;
}

int TScreenFocus::codeOf(int container, const std::string& name) const {
    const TGui* gui = container >= 0 && container < kContainers ? containers_[size_t(container)] : nullptr;
    const TGuiObject* button = gui ? gui->getItem(name) : nullptr;
    for (size_t i = 0; button && i < gui->_listaObiektow.size(); ++i)
        if (gui->_listaObiektow[i].get() == button) return buttonCode(container, int(i));
    return kNowhere;
}

bool TScreenFocus::placeOnButton(int container, const std::string& name) {
    const int code = codeOf(container, name);
    if (code == kNowhere) return false;
    place_ = code;
    hasSpot_ = false;
    return true;
}

bool TScreenFocus::restsOn(int container, const std::string& name) const {
    return place_ != kNowhere && place_ == codeOf(container, name);
}

TFocusKeys TScreenFocus::readKeys() {
    TFocusKeys keys;
    keys.step = arrows_.read(MilliSecs());
    if (KeyHit(KEY_TAB)) keys.tab = KeyDown(KEY_LSHIFT) || KeyDown(KEY_RSHIFT) ? -1 : 1;
    return keys;
}

std::vector<TFocusTarget> TScreenFocus::targets(const Items& items) const {
    std::vector<TFocusTarget> all;
    if (items) items(all);
    std::vector<TFocusTarget> buttons;
    for (int k = 0; k < kContainers; ++k) {
        const TGui* gui = containers_[size_t(k)];
        if (!gui || !gui->takesKeys) continue;
        for (TFocusTarget t : gui->focusTargets()) {
            t.index = buttonCode(k, t.index);
            buttons.push_back(t);
        }
    }
    if (order_ == Order::Reading) {
        all.insert(all.end(), buttons.begin(), buttons.end());
        return readingOrder(std::move(all));
    }
    buttons = readingOrder(std::move(buttons));
    all.insert(all.end(), buttons.begin(), buttons.end());
    return all;
}

void TScreenFocus::update(const TFocusKeys& keys, const Items& items) {
    if (keys.any()) {
        // The order is worked out only when a key asks for it.
        const std::vector<TFocusTarget> all = targets(items);
        const int n = int(all.size());
        int at = -1;
        for (int i = 0; i < n; ++i)
            if (all[size_t(i)].index == place_) at = i;
        if (n > 0) {
            if (at < 0) {
                at = hasSpot_ ? nearest(all, spot_) : 0;
            } else if (placedHere_ && keyboardFocusShown()) {
                // An arrow held aslant goes up or down.
                const int dx = keys.step.dy != 0 ? 0 : keys.step.dx, dy = keys.step.dy;
                if (keys.tab != 0) at = (at + keys.tab + n) % n;
                else if (const int next = nextInDirection(all, at, dx, dy); next >= 0) at = next;
            }
            place_ = all[size_t(at)].index;
            spot_ = all[size_t(at)].dim;
            hasSpot_ = true;
            placedHere_ = true;
            showKeyboardFocus(true);
        }
    }
    for (int k = 0; k < kContainers; ++k)
        if (TGui* gui = containers_[size_t(k)])
            gui->_focus = placedHere_ && onButton() && containerOf() == k ? buttonOf() : -1;
}

bool TScreenFocus::inUse() const {
    for (const TGui* gui : containers_)
        if (gui && gui->inUse()) return true;
    return false;
}

bool TScreenFocus::shown() const { return placedHere_ && place_ != kNowhere && keyboardFocusShown() && inUse(); }

int TScreenFocus::item() const { return shown() && !onButton() ? place_ : -1; }

TGui* TScreenFocus::focusedContainer() const {
    return placedHere_ && onButton() && place_ != kNowhere ? containers_[size_t(containerOf())] : nullptr;
}

bool TScreenFocus::itemPressed() {
    if (item() < 0) return false;
    const int enter = KeyHit(KEY_ENTER), space = KeyHit(KEY_SPACE);
    return enter + space > 0;
}

// ---------------------------------------------------------------- the glow

TFocusGlow::TFocusGlow() {
    picture_._typ = SIMPLE_BUTTON;
    caption_._typ = TEXT_BUTTON;
}

void TFocusGlow::around(const TImagePtr& picture, float x, float y, float scale, float alpha) {
    picture_._image = picture;
    picture_._alpha = alpha;
    picture_.dim.x = x;
    picture_.dim.y = y;
    picture_._scale = scale;
    picture_.drawFocus(0, 0);
}

void TFocusGlow::aroundCaption(const TImageFontPtr& font, const std::string& text, float middleX, float middleY) {
    caption_._font = font;
    caption_._txt = text;
    caption_.dim.x = middleX;
    caption_.dim.y = middleY;
    caption_.drawFocus(0, 0);
}
