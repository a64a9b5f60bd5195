#pragma once
// Drives widgets the way a screen does: input through the media layer's
// event entry points, the game's mouse snapshot, then the container, on a
// virtual clock.
#include <gtest/gtest.h>

#include <string>

#include "app/game_objects.h"
#include "gui/gui.h"
#include "gui/gui_file.h"
#include "gui/mouse.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"
#include "test_support.h"

// Every test starts with nothing pressed, the pointer forgotten, frame
// factor 1 and the virtual clock at 1000 ms.
class WidgetTest : public testing_support::FreshInput {
protected:
    static TMouse& mouse() { return objects().mouse; }

    // One frame of a screen: the mouse snapshot, then the container.
    static void frame(TGui& gui) {
        mouse().update();
        gui.update();
    }
    static void frames(TGui& gui, int n) {
        for (int i = 0; i < n; ++i) frame(gui);
    }
    static void pointAt(int x, int y) { media::inputMouseMove(x, y); }
    // Press and release before the next frame: one click.
    static void click() {
        media::inputMouseDown(1);
        media::inputMouseUp(1);
    }
    static void later(int ms) { Delay(ms); }

    // A container with the widgets of this .gui text.
    std::unique_ptr<TGui> guiOf(const std::string& text) {
        const std::string path = dir.file("layout" + std::to_string(++layouts) + ".gui");
        testing_support::writeFile(path, text);
        return createGui(path);
    }

    // An opaque strip of `count` cells (side by side, or stacked), each w x h
    // in its own colour; returns its path.
    std::string strip(int w, int h, int count, bool stacked = false) {
        TPixmap pix(stacked ? w : w * count, stacked ? h * count : h);
        for (int y = 0; y < pix.height; ++y)
            for (int x = 0; x < pix.width; ++x) pix.at(x, y) = 0xFF000000u | uint32_t(((stacked ? y / h : x / w) + 1) * 40);
        const std::string path = dir.file("strip" + std::to_string(++pictures) + ".png");
        EXPECT_TRUE(SavePixmapPNG(pix, path));
        return path;
    }

    // The game's font file (copied into the working folder by the build).
    static std::string fontFile() { return testing_support::contentDir() + "/fonts/font.ttf"; }
    static TImageFontPtr font(int size) {
        TImageFontPtr f = LoadImageFont(fontFile(), size);
        EXPECT_TRUE(f) << "no font at " << fontFile();
        return f;
    }

    testing_support::TempDir dir;
    int layouts = 0;
    int pictures = 0;
};
