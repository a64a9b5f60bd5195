#include "story_pages.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "lands.h"
#include "scene.h"
#include "travellers.h"
#include "views.h"

namespace story_pages {

using namespace art;
using lands::Brush;
using lands::Land;

namespace {

constexpr double W = 800, H = 600;

enum class Hour { Day, Dawn, Dusk, Night };

// What a page's painters get: the land as lit at the page's hour.
struct Scene {
    cairo_t* cr;
    const Land& land;
    Brush brush(double depth = 0) const { return Brush{cr, &land, depth}; }
};
using Painter = std::function<void(const Scene&)>;

// A dirt road winding from the bottom of the picture up into the land.
struct Road {
    double nearX = 0.4, farX = 0.7;  // where it leaves the picture and where it ends, fractions of the width
    double end = 0.6;                // where it ends, fraction of the height
    double wiggle = 30;              // how far its bends swing, in pixels near the eye

    double t(double y) const { return std::clamp((H - y) / (H - H * end), 0.0, 1.0); }
    double xAt(double y) const {
        const double u = t(y);
        return W * (nearX + (farX - nearX) * u) + std::sin(u * 5) * wiggle * (1 - u);
    }
    double halfWidthAt(double y) const { return (1 - t(y)) * 70 + 3; }

    void paint(cairo_t* cr, const Land& land) const {
        const Rgb dirt = mix(land.colours.ground, rgb255(214, 182, 132), 0.65);
        for (int side : {-1, 1})
            for (int i = 0; i <= 24; ++i) {
                const int k = side < 0 ? i : 24 - i;
                const double y = H - (H - H * end) * k / 24.0;
                const double x = xAt(y) + side * halfWidthAt(y);
                if (side < 0 && i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, H * end, 0, H);
        addStop(g, 0, mix(dirt, land.colours.haze, 0.45), 0.85);
        addStop(g, 1, dirt, 0.95);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // Wheel ruts.
        for (int side : {-1, 1}) {
            for (int i = 0; i <= 24; ++i) {
                const double y = H - (H - H * end) * i / 24.0;
                const double x = xAt(y) + side * halfWidthAt(y) * 0.45;
                if (i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
            setColour(cr, darken(dirt, 0.25), 0.35);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
};

struct Page {
    const char* file = "";  // under gfx/story/
    int land = 1;
    Hour hour = Hour::Day;
    views::View view = {};
    std::optional<Road> road = {};
    Painter farAway = {};  // over the sky, behind the land's hills
    Painter props = {};    // with the land, under the hour's light
    Painter lights = {};   // what shines by itself, over the hour's light
    bool faded = false;    // the colours drained away
};

// ------------------------------------------------------------ the hours

// The land's table entry with the sky and light of the hour.
Land atHour(Land L, Hour hour) {
    lands::Palette& c = L.colours;
    switch (hour) {
        case Hour::Day:
            break;
        case Hour::Dawn:
            c.skyTop = mix(c.skyTop, rgb255(118, 120, 208), 0.55);
            c.skyHorizon = mix(c.skyHorizon, rgb255(255, 196, 170), 0.8);
            c.light = rgb255(255, 222, 186);
            c.haze = mix(c.haze, rgb255(238, 200, 208), 0.6);
            L.sunY = 0.3;
            break;
        case Hour::Dusk:
            c.skyTop = mix(c.skyTop, rgb255(70, 52, 136), 0.7);
            c.skyHorizon = mix(c.skyHorizon, rgb255(255, 150, 96), 0.75);
            c.light = rgb255(255, 184, 110);
            c.haze = mix(c.haze, rgb255(226, 150, 150), 0.55);
            L.sunY = 0.36;
            break;
        case Hour::Night:
            c.skyTop = rgb255(12, 18, 58);
            c.skyHorizon = rgb255(58, 70, 132);
            c.light = rgb255(214, 224, 255);
            c.haze = rgb255(76, 88, 140);
            L.clouds = 0;
            L.sunY = 0.12;
            break;
    }
    return L;
}

// The hour's light on everything but the sky, multiplied in.
Rgb lightOf(Hour hour) {
    switch (hour) {
        case Hour::Dawn: return rgb255(255, 226, 220);
        case Hour::Dusk: return rgb255(244, 196, 184);
        case Hour::Night: return rgb255(84, 100, 168);
        default: return rgb255(255, 255, 255);
    }
}

// The moon where the sun would stand, and stars over the upper sky.
void nightSky(const Scene& s) {
    cairo_t* cr = s.cr;
    Random rnd(uint32_t(s.land.number) * 977u + 3u);
    for (int i = 0; i < 140; ++i) {
        const double x = rnd.uniform(0, W), y = std::pow(rnd.uniform(0, 1), 1.6) * H * 0.42;
        const double r = rnd.uniform(0.4, 1.3);
        circlePath(cr, x, y, r);
        setColour(cr, rgb255(255, 250, 230), rnd.uniform(0.35, 0.95));
        cairo_fill(cr);
        if (r > 1.15) scene::glow(cr, x, y, r * 5, rgb255(220, 230, 255), 0.3);
    }
    const double mx = W * s.land.sunX, my = H * s.land.sunY, mr = 22;
    scene::glow(cr, mx, my, mr * 4, rgb255(200, 214, 255), 0.35);
    circlePath(cr, mx, my, mr);
    cairo_pattern_t* face = cairo_pattern_create_radial(mx - mr * 0.3, my - mr * 0.3, 0, mx, my, mr);
    addStop(face, 0, rgb255(255, 253, 236));
    addStop(face, 1, rgb255(226, 226, 210));
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    for (int i = 0; i < 4; ++i) {
        circlePath(cr, mx + rnd.uniform(-0.5, 0.5) * mr, my + rnd.uniform(-0.5, 0.5) * mr, mr * rnd.uniform(0.1, 0.22));
        setColour(cr, rgb255(200, 200, 190), 0.5);
        cairo_fill(cr);
    }
}

// Drains most of the colour out of the finished picture, toward a pale,
// dusty grey rather than toward darkness.
void drainColour(Canvas& out, double amount) {
    cairo_surface_t* s = out.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < out.height(); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < out.width(); ++x) {
            const uint32_t p = row[x];
            const double r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            const double target = 70 + (0.3 * r + 0.59 * g + 0.11 * b) * 0.75;
            auto ch = [&](double v) {
                return uint32_t(std::lround(std::clamp(v + (target - v) * amount, 0.0, 255.0)));
            };
            row[x] = 0xff000000u | ch(r) << 16 | ch(g) << 8 | ch(b);
        }
    }
    cairo_surface_mark_dirty(s);
}

void paintPage(Canvas& out, const Page& page, uint32_t seed) {
    scene::Painting p{int(W), int(H)};
    cairo_t* cr = p.cr();
    const Land land = atHour(lands::land(page.land), page.hour);
    const Scene scene{cr, land};
    views::View view = page.view;
    // Everything after the sky is painted on a layer of its own, so the
    // hour's light falls on the land and leaves the sky as it is.
    view.overSky = [&](cairo_t*, double, double) {
        if (page.hour == Hour::Night) nightSky(scene);
        if (page.farAway) page.farAway(scene);
        cairo_push_group(cr);
    };
    if (page.road) view.overGround = [&](cairo_t* c, double, double) { page.road->paint(c, land); };
    views::paintView(p, land, view);
    if (page.props) page.props(scene);
    cairo_pattern_t* layer = cairo_pop_group(cr);
    cairo_set_source(cr, layer);
    cairo_paint(cr);
    if (page.hour != Hour::Day) {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
        setColour(cr, lightOf(page.hour));
        cairo_mask(cr, layer);
        cairo_restore(cr);
    }
    cairo_pattern_destroy(layer);
    if (page.lights) page.lights(scene);
    p.finish(out, seed);
    if (page.faded) drainColour(out, 0.78);
}

// ------------------------------------------------------------ framings

// A wide view: the land's landmark to one side, room for the travellers.
// Everything that matters stands above the page frame's text panel, which
// covers the picture's lowest quarter.
views::View wide(uint32_t seed, double landmarkX = 0.78, double landmarkSize = 0.42) {
    views::View v;
    v.seed = seed;
    v.horizon = 0.42;
    v.foreground = 0.6;
    v.landmarkX = landmarkX;
    v.landmarkGround = 0.7;
    v.landmarkSize = landmarkSize;
    v.features = 6;
    return v;
}

// The landmark near and large, in the middle of the picture.
views::View closeUp(uint32_t seed, double landmarkX = 0.55, double landmarkSize = 0.62, double ground = 0.71) {
    views::View v = wide(seed, landmarkX, landmarkSize);
    v.horizon = 0.46;
    v.foreground = 0.6;
    v.landmarkGround = ground;
    v.features = 4;
    v.clearX0 = landmarkX - 0.22;
    v.clearX1 = landmarkX + 0.22;
    return v;
}

// The mountains' peaks rise so high that the sky needs a lower horizon.
views::View lowSky(views::View v) {
    v.horizon = 0.56;
    v.foreground = 0.63;
    return v;
}

// The landmark stands back on the middle ground, nothing else near by.
views::View farBelow(views::View v, double ground) {
    v.landmarkGround = ground;
    v.features = 0;
    return v;
}

// Near features keep out of a band where the travellers stand.
views::View clear(views::View v, double x0, double x1) {
    v.clearX0 = x0;
    v.clearX1 = x1;
    return v;
}

// ------------------------------------------------------------ painters

Painter all(std::vector<Painter> painters) {
    return [painters](const Scene& s) {
        for (const Painter& p : painters) p(s);
    };
}

Painter caravan(double x, double ground, double size, bool facingRight = true) {
    return [=](const Scene& s) { travellers::caravan(s.brush(), W * x, H * ground, size, facingRight); };
}

// The caravan on the road, its wagon's middle over the road's.
Painter caravanOn(const Road& road, double ground, double size, bool facingRight = true) {
    const double x = (road.xAt(H * ground) - (facingRight ? 1 : -1) * size * 0.15) / W;
    return caravan(x, ground, size, facingRight);
}

// A warm glow, for a lamp, a lantern or a lit window.
void glowAt(cairo_t* cr, double x, double y, double radius, double strength = 1) {
    scene::glow(cr, x, y, radius, rgb255(255, 204, 120), 0.55 * strength);
    scene::glow(cr, x, y, radius * 0.16, rgb255(255, 244, 206), 0.9 * strength);
}

Painter lantern(double x, double ground, double size, bool facingRight = true) {
    return [=](const Scene& s) {
        double lx = 0, ly = 0;
        travellers::lanternPosition(W * x, H * ground, size, facingRight, lx, ly);
        glowAt(s.cr, lx, ly, size * 0.55);
    };
}

Painter lanternOn(const Road& road, double ground, double size, bool facingRight = true) {
    const double x = (road.xAt(H * ground) - (facingRight ? 1 : -1) * size * 0.15) / W;
    return lantern(x, ground, size, facingRight);
}

// A small red warning light, as on a mast or a radar dish.
Painter redLamp(double x, double y) {
    return [=](const Scene& s) {
        scene::glow(s.cr, W * x, H * y, 26, rgb255(255, 90, 70), 0.6);
        scene::glow(s.cr, W * x, H * y, 5, rgb255(255, 220, 200), 0.9);
    };
}

Painter lamps(std::vector<std::pair<double, double>> places, double radius) {
    return [=](const Scene& s) {
        for (auto [x, y] : places) glowAt(s.cr, W * x, H * y, radius);
    };
}

// Snowy peaks on the far horizon, from the mountains' own table entry.
Painter farMountains(double height, double horizon = 0.44) {
    return [=](const Scene& s) {
        const Land& m = lands::land(5);
        Brush far{s.cr, &s.land, 0.85};
        scene::Ridge peaks{scene::Ridge::Peaks, H * (horizon - 0.02), H * height, W * 0.2, 71};
        scene::fillRidge(s.cr, peaks, -10, W + 10, H, far.tone(lighten(m.colours.far, 0.2)), far.tone(m.colours.far),
                         s.land.colours.light, 0.3, 0.04);
        views::paintSnowCaps(s.cr, peaks, W, far);
    };
}

// A snowy mountain ledge across the lower left, with pines on it: the
// summit the travellers look down from.
Painter summit() {
    return [](const Scene& s) {
        cairo_t* cr = s.cr;
        const Land& mountains = lands::land(5);
        auto top = [](double x) { return H * (0.64 + 0.1 * std::pow(x / W, 1.6)) + std::sin(x / 37) * 4; };
        auto ledge = [&](cairo_t* c) {
            cairo_move_to(c, -10, H);
            for (double x = -10; x <= W * 0.75; x += 8) cairo_line_to(c, x, top(x));
            cairo_line_to(c, W * 0.82, H);
            cairo_close_path(c);
        };
        scene::soft(cr, -10, H * 0.55, W * 0.9, H, 8, {0.1, 0.1, 0.25}, 0.35, ledge);
        ledge(cr);
        cairo_pattern_t* snow = cairo_pattern_create_linear(0, H * 0.62, 0, H * 0.8);
        addStop(snow, 0, rgb255(255, 255, 255));
        addStop(snow, 1, rgb255(200, 216, 240));
        cairo_set_source(cr, snow);
        cairo_fill(cr);
        cairo_pattern_destroy(snow);
        Random rnd(53);
        Brush near{cr, &mountains, 0};
        for (double x : {0.04, 0.47, 0.58})
            mountains.feature(near, W * x, top(W * x) + 6, H * rnd.uniform(0.2, 0.26), rnd);
    };
}

// Houses of the old town's kind.
Painter houses(std::vector<std::pair<double, double>> places, double size, uint32_t seed = 7) {
    return [=](const Scene& s) {
        Random rnd(seed);
        for (auto [x, ground] : places) lands::land(2).feature(s.brush(0.05), W * x, H * ground, H * size, rnd);
    };
}

Painter fountain(double x, double ground, double size, bool flowing) {
    return [=](const Scene& s) { travellers::fountain(s.brush(), W * x, H * ground, H * size, flowing); };
}

Painter marbles(double x0, double y0, double x1, double y1, int count, double r0, uint32_t seed) {
    return [=](const Scene& s) { travellers::marbleTrail(s.cr, W * x0, H * y0, W * x1, H * y1, count, r0, seed); };
}

// Marbles scattered in a patch, each catching the light with a small glint.
Painter glints(double x0, double y0, double x1, double y1, int count, double r, uint32_t seed) {
    return [=](const Scene& s) {
        Random rnd(seed);
        for (int i = 0; i < count; ++i) {
            const double x = W * rnd.uniform(x0, x1), y = H * rnd.uniform(y0, y1);
            scene::glow(s.cr, x, y, r * 4, lighten(travellers::marbleColour(i), 0.4), 0.5);
            travellers::sceneMarble(s.cr, x, y, r, travellers::marbleColour(i));
        }
    };
}

// A heap of marbles of every colour, `width` pixels across at its foot.
Painter marbleHeap(double x, double ground, double width, uint32_t seed) {
    return [=](const Scene& s) {
        Random rnd(seed);
        const double cx = W * x, g = H * ground, r = width * 0.06;
        s.brush().groundShadow(cx, g, width * 0.7);
        int n = 0;
        for (int row = 0; row < 5; ++row) {
            const int across = 8 - row * 2 + (row == 4);
            for (int k = 0; k < across; ++k) {
                const double mx = cx + (k - (across - 1) / 2.0) * r * 1.9 + rnd.uniform(-0.2, 0.2) * r;
                const double my = g - r - row * r * 1.6 + rnd.uniform(-0.2, 0.2) * r;
                travellers::sceneMarble(s.cr, mx, my, r, travellers::marbleColour(n++));
            }
        }
    };
}

// A wooden crate brimming with marbles.
Painter crate(double x, double ground, double size) {
    return [=](const Scene& s) {
        cairo_t* cr = s.cr;
        const double cx = W * x, g = H * ground, w = size, h = size * 0.7;
        Brush b = s.brush();
        b.groundShadow(cx, g, w * 1.1);
        for (int k = 0; k < 7; ++k)
            travellers::sceneMarble(cr, cx + (k - 3) * w * 0.13, g - h - w * 0.02 + (k % 2) * w * 0.03, w * 0.075,
                                    travellers::marbleColour(k));
        cairo_rectangle(cr, cx - w / 2, g - h, w, h);
        cairo_pattern_t* wood = b.sideLight(cx - w / 2, cx + w / 2, rgb255(196, 150, 96));
        cairo_set_source(cr, wood);
        cairo_fill(cr);
        cairo_pattern_destroy(wood);
        for (int k = 1; k < 3; ++k) {
            cairo_move_to(cr, cx - w / 2, g - h * k / 3);
            cairo_line_to(cr, cx + w / 2, g - h * k / 3);
        }
        cairo_move_to(cr, cx - w / 2, g - h);
        cairo_line_to(cr, cx + w / 2, g);
        cairo_rectangle(cr, cx - w / 2, g - h, w, h);
        setColour(cr, rgb255(110, 74, 44), 0.8);
        cairo_set_line_width(cr, size * 0.03);
        cairo_stroke(cr);
    };
}

// A whirl of dust on the plain: a hazy funnel with streaks swirling round it.
Painter dustDevil(double x, double ground, double height) {
    return [=](const Scene& s) {
        cairo_t* cr = s.cr;
        const double cx = W * x, g = H * ground, h = height;
        const Rgb dust = mix(s.land.colours.ground, rgb255(255, 240, 220), 0.45);
        auto funnel = [&](double t) { return h * (0.05 + 0.28 * t * t); };
        auto sway = [&](double t) { return std::sin(t * 4) * h * 0.06; };
        const double box = h * 0.4;
        scene::soft(cr, cx - box, g - h - box * 0.3, cx + box, g + box * 0.3, h * 0.04, dust, 0.6, [&](cairo_t* m) {
            cairo_move_to(m, cx - funnel(0), g);
            for (int i = 1; i <= 12; ++i) cairo_line_to(m, cx + sway(i / 12.0) - funnel(i / 12.0), g - h * i / 12.0);
            for (int i = 12; i >= 0; --i) cairo_line_to(m, cx + sway(i / 12.0) + funnel(i / 12.0), g - h * i / 12.0);
            cairo_close_path(m);
            cairo_fill(m);
        });
        scene::soft(cr, cx - box, g - h - box * 0.3, cx + box, g + box * 0.3, h * 0.008, lighten(dust, 0.3), 0.75,
                    [&](cairo_t* m) {
                        for (int i = 1; i < 10; ++i) {
                            const double t = i / 10.0, w = funnel(t), y = g - h * t;
                            cairo_new_sub_path(m);
                            cairo_save(m);
                            cairo_translate(m, cx + sway(t), y);
                            cairo_scale(m, w, w * 0.22);
                            cairo_arc(m, 0, 0, 1, 0.2 + t, M_PI * 0.9 + t);
                            cairo_restore(m);
                        }
                        cairo_set_line_width(m, h * 0.012);
                        cairo_stroke(m);
                    });
    };
}

// Bunting strung in a sagging line between two points.
Painter bunting(double x0, double y0, double x1, double y1) {
    return [=](const Scene& s) {
        cairo_t* cr = s.cr;
        const double ax = W * x0, ay = H * y0, bx = W * x1, by = H * y1, sag = 30;
        auto at = [&](double t, double& x, double& y) {
            x = ax + (bx - ax) * t;
            y = ay + (by - ay) * t + std::sin(t * M_PI) * sag;
        };
        cairo_move_to(cr, ax, ay);
        for (int i = 1; i <= 20; ++i) {
            double x = 0, y = 0;
            at(i / 20.0, x, y);
            cairo_line_to(cr, x, y);
        }
        setColour(cr, rgb255(90, 70, 60));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        const int flags = int(std::hypot(bx - ax, by - ay) / 22);
        for (int i = 1; i < flags; ++i) {
            double x = 0, y = 0;
            at(double(i) / flags, x, y);
            cairo_move_to(cr, x - 7, y);
            cairo_line_to(cr, x + 7, y);
            cairo_line_to(cr, x, y + 14);
            cairo_close_path(cr);
            setColour(cr, s.brush(0.1).lit(travellers::marbleColour(i)));
            cairo_fill(cr);
        }
    };
}

// A rainbow arching over the sky.
Painter rainbow(double cx, double cy, double radius, double alpha) {
    return [=](const Scene& s) {
        cairo_t* cr = s.cr;
        const double band = radius * 0.035;
        for (int i = 0; i < 6; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, W * cx, H * cy, radius - band * i, M_PI, 2 * M_PI);
            setColour(cr, lighten(travellers::marbleColour(i), 0.2), alpha);
            cairo_set_line_width(cr, band);
            cairo_stroke(cr);
        }
    };
}

// Morning mist lying on the water.
Painter mist(double y, double thickness) {
    return [=](const Scene& s) {
        Random rnd(17);
        for (int i = 0; i < 7; ++i) {
            const double x = W * rnd.uniform(0, 1), w = W * rnd.uniform(0.25, 0.45);
            const double my = H * y + rnd.uniform(-1, 1) * thickness * 0.4;
            scene::soft(s.cr, x - w, my - thickness, x + w, my + thickness, thickness * 0.35, rgb255(255, 250, 250),
                        0.45, [&](cairo_t* m) {
                            ellipsePath(m, x, my, w * 0.6, thickness * 0.35);
                            cairo_fill(m);
                        });
        }
    };
}

// The lighthouse's beam sweeping out over the sea from its lamp.
Painter beam(double x, double y, double toward) {
    return [=](const Scene& s) {
        const double lx = W * x, ly = H * y, ex = W * toward;
        scene::soft(s.cr, std::min(lx, ex) - 40, ly - 60, std::max(lx, ex) + 40, ly + 60, 6, rgb255(255, 244, 200),
                    0.55, [&](cairo_t* m) {
                        cairo_move_to(m, lx, ly - 3);
                        cairo_line_to(m, ex, ly - 40);
                        cairo_line_to(m, ex, ly + 25);
                        cairo_line_to(m, lx, ly + 3);
                        cairo_close_path(m);
                        cairo_fill(m);
                    });
        glowAt(s.cr, lx, ly, 70);
    };
}

// ------------------------------------------------------------ the pages

std::vector<Page> opening() {
    const Road road{.nearX = 0.42, .farX = 0.78, .end = 0.5};
    return {
        // The Rainbow Fountain in the village square.
        {.file = "story1.jpg",
         .land = 1,
         .view = clear(wide(101, 0.88, 0.34), 0.12, 0.72),
         .props = all({houses({{0.17, 0.68}, {0.64, 0.67}}, 0.24), fountain(0.41, 0.71, 0.3, true)})},
        // A wild night: the marbles roll away.
        {.file = "story2.jpg",
         .land = 1,
         .hour = Hour::Night,
         .view = clear(wide(102, 0.9, 0.3), 0.05, 0.5),
         .props = fountain(0.22, 0.71, 0.26, false),
         .lights = marbles(0.3, 0.71, 0.8, 0.48, 16, 9, 5)},
        // The colours fade.
        {.file = "story3.jpg",
         .land = 1,
         .view = clear(wide(103, 0.8, 0.4), 0.2, 0.55),
         .props = all({houses({{0.12, 0.67}, {0.56, 0.68}}, 0.22), fountain(0.35, 0.71, 0.26, false)}),
         .faded = true},
        // The caravan sets out at dawn, the mountains far ahead.
        {.file = "story4.jpg",
         .land = 1,
         .hour = Hour::Dawn,
         .view = clear(wide(104, 0.1, 0.3), 0.25, 0.75),
         .road = road,
         .farAway = farMountains(0.16),
         .props = caravanOn(road, 0.715, 120)},
    };
}

std::vector<Page> chapters() {
    const Road toTown{.nearX = 0.3, .farX = 0.62, .end = 0.62};
    const Road wasteRoad{.nearX = 0.5, .farX = 0.42, .end = 0.5, .wiggle = 10};
    const Road toBase{.nearX = 0.28, .farX = 0.6, .end = 0.62};
    const Road pass{.nearX = 0.55, .farX = 0.3, .end = 0.62, .wiggle = 60};
    const Road ruinsPath{.nearX = 0.3, .farX = 0.55, .end = 0.62};
    const Road junkRoad{.nearX = 0.32, .farX = 0.55, .end = 0.62};
    const Road duneTrack{.nearX = 0.45, .farX = 0.62, .end = 0.56, .wiggle = 50};
    std::vector<Page> list = {
        // The old town.
        {.file = "oldTown1.jpg",
         .land = 2,
         .view = clear(wide(201, 0.8, 0.5), 0.05, 0.5),
         .road = toTown,
         .props = caravanOn(toTown, 0.72, 115)},
        {.file = "oldTown2.jpg",
         .land = 2,
         .hour = Hour::Dusk,
         .view = closeUp(202, 0.56, 0.5),
         .props = marbles(0.1, 0.72, 0.4, 0.64, 12, 8, 21),
         .lights = lamps({{0.3, 0.5}, {0.82, 0.52}}, 40)},
        {.file = "oldTown3.jpg",
         .land = 2,
         .view = clear(wide(203, 0.16, 0.48), 0.3, 0.95),
         .props = all({houses({{0.42, 0.67}, {0.86, 0.68}}, 0.26, 11), caravan(0.66, 0.72, 110, false)})},
        // The wasteland.
        {.file = "pustkowie1.jpg",
         .land = 3,
         .view = clear(wide(301, 0.8, 0.5), 0.25, 0.6),
         .road = wasteRoad,
         .props = caravanOn(wasteRoad, 0.68, 80)},
        {.file = "pustkowie2.jpg",
         .land = 3,
         .hour = Hour::Dusk,
         .view = closeUp(302, 0.62, 0.6),
         .props = all({dustDevil(0.13, 0.68, 210), dustDevil(0.88, 0.64, 130), caravan(0.34, 0.72, 95)}),
         .lights = glints(0.1, 0.42, 0.17, 0.6, 3, 4, 31)},
        // The base.
        {.file = "baza1.jpg",
         .land = 4,
         .view = clear(wide(401, 0.82, 0.5), 0.05, 0.55),
         .road = toBase,
         .props = caravanOn(toBase, 0.72, 110)},
        {.file = "baza2.jpg",
         .land = 4,
         .view = closeUp(402, 0.6, 0.64),
         .props = all({crate(0.3, 0.71, 110), marbles(0.36, 0.72, 0.1, 0.69, 7, 9, 41)})},
        {.file = "baza3.jpg",
         .land = 4,
         .hour = Hour::Night,
         .view = clear(wide(403, 0.76, 0.5), 0.1, 0.5),
         .props = caravan(0.3, 0.72, 105),
         .lights = all({lantern(0.3, 0.72, 105), lamps({{0.76, 0.7 - 0.5 * 0.6}}, 40), redLamp(0.76, 0.7 - 0.5 * 0.925),
                        lamps({{0.08, 0.66}, {0.2, 0.655}, {0.32, 0.65}, {0.44, 0.645}, {0.56, 0.64}}, 22)})},
        // The mountains.
        {.file = "gory1.jpg",
         .land = 5,
         .view = clear(lowSky(wide(501, 0.82, 0.42)), 0.3, 0.62),
         .road = pass,
         .props = caravanOn(pass, 0.71, 90)},
        {.file = "gory2.jpg",
         .land = 5,
         .view = lowSky(closeUp(502, 0.56, 0.62)),
         .props = marbles(0.32, 0.72, 0.52, 0.36, 18, 10, 51)},
        // From the summit: the rubble field far below.
        {.file = "gory3.jpg",
         .land = 6,
         .hour = Hour::Dawn,
         .view = farBelow(clear(wide(503, 0.84, 0.16), 0.0, 0.6), 0.56),
         .props = all({summit(), caravan(0.22, 0.69, 110)})},
        // The rubble field.
        {.file = "gruzowisko1.jpg",
         .land = 6,
         .view = clear(wide(601, 0.78, 0.55), 0.05, 0.5),
         .road = ruinsPath,
         .props = caravanOn(ruinsPath, 0.72, 105)},
        {.file = "gruzowisko2.jpg",
         .land = 6,
         .hour = Hour::Dusk,
         .view = closeUp(602, 0.52, 0.66),
         .lights = glints(0.36, 0.52, 0.7, 0.69, 8, 5, 61)},
        // The lakes.
        {.file = "jeziora1.jpg",
         .land = 7,
         .hour = Hour::Dawn,
         .view = clear(wide(701, 0.84, 0.42), 0.0, 0.45),
         .props = all({mist(0.47, 30), caravan(0.25, 0.72, 105)})},
        {.file = "jeziora2.jpg",
         .land = 7,
         .view = closeUp(702, 0.66, 0.55),
         .lights = glints(0.06, 0.5, 0.5, 0.6, 9, 5, 71)},
        {.file = "jeziora3.jpg",
         .land = 7,
         .hour = Hour::Night,
         .view = clear(wide(703, 0.8, 0.42), 0.0, 0.4),
         .props = caravan(0.2, 0.72, 100),
         .lights = all({lantern(0.2, 0.72, 100), glints(0.32, 0.47, 0.75, 0.57, 12, 4, 73)})},
        // The scrapyard.
        {.file = "zlomowisko1.jpg",
         .land = 8,
         .view = clear(wide(801, 0.8, 0.55), 0.05, 0.5),
         .road = junkRoad,
         .props = caravanOn(junkRoad, 0.72, 110)},
        {.file = "zlomowisko2.jpg",
         .land = 8,
         .hour = Hour::Dusk,
         .view = closeUp(802, 0.64, 0.66),
         .props = marbleHeap(0.27, 0.72, 150, 81)},
        // The coast.
        {.file = "wybrzeze1.jpg",
         .land = 9,
         .view = clear(wide(901, 0.84, 0.5), 0.0, 0.5),
         .props = caravan(0.28, 0.72, 110)},
        {.file = "wybrzeze2.jpg",
         .land = 9,
         .hour = Hour::Dusk,
         .view = closeUp(902, 0.6, 0.62),
         .props = marbles(0.08, 0.72, 0.36, 0.68, 9, 9, 91),
         .lights = beam(0.6, 0.71 - 0.62 * 0.85, 0.05)},
        // The dunes.
        {.file = "wydmy1.jpg",
         .land = 10,
         .view = clear(wide(1001, 0.85, 0.3), 0.2, 0.7),
         .road = duneTrack,
         .props = caravanOn(duneTrack, 0.71, 100)},
        {.file = "wydmy2.jpg",
         .land = 10,
         .hour = Hour::Dusk,
         .view = clear(wide(1002, 0.7, 0.22), 0.1, 0.5),
         .props = caravan(0.25, 0.72, 115)},
    };
    return list;
}

std::vector<Page> ending() {
    const Road home{.nearX = 0.6, .farX = 0.3, .end = 0.5};
    const Road onward{.nearX = 0.5, .farX = 0.7, .end = 0.52, .wiggle = 40};
    return {
        // The last marbles asleep in the oasis.
        {.file = "koniec1.jpg",
         .land = 10,
         .hour = Hour::Dusk,
         .view = closeUp(1101, 0.5, 0.5, 0.65),
         .lights = glints(0.38, 0.63, 0.62, 0.69, 7, 4, 111)},
        // The road home, every land behind.
        {.file = "koniec2.jpg",
         .land = 1,
         .hour = Hour::Dusk,
         .view = clear(wide(1102, 0.15, 0.3), 0.35, 0.85),
         .road = home,
         .farAway = farMountains(0.2),
         .props = caravanOn(home, 0.715, 120, false),
         .lights = lanternOn(home, 0.715, 120, false)},
        // The marbles back in the fountain; a party in the square.
        {.file = "koniec3.jpg",
         .land = 1,
         .view = clear(wide(1103, 0.92, 0.3), 0.08, 0.82),
         .farAway = rainbow(0.5, 0.62, 330, 0.5),
         .props = all({houses({{0.14, 0.68}, {0.8, 0.68}}, 0.26, 13), bunting(0.14, 0.44, 0.8, 0.44),
                       fountain(0.47, 0.72, 0.34, true)})},
        // Home at sunset.
        {.file = "koniec4.jpg",
         .land = 1,
         .hour = Hour::Dusk,
         .view = clear(wide(1104, 0.84, 0.38), 0.05, 0.7),
         .farAway = rainbow(0.35, 0.6, 280, 0.35),
         .props = all({fountain(0.58, 0.72, 0.28, true), caravan(0.24, 0.72, 120)}),
         .lights = lantern(0.24, 0.72, 120)},
        // Lands beyond the map: the road goes on under the stars...
        {.file = "ziemie1.jpg",
         .land = 10,
         .hour = Hour::Night,
         .view = clear(wide(1201, 0.9, 0.28), 0.2, 0.7),
         .road = onward,
         .props = caravanOn(onward, 0.69, 80),
         .lights = lanternOn(onward, 0.69, 80)},
        // ...and the caravan rests at home until it does.
        {.file = "ziemie2.jpg",
         .land = 1,
         .hour = Hour::Dawn,
         .view = clear(wide(1202, 0.78, 0.44), 0.1, 0.6),
         .props = caravan(0.32, 0.72, 120, false)},
    };
}

}  // namespace

void addJobs(const AddJob& add) {
    std::vector<Page> list = opening();
    for (std::vector<Page> more : {chapters(), ending()}) list.insert(list.end(), more.begin(), more.end());
    uint32_t seed = 5000;
    for (const Page& page : list)
        add(std::string("gfx/story/") + page.file, int(W), int(H),
            [page, seed = seed++](Canvas& c) { paintPage(c, page, seed); });
}

}  // namespace story_pages
