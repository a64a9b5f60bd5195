#pragma once
// A screen's widgets, built from its .gui file: updated and drawn together,
// clicks reported by widget name.
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"

struct GuiDeclaration;

class TGui {
public:
    std::vector<std::unique_ptr<TGuiObject>> _listaObiektow;  // declaration order, then added ones
    std::string _clicked;  // name of the widget clicked this frame, or ""
    std::string _over;     // name of the widget under the pointer this frame, or ""
    std::string _url;      // the file the widgets came from, for reload()

    TGui() { clear(); }

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
    // clicked or hovered, the latest in the list wins.
    void update();
    // The visible widgets in list order, later ones on top.
    void draw();
    // Appends the widgets of a .gui file (the file must exist).
    void Load(const std::string& url);
    // Builds one declaration's widget (FONT only registers its font).
    void dodajObiekt(const GuiDeclaration& declaration);
    // Rebuilds the widgets from the file they were loaded from (the L key);
    // widgets a screen added itself are dropped with the rest.
    void reload();
};

// A container with the widgets of the file. A missing file is fatal.
std::unique_ptr<TGui> createGui(const std::string& url);
