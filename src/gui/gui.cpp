#include "gui/gui.h"

#include <algorithm>

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/animation.h"
#include "gui/button.h"
#include "gui/gui_file.h"
#include "gui/mouse.h"
#include "gui/rgm_font.h"
#include "gui/text.h"
#include "shell/media/files.h"
#include "shell/media/input.h"

void TGui::clear() {
    _listaObiektow.clear();
    _clicked.clear();
    _over.clear();
    _focus = -1;
}

TGuiObject* TGui::getItem(const std::string& name) const {
    for (const auto& widget : _listaObiektow) {
        if (sameIgnoringCase(widget->_id, name)) return widget.get();
    }
    return nullptr;
}

TGuiObject* TGui::getOvered() const {
    for (const auto& widget : _listaObiektow) {
        if (widget->_over) return widget.get();
    }
    return nullptr;
}

TGuiObject* TGui::addItem(std::unique_ptr<TGuiObject> widget) {
    if (!widget) return nullptr;
    _listaObiektow.push_back(std::move(widget));
    return _listaObiektow.back().get();
}

bool TGui::clickedItem(const std::string& name) const { return sameIgnoringCase(_clicked, name); }

namespace {

// The container updated last: the one the player is using. A screen drawn
// behind a pop-up keeps its focus but does not show it.
const TGui* focusOwner = nullptr;

// A widget the keyboard focus may rest on.
bool focusable(const TGuiObject& widget) { return widget._v && widget._a && widget._class == GUI_BUTTON; }

}  // namespace

std::vector<TFocusTarget> TGui::focusTargets() const {
    std::vector<TFocusTarget> targets;
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        TGuiObject& widget = *_listaObiektow[i];
        if (!focusable(widget)) continue;
        widget.countDims();
        if (widget.dim.x2 <= widget.dim.x1 || widget.dim.y2 <= widget.dim.y1) continue;
        targets.push_back({int(i), widget.dim});
    }
    return readingOrder(std::move(targets));
}

TGui::~TGui() {
    if (focusOwner == this) focusOwner = nullptr;
}

bool TGui::inUse() const { return this == focusOwner; }

TGuiObject* TGui::focused() const {
    if (!takesKeys || !keyboardFocusShown() || this != focusOwner || _focus < 0 ||
        _focus >= int(_listaObiektow.size()))
        return nullptr;
    TGuiObject& widget = *_listaObiektow[size_t(_focus)];
    return focusable(widget) ? &widget : nullptr;
}

bool TGui::takeFocusKeys() {
    focusOwner = this;
    if (!takesKeys) return false;
    // Without a button to rest on, the keys stay the screen's.
    if (std::none_of(_listaObiektow.begin(), _listaObiektow.end(), [](const auto& w) { return focusable(*w); }))
        return false;
    const bool shift = KeyDown(KEY_LSHIFT) || KeyDown(KEY_RSHIFT);
    int step = 0, dx = 0, dy = 0;
    if (KeyHit(KEY_TAB)) step = shift ? -1 : 1;
    if (KeyHit(KEY_LEFT)) dx = -1;
    if (KeyHit(KEY_RIGHT)) dx = 1;
    if (KeyHit(KEY_UP)) dy = -1;
    if (KeyHit(KEY_DOWN)) dy = 1;
    if (step != 0 || dx != 0 || dy != 0) {
        // The order is worked out only when a key asks for it, not every frame.
        const std::vector<TFocusTarget> targets = focusTargets();
        if (targets.empty()) return false;
        int at = -1;
        for (int i = 0; i < int(targets.size()); ++i)
            if (targets[size_t(i)].index == _focus) at = i;
        // The first key shows the focus where it was (or on the first
        // widget); later ones move it.
        if (at < 0) {
            at = 0;
        } else if (keyboardFocusShown()) {
            if (step != 0) at = (at + step + int(targets.size())) % int(targets.size());
            else if (const int next = nextInDirection(targets, at, dx, dy); next >= 0) at = next;
        }
        _focus = targets[size_t(at)].index;
        showKeyboardFocus(true);
        return false;
    }
    // A screen the focus has not been placed on yet (or whose focused
    // button went away) waits for a key: its Enter and Space stay its own.
    if (!focused()) return false;
    // Where a name is typed, Space is a letter.
    const bool typing = std::any_of(_listaObiektow.begin(), _listaObiektow.end(), [](const auto& w) {
        return w->_class == GUI_TEXT_ENTRY && w->_v && w->_a;
    });
    const bool enter = KeyHit(KEY_ENTER) != 0;
    const bool space = !typing && KeyHit(KEY_SPACE) != 0;
    return enter || space;
}

void TGui::update() {
    _clicked.clear();
    _over.clear();
    const bool pressed = takeFocusKeys();
    // By index: a widget's update never adds widgets, but the list may be
    // long-lived and this keeps the loop safe if one ever does.
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        TGuiObject& widget = *_listaObiektow[i];
        widget.update(0, 0);
        if (widget._clicked) _clicked = widget._id;
        if (widget._over) _over = widget._id;
    }
    if (TGuiObject* widget = focused()) {
        // Only the focused widget looks hovered, wherever the pointer rests.
        for (const auto& other : _listaObiektow) other->_over = 0;
        widget->_over = 1;
        _over = widget->_id;
        if (pressed) {
            widget->_clicked = 1;
            _clicked = widget->_id;
            playWidgetClickSound();
        }
    }
}

void TGui::draw() {
    if (TGuiObject* widget = focused(); widget && widget->_v) widget->drawFocus(0, 0);
    for (const auto& widget : _listaObiektow) {
        if (widget->_v) widget->draw(0, 0);
    }
}

void TGui::dodajObiekt(const GuiDeclaration& declaration) {
    const std::string& kind = declaration.kind;
    if (kind == "BUTTON") {
        addItem(TButton::CreateFromList(declaration.name, declaration));
    } else if (kind == "TEXT") {
        addItem(TText::createFromList(declaration.name, declaration));
    } else if (kind == "ANIM") {
        addItem(TRGMAnimation::createFromList(declaration.name, declaration));
    } else if (kind == "FONT") {
        TRGMFont::createFromList(declaration.name, declaration);
    }
    // BAR (a menu bar no screen of the game uses) and unknown kinds build nothing.
}

void TGui::Load(const std::string& url) {
    _url = url;
    for (const GuiDeclaration& declaration : loadGuiFile(url)) dodajObiekt(declaration);
}

void TGui::reload() {
    const std::string url = _url;
    clear();
    if (FileType(url) != 1) fatalError("Plik : " + url + " nie istenieje!");
    Load(url);
}

std::unique_ptr<TGui> createGui(const std::string& url) {
    if (FileType(url) != 1) fatalError("Plik : " + url + " nie istenieje!");
    auto gui = std::make_unique<TGui>();
    gui->Load(url);
    return gui;
}
