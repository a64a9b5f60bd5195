// Free play's own puzzle scenes. Like the quest's, each has something of its
// own in every part of the picture, so that even at 6 x 8 no two pieces look
// alike: far layers fade into haze, near things carry shadows and detail.
#include "freeplay_scenes.h"

#include <cmath>
#include <functional>
#include <tuple>

#include "art.h"
#include "scene_kit.h"

namespace freeplay_scenes {

using namespace art;
using namespace scene_kit;

namespace {

constexpr double W = 1000, H = 750;

// A snowy mountain: a shaded peak with a white cap.
void peak(cairo_t* cr, double x, double baseY, double w, double h, Rgb rockColour) {
    cairo_move_to(cr, x - w / 2, baseY);
    cairo_line_to(cr, x - w * 0.08, baseY - h);
    cairo_line_to(cr, x + w * 0.05, baseY - h * 0.94);
    cairo_line_to(cr, x + w / 2, baseY);
    cairo_close_path(cr);
    shaded(cr, rockColour, x - w / 2, baseY - h, x + w / 2, baseY, 1.5);
    cairo_move_to(cr, x - w * 0.21, baseY - h * 0.66);
    cairo_line_to(cr, x - w * 0.08, baseY - h);
    cairo_line_to(cr, x + w * 0.05, baseY - h * 0.94);
    cairo_line_to(cr, x + w * 0.2, baseY - h * 0.62);
    cairo_line_to(cr, x + w * 0.1, baseY - h * 0.68);
    cairo_line_to(cr, x + w * 0.02, baseY - h * 0.6);
    cairo_line_to(cr, x - w * 0.08, baseY - h * 0.7);
    cairo_close_path(cr);
    shaded(cr, rgb255(250, 252, 255), x - w * 0.21, baseY - h, x + w * 0.2, baseY - h * 0.6, 0);
}

// Snow lying on a gable roof drawn by scene_kit::house.
void snowOnRoof(cairo_t* cr, double x, double baseY, double w, double h) {
    const double roofH = h * 0.45, wallTop = baseY - h;
    cairo_move_to(cr, x - w * 0.1, wallTop + 4);
    cairo_line_to(cr, x + w / 2, wallTop - roofH - 6);
    cairo_line_to(cr, x + w * 1.1, wallTop + 4);
    cairo_curve_to(cr, x + w * 0.9, wallTop - roofH * 0.2, x + w * 0.7, wallTop - roofH * 0.5, x + w / 2,
                   wallTop - roofH * 0.62);
    cairo_curve_to(cr, x + w * 0.3, wallTop - roofH * 0.45, x + w * 0.1, wallTop - roofH * 0.15, x - w * 0.1,
                   wallTop + 4);
    cairo_close_path(cr);
    shaded(cr, rgb255(248, 250, 255), x, wallTop - roofH, x + w, wallTop, 1);
}

void snowman(cairo_t* cr, double x, double baseY, double s) {
    shadow(cr, x + 8 * s, baseY, 40 * s, 8 * s);
    for (const auto& [r, y] : {std::pair{34.0, 30.0}, {25.0, 82.0}, {18.0, 122.0}}) {
        circlePath(cr, x, baseY - y * s, r * s);
        shaded(cr, rgb255(250, 252, 255), x - r * s, baseY - (y + r) * s, x + r * s, baseY - (y - r) * s, 1.2);
    }
    for (double dy : {72.0, 86.0, 100.0}) {
        circlePath(cr, x, baseY - dy * s, 3 * s);
        setColour(cr, rgb255(50, 40, 60));
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, baseY - 122 * s);
    cairo_line_to(cr, x + 22 * s, baseY - 118 * s);
    cairo_line_to(cr, x, baseY - 116 * s);
    cairo_close_path(cr);
    setColour(cr, rgb255(250, 130, 30));
    cairo_fill(cr);
    for (double dx : {-6.0, 6.0}) {
        circlePath(cr, x + dx * s, baseY - 128 * s, 2.5 * s);
        setColour(cr, rgb255(40, 30, 50));
        cairo_fill(cr);
    }
    // Hat and scarf.
    cairo_rectangle(cr, x - 14 * s, baseY - 160 * s, 28 * s, 24 * s);
    cairo_rectangle(cr, x - 22 * s, baseY - 138 * s, 44 * s, 5 * s);
    shaded(cr, rgb255(60, 50, 80), x - 22 * s, baseY - 160 * s, x + 22 * s, baseY - 133 * s, 1);
    cairo_rectangle(cr, x - 20 * s, baseY - 108 * s, 40 * s, 8 * s);
    cairo_rectangle(cr, x + 6 * s, baseY - 104 * s, 9 * s, 26 * s);
    shaded(cr, rgb255(230, 50, 60), x - 20 * s, baseY - 108 * s, x + 20 * s, baseY - 78 * s, 1);
    // Stick arms.
    cairo_move_to(cr, x - 22 * s, baseY - 86 * s);
    cairo_line_to(cr, x - 56 * s, baseY - 110 * s);
    cairo_move_to(cr, x + 22 * s, baseY - 86 * s);
    cairo_line_to(cr, x + 54 * s, baseY - 104 * s);
    setColour(cr, rgb255(110, 70, 40));
    cairo_set_line_width(cr, 3.5 * s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A fish swimming right (dir 1) or left (dir -1), with stripes.
void fish(cairo_t* cr, double x, double y, double s, double dir, Rgb body, Rgb stripe) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir * s, s);
    cairo_move_to(cr, -22, 0);
    cairo_line_to(cr, -36, -12);
    cairo_line_to(cr, -33, 0);
    cairo_line_to(cr, -36, 12);
    cairo_close_path(cr);
    shaded(cr, darken(body, 0.15), -36, -12, -22, 12, 1.2);
    ellipsePath(cr, 0, 0, 25, 14);
    shaded(cr, body, -25, -14, 25, 14, 1.4);
    cairo_save(cr);
    ellipsePath(cr, 0, 0, 25, 14);
    cairo_clip(cr);
    for (double sx : {-10.0, 4.0}) {
        cairo_rectangle(cr, sx, -16, 5, 32);
        setColour(cr, stripe, 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    circlePath(cr, 14, -3, 3.5);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
    circlePath(cr, 15, -3, 1.8);
    setColour(cr, rgb255(20, 20, 40));
    cairo_fill(cr);
    cairo_restore(cr);
}

// Branching coral from (x, baseY), growing up.
void coral(cairo_t* cr, double x, double baseY, double h, Rgb colour, uint32_t seed) {
    Random rnd(seed);
    std::function<void(double, double, double, double, int)> branch = [&](double bx, double by, double len,
                                                                          double angle, int depth) {
        const double ex = bx + std::cos(angle) * len, ey = by - std::sin(angle) * len;
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, ex, ey);
        setColour(cr, darken(colour, 0.15 * (3 - depth)));
        cairo_set_line_width(cr, 4 + depth * 3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        if (depth == 0) {
            circlePath(cr, ex, ey, 5);
            setColour(cr, lighten(colour, 0.4));
            cairo_fill(cr);
            return;
        }
        branch(ex, ey, len * 0.7, angle + rnd.uniform(0.25, 0.6), depth - 1);
        branch(ex, ey, len * 0.7, angle - rnd.uniform(0.25, 0.6), depth - 1);
    };
    branch(x, baseY, h * 0.38, M_PI / 2, 3);
}

void seaweed(cairo_t* cr, double x, double baseY, double h, Rgb colour) {
    cairo_move_to(cr, x - 6, baseY);
    cairo_curve_to(cr, x - 30, baseY - h * 0.3, x + 24, baseY - h * 0.6, x - 4, baseY - h);
    cairo_curve_to(cr, x + 34, baseY - h * 0.6, x - 14, baseY - h * 0.3, x + 8, baseY);
    cairo_close_path(cr);
    shaded(cr, colour, x - 30, baseY - h, x + 34, baseY, 1.2);
}

void sheep(cairo_t* cr, double x, double baseY, double s) {
    shadow(cr, x + 6 * s, baseY, 34 * s, 6 * s);
    for (double lx : {-16.0, -6.0, 8.0, 18.0}) {
        cairo_rectangle(cr, x + lx * s - 2.5 * s, baseY - 18 * s, 5 * s, 18 * s);
        setColour(cr, rgb255(60, 50, 60));
        cairo_fill(cr);
    }
    Random rnd(uint32_t(x * 7 + baseY));
    for (int i = 0; i < 9; ++i) {
        circlePath(cr, x + rnd.uniform(-22, 22) * s, baseY - (30 + rnd.uniform(-9, 9)) * s, 12 * s);
        shaded(cr, rgb255(250, 248, 240), x - 34 * s, baseY - 52 * s, x + 34 * s, baseY - 14 * s, 0.8);
    }
    ellipsePath(cr, x + 32 * s, baseY - 36 * s, 9 * s, 12 * s, 20);
    shaded(cr, rgb255(70, 60, 70), x + 22 * s, baseY - 48 * s, x + 42 * s, baseY - 24 * s, 1);
    circlePath(cr, x + 35 * s, baseY - 40 * s, 2 * s);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
}

void hen(cairo_t* cr, double x, double baseY, double s, Rgb feathers) {
    shadow(cr, x + 3 * s, baseY, 16 * s, 4 * s);
    cairo_move_to(cr, x - 4 * s, baseY - 4 * s);
    cairo_line_to(cr, x - 4 * s, baseY);
    cairo_move_to(cr, x + 4 * s, baseY - 4 * s);
    cairo_line_to(cr, x + 4 * s, baseY);
    setColour(cr, rgb255(240, 160, 40));
    cairo_set_line_width(cr, 2 * s);
    cairo_stroke(cr);
    ellipsePath(cr, x, baseY - 14 * s, 14 * s, 10 * s);
    shaded(cr, feathers, x - 14 * s, baseY - 24 * s, x + 14 * s, baseY - 4 * s, 1);
    circlePath(cr, x + 11 * s, baseY - 26 * s, 6 * s);
    shaded(cr, feathers, x + 5 * s, baseY - 32 * s, x + 17 * s, baseY - 20 * s, 1);
    circlePath(cr, x + 11 * s, baseY - 33 * s, 3 * s);
    setColour(cr, rgb255(230, 40, 40));
    cairo_fill(cr);
    cairo_move_to(cr, x + 16 * s, baseY - 27 * s);
    cairo_line_to(cr, x + 22 * s, baseY - 25 * s);
    cairo_line_to(cr, x + 16 * s, baseY - 23 * s);
    setColour(cr, rgb255(250, 180, 30));
    cairo_fill(cr);
}

void sunflower(cairo_t* cr, double x, double baseY, double h) {
    cairo_move_to(cr, x, baseY);
    cairo_line_to(cr, x, baseY - h);
    setColour(cr, rgb255(60, 130, 50));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    ellipsePath(cr, x + 9, baseY - h * 0.5, 10, 4, -30);
    setColour(cr, rgb255(70, 150, 60));
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        ellipsePath(cr, x + std::cos(i * M_PI / 6) * 12, baseY - h + std::sin(i * M_PI / 6) * 12, 8, 3.5,
                    i * 30.0);
        setColour(cr, rgb255(255, 200, 30));
        cairo_fill(cr);
    }
    circlePath(cr, x, baseY - h, 8);
    setColour(cr, rgb255(110, 60, 20));
    cairo_fill(cr);
}

// A windmill with four sails turned by `turn` degrees.
void windmill(cairo_t* cr, double x, double baseY, double h, double turn) {
    shadow(cr, x + 20, baseY, h * 0.3, h * 0.05);
    cairo_move_to(cr, x - h * 0.16, baseY);
    cairo_line_to(cr, x - h * 0.1, baseY - h * 0.8);
    cairo_line_to(cr, x + h * 0.1, baseY - h * 0.8);
    cairo_line_to(cr, x + h * 0.16, baseY);
    cairo_close_path(cr);
    shaded(cr, rgb255(245, 238, 220), x - h * 0.16, baseY - h * 0.8, x + h * 0.16, baseY, 2);
    cairo_move_to(cr, x - h * 0.14, baseY - h * 0.78);
    cairo_line_to(cr, x, baseY - h * 0.95);
    cairo_line_to(cr, x + h * 0.14, baseY - h * 0.78);
    cairo_close_path(cr);
    shaded(cr, rgb255(200, 70, 60), x - h * 0.14, baseY - h * 0.95, x + h * 0.14, baseY - h * 0.78, 2);
    roundedRectPath(cr, x - h * 0.04, baseY - h * 0.16, h * 0.08, h * 0.16, h * 0.04);
    shaded(cr, rgb255(120, 80, 50), x - h * 0.04, baseY - h * 0.16, x + h * 0.04, baseY, 1);
    window(cr, x - h * 0.03, baseY - h * 0.5, h * 0.06, h * 0.08, false);
    const double hx = x, hy = baseY - h * 0.8;
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, (turn + i * 90) * M_PI / 180);
        cairo_rectangle(cr, -3, 0, 6, h * 0.55);
        setColour(cr, rgb255(120, 80, 50));
        cairo_fill(cr);
        cairo_rectangle(cr, 3, h * 0.12, h * 0.1, h * 0.42);
        shaded(cr, rgb255(250, 250, 245), 3, h * 0.12, 3 + h * 0.1, h * 0.54, 1);
        cairo_restore(cr);
    }
    circlePath(cr, hx, hy, 7);
    setColour(cr, rgb255(80, 50, 40));
    cairo_fill(cr);
}

// A fence along y from x0 to x1.
void fence(cairo_t* cr, double x0, double x1, double baseY, double h) {
    for (double x = x0; x <= x1; x += h * 0.55) {
        cairo_rectangle(cr, x - 3, baseY - h, 6, h);
        shaded(cr, rgb255(240, 235, 225), x - 3, baseY - h, x + 3, baseY, 1);
    }
    for (double y : {baseY - h * 0.75, baseY - h * 0.35}) {
        cairo_rectangle(cr, x0, y, x1 - x0, 5);
        shaded(cr, rgb255(235, 228, 215), x0, y, x1, y + 5, 1);
    }
}

}  // namespace

void alpineLake(cairo_t* cr) {
    sky(cr, W, 360, rgb255(60, 120, 215), rgb255(130, 185, 240), rgb255(230, 240, 250));
    scene_kit::sun(cr, 180, 110, 40, rgb255(255, 250, 215), rgb255(255, 235, 170));
    cloud(cr, 420, 80, 1.1);
    cloud(cr, 820, 130, 0.9, 0.9);
    peak(cr, 260, 380, 460, 250, rgb255(150, 160, 200));
    peak(cr, 620, 380, 560, 310, rgb255(135, 145, 190));
    peak(cr, 900, 380, 380, 220, rgb255(155, 165, 205));
    ridge(cr, W, 370, 18, H, rgb255(110, 150, 160), 81, 0.9);
    Random rnd(82);
    for (double x = 10; x < W; x += 24) pine(cr, x + rnd.uniform(-6, 6), 392 + rnd.uniform(-5, 5), rnd.uniform(50, 80),
                                             rgb255(50, 110, 90));
    // The lake, with the peaks' reflection in it.
    water(cr, W, 400, 610, rgb255(90, 170, 210), rgb255(30, 90, 160), 83);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 400, W, 210);
    cairo_clip(cr);
    cairo_translate(cr, 0, 800);
    cairo_scale(cr, 1, -1);
    cairo_push_group(cr);
    peak(cr, 620, 400, 560, 200, rgb255(135, 145, 190));
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.25);
    cairo_restore(cr);
    sailboat(cr, 560, 470, 0.8, rgb255(230, 60, 60), rgb255(255, 250, 240));
    sailboat(cr, 760, 520, 0.6, rgb255(250, 250, 250), rgb255(60, 150, 240));
    rowboat(cr, 420, 560, 1.1, rgb255(250, 190, 40));
    bird(cr, 480, 200, 1.2, rgb255(60, 60, 90));
    bird(cr, 520, 225, 0.9, rgb255(60, 60, 90));
    airBalloon(cr, 860, 250, 0.7, rgb255(80, 200, 120), rgb255(255, 255, 255));
    // The near shore: meadow, the cabin and its jetty.
    cairo_move_to(cr, 0, 600);
    cairo_curve_to(cr, 300, 570, 700, 620, W, 590);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    shaded(cr, rgb255(110, 190, 80), 0, 570, W, H, 2);
    speckle(cr, 0, 580, W, H - 580, 84, 4, 0.08);
    cairo_rectangle(cr, 180, 590, 150, 12);
    shaded(cr, rgb255(170, 110, 60), 180, 590, 330, 602, 1.5);
    house(cr, 40, 640, 150, 100, rgb255(170, 110, 60), rgb255(80, 60, 60), 85);
    pine(cr, 230, 700, 180, rgb255(40, 100, 70));
    pine(cr, 960, 690, 260, rgb255(40, 110, 80));
    roundTree(cr, 820, 720, 200, rgb255(80, 160, 60), 86);
    rock(cr, 650, 650, 90, 46, rgb255(150, 150, 160));
    rock(cr, 720, 660, 50, 30, rgb255(140, 140, 150));
    const Rgb petals[] = {rgb255(255, 90, 120), rgb255(255, 230, 80), rgb255(170, 110, 255), rgb255(255, 255, 255)};
    Random fl(87);
    for (int i = 0; i < 60; ++i) flower(cr, fl.uniform(260, 980), fl.uniform(640, 740), fl.uniform(4, 7), petals[i % 4]);
    fox(cr, 480, 690, 1.0);
    butterfly(cr, 360, 640, 1.2, rgb255(255, 140, 30));
}

void winterVillage(cairo_t* cr) {
    sky(cr, W, 380, rgb255(30, 40, 110), rgb255(110, 90, 170), rgb255(250, 180, 150));
    Random st(91);
    for (int i = 0; i < 70; ++i) {
        circlePath(cr, st.uniform(0, W), st.uniform(0, 230), st.uniform(0.8, 2.2));
        setColour(cr, {1, 1, 1}, st.uniform(0.4, 0.9));
        cairo_fill(cr);
    }
    // A full moon.
    scene_kit::sun(cr, 800, 110, 44, rgb255(255, 252, 235), rgb255(220, 220, 255));
    ridge(cr, W, 330, 40, H, rgb255(170, 170, 215), 92, 1.0);
    ridge(cr, W, 390, 24, H, rgb255(205, 210, 240), 93, 0.8);
    Random rnd(94);
    for (double x = 0; x < W; x += 28) {
        const double bx = x + rnd.uniform(-6, 6), by = 400 + rnd.uniform(-6, 6), h = rnd.uniform(46, 70);
        pine(cr, bx, by, h, rgb255(50, 90, 100));
    }
    ground(cr, W, 410, H, rgb255(235, 240, 255), rgb255(200, 210, 240));
    // The houses with snow on their roofs and light in their windows.
    const Rgb walls[] = {rgb255(230, 90, 80), rgb255(250, 200, 90), rgb255(120, 180, 230), rgb255(160, 210, 140),
                         rgb255(240, 150, 190)};
    const double xs[] = {40, 230, 430, 640, 820}, ws[] = {140, 120, 150, 120, 140}, hs[] = {130, 110, 150, 105, 125};
    for (int i = 0; i < 5; ++i) {
        const double baseY = 520 + (i % 2) * 18;
        house(cr, xs[i], baseY, ws[i], hs[i], walls[i], rgb255(120, 70, 70), uint32_t(95 + i));
        snowOnRoof(cr, xs[i], baseY, ws[i], hs[i]);
        // Lamp light from the windows onto the snow.
        ellipsePath(cr, xs[i] + ws[i] / 2, baseY + 12, ws[i] * 0.6, 12);
        setColour(cr, rgb255(255, 220, 130), 0.25);
        cairo_fill(cr);
    }
    lantern(cr, 400, 600, 110);
    lantern(cr, 790, 610, 110);
    // A frozen pond with two skaters.
    ellipsePath(cr, 560, 650, 180, 42);
    cairo_pattern_t* ice = cairo_pattern_create_linear(0, 608, 0, 692);
    addStop(ice, 0.0, rgb255(190, 225, 250));
    addStop(ice, 1.0, rgb255(130, 180, 230));
    cairo_set_source(cr, ice);
    cairo_fill(cr);
    cairo_pattern_destroy(ice);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 440 + i * 50, 640 + (i % 2) * 14);
        cairo_curve_to(cr, 460 + i * 50, 630, 480 + i * 50, 660, 500 + i * 50, 645);
    }
    setColour(cr, {1, 1, 1}, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (const auto& [x, c] : {std::pair{510.0, rgb255(230, 50, 60)}, {610.0, rgb255(40, 120, 220)}}) {
        roundedRectPath(cr, x - 9, 590, 18, 40, 8);
        shaded(cr, c, x - 9, 590, x + 9, 630, 1);
        circlePath(cr, x, 582, 9);
        shaded(cr, rgb255(250, 210, 180), x - 9, 573, x + 9, 591, 1);
        cairo_move_to(cr, x - 4, 630);
        cairo_line_to(cr, x - 10, 650);
        cairo_move_to(cr, x + 4, 630);
        cairo_line_to(cr, x + 12, 648);
        setColour(cr, rgb255(50, 40, 60));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    snowman(cr, 160, 700, 1.2);
    // A sledge with presents.
    cairo_move_to(cr, 790, 720);
    cairo_line_to(cr, 940, 720);
    cairo_curve_to(cr, 965, 720, 965, 700, 950, 698);
    setColour(cr, rgb255(180, 60, 40));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 800, 690, 130, 22);
    shaded(cr, rgb255(200, 120, 60), 800, 690, 930, 712, 2);
    crate(cr, 835, 690, 0.9);
    crate(cr, 890, 690, 0.7);
    pine(cr, 320, 740, 200, rgb255(40, 100, 80));
    pine(cr, 980, 700, 240, rgb255(40, 100, 80));
    // Falling snow.
    Random fall(97);
    for (int i = 0; i < 220; ++i) {
        circlePath(cr, fall.uniform(0, W), fall.uniform(0, H), fall.uniform(1.5, 4));
        setColour(cr, {1, 1, 1}, fall.uniform(0.5, 0.95));
        cairo_fill(cr);
    }
}

void coralReef(cairo_t* cr) {
    cairo_pattern_t* sea = cairo_pattern_create_linear(0, 0, 0, H);
    addStop(sea, 0.0, rgb255(90, 210, 235));
    addStop(sea, 0.5, rgb255(30, 140, 200));
    addStop(sea, 1.0, rgb255(15, 70, 140));
    cairo_set_source(cr, sea);
    cairo_paint(cr);
    cairo_pattern_destroy(sea);
    // Sunbeams slanting down through the water.
    for (int i = 0; i < 6; ++i) {
        const double x = 80 + i * 170;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 60, 0);
        cairo_line_to(cr, x + 260, H);
        cairo_line_to(cr, x + 140, H);
        cairo_close_path(cr);
        cairo_pattern_t* beam = cairo_pattern_create_linear(0, 0, 0, H);
        cairo_pattern_add_color_stop_rgba(beam, 0.0, 1, 1, 0.9, 0.22);
        cairo_pattern_add_color_stop_rgba(beam, 1.0, 1, 1, 0.9, 0.0);
        cairo_set_source(cr, beam);
        cairo_fill(cr);
        cairo_pattern_destroy(beam);
    }
    // Far reef in the blue haze, then the sandy floor.
    ridge(cr, W, 500, 40, H, rgb255(60, 130, 180), 101, 1.4);
    ground(cr, W, 600, H, rgb255(240, 215, 150), rgb255(200, 170, 110));
    cairo_move_to(cr, 0, 600);
    for (double x = 0; x <= W; x += 50) cairo_line_to(cr, x, 600 + 14 * std::sin(x * 0.02));
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    shaded(cr, rgb255(240, 214, 150), 0, 586, W, H, 0);
    speckle(cr, 0, 590, W, H - 590, 102, 6, 0.12);
    const Rgb corals[] = {rgb255(250, 90, 120), rgb255(255, 150, 60), rgb255(190, 90, 220), rgb255(250, 210, 70)};
    const double cx[] = {80, 260, 700, 900, 470};
    for (int i = 0; i < 5; ++i) coral(cr, cx[i], 640 + (i % 2) * 20, 150 + (i % 3) * 30, corals[i % 4], uint32_t(103 + i));
    for (double x : {160.0, 380.0, 600.0, 820.0, 980.0}) seaweed(cr, x, 660, 200, rgb255(60, 170, 90));
    rock(cr, 560, 680, 120, 60, rgb255(120, 120, 150));
    // A treasure chest half in the sand, with gold.
    crate(cr, 330, 720, 1.6);
    for (int i = 0; i < 7; ++i) {
        circlePath(cr, 300 + i * 11, 648 - (i % 2) * 6, 6);
        shaded(cr, rgb255(255, 210, 60), 294 + i * 11, 638, 306 + i * 11, 654, 1);
    }
    // Starfish and shells on the floor.
    for (const auto& [x, y, c] : {std::tuple{620.0, 725.0, rgb255(250, 120, 60)}, {120.0, 720.0, rgb255(250, 80, 100)},
                                  {860.0, 730.0, rgb255(255, 190, 60)}}) {
        starPath(cr, x, y, 5, 22, 9, -90);
        shaded(cr, c, x - 22, y - 22, x + 22, y + 22, 1.5);
    }
    // The fish, the turtle and the bubbles.
    fish(cr, 220, 200, 1.4, 1, rgb255(255, 150, 30), rgb255(255, 255, 255));
    fish(cr, 300, 260, 1.0, 1, rgb255(255, 150, 30), rgb255(255, 255, 255));
    fish(cr, 720, 150, 1.3, -1, rgb255(60, 110, 240), rgb255(255, 230, 60));
    fish(cr, 840, 360, 1.1, -1, rgb255(250, 220, 50), rgb255(60, 60, 80));
    fish(cr, 520, 430, 1.2, 1, rgb255(240, 80, 170), rgb255(255, 230, 240));
    fish(cr, 120, 450, 0.9, 1, rgb255(80, 220, 200), rgb255(20, 90, 120));
    fish(cr, 650, 540, 0.9, -1, rgb255(255, 120, 80), rgb255(255, 240, 220));
    // The turtle: shell, flippers and head.
    for (const auto& [dx, dy] : {std::pair{-60.0, -30.0}, {50.0, -34.0}, {-52.0, 30.0}, {46.0, 32.0}}) {
        ellipsePath(cr, 460 + dx, 280 + dy, 26, 10, dx * dy > 0 ? 30 : -30);
        shaded(cr, rgb255(140, 200, 120), 430 + dx, 265 + dy, 490 + dx, 295 + dy, 1);
    }
    circlePath(cr, 540, 270, 18);
    shaded(cr, rgb255(140, 200, 120), 522, 252, 558, 288, 1.2);
    circlePath(cr, 548, 264, 3);
    setColour(cr, rgb255(20, 30, 30));
    cairo_fill(cr);
    ellipsePath(cr, 460, 280, 70, 46);
    shaded(cr, rgb255(120, 90, 50), 390, 234, 530, 326, 2);
    for (int i = 0; i < 5; ++i) {
        ellipsePath(cr, 430 + (i % 3) * 30, 266 + (i / 3) * 26, 13, 10);
        setColour(cr, rgb255(170, 130, 70));
        cairo_fill(cr);
    }
    Random bub(104);
    for (int i = 0; i < 45; ++i) {
        const double x = bub.uniform(0, W), y = bub.uniform(0, 560), r = bub.uniform(3, 9);
        circlePath(cr, x, y, r);
        setColour(cr, {1, 1, 1}, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        circlePath(cr, x - r * 0.35, y - r * 0.35, r * 0.25);
        setColour(cr, {1, 1, 1}, 0.8);
        cairo_fill(cr);
    }
}

void farm(cairo_t* cr) {
    sky(cr, W, 360, rgb255(70, 150, 235), rgb255(150, 205, 245), rgb255(250, 240, 200));
    scene_kit::sun(cr, 870, 100, 50, rgb255(255, 250, 210), rgb255(255, 225, 140));
    cloud(cr, 200, 90, 1.2);
    cloud(cr, 560, 60, 0.9, 0.9);
    ridge(cr, W, 340, 26, H, rgb255(150, 185, 200), 111, 0.8);
    // Fields in stripes up the far hill.
    const Rgb fields[] = {rgb255(230, 200, 80), rgb255(120, 190, 70), rgb255(200, 160, 70), rgb255(150, 210, 90)};
    for (int i = 0; i < 4; ++i) {
        const double y = 360 + i * 30;
        cairo_move_to(cr, 0, y + 20);
        cairo_curve_to(cr, 300, y - 10, 700, y + 30, W, y);
        cairo_line_to(cr, W, y + 34);
        cairo_curve_to(cr, 700, y + 64, 300, y + 24, 0, y + 54);
        cairo_close_path(cr);
        shaded(cr, fields[i], 0, y, W, y + 60, 0);
    }
    Random rnd(112);
    for (int i = 0; i < 8; ++i) roundTree(cr, rnd.uniform(0, W), 390 + rnd.uniform(0, 20), rnd.uniform(50, 70),
                                          rgb255(70, 150, 60), uint32_t(113 + i));
    ground(cr, W, 470, H, rgb255(140, 210, 90), rgb255(70, 150, 50));
    speckle(cr, 0, 470, W, H - 470, 114, 4, 0.08);
    airBalloon(cr, 420, 170, 0.8, rgb255(250, 120, 40), rgb255(60, 140, 240));
    bird(cr, 640, 190, 1.2, rgb255(60, 50, 80));
    bird(cr, 680, 210, 0.9, rgb255(60, 50, 80));
    // The red barn.
    house(cr, 560, 560, 230, 160, rgb255(200, 50, 40), rgb255(90, 70, 70), 115);
    cairo_rectangle(cr, 640, 480, 70, 80);
    shaded(cr, rgb255(250, 240, 220), 640, 480, 710, 560, 2);
    cairo_move_to(cr, 640, 480);
    cairo_line_to(cr, 710, 560);
    cairo_move_to(cr, 710, 480);
    cairo_line_to(cr, 640, 560);
    setColour(cr, rgb255(200, 50, 40));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Hay bales beside it.
    for (const auto& [x, y] : {std::pair{820.0, 580.0}, {880.0, 590.0}, {850.0, 545.0}}) {
        circlePath(cr, x, y - 26, 28);
        shaded(cr, rgb255(240, 200, 90), x - 28, y - 54, x + 28, y + 2, 2);
        for (double r : {10.0, 18.0}) {
            circlePath(cr, x, y - 26, r);
            setColour(cr, rgb255(200, 150, 50), 0.7);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
    windmill(cr, 130, 560, 280, 20);
    fence(cr, 0, 520, 640, 50);
    sheep(cr, 280, 610, 1.2);
    sheep(cr, 420, 625, 1.0);
    sheep(cr, 180, 690, 1.3);
    hen(cr, 640, 680, 1.4, rgb255(250, 250, 245));
    hen(cr, 700, 700, 1.2, rgb255(200, 120, 60));
    hen(cr, 760, 672, 1.1, rgb255(250, 250, 245));
    for (int i = 0; i < 7; ++i) sunflower(cr, 860 + i * 22, 740 - (i % 2) * 10, 110 + (i % 3) * 20);
    for (int i = 0; i < 5; ++i) sunflower(cr, 20 + i * 24, 745, 80 + (i % 2) * 20);
    const Rgb petals[] = {rgb255(255, 90, 120), rgb255(255, 255, 255), rgb255(170, 110, 255)};
    Random fl(116);
    for (int i = 0; i < 40; ++i) flower(cr, fl.uniform(300, 840), fl.uniform(700, 745), fl.uniform(4, 7), petals[i % 3]);
    butterfly(cr, 520, 560, 1.2, rgb255(255, 140, 30));
}

}  // namespace freeplay_scenes
