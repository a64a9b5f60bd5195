#pragma once
// One keyboard focus over the things a screen draws itself (the map's
// markers, the players' rows, free play's marbles, the shop's items) and the
// buttons of its widget containers, so that the arrow keys, Tab and
// Shift+Tab go through all of them as through one container's buttons.
//
// It is the game's one focus: shown from a key until the mouse moves
// (keyboardFocusShown), the first key on a screen only showing it. A focused
// button is its container's focus, so the container draws it and presses it
// with Enter or Space; a focused item is the screen's to draw (with the glow
// of a focused button, TFocusGlow) and to act on.
//
// Each frame, before the containers' update:
//     TFocusKeys keys = focus.readKeys();
//     ... a focused item may take a key for itself (a slider's knob) ...
//     focus.update(keys, [this](auto& items) { ... the screen's items ... });
// and after the frame, focus.itemPressed() for Enter or Space on an item.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "gui/button.h"
#include "gui/direction_keys.h"
#include "gui/gui.h"
#include "gui/keyboard_focus.h"

// One frame's focus keys: an arrow's step (a held arrow repeats) and Tab
// (1) or Shift+Tab (-1).
struct TFocusKeys {
    TStep step;
    int tab = 0;
    bool any() const { return step.any() || tab != 0; }
};

class TScreenFocus {
public:
    static constexpr int kContainers = 2;
    // The order Tab follows: everything row by row as the screen shows it,
    // or the screen's items in the order it lists them, then the buttons row
    // by row.
    enum class Order { Reading, ItemsFirst };
    // The screen lists its items into this, each with its own number
    // (0 and up) as the target's index and its area on the screen.
    using Items = std::function<void(std::vector<TFocusTarget>&)>;

    explicit TScreenFocus(Order order = Order::Reading) : order_(order) {}

    // The containers whose buttons the focus visits, the first one the
    // screen's own; set again when they change (a tab brought to the front).
    void setContainers(TGui* first, TGui* second = nullptr);
    // A screen opening: the focus stays where it was (or where a place
    // below puts it) but waits for a key of this screen to show it.
    void open();
    // Puts the focus on item `item`, or on container `container`'s button
    // of that name (false when there is none), without showing it.
    void placeOnItem(int item);
    bool placeOnButton(int container, const std::string& name);
    // Forgets where it was: the next key shows it on the first target.
    void forget() {
        place_ = kNowhere;
        hasSpot_ = false;
    }
    // Whether the focus rests on that button, shown or not.
    bool restsOn(int container, const std::string& name) const;

    // This frame's arrows and Tab; once per frame, before update.
    TFocusKeys readKeys();
    // Moves the focus by `keys`: the first key on the screen (or the first
    // after the mouse hid it) shows it where it was; when that is gone (a
    // radio button swapped for its lit twin, an item bought), on the target
    // nearest to where it was, or on the first. `items` is asked only when a
    // key moves the focus. Then hands each container its part of the focus.
    void update(const TFocusKeys& keys, const Items& items);

    // Where the focus rests while it is shown on this screen: an item's
    // number or a buttonCode; kNowhere otherwise.
    int place() const { return shown() ? place_ : kNowhere; }
    // The item the focus rests on while it is shown on this screen, or -1.
    // (The screen checks the number still names one of its items.)
    int item() const;
    // The container whose button holds the focus, or nullptr.
    TGui* focusedContainer() const;
    // Whether the focus is shown on this screen (and not on a pop-up over it).
    bool shown() const;
    // Enter or Space on the focused item this frame; reads those keys only
    // while an item has the focus.
    bool itemPressed();

    // Every target the focus may rest on now, in Tab's order: the screen's
    // items by their numbers, the buttons as buttonCode(container, index).
    std::vector<TFocusTarget> targets(const Items& items) const;
    static int buttonCode(int container, int index) { return -1 - (container * kButtonSpan + index); }
    static constexpr int kButtonSpan = 1 << 16;
    static constexpr int kNowhere = kButtonSpan * (kContainers + 1);

private:
    Order order_;
    std::array<TGui*, kContainers> containers_{};
    TDirectionKeys arrows_{false};
    int place_ = kNowhere;  // an item's number, or a buttonCode
    bool hasSpot_ = false;  // where the place was on the screen, when known
    TDim spot_;
    bool placedHere_ = false;  // a key on this screen has shown the focus

    bool onButton() const { return place_ < 0; }
    // The buttonCode of that button, or kNowhere.
    int codeOf(int container, const std::string& name) const;
    int containerOf() const { return (-1 - place_) / kButtonSpan; }
    int buttonOf() const { return (-1 - place_) % kButtonSpan; }
    bool inUse() const;
};

// The glow of a focused button (TButton::drawFocus: the warm gold that
// follows the shape and pulses) around a picture or a caption a screen draws
// itself. Drawn before the picture or caption, so it shows around it.
class TFocusGlow {
public:
    TFocusGlow();
    // Around `picture` drawn at (x, y) by its handle, at `scale`, fading
    // with a picture drawn at `alpha`.
    void around(const TImagePtr& picture, float x, float y, float scale = 1, float alpha = 1);
    // Around `text` in `font`, whose middle is at (middleX, middleY).
    void aroundCaption(const TImageFontPtr& font, const std::string& text, float middleX, float middleY);

private:
    TButton picture_, caption_;
};
