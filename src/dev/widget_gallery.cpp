#include "dev/widget_gallery.h"

#include "app/game_objects.h"
#include "app/start.h"
#include "gui/caption.h"
#include "gui/rgm_font.h"
#include "gui/text_entry.h"
#include "shell/assets.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

void TWidgetGallery::buildWidgets() {
    gui = createGui(kLayout);
    TRGMFont* font = TRGMFont::getByID("gallery_entry");
    auto entry = createTextEntry("entry", font ? font->_font : nullptr, 580, 407, 180, 16, 1, 1);
    entry->setRGB(255, 240, 170);
    gui->addItem(std::move(entry));
}

int TWidgetGallery::setupObject() {
    tlo = LoadImage("gfx/gui/gallery/tlo.png");
    buildWidgets();
    status = "Point at the buttons, click them, type a name.";
    return 0;
}

int TWidgetGallery::update() {
    gui->update();
    if (!gui->_clicked.empty()) {
        if (gui->clickedItem("entry")) {
            auto* entry = gui->getItemAs<TTextEntry>("entry");
            status = "Entered: " + (entry->getTxt().empty() ? std::string("(nothing)") : entry->getTxt());
        } else {
            status = "Clicked: " + gui->_clicked;
        }
    }
    return 0;
}

int TWidgetGallery::draw() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    DrawImage(tlo, 0, 0);
    gui->draw();
    SetScale(1, 1);
    SetImageFont(fonts.font_blueHigh36);
    drawSpecText("Widget gallery", 400, 6, createRGB(255, 214, 80), createRGB(62, 20, 92), 0, 1);
    SetImageFont(fonts.font_font14);
    drawSpecText(status, 770, 66, createRGB(255, 255, 255), createRGB(62, 20, 92), 2, 1);
    if (showFrames) {
        for (const auto& widget : gui->_listaObiektow) widget->_drawFrame();
    }
    return 0;
}

int TWidgetGallery::mainLoop() {
    TMouse& mouse = objects().mouse;
    mouse.setCursor("podstawowy");
    FlushKeys();
    FlushMouse();
    const Shown shown(*this);
    for (;;) {
        Cls();
        frameTick();
        mouse.update();
        update();
        draw();
        mouse.draw();
        Flip(-1);
        if (KeyHit(KEY_ESCAPE)) return 0;
        // Function keys, since the entry takes the letters (L reloads elsewhere).
        if (KeyHit(KEY_F2)) showFrames = !showFrames;
        if (KeyHit(KEY_F5)) buildWidgets();
    }
}

int runWidgetGallery() {
    initGame();
    TWidgetGallery gallery;
    gallery.setupObject();
    return gallery.mainLoop();
}
