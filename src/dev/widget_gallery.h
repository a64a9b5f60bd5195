#pragma once
// A developer screen with one of every widget kind and button scheme, laid
// out by data/gui_gallery.gui, for judging the toolkit at a glance. Opened
// with `vornell --gallery`; players never reach it.
//
// Keys: F5 reloads the layout file (the entry takes letters, so not L),
// F2 shows the widgets' hit areas, Escape leaves.
#include <memory>
#include <string>

#include "gui/gui.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TWidgetGallery : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_gallery.gui";

    std::unique_ptr<TGui> gui;
    TImagePtr tlo;
    std::string status;   // what the last click or Enter did
    bool showFrames = false;

    TWidgetGallery() { _myName = "Widget gallery"; }

    int setupObject() override;
    int update() override;
    int draw() override;
    // Runs until Escape; returns 0.
    int mainLoop();

private:
    // The layout file's widgets plus the text entry, which has no declaration.
    void buildWidgets();
};

// Starts the game's shell and shows the gallery until Escape; returns the
// exit status.
int runWidgetGallery();
