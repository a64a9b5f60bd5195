// The picture puzzle's screen, the pictures the quest cuts into pieces and
// the picture sets of free play.
//
// The game draws the darkened picture on the board at (148, 103), 500 x 375,
// and the panel over it at (0, 0), so the panel leaves that window open. The
// title stands at the top, the time, the menu button and the clicks along
// the bottom. The pieces lie anywhere from y 70 to 500.
//
// Each puzzle picture is a painted scene of 500 x 375 with something of its
// own in every part, so that no two pieces look alike even when the picture
// is cut 6 x 5.
#include "puzzle_pictures.h"

#include <cmath>
#include <string>
#include <tuple>

#include "art.h"
#include "catalogue.h"
#include "freeplay_scenes.h"
#include "scene_kit.h"
#include "ui_kit.h"

namespace puzzle_pictures {

using namespace art;
using namespace scene_kit;

namespace {

constexpr double kBoardX = 148, kBoardY = 103, kBoardW = 500, kBoardH = 375;

// ------------------------------------------------------------ the screen

// The deep violet the pieces lie on, with a faint pattern of stars.
void drawTable(Canvas& c) {
    cairo_t* cr = c.cr();
    const double W = c.width(), H = c.height();
    cairo_pattern_t* g = cairo_pattern_create_radial(W * 0.45, H * 0.45, 40, W / 2, H / 2, W * 0.7);
    addStop(g, 0.0, rgb255(86, 58, 150));
    addStop(g, 0.6, rgb255(54, 30, 108));
    addStop(g, 1.0, rgb255(28, 12, 62));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Random rnd(4242);
    for (int i = 0; i < 90; ++i) {
        const double x = rnd.uniform(0, W), y = rnd.uniform(0, H), r = rnd.uniform(3, 9);
        starPath(cr, x, y, 4, r, r * 0.35, rnd.uniform(0, 90));
        setColour(cr, rgb255(200, 170, 255), rnd.uniform(0.05, 0.14));
        cairo_fill(cr);
    }
    speckle(cr, 0, 0, W, H, 77, 2.0, 0.05);
    // Darker bands behind the title and the bottom line, so they read.
    cairo_pattern_t* top = cairo_pattern_create_linear(0, 0, 0, 80);
    cairo_pattern_add_color_stop_rgba(top, 0.0, 0.05, 0.0, 0.12, 0.6);
    cairo_pattern_add_color_stop_rgba(top, 1.0, 0.05, 0.0, 0.12, 0.0);
    cairo_rectangle(cr, 0, 0, W, 80);
    cairo_set_source(cr, top);
    cairo_fill(cr);
    cairo_pattern_destroy(top);
}

void drawPanel() {
    Canvas c(800, 600);
    drawTable(c);
    cairo_t* cr = c.cr();
    // A gilded frame around the board.
    const double f = 16;
    softSilhouette(cr, 800, 600, 4, 6, 8, {0, 0, 0.05}, 0.6, [&](cairo_t* m) {
        roundedRectPath(m, kBoardX - f, kBoardY - f, kBoardW + 2 * f, kBoardH + 2 * f, 10);
        cairo_fill(m);
    });
    roundedRectPath(cr, kBoardX - f, kBoardY - f, kBoardW + 2 * f, kBoardH + 2 * f, 10);
    setColour(cr, kInk);
    cairo_fill(cr);
    roundedRectPath(cr, kBoardX - f + 3, kBoardY - f + 3, kBoardW + 2 * f - 6, kBoardH + 2 * f - 6, 8);
    cairo_pattern_t* gold = cairo_pattern_create_linear(kBoardX - f, kBoardY - f, kBoardX + kBoardW + f,
                                                        kBoardY + kBoardH + f);
    addStop(gold, 0.0, rgb255(255, 236, 150));
    addStop(gold, 0.35, rgb255(226, 164, 48));
    addStop(gold, 0.65, rgb255(255, 214, 110));
    addStop(gold, 1.0, rgb255(170, 104, 24));
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // Beads along the frame.
    for (double x = kBoardX - 6; x <= kBoardX + kBoardW + 6; x += 18)
        for (double y : {kBoardY - 8.0, kBoardY + kBoardH + 8.0}) {
            circlePath(cr, x, y, 2.6);
            setColour(cr, rgb255(255, 248, 210), 0.8);
            cairo_fill(cr);
        }
    for (double y = kBoardY + 10; y <= kBoardY + kBoardH - 10; y += 18)
        for (double x : {kBoardX - 8.0, kBoardX + kBoardW + 8.0}) {
            circlePath(cr, x, y, 2.6);
            setColour(cr, rgb255(255, 248, 210), 0.8);
            cairo_fill(cr);
        }
    cairo_rectangle(cr, kBoardX - 2, kBoardY - 2, kBoardW + 4, kBoardH + 4);
    setColour(cr, kInk);
    cairo_fill(cr);
    // The window onto the board.
    cairo_rectangle(cr, kBoardX, kBoardY, kBoardW, kBoardH);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // The bar for the time, the menu button and the clicks.
    ui_kit::drawPanel(c, 40, 530, 720, 64, 22);
    writePicture(c, "gfx/gui/puzzle/panel.png");
}

void drawBack() {
    Canvas c(800, 600);
    drawTable(c);
    writePicture(c, "gfx/gui/puzzle/back.png");
}

// ------------------------------------------------------------ scenes

// Scenes are painted at twice their size.
constexpr double W = 1000, H = 750;

// Whispering woods: a cottage by a stream in a glade, an old oak with its
// owl, a fox, mushrooms, and a balloon drifting over the hills.
void woodland(cairo_t* cr) {
    sky(cr, W, 370, rgb255(70, 140, 225), rgb255(140, 195, 240), rgb255(255, 230, 185));
    scene_kit::sun(cr, 840, 120, 46, rgb255(255, 245, 200), rgb255(255, 220, 140));
    cloud(cr, 190, 90, 1.3);
    cloud(cr, 470, 60, 0.9, 0.9);
    cloud(cr, 930, 250, 0.8, 0.85);
    bird(cr, 330, 150, 1.3, rgb255(60, 50, 80));
    bird(cr, 368, 172, 1.0, rgb255(60, 50, 80));
    bird(cr, 300, 180, 0.9, rgb255(60, 50, 80));
    airBalloon(cr, 640, 150, 1.05, rgb255(240, 70, 70), rgb255(255, 215, 60));
    ridge(cr, W, 335, 30, H, rgb255(150, 170, 215), 11, 0.8);
    ridge(cr, W, 375, 20, H, rgb255(112, 150, 172), 12, 1.2);
    Random rnd(5);
    for (double x = 360; x < 1000; x += 30) pine(cr, x + rnd.uniform(-8, 8), 408 + rnd.uniform(-6, 6), rnd.uniform(60, 95),
                                                 rgb255(70, 118, 108));
    ground(cr, W, 398, H, rgb255(150, 205, 92), rgb255(66, 146, 50));
    speckle(cr, 0, 398, W, H - 398, 6, 4, 0.08);
    bush(cr, 520, 432, 80, rgb255(60, 150, 60), 7);
    bush(cr, 780, 430, 70, rgb255(80, 160, 50), 8);
    // The stream, winding toward us.
    auto stream = [&](cairo_t* k) {
        cairo_move_to(k, 628, 400);
        cairo_curve_to(k, 590, 470, 450, 540, 400, H);
        cairo_line_to(k, 680, H);
        cairo_curve_to(k, 640, 600, 700, 470, 662, 400);
        cairo_close_path(k);
    };
    cairo_save(cr);
    stream(cr);
    cairo_clip(cr);
    water(cr, W, 398, H, rgb255(120, 190, 235), rgb255(40, 110, 190), 9);
    cairo_restore(cr);
    stream(cr);
    setColour(cr, rgb255(60, 110, 60), 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    rock(cr, 382, 650, 62, 36, rgb255(150, 150, 160));
    rock(cr, 700, 620, 72, 42, rgb255(160, 155, 150));
    rock(cr, 668, 735, 54, 30, rgb255(140, 140, 155));
    // A wooden bridge over the stream.
    cairo_move_to(cr, 448, 560);
    cairo_curve_to(cr, 520, 520, 620, 520, 690, 556);
    cairo_line_to(cr, 690, 578);
    cairo_curve_to(cr, 620, 544, 520, 544, 448, 582);
    cairo_close_path(cr);
    shaded(cr, rgb255(176, 112, 60), 448, 520, 690, 582, 2);
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0, x = 452 + t * 234, y = 560 - 36 * 4 * t * (1 - t);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y - 26);
    }
    setColour(cr, rgb255(120, 70, 35));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, 452, 534);
    cairo_curve_to(cr, 520, 494, 620, 494, 686, 530);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // The cottage with smoke from its chimney.
    house(cr, 236, 566, 150, 118, rgb255(250, 236, 200), rgb255(210, 60, 50), 21);
    for (int i = 0; i < 4; ++i) cloud(cr, 345 + i * 14, 360 - i * 34, 0.22 + i * 0.08, 0.55);
    // The old oak, its branch and its owl.
    roundTree(cr, 60, 660, 520, rgb255(70, 150, 60), 3);
    cairo_move_to(cr, 70, 420);
    cairo_curve_to(cr, 120, 400, 160, 404, 210, 392);
    setColour(cr, rgb255(110, 70, 40));
    cairo_set_line_width(cr, 10);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    owl(cr, 168, 364, 1.4);
    pine(cr, 905, 710, 430, rgb255(40, 110, 70));
    pine(cr, 990, 640, 300, rgb255(50, 120, 80));
    fox(cr, 815, 690, 1.25);
    mushroom(cr, 236, 712, 1.5, rgb255(230, 40, 40));
    mushroom(cr, 292, 728, 1.0, rgb255(230, 40, 40));
    mushroom(cr, 150, 735, 0.9, rgb255(245, 140, 30));
    // Flowers across the meadow, clear of the stream.
    const Rgb petals[] = {rgb255(255, 90, 120), rgb255(255, 230, 80), rgb255(170, 110, 255), rgb255(255, 255, 255),
                          rgb255(255, 140, 40)};
    Random fl(14);
    for (int i = 0; i < 70; ++i) {
        const double y = fl.uniform(600, 740), x = fl.uniform(0, W);
        if (x > 380 && x < 720) continue;
        flower(cr, x, y, fl.uniform(4, 8), petals[fl.next() % 5]);
    }
    butterfly(cr, 470, 470, 1.4, rgb255(255, 150, 30));
    butterfly(cr, 170, 600, 1.1, rgb255(80, 160, 255));
    butterfly(cr, 760, 520, 1.2, rgb255(255, 110, 200));
}

// Amber desert: a stepped temple under the evening sun, a caravan along the
// dunes, an oasis with palms and a tent, jars, and a mosaic path in front.
void desert(cairo_t* cr) {
    sky(cr, W, 350, rgb255(40, 60, 150), rgb255(220, 130, 120), rgb255(255, 214, 140));
    Random st(31);
    for (int i = 0; i < 40; ++i) {
        circlePath(cr, st.uniform(0, 600), st.uniform(0, 120), st.uniform(0.8, 2.0));
        setColour(cr, {1, 1, 1}, st.uniform(0.4, 0.9));
        cairo_fill(cr);
    }
    scene_kit::sun(cr, 810, 170, 58, rgb255(255, 236, 180), rgb255(255, 170, 80));
    // A crescent moon in the darker sky.
    cairo_push_group(cr);
    circlePath(cr, 110, 76, 38);
    setColour(cr, rgb255(255, 248, 210));
    cairo_fill(cr);
    circlePath(cr, 130, 62, 34);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cloud(cr, 260, 160, 1.1, 0.55);
    cloud(cr, 500, 96, 1.0, 0.6);
    bird(cr, 540, 90, 1.4, rgb255(60, 30, 60));
    bird(cr, 580, 112, 1.0, rgb255(60, 30, 60));
    // Flat-topped mesas far away.
    cairo_move_to(cr, 0, 360);
    cairo_line_to(cr, 0, 300);
    cairo_line_to(cr, 40, 296);
    cairo_line_to(cr, 70, 260);
    cairo_line_to(cr, 190, 258);
    cairo_line_to(cr, 220, 300);
    cairo_line_to(cr, 700, 320);
    cairo_line_to(cr, 730, 280);
    cairo_line_to(cr, 820, 278);
    cairo_line_to(cr, 860, 318);
    cairo_line_to(cr, W, 322);
    cairo_line_to(cr, W, 360);
    cairo_close_path(cr);
    setColour(cr, rgb255(190, 120, 140), 0.8);
    cairo_fill(cr);
    ridge(cr, W, 352, 14, H, rgb255(232, 168, 112), 21, 0.6);
    // The stepped temple with its door.
    for (int i = 0; i < 5; ++i) {
        const double w = 300 - i * 56, h = 34, y = 380 - i * h;
        cairo_rectangle(cr, 520 - w / 2, y - h, w, h);
        shaded(cr, i % 2 ? rgb255(226, 170, 96) : rgb255(214, 156, 84), 520 - w / 2, y - h, 520 + w / 2, y, 2);
    }
    roundedRectPath(cr, 500, 216, 40, 30, 6);
    setColour(cr, rgb255(90, 40, 30));
    cairo_fill(cr);
    scene_kit::sun(cr, 520, 200, 9, rgb255(255, 250, 200), rgb255(255, 220, 120));
    // A sandstone arch to the left.
    cairo_move_to(cr, 250, 390);
    cairo_line_to(cr, 250, 300);
    cairo_curve_to(cr, 250, 250, 350, 250, 350, 300);
    cairo_line_to(cr, 350, 390);
    cairo_line_to(cr, 325, 390);
    cairo_line_to(cr, 325, 305);
    cairo_curve_to(cr, 325, 274, 275, 274, 275, 305);
    cairo_line_to(cr, 275, 390);
    cairo_close_path(cr);
    shaded(cr, rgb255(210, 140, 80), 250, 250, 350, 390, 2);
    ridge(cr, W, 430, 28, H, rgb255(244, 192, 108), 22, 0.7);
    // The caravan on the dune's crest.
    camel(cr, 640, 440, 0.85, rgb255(200, 150, 90));
    camel(cr, 760, 436, 0.8, rgb255(190, 140, 80));
    camel(cr, 872, 432, 0.72, rgb255(205, 160, 100));
    // A signpost where the caravan road leaves the dunes.
    cairo_rectangle(cr, 716, 470, 10, 110);
    shaded(cr, rgb255(140, 90, 50), 716, 470, 726, 580, 1.5);
    for (const auto& [y, dir] : {std::pair{484.0, 1.0}, {516.0, -1.0}}) {
        cairo_move_to(cr, 721, y);
        cairo_line_to(cr, 721 + dir * 60, y);
        cairo_line_to(cr, 721 + dir * 74, y + 11);
        cairo_line_to(cr, 721 + dir * 60, y + 22);
        cairo_line_to(cr, 721, y + 22);
        cairo_close_path(cr);
        shaded(cr, rgb255(200, 140, 80), 721 - 74, y, 721 + 74, y + 22, 2);
    }
    ridge(cr, W, 520, 36, H, rgb255(250, 208, 120), 23, 0.6);
    speckle(cr, 0, 330, W, H - 330, 24, 5, 0.09);
    // The oasis.
    ellipsePath(cr, 230, 590, 180, 46);
    setColour(cr, rgb255(120, 180, 90));
    cairo_fill(cr);
    cairo_save(cr);
    ellipsePath(cr, 230, 592, 160, 36);
    cairo_clip(cr);
    water(cr, W, 550, 640, rgb255(90, 200, 230), rgb255(30, 120, 180), 25);
    cairo_restore(cr);
    palm(cr, 110, 600, 250, 0.15, 26);
    palm(cr, 340, 585, 200, -0.22, 27);
    palm(cr, 40, 650, 170, 0.3, 28);
    // A striped tent.
    cairo_move_to(cr, 430, 620);
    cairo_line_to(cr, 500, 520);
    cairo_line_to(cr, 570, 620);
    cairo_close_path(cr);
    shaded(cr, rgb255(230, 70, 80), 430, 520, 570, 620, 2);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, 500, 520);
        cairo_line_to(cr, 430 + i * 35, 620);
    }
    setColour(cr, rgb255(255, 240, 220));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_move_to(cr, 485, 620);
    cairo_line_to(cr, 500, 575);
    cairo_line_to(cr, 515, 620);
    cairo_close_path(cr);
    setColour(cr, rgb255(80, 30, 40));
    cairo_fill(cr);
    // Cacti and painted jars.
    for (const auto& [x, y, h] : {std::tuple{900.0, 640.0, 150.0}, {960.0, 600.0, 90.0}}) {
        roundedRectPath(cr, x - h * 0.1, y - h, h * 0.2, h, h * 0.1);
        roundedRectPath(cr, x - h * 0.32, y - h * 0.7, h * 0.14, h * 0.35, h * 0.07);
        roundedRectPath(cr, x + h * 0.18, y - h * 0.82, h * 0.14, h * 0.4, h * 0.07);
        cairo_rectangle(cr, x - h * 0.3, y - h * 0.42, h * 0.3, h * 0.1);
        cairo_rectangle(cr, x, y - h * 0.5, h * 0.3, h * 0.1);
        shaded(cr, rgb255(70, 160, 80), x - h * 0.32, y - h, x + h * 0.32, y, 0);
    }
    const Rgb jars[] = {rgb255(40, 110, 210), rgb255(230, 90, 40), rgb255(40, 170, 160)};
    for (int i = 0; i < 3; ++i) {
        const double x = 690 + i * 58, y = 690 + (i % 2) * 12, s = 1.0 - i * 0.1;
        shadow(cr, x + 6, y, 30 * s, 6 * s);
        cairo_move_to(cr, x - 12 * s, y - 60 * s);
        cairo_curve_to(cr, x - 40 * s, y - 40 * s, x - 34 * s, y, x, y);
        cairo_curve_to(cr, x + 34 * s, y, x + 40 * s, y - 40 * s, x + 12 * s, y - 60 * s);
        cairo_close_path(cr);
        shaded(cr, jars[i], x - 36 * s, y - 60 * s, x + 36 * s, y, 2);
        cairo_move_to(cr, x - 30 * s, y - 30 * s);
        cairo_line_to(cr, x + 30 * s, y - 30 * s);
        setColour(cr, rgb255(255, 220, 120));
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
    }
    // The mosaic path along the front.
    const Rgb tiles[] = {rgb255(40, 110, 210), rgb255(60, 190, 190), rgb255(240, 190, 60), rgb255(210, 90, 50),
                         rgb255(250, 240, 220)};
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 26; ++i) {
            const double x = i * 40 + row * 20 - 10, y = 712 + row * 20;
            cairo_move_to(cr, x, y - 20);
            cairo_line_to(cr, x + 20, y);
            cairo_line_to(cr, x, y + 20);
            cairo_line_to(cr, x - 20, y);
            cairo_close_path(cr);
            shaded(cr, tiles[(i * 3 + row * 2) % 5], x - 20, y - 20, x + 20, y + 20, 1.5);
        }
}

// Coral coast: a lighthouse on its cliff, a quay of painted houses, boats
// under sail, a jetty of barrels and crates, gulls and buoys.
void harbour(cairo_t* cr) {
    sky(cr, W, 372, rgb255(50, 130, 225), rgb255(140, 200, 245), rgb255(235, 242, 250));
    scene_kit::sun(cr, 150, 95, 44, rgb255(255, 250, 215), rgb255(255, 235, 170));
    cloud(cr, 420, 90, 1.25);
    cloud(cr, 760, 55, 0.9, 0.9);
    cloud(cr, 600, 250, 0.6, 0.7);
    for (const auto& [x, y, s] : {std::tuple{540.0, 160.0, 1.4}, {592.0, 186.0, 1.1}, {680.0, 136.0, 1.2},
                                  {320.0, 220.0, 0.9}}) {
        bird(cr, x, y, s, rgb255(70, 70, 90));
    }
    ridge(cr, W, 362, 16, 372, rgb255(120, 150, 190), 41, 0.7);
    water(cr, W, 372, H, rgb255(80, 165, 220), rgb255(20, 70, 140), 42);
    // The cliff and the lighthouse with its beam.
    cairo_move_to(cr, 810, H);
    cairo_curve_to(cr, 820, 560, 806, 480, 846, 432);
    cairo_curve_to(cr, 876, 402, 940, 404, W, 388);
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    shaded(cr, rgb255(150, 120, 100), 810, 388, W, H, 2);
    cairo_move_to(cr, 840, 440);
    cairo_curve_to(cr, 876, 408, 940, 412, W, 398);
    cairo_line_to(cr, W, 424);
    cairo_curve_to(cr, 940, 438, 880, 434, 842, 458);
    cairo_close_path(cr);
    setColour(cr, rgb255(90, 170, 70));
    cairo_fill(cr);
    cairo_move_to(cr, 910, 158);
    cairo_line_to(cr, 730, 118);
    cairo_line_to(cr, 730, 208);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(910, 0, 730, 0);
    cairo_pattern_add_color_stop_rgba(beam, 0.0, 1, 1, 0.8, 0.55);
    cairo_pattern_add_color_stop_rgba(beam, 1.0, 1, 1, 0.8, 0.0);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    for (int i = 0; i < 6; ++i) {
        const double y0 = 418 - i * 40, y1 = y0 - 40, w0 = 46 - i * 3, w1 = 46 - (i + 1) * 3;
        cairo_move_to(cr, 910 - w0, y0);
        cairo_line_to(cr, 910 - w1, y1);
        cairo_line_to(cr, 910 + w1, y1);
        cairo_line_to(cr, 910 + w0, y0);
        cairo_close_path(cr);
        shaded(cr, i % 2 ? rgb255(250, 250, 250) : rgb255(230, 50, 50), 864, y1, 956, y0, 2);
    }
    cairo_rectangle(cr, 882, 138, 56, 42);
    shaded(cr, rgb255(255, 230, 120), 882, 138, 938, 180, 2);
    cairo_move_to(cr, 872, 140);
    cairo_line_to(cr, 910, 100);
    cairo_line_to(cr, 948, 140);
    cairo_close_path(cr);
    shaded(cr, rgb255(60, 60, 90), 872, 100, 948, 140, 2);
    // The quay and its row of houses.
    cairo_rectangle(cr, 0, 432, 480, 46);
    shaded(cr, rgb255(170, 160, 150), 0, 432, 480, 478, 2);
    for (int i = 0; i < 12; ++i) {
        cairo_move_to(cr, i * 40, 432);
        cairo_line_to(cr, i * 40, 478);
    }
    setColour(cr, rgb255(120, 110, 100), 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const Rgb walls[] = {rgb255(250, 200, 80), rgb255(120, 190, 230), rgb255(250, 140, 150), rgb255(150, 220, 140),
                         rgb255(250, 240, 220)};
    const Rgb roofs[] = {rgb255(200, 70, 50), rgb255(70, 90, 160), rgb255(180, 80, 40), rgb255(200, 70, 50),
                         rgb255(90, 120, 90)};
    const double xs[] = {12, 112, 196, 296, 386}, ws[] = {88, 76, 92, 80, 84}, hs[] = {110, 148, 100, 134, 104};
    for (int i = 0; i < 5; ++i) house(cr, xs[i], 434, ws[i], hs[i], walls[i], roofs[i], uint32_t(50 + i));
    // Reflections of the quay in the water.
    cairo_rectangle(cr, 0, 478, 480, 40);
    cairo_pattern_t* refl = cairo_pattern_create_linear(0, 478, 0, 518);
    cairo_pattern_add_color_stop_rgba(refl, 0.0, 0.2, 0.2, 0.3, 0.35);
    cairo_pattern_add_color_stop_rgba(refl, 1.0, 0.2, 0.2, 0.3, 0.0);
    cairo_set_source(cr, refl);
    cairo_fill(cr);
    cairo_pattern_destroy(refl);
    // Boats and buoys.
    sailboat(cr, 440, 528, 0.72, rgb255(200, 50, 50), rgb255(250, 250, 240));
    sailboat(cr, 620, 470, 1.1, rgb255(40, 90, 170), rgb255(235, 60, 60));
    sailboat(cr, 716, 590, 0.85, rgb255(250, 250, 250), rgb255(255, 200, 40));
    rowboat(cr, 600, 705, 1.3, rgb255(60, 170, 90));
    buoy(cr, 545, 610, 1.2);
    buoy(cr, 770, 690, 1.0);
    // The jetty with its cargo.
    for (double x = 30; x < 520; x += 70) {
        cairo_rectangle(cr, x - 5, 640, 10, 80);
        shaded(cr, rgb255(110, 70, 40), x - 5, 640, x + 5, 720, 0);
    }
    cairo_move_to(cr, 0, 612);
    cairo_line_to(cr, 520, 628);
    cairo_line_to(cr, 520, 650);
    cairo_line_to(cr, 0, 640);
    cairo_close_path(cr);
    shaded(cr, rgb255(190, 130, 70), 0, 612, 520, 650, 2);
    for (double x = 20; x < 520; x += 26) {
        cairo_move_to(cr, x, 612 + x * 16 / 520);
        cairo_line_to(cr, x, 640 + x * 10 / 520);
    }
    setColour(cr, rgb255(130, 85, 45), 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    barrel(cr, 90, 624, 1.4);
    barrel(cr, 136, 626, 1.2);
    crate(cr, 250, 628, 1.5);
    crate(cr, 300, 630, 1.1);
    crate(cr, 262, 572, 1.0);
    // A coil of rope and a resting gull.
    for (int i = 0; i < 3; ++i) {
        ellipsePath(cr, 400, 628, 26 - i * 7, 9 - i * 2.2);
        setColour(cr, rgb255(220, 190, 130));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    ellipsePath(cr, 470, 612, 16, 10);
    shaded(cr, rgb255(245, 245, 250), 454, 602, 486, 622, 1.5);
    circlePath(cr, 484, 600, 7);
    shaded(cr, rgb255(245, 245, 250), 477, 593, 491, 607, 1.5);
    cairo_move_to(cr, 490, 600);
    cairo_line_to(cr, 500, 603);
    cairo_line_to(cr, 490, 604);
    cairo_close_path(cr);
    setColour(cr, rgb255(250, 180, 40));
    cairo_fill(cr);
}

// Lantern town: a square under the clock tower, tall painted houses with
// bunting between them, market stalls, a fountain, lanterns, and a canal
// under a stone bridge.
void town(cairo_t* cr) {
    sky(cr, W, 340, rgb255(80, 150, 235), rgb255(160, 205, 245), rgb255(250, 230, 200));
    cloud(cr, 150, 70, 1.1);
    cloud(cr, 830, 90, 1.0);
    cloud(cr, 330, 230, 0.6, 0.8);
    // A kite with its tail.
    cairo_move_to(cr, 70, 20);
    cairo_line_to(cr, 100, 60);
    cairo_line_to(cr, 70, 110);
    cairo_line_to(cr, 40, 60);
    cairo_close_path(cr);
    shaded(cr, rgb255(250, 80, 120), 40, 20, 100, 110, 2);
    cairo_move_to(cr, 70, 110);
    cairo_curve_to(cr, 90, 130, 50, 140, 74, 160);
    setColour(cr, rgb255(80, 60, 80));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 2; ++i) {
        ellipsePath(cr, 76 - i * 8, 126 + i * 18, 7, 4, 30);
        setColour(cr, i % 2 ? rgb255(255, 210, 40) : rgb255(60, 160, 255));
        cairo_fill(cr);
    }
    bird(cr, 700, 150, 1.2, rgb255(60, 50, 80));
    bird(cr, 735, 170, 0.9, rgb255(60, 50, 80));
    for (int i = 0; i < 5; ++i) bird(cr, 200 + i * 26, 40 + (i % 2) * 16, 1.0, rgb255(60, 50, 80));
    scene_kit::sun(cr, 940, 50, 34, rgb255(255, 245, 200), rgb255(255, 220, 140));
    // The clock tower.
    cairo_rectangle(cr, 440, 120, 120, 380);
    shaded(cr, rgb255(200, 120, 90), 440, 120, 560, 500, 2);
    for (double y = 140; y < 500; y += 22)
        for (double x = 440 + (int(y) / 22 % 2) * 15; x < 560; x += 30) {
            cairo_rectangle(cr, x, y, 28, 20);
            setColour(cr, rgb255(150, 80, 60), 0.25);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    cairo_move_to(cr, 428, 124);
    cairo_line_to(cr, 500, 20);
    cairo_line_to(cr, 572, 124);
    cairo_close_path(cr);
    shaded(cr, rgb255(60, 90, 150), 428, 20, 572, 124, 2);
    cairo_move_to(cr, 500, 20);
    cairo_line_to(cr, 500, -10);
    setColour(cr, rgb255(60, 50, 50));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    circlePath(cr, 500, 190, 46);
    shaded(cr, rgb255(255, 250, 235), 454, 144, 546, 236, 4);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        circlePath(cr, 500 + std::cos(a) * 38, 190 + std::sin(a) * 38, i % 3 == 0 ? 4 : 2);
        setColour(cr, rgb255(60, 40, 60));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 500, 190);
    cairo_line_to(cr, 500, 160);
    cairo_move_to(cr, 500, 190);
    cairo_line_to(cr, 522, 200);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    for (int i = 0; i < 2; ++i) window(cr, 470 + i * 40, 290, 20, 44, i == 0);
    roundedRectPath(cr, 476, 420, 48, 80, 24);
    shaded(cr, rgb255(110, 60, 40), 476, 420, 524, 500, 2);
    // Tall houses left and right of the tower.
    const Rgb walls[] = {rgb255(250, 150, 160), rgb255(255, 210, 90), rgb255(110, 200, 200), rgb255(250, 160, 80),
                         rgb255(150, 180, 250), rgb255(180, 230, 140), rgb255(240, 120, 110), rgb255(220, 180, 250)};
    const Rgb roofs[] = {rgb255(120, 60, 80), rgb255(190, 70, 50), rgb255(60, 100, 130), rgb255(150, 60, 40)};
    const double heights[] = {250, 300, 230, 280, 270, 240, 310, 255};
    for (int i = 0; i < 8; ++i) {
        const double x = i < 4 ? i * 108.0 + 4 : 568 + (i - 4) * 108.0, w = 100;
        house(cr, x, 500, w, heights[i], walls[i], roofs[i % 4], uint32_t(60 + i));
    }
    bunting(cr, 60, 300, 440, 330, 9, 70);
    bunting(cr, 560, 330, 960, 296, 9, 71);
    // The square's cobbles.
    ground(cr, W, 500, 660, rgb255(200, 185, 165), rgb255(160, 140, 120));
    Random cb(72);
    for (double y = 506; y < 660; y += 14)
        for (double x = -10 + cb.uniform(0, 10); x < W; x += 24) {
            roundedRectPath(cr, x, y, 20, 11, 4);
            setColour(cr, cb.next() % 2 ? rgb255(215, 200, 180) : rgb255(175, 158, 138), 0.8);
            cairo_fill(cr);
        }
    stall(cr, 40, 640, 170, rgb255(230, 50, 60), 73);
    stall(cr, 790, 640, 170, rgb255(40, 120, 220), 74);
    // The fountain.
    shadow(cr, 505, 622, 110, 16);
    ellipsePath(cr, 500, 610, 100, 26);
    shaded(cr, rgb255(200, 200, 210), 400, 584, 600, 636, 2);
    ellipsePath(cr, 500, 604, 86, 18);
    setColour(cr, rgb255(90, 170, 230));
    cairo_fill(cr);
    cairo_rectangle(cr, 490, 540, 20, 64);
    shaded(cr, rgb255(200, 200, 210), 490, 540, 510, 604, 2);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 500, 540);
        cairo_curve_to(cr, 500 + side * 30, 500, 500 + side * 60, 530, 500 + side * 70, 600);
        setColour(cr, rgb255(200, 235, 255), 0.85);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    lantern(cr, 300, 650, 120);
    lantern(cr, 700, 650, 120);
    bush(cr, 380, 652, 50, rgb255(60, 150, 70), 75);
    bush(cr, 625, 652, 50, rgb255(70, 160, 60), 76);
    // Pigeons on the square.
    for (const auto& [x, y] : {std::pair{250.0, 600.0}, {620.0, 590.0}, {740.0, 615.0}}) {
        ellipsePath(cr, x, y, 11, 7);
        shaded(cr, rgb255(150, 150, 170), x - 11, y - 7, x + 11, y + 7, 1);
        circlePath(cr, x + 10, y - 6, 5);
        shaded(cr, rgb255(120, 120, 150), x + 5, y - 11, x + 15, y - 1, 1);
    }
    // The canal under a stone bridge, with a boat.
    water(cr, W, 660, H, rgb255(80, 150, 200), rgb255(30, 80, 140), 77);
    cairo_rectangle(cr, 0, 655, W, 10);
    shaded(cr, rgb255(150, 140, 130), 0, 655, W, 665, 1);
    cairo_move_to(cr, 340, 660);
    cairo_line_to(cr, 660, 660);
    cairo_line_to(cr, 660, H);
    cairo_line_to(cr, 610, H);
    cairo_curve_to(cr, 600, 700, 400, 700, 390, H);
    cairo_line_to(cr, 340, H);
    cairo_close_path(cr);
    shaded(cr, rgb255(190, 170, 150), 340, 660, 660, H, 2);
    for (double x = 350; x < 660; x += 30) {
        cairo_rectangle(cr, x, 664, 26, 14);
        setColour(cr, rgb255(150, 130, 110), 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    rowboat(cr, 820, 730, 1.4, rgb255(230, 80, 60));
    rowboat(cr, 160, 725, 1.1, rgb255(80, 120, 220));
}

// A scene as a picture cut into rows x cols pieces: as large as the board
// while every piece keeps whole pixels, so the grid fills the board but for
// a sliver where 500 or 375 does not divide evenly.
void writeScene(void (*paint)(cairo_t*), const std::string& path, int rows = 1, int cols = 1) {
    Canvas big{int(W), int(H)};
    paint(big.cr());
    speckle(big.cr(), 0, 0, W, H, 99, 1.0, 0.05);
    const int w = int(kBoardW) / cols * cols, h = int(kBoardH) / rows * rows;
    Canvas picture(w, h);
    paintScaled(picture.cr(), big.surface(), 0, 0, w, h);
    writePicture(picture, path);
}

// The picture sets of free play (data/zestawy.dat lists them in this order
// with the same cuts).
struct PictureSet {
    void (*paint)(cairo_t*);
    int rows, cols;
};

}  // namespace

void generate() {
    using catalogue::tr;
    // A language run draws only the pictures with words.
    const bool everyPicture = !catalogue::languageRun();
    if (everyPicture) {
        drawPanel();
        drawBack();
    }
    // Translators: button under the picture puzzle (opens the pause menu), about 120 px at 20 px.
    ui_kit::writePillButton("gfx/gui/puzzle/menu.png", 150, 54, {rgb255(160, 70, 200), tr("Menu"), {}});
    if (!everyPicture) return;
    // The quest's puzzle levels 19, 39, 59 and 79 in that order.
    writeScene(woodland, "gfx/puzzles/puzzle1.jpg");
    writeScene(desert, "gfx/puzzles/puzzle2.jpg");
    writeScene(harbour, "gfx/puzzles/puzzle3.jpg");
    writeScene(town, "gfx/puzzles/puzzle4.jpg");
    using namespace freeplay_scenes;
    const PictureSet sets[] = {{woodland, 2, 2},      {farm, 2, 3},   {harbour, 3, 3},    {winterVillage, 3, 4},
                               {coralReef, 4, 5},     {desert, 5, 6}, {alpineLake, 5, 7}, {town, 6, 8}};
    int n = 0;
    for (const PictureSet& set : sets)
        writeScene(set.paint, "gfx/puzzles/set" + std::to_string(++n) + ".jpg", set.rows, set.cols);
}

}  // namespace puzzle_pictures
