#include "gui/gui.h"

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/animation.h"
#include "gui/button.h"
#include "gui/gui_file.h"
#include "gui/rgm_font.h"
#include "gui/text.h"
#include "shell/media/files.h"

void TGui::clear() {
    _listaObiektow.clear();
    _clicked.clear();
    _over.clear();
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

void TGui::update() {
    _clicked.clear();
    _over.clear();
    // By index: a widget's update never adds widgets, but the list may be
    // long-lived and this keeps the loop safe if one ever does.
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        TGuiObject& widget = *_listaObiektow[i];
        widget.update(0, 0);
        if (widget._clicked) _clicked = widget._id;
        if (widget._over) _over = widget._id;
    }
}

void TGui::draw() {
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
