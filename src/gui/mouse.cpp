#include "gui/mouse.h"

#include "gui/keyboard_focus.h"

#include "datafiles/strings.h"
#include "gui/gui_object.h"
#include "shell/media/clock.h"
#include "shell/media/graphics.h"
#include "shell/media/input.h"

TMouse* guiMouse = nullptr;

void TCursor::draw(int x, int y) {
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    const int frame = _frame > 0 && _maxFrames > 0 ? _frame : 0;
    DrawImage(_img, float(x), float(y), frame);
}

bool TCursor::update() {
    if (_timeDelta <= 0 || _maxFrames <= 0) return false;
    const int now = MilliSecs();
    if (now < _time) return false;
    _time = clockAfter(now, _timeDelta);
    if (++_frame > _maxFrames) _frame = 0;
    return true;
}

TMouse::TMouse() : previousGuiMouse_(guiMouse) { guiMouse = this; }

TMouse::~TMouse() {
    if (guiMouse == this) guiMouse = previousGuiMouse_;
}

void TMouse::update() {
    leftPressed = MouseHit(1);
    rightPressed = MouseHit(2);
    leftHolded = MouseDown(1);
    rightHolded = MouseDown(2);
    middleHit = MouseHit(3);
    middleHold = MouseDown(3);
    px = x;
    py = y;
    x = MouseX();
    y = MouseY();
    vx = px - x;
    vy = py - y;
    // Moving the mouse hides the keyboard's focus and cursors; a key brings them back.
    if (vx != 0 || vy != 0) showKeyboardFocus(false);
    if (cur) cur->update();
}

void TMouse::draw() {
    // While the keyboard or a pad is in use, its own focus or cursor shows where it acts.
    if (_v && cur && !keyboardFocusShown() && !GamepadUsedLast()) cur->draw(x, y);
}

bool TMouse::inRect(int rx, int ry, int w, int h) const {
    return x >= rx && x <= rx + w && y >= ry && y <= ry + h;
}

bool TMouse::inDim(const TDim& d) const {
    const float fx = float(x), fy = float(y);
    return fx >= d.x && fx <= d.x + float(d.w) && fy >= d.y && fy <= d.y + float(d.h);
}

TCursor& TMouse::addCursor(const std::string& id, const TImagePtr& image, int hx, int hy) {
    auto cursor = std::make_unique<TCursor>();
    cursor->_id = id;
    cursor->_img = image;
    cursor->_hx = hx;
    cursor->_hy = hy;
    SetImageHandle(image, float(hx), float(hy));
    listaKursorow.push_back(std::move(cursor));
    cur = listaKursorow.back().get();
    return *cur;
}

void TMouse::loadCursor(const std::string& id, const TImagePtr& image, int hx, int hy, int /*frames*/,
                        int /*frameTime*/) {
    addCursor(id, image, hx, hy);
}

void TMouse::loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                        int frameTime) {
    const TImagePtr image = LoadImage(path, -1);
    // A strip too narrow to cut stays a still picture.
    const TImagePtr strip =
        image && frames > 1 ? LoadAnimImage(path, image->width / frames, image->height, 0, frames, -1) : nullptr;
    TCursor& cursor = addCursor(id, strip ? strip : image, hx, hy);
    if (strip) {
        cursor._maxFrames = frames - 1;
        cursor._timeDelta = frameTime;
    }
}

void TMouse::setCursor(const std::string& id) {
    for (auto it = listaKursorow.rbegin(); it != listaKursorow.rend(); ++it) {
        if (sameIgnoringCase((*it)->_id, id)) {
            cur = it->get();
            return;
        }
    }
}

void TMouse::clear() {
    FlushMouse();
    leftPressed = 0;
    leftHolded = 0;
    rightPressed = 0;
    rightHolded = 0;
}

const GameCursor kGameCursors[9] = {
    {"podstawowy", "gfx/gui/mouse.png", 1, 1},
    {"erase1", "gfx/tiles/bonus/bonusy_poziom.png", 12, 12},
    {"erase2", "gfx/tiles/bonus/bonusy_poziom.png", 15, 15},
    {"erase3", "gfx/tiles/bonus/bonusy_poziom_maly.png", 22, 22},
    {"bomb1", "gfx/tiles/bonus/b_uniwersalna.png", 12, 12},
    {"bomb2", "gfx/tiles/bonus/b_uniwersalna.png", 15, 15},
    {"bomb3", "gfx/tiles/bonus/b_uniwersalna_mala.png", 22, 22},
    {"celownik", "gfx/gui/shooting/celownik.png", 34, 34},
    {"celownik2", "gfx/gui/shooting/celownik2.png", 34, 34},
};

void registerGameCursors(TMouse& mouse) {
    for (const GameCursor& c : kGameCursors) mouse.loadCursor(c.id, c.picture, c.hotX, c.hotY, 0, 0);
    mouse.setCursor("podstawowy");
}
