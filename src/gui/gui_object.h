#pragma once
// The base of every widget: name, visibility and activity, rectangle, fading,
// colour, the pointer-over and click flags of the frame, and a keyboard
// shortcut. The common per-frame update lives here; each kind adds its own
// reaction (updateMe) and drawing.
#include <functional>
#include <string>

#include "gui/dim.h"

// The clock time `ms` after `now`, held at the end of the clock's range
// (a frame time read from a layout file may be absurdly long).
inline int clockAfter(int now, long long ms) {
    const long long t = now + ms;
    return t > 0x7FFFFFFF ? 0x7FFFFFFF : t < -0x7FFFFFFFLL ? -0x7FFFFFFF : int(t);
}

// Widget kind codes.
enum GuiClass : int { GUI_BUTTON = 0, GUI_TEXT = 3, GUI_ANIMATION = 7, GUI_TEXT_ENTRY = 9 };

// What a widget's click sounds like: the game's click, given once at start-up
// (silent until then).
void setWidgetClickSound(std::function<void()> sound);
// The click, for a widget pressed from the keyboard.
void playWidgetClickSound();

class TGuiObject {
public:
    std::string _id;
    int _v = 1;           // visible: drawn, and can be over or clicked
    int _a = 1;           // active: can be over or clicked, and its key works
    int _class = GUI_BUTTON;
    TDim dim;
    float _alpha = 1.0f;  // current opacity
    float _dAlpha = 1.0f; // opacity it moves toward
    float _scale = 1.0f;
    float _dScale = 1.0f;
    TRGB rgb;
    int _over = 0;        // the pointer is over it this frame
    int _clicked = 0;     // clicked this frame
    int _holded = 0;      // the left button was down while the pointer was over it
    float wzr = 0.03f;    // opacity and scale approach per frame unit
    int _key = 0;         // shortcut key code, 0 for none
    std::string opis;     // description

    TGuiObject() = default;
    TGuiObject(const TGuiObject&) = delete;
    TGuiObject& operator=(const TGuiObject&) = delete;
    virtual ~TGuiObject() = default;

    // Moves the anchor and the hit area; corners are truncated toward zero.
    void move(float dx, float dy);
    // Moves by the whole-pixel distance to (x, y), so a fraction of the old
    // position is kept.
    void setPosition(int x, int y);
    void clear();
    // countDims, then whether the pointer lies in the hit area shifted by
    // (ox, oy), edges included.
    bool updateMOver(float ox, float oy);
    // Once per frame, from the container: pointer, click, shortcut, the
    // kind's own reaction, then fading.
    void update(float ox, float oy);
    void updateClass(int x, int y);
    void updateParams();
    void fadeOutAlpha() { _dAlpha = 0; }
    void fadeOutScale() { _dScale = 0; }
    // A red outline of the hit area, for laying out screens.
    void _drawFrame();
    virtual void draw(float ox, float oy);
    // The keyboard focus on this widget, drawn under it; kinds that can take
    // the focus draw a glow around their own shape.
    virtual void drawFocus(float /*ox*/, float /*oy*/) {}
    void setKey(int k) { _key = k; }
    void setRGB(int r, int g, int b) { rgb = createRGB(r, g, b); }
    void setState(int v, int a) {
        _v = v;
        _a = a;
    }
    // Brings the hit area up to date; kinds whose area follows their picture
    // or caption recompute it here.
    virtual void countDims() {}

protected:
    // The kind's own per-frame reaction, after the common one.
    virtual void updateMe(int /*x*/, int /*y*/) {}
};
