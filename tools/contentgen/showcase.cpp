#include "showcase.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "lands.h"
#include "marbles.h"
#include "scene.h"
#include "views.h"

namespace showcase {

using namespace art;
using lands::Brush;
using lands::Land;
using scene::Ridge;

namespace {

void leafyTree(const Brush& b, double x, double g, double s, Random& rnd) { lands::land(1).feature(b, x, g, s, rnd); }
void flowers(const Brush& b, double x, double g, double s, Random& rnd) { lands::land(1).speck(b, x, g, s, rnd); }

// A valley under a rainbow: the free-play backdrop, cheerful and belonging
// to no land of the quest.
// clang-format off
const Land kRainbowValley = {
    .number = 0, .name = "Rainbow Valley",
    .colours = {
        .skyTop = rgb255(96, 166, 244),
        .skyHorizon = rgb255(255, 226, 238),
        .light = rgb255(255, 246, 220),
        .haze = rgb255(236, 222, 246),
        .far = rgb255(160, 150, 220),
        .near = rgb255(116, 196, 120),
        .ground = rgb255(150, 214, 104),
        .groundShade = rgb255(80, 150, 84),
        .accent = rgb255(255, 120, 178),
        .accent2 = rgb255(255, 222, 96),
        .water = rgb255(110, 190, 240),
    },
    .sunX = 0.2, .sunY = 0.14, .clouds = 4, .relief = Ridge::Rolling, .reliefHeight = 0.2, .water = false,
    .landmark = leafyTree, .feature = leafyTree, .speck = flowers, .farShape = nullptr, .farCount = 0};
// clang-format on

void rainbow(cairo_t* cr, double w, double h) {
    const Rgb bands[6] = {rgb255(255, 90, 90),   rgb255(255, 170, 60), rgb255(255, 236, 90),
                          rgb255(110, 210, 110), rgb255(90, 160, 255), rgb255(170, 110, 230)};
    const double cx = w * 0.6, cy = h * 0.78, outer = w * 0.52, band = w * 0.018;
    scene::soft(cr, 0, 0, w, h, 3, {1, 1, 1}, 1.0, [&](cairo_t* m) {
        for (int i = 0; i < 6; ++i) {
            cairo_new_path(m);
            cairo_arc(m, cx, cy, outer - band * (i + 0.5), M_PI, 2 * M_PI);
            cairo_set_source_rgba(m, 0, 0, 0, 0.55);
            cairo_set_line_width(m, band);
            cairo_stroke(m);
        }
    });
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, outer - band * (i + 0.5), M_PI, 2 * M_PI);
        setColour(cr, bands[i], 0.45);
        cairo_set_line_width(cr, band);
        cairo_stroke(cr);
    }
}

}  // namespace

void paintFreePlay(Canvas& out) {
    scene::Painting p(800, 600);
    views::View v = views::backdropView(1);
    v.seed = 77;
    v.landmarkSize = 0.42;
    v.features = 9;
    v.overSky = rainbow;
    views::paintView(p, kRainbowValley, v);
    p.finish(out, 2001);
}

// The main menu: the journey at a glance. Snowy mountains on the horizon,
// a lake in the valley, the meadows' windmill on the left and the old
// town's clock tower on the right, marbles gleaming in the corners. The
// middle stays quiet for the spinning menu panel and the title.
void paintMainMenu(Canvas& out) {
    scene::Painting p(800, 600);
    cairo_t* cr = p.cr();
    const double W = 800, H = 600;
    const Land& meadows = lands::land(1);
    const Land& mountains = lands::land(5);
    const Land& lakes = lands::land(7);
    const Land& town = lands::land(2);
    const lands::Palette& c = meadows.colours;
    Random rnd(31337);
    const double horizon = 330;
    scene::sky(cr, W, horizon, c.skyTop, mix(c.skyHorizon, lighten(c.light, 0.3), 0.3), c.light, 90, 70, 560);
    for (int i = 0; i < 5; ++i) {
        const double x = 70 + i * 170 + rnd.uniform(-30, 30), y = rnd.uniform(40, 150);
        scene::cloud(cr, x, y, rnd.uniform(100, 170), lighten(c.light, 0.6), mix(c.skyHorizon, c.skyTop, 0.3), 0.8,
                     rnd.next());
    }
    // Mountains across the horizon.
    Brush far{cr, &mountains, 0.7};
    Ridge peaks{Ridge::Peaks, horizon, 150, 190, 51};
    scene::fillRidge(cr, peaks, -10, W + 10, H, far.tone(lighten(mountains.colours.far, 0.1)),
                     far.tone(mountains.colours.far), mountains.colours.light, 0.35, 0.05);
    views::paintSnowCaps(cr, peaks, W, far);
    // Forested hills, then the lake filling the valley.
    Brush hillBrush{cr, &lakes, 0.45};
    Ridge hills{Ridge::Rolling, horizon + 40, 50, 260, 52};
    scene::fillRidge(cr, hills, -10, W + 10, H, hillBrush.tone(lighten(lakes.colours.far, 0.1)),
                     hillBrush.tone(lakes.colours.far), lakes.colours.light, 0.5, 0.06);
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.uniform(0, W);
        Brush tree{cr, &mountains, 0.45};
        mountains.feature(tree, x, hills.top(x) + 10, rnd.uniform(22, 34), rnd);
    }
    views::paintWater(cr, lakes, W, horizon + 62, 520, 300, hills, 54);
    // Green banks on both sides, the windmill on the left, the town on the right.
    Brush near{cr, &meadows, 0.1};
    auto bank = [&](bool left) {
        cairo_new_path(cr);
        const double edge = left ? 250 : 560, x0 = left ? -10 : W + 10;
        cairo_move_to(cr, x0, horizon + 40);
        cairo_curve_to(cr, x0 + (edge - x0) * 0.5, horizon + 30, edge, horizon + 120, edge + (left ? 60 : -60), H + 10);
        cairo_line_to(cr, x0, H + 10);
        cairo_close_path(cr);
    };
    for (int side = 0; side < 2; ++side) {
        bank(side == 0);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, horizon + 30, 0, H);
        addStop(g, 0.0, lighten(c.ground, 0.1));
        addStop(g, 1.0, c.groundShade);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        scene::mottle(
            cr, side ? 480 : 0, horizon, side ? W : 320, H, [&](cairo_t*) { bank(side == 0); },
            darken(c.groundShade, 0.2), lighten(c.ground, 0.3), 14, 0.14, 60 + uint32_t(side));
    }
    Random detail(8);
    lands::land(1).feature(near, 40, horizon + 90, 80, detail);
    meadows.landmark(near, 130, horizon + 140, 170, detail);
    lands::land(1).feature(near, 215, horizon + 130, 60, detail);
    Brush townBrush{cr, &town, 0.15};
    town.feature(townBrush, 620, horizon + 95, 62, detail);
    town.feature(townBrush, 770, horizon + 100, 70, detail);
    town.landmark(townBrush, 690, horizon + 130, 190, detail);
    town.feature(townBrush, 600, horizon + 150, 70, detail);
    for (int i = 0; i < 10; ++i) {
        const double x = rnd.uniform(0, 240), y = rnd.uniform(horizon + 150, H - 10);
        meadows.speck(near, x, y, 16, detail);
    }
    // A grassy near shore across the bottom, quiet under the greeting.
    Ridge front{Ridge::Rolling, 548, 22, 420, 55};
    scene::fillRidge(cr, front, -10, W + 10, H + 10, lighten(c.ground, 0.05), c.groundShade, c.light, 0.7, 0.12);
    // The lakes' reeds along the near shore.
    Brush reedBrush{cr, &lakes, 0};
    lakes.feature(reedBrush, 262, 536, 60, detail);
    lakes.feature(reedBrush, 548, 540, 56, detail);
    // Marbles heaped in the lower left corner and a few along the right edge,
    // clear of the panel, the title and the profile plate.
    struct Heap {
        double x, y, r;
        int colour;
    };
    std::vector<Heap> heap = {{28, 560, 30, 1},  {86, 575, 28, 4}, {52, 512, 26, 3},  {140, 584, 24, 7},
                              {110, 528, 22, 2}, {12, 480, 20, 6}, {180, 590, 20, 5}, {772, 420, 24, 8},
                              {752, 462, 20, 9}, {786, 372, 16, 3}};
    std::sort(heap.begin(), heap.end(), [](const Heap& a, const Heap& b) { return a.y < b.y; });
    for (const Heap& h : heap) {
        // The marble's own shadow would blur the whole picture; this one
        // blurs only around the marble.
        scene::soft(cr, h.x - h.r, h.y - h.r, h.x + h.r * 1.3, h.y + h.r * 1.3, h.r * 0.08, {0, 0, 0}, 0.35,
                    [&](cairo_t* m) {
                        circlePath(m, h.x + h.r * 0.1, h.y + h.r * 0.12, h.r * 0.96);
                        cairo_fill(m);
                    });
        marbles::drawColour(cr, h.x, h.y, h.r, h.colour, false);
    }
    // Sunlight and a soft frame.
    scene::glow(cr, 90, 70, 700, c.light, 0.2);
    cairo_pattern_t* vignette = cairo_pattern_create_radial(W / 2, H * 0.45, H * 0.4, W / 2, H * 0.45, W * 0.75);
    cairo_pattern_add_color_stop_rgba(vignette, 0.0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vignette, 1.0, 0.1, 0.04, 0.16, 0.35);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
    p.finish(out, 3003);
}

}  // namespace showcase
