// Every picture of the game, then a contact sheet of them all for review;
// in a language run, only the pictures that carry words.
#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app_icon.h"
#include "art.h"
#include "button_pictures.h"
#include "catalogue.h"
#include "freeplay_pictures.h"
#include "game_pictures.h"
#include "gui_pictures.h"
#include "marbles.h"
#include "menu_pictures.h"
#include "particles.h"
#include "popup_pictures.h"
#include "puzzle_pictures.h"
#include "scenes.h"
#include "shooting_pictures.h"
#include "shop_pictures.h"
#include "story_frame.h"

namespace {

using namespace art;

// One PNG with every generated picture over a checkerboard, labelled with
// its path. Written beside the working folder, never into it.
bool writeContactSheet(const std::string& out) {
    namespace fs = std::filesystem;
    const std::vector<Written> all = writtenPictures();
    const int cellW = 196, cellH = 150, box = 120, columns = 10;
    const int rows = int((all.size() + columns - 1) / columns);
    const int header = 48;
    Canvas sheet(cellW * columns, header + cellH * std::max(rows, 1));
    cairo_t* cr = sheet.cr();
    setColour(cr, rgb255(44, 46, 58));
    cairo_paint(cr);
    setFace(cr, Face::Rounded, 24);
    setColour(cr, {1, 1, 1});
    textPath(cr, "Vornell - generated pictures (" + std::to_string(all.size()) + ")", 16, 32, 0);
    cairo_fill(cr);

    for (size_t i = 0; i < all.size(); ++i) {
        const int col = int(i % columns), row = int(i / columns);
        const double x0 = col * cellW, y0 = header + row * cellH;
        // Checkerboard so transparency shows.
        const double bx = x0 + (cellW - box) / 2.0, by = y0 + 6;
        for (int cy = 0; cy < box / 8; ++cy)
            for (int cx = 0; cx < box / 8; ++cx) {
                const bool light = (cx + cy) % 2 == 0;
                cairo_rectangle(cr, bx + cx * 8, by + cy * 8, 8, 8);
                setColour(cr, light ? rgb255(150, 152, 160) : rgb255(110, 112, 122));
                cairo_fill(cr);
            }
        const fs::path file = fs::path(out) / all[i].path;
        cairo_surface_t* pic = readPicture(file.string());
        if (cairo_surface_status(pic) == CAIRO_STATUS_SUCCESS) {
            const double w = all[i].width, h = all[i].height;
            // Small sprites are shown enlarged (up to 3x) so they can be judged.
            const double s = std::min({double(box) / w, double(box) / h, 3.0});
            const double dw = w * s, dh = h * s;
            paintScaled(cr, pic, std::floor(bx + (box - dw) / 2), std::floor(by + (box - dh) / 2), dw, dh);
        }
        cairo_surface_destroy(pic);
        setFace(cr, Face::Sans, 9);
        setColour(cr, rgb255(230, 232, 240));
        std::string label = all[i].path;
        if (label.rfind("gfx/", 0) == 0) label = label.substr(4);
        textPath(cr, label, x0 + cellW / 2.0, by + box + 12, 1);
        cairo_fill(cr);
        setColour(cr, rgb255(160, 165, 180));
        textPath(cr, std::to_string(all[i].width) + " x " + std::to_string(all[i].height), x0 + cellW / 2.0,
                 by + box + 24, 1);
        cairo_fill(cr);
    }
    const fs::path sheetPath = fs::path(out).parent_path() / "contact-sheet.png";
    cairo_surface_flush(sheet.surface());
    if (cairo_surface_write_to_png(sheet.surface(), sheetPath.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "contentgen: cannot write %s\n", sheetPath.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool generatePictures(const std::string& out) {
    namespace fs = std::filesystem;
    // Without a trailing separator, so that the sheet lands beside the folder.
    std::string folder = out;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    setOutputFolder(folder);

    // The modules whose pictures carry words draw only those in a language
    // run; the others have none. (The widget gallery's buttons are labelled,
    // but only the game's developers see them.)
    const bool everyPicture = !catalogue::languageRun();
    gui_pictures::generate();
    if (everyPicture) marbles::generate();
    particles::generate();
    if (everyPicture) button_pictures::generate();
    popup_pictures::generate();
    game_pictures::generate();
    story_frame::generate();
    if (everyPicture) scenes::generate();
    shooting_pictures::generate();
    puzzle_pictures::generate();
    menu_pictures::generate();
    if (everyPicture) app_icon::generate();
    if (everyPicture) freeplay_pictures::generate();
    shop_pictures::generate();

    bool ok = !anyWriteFailed();
    if (everyPicture) ok = writeContactSheet(fs::absolute(folder).lexically_normal().string()) && ok;
    releaseFonts();
    return ok;
}
