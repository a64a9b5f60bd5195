#pragma once
// A screen's widgets, built from its .gui file: updated and drawn together,
// clicks reported by widget name.
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "gui/keyboard_focus.h"

struct GuiDeclaration;

class TGui {
public:
    std::vector<std::unique_ptr<TGuiObject>> _listaObiektow;  // declaration order, then added ones
    std::string _clicked;  // name of the widget clicked this frame, or ""
    std::string _over;     // name of the widget under the pointer this frame, or ""
    std::string _url;      // the file the widgets came from, for reload()
    // The widget the keyboard focus rests on (its index in the list), or -1.
    // Kept while the focus is hidden, so a key brings it back where it was.
    int _focus = -1;
    // False on a screen that reads the arrows, Enter and Space itself (the
    // board, the mini-games): its widgets then take no keyboard focus.
    bool takesKeys = true;

    TGui() { clear(); }
    ~TGui();
    TGui(const TGui&) = delete;
    TGui& operator=(const TGui&) = delete;

    void clear();
    // The first widget of that name (letter case ignored), or nullptr.
    TGuiObject* getItem(const std::string& name) const;
    template <class Kind>
    Kind* getItemAs(const std::string& name) const {
        return dynamic_cast<Kind*>(getItem(name));
    }
    // The first widget the pointer is over, or nullptr.
    TGuiObject* getOvered() const;
    TGuiObject* addItem(std::unique_ptr<TGuiObject> widget);
    // Whether the widget of that name (letter case ignored) was clicked this frame.
    bool clickedItem(const std::string& name) const;
    // Once per frame, after the mouse snapshot. When several widgets are
    // clicked or hovered, the latest in the list wins. The arrow keys, Tab
    // and Shift+Tab move the keyboard focus (the first of them only shows
    // it); with the focus shown, Enter or Space clicks the focused widget,
    // which also looks hovered. Moving the mouse hides the focus.
    void update();
    // The visible widgets in list order, later ones on top; the keyboard
    // focus's glow under its widget.
    void draw();
    // The widgets the keyboard focus may rest on now (visible and active
    // buttons), in reading order.
    std::vector<TFocusTarget> focusTargets() const;
    // The focused widget while the focus is shown, or nullptr.
    TGuiObject* focused() const;
    // Whether this container was updated last: the one the player is using
    // (a screen behind a pop-up is not).
    bool inUse() const;
    // Appends the widgets of a .gui file (the file must exist).
    void Load(const std::string& url);
    // Builds one declaration's widget (FONT only registers its font).
    void dodajObiekt(const GuiDeclaration& declaration);
    // Rebuilds the widgets from the file they were loaded from (the L key);
    // widgets a screen added itself are dropped with the rest.
    void reload();

private:
    // Reads this frame's focus keys; true when the focused widget is pressed.
    bool takeFocusKeys();
};

// A container with the widgets of the file. A missing file is fatal.
std::unique_ptr<TGui> createGui(const std::string& url);
