#include "views.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace views {

using namespace art;
using lands::Brush;
using lands::Land;
using lands::Palette;
using scene::Ridge;

void paintSnowCaps(cairo_t* cr, const Ridge& r, double w, const Brush& b) {
    cairo_save(cr);
    r.path(cr, -10, w + 10, r.base + 10);
    cairo_clip(cr);
    const double line = r.base - r.amplitude * 0.5;
    cairo_move_to(cr, -10, line);
    for (double x = -10; x <= w + 10; x += 6)
        cairo_line_to(cr, x, line + 10 * scene::noise(x / 14, 0.5, r.seed + 5) - 4);
    cairo_line_to(cr, w + 10, r.base - r.amplitude - 20);
    cairo_line_to(cr, -10, r.base - r.amplitude - 20);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, r.base - r.amplitude, 0, line + 10);
    addStop(g, 0.0, b.tone(rgb255(255, 255, 255)));
    addStop(g, 1.0, b.tone(rgb255(214, 228, 248)));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Each crest casts its far flank into shade: a facet from the summit
    // down the side away from the sun to the next valley.
    const double side = b.lightSide();
    scene::soft(cr, -10, r.base - r.amplitude - 10, w + 10, r.base + 10, 1.5, b.tone(rgb255(60, 70, 140)), 0.3,
                [&](cairo_t* m) {
                    for (double x = 2; x < w; x += 2) {
                        const double y = r.top(x);
                        if (!(y < r.top(x - 2) && y <= r.top(x + 2))) continue;  // not a summit
                        double v = x;
                        while (v > -20 && v < w + 20 && r.top(v - side * 2) >= r.top(v) - 0.01) v -= side * 2;
                        cairo_move_to(m, x, y);
                        for (double u = x; (u - v) * side > 0 || u == x; u -= side * 2) cairo_line_to(m, u, r.top(u));
                        cairo_line_to(m, x + (v - x) * 0.45, y + (r.base - y) * 0.6);
                        cairo_close_path(m);
                    }
                    cairo_fill(m);
                });
    cairo_restore(cr);
}

void paintWater(cairo_t* cr, const Land& L, double w, double top, double bottom, double sunX, const Ridge& far,
                uint32_t seed) {
    const Palette& c = L.colours;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(g, 0.0, mix(c.skyHorizon, c.water, 0.45));
    addStop(g, 0.35, mix(c.water, c.skyTop, 0.2));
    addStop(g, 1.0, darken(mix(c.water, c.skyTop, 0.4), 0.2));
    cairo_rectangle(cr, 0, top, w, bottom - top);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The far shore's reflection, soft and darker.
    scene::soft(cr, 0, top, w, top + 80, 2.5, darken(mix(c.far, c.haze, 0.5), 0.15), 0.35, [&](cairo_t* m) {
        cairo_move_to(m, -10, top);
        for (double x = -10; x <= w + 10; x += 4) cairo_line_to(m, x, top + (top - far.top(x)) * 0.6);
        cairo_line_to(m, w + 10, top);
        cairo_close_path(m);
        cairo_fill(m);
    });
    // The sun's glitter path.
    scene::soft(cr, sunX - 120, top, sunX + 120, bottom, 12, c.light, 0.35, [&](cairo_t* m) {
        cairo_move_to(m, sunX - 10, top);
        cairo_line_to(m, sunX + 10, top);
        cairo_line_to(m, sunX + 90, bottom);
        cairo_line_to(m, sunX - 90, bottom);
        cairo_close_path(m);
        cairo_fill(m);
    });
    // Ripples: short light strokes, longer and farther apart nearer the eye.
    Random rnd(seed);
    for (int i = 0; i < 260; ++i) {
        const double t = std::pow(rnd.uniform(0, 1), 1.6);
        const double y = top + 3 + t * (bottom - top - 3);
        const double x = rnd.uniform(0, w), len = 6 + t * 40;
        cairo_move_to(cr, x - len / 2, y);
        cairo_line_to(cr, x + len / 2, y);
        const bool bright = std::fabs(x - sunX) < 60 + t * 90;
        setColour(cr, bright ? lighten(c.light, 0.4) : lighten(c.skyHorizon, 0.3), (bright ? 0.6 : 0.3) * (0.5 + t));
        cairo_set_line_width(cr, 0.6 + t * 1.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void paintView(scene::Painting& p, const Land& L, const View& v) {
    cairo_t* cr = p.cr();
    const double W = p.width(), H = p.height();
    const Palette& c = L.colours;
    Random rnd(v.seed * 7919u + uint32_t(L.number));
    const double horizon = H * v.horizon, sunX = W * L.sunX, sunY = H * L.sunY;

    scene::sky(cr, W, horizon, c.skyTop, c.skyHorizon, c.light, sunX, sunY, W * 0.55);
    // Clouds drift across the upper sky, dimmer toward the horizon.
    for (int i = 0; i < L.clouds; ++i) {
        const double x = W * (i + rnd.uniform(0.1, 0.9)) / L.clouds, y = rnd.uniform(0.08, 0.3) * horizon + 20;
        const double w = rnd.uniform(90, 190) * (1.2 - y / horizon);
        scene::cloud(cr, x, y, w, lighten(c.light, 0.55), mix(c.skyHorizon, c.skyTop, 0.35), 0.85, rnd.next());
    }
    if (v.overSky) v.overSky(cr, W, H);

    // A last range at the edge of sight, almost lost in the haze, then the
    // far skyline in front of it.
    Brush farthest{cr, &L, 0.95};
    const Ridge::Kind distantKind = L.relief == Ridge::Mesas || L.relief == Ridge::Flat ? Ridge::Rolling : L.relief;
    Ridge distant{distantKind, horizon - H * L.reliefHeight * 0.35, H * (L.reliefHeight * 0.8 + 0.05), W * 0.28,
                  rnd.next()};
    scene::fillRidge(cr, distant, -10, W + 10, H, farthest.tone(lighten(c.far, 0.25)), farthest.tone(c.far), c.light,
                     0.2, 0.03);
    if (L.relief == Ridge::Peaks) paintSnowCaps(cr, distant, W, farthest);
    Brush far{cr, &L, 0.72};
    Ridge farRidge{L.relief, horizon, H * L.reliefHeight, W * (L.relief == Ridge::Peaks ? 0.22 : 0.38), rnd.next()};
    if (L.relief == Ridge::Dunes) farRidge.wavelength = W * 0.3;
    scene::fillRidge(cr, farRidge, -10, W + 10, H, far.tone(lighten(c.far, 0.1)), far.tone(c.far), c.light, 0.35, 0.05);
    if (L.relief == Ridge::Peaks) paintSnowCaps(cr, farRidge, W, far);
    // What stands on the skyline; on a land of water it floats on the water
    // instead (boats), nearer and larger the lower it sits.
    auto farShapes = [&] {
        for (int i = 0; i < L.farCount; ++i) {
            const double x = W * (i + rnd.uniform(0.2, 0.8)) / L.farCount;
            const double t = L.water ? rnd.uniform(0, 1) : 0;
            Brush distant{cr, &L, 0.65 - 0.3 * t};
            const double ground = L.water ? horizon + 6 + t * H * 0.1 : farRidge.top(x) + 3;
            L.farShape(distant, x, ground, H * rnd.uniform(0.07, 0.1) * (1 + t * 0.6), rnd);
        }
    };
    if (L.farShape && !L.water) farShapes();

    const double floorTop = H * v.foreground;
    struct Placed {
        double x, ground, size, depth;
        int kind;  // 0 feature, 1 landmark
    };
    std::vector<Placed> things;

    if (L.water) {
        paintWater(cr, L, W, horizon, floorTop + 20, sunX, farRidge, rnd.next());
        if (L.farShape) farShapes();
    } else {
        // The middle ground, closer and warmer than the skyline.
        Ridge mid{L.relief == Ridge::Peaks ? Ridge::Rolling : L.relief, horizon + H * 0.1, H * 0.09, W * 0.3,
                  rnd.next()};
        if (L.relief == Ridge::Mesas) mid.amplitude = H * 0.12;
        Brush midBrush{cr, &L, 0.4};
        const Rgb body = mix(c.far, c.near, 0.75);
        scene::fillRidge(cr, mid, -10, W + 10, H, midBrush.tone(lighten(body, 0.1)), midBrush.tone(darken(body, 0.1)),
                         c.light, 0.5, 0.08);
        // Features recede from the near ground up to the middle ridge:
        // smaller and hazier the farther up they stand.
        for (int i = 0; i < v.features * 2; ++i) {
            const double x = rnd.uniform(0, W), t = rnd.uniform(0, 1);
            const double ground = mid.top(x) + H * 0.03 + t * std::max(0.0, floorTop - mid.top(x) - H * 0.03);
            things.push_back({x, ground, H * (0.06 + 0.06 * t) * rnd.uniform(0.85, 1.15), 0.42 - 0.25 * t, 0});
        }
    }

    // The near ground.
    Ridge nearRidge{Ridge::Rolling, floorTop, H * 0.05, W * 0.45, rnd.next()};
    if (L.relief == Ridge::Dunes) nearRidge = Ridge{Ridge::Dunes, floorTop + H * 0.02, H * 0.08, W * 0.5, rnd.next()};
    scene::fillRidge(cr, nearRidge, -10, W + 10, H + 10, c.ground, c.groundShade, c.light, 0.7, 0.14);
    // Brush strokes over the near ground, denser toward the eye: blades on
    // grass, ripples and grit on sand and earth.
    const bool grassy = c.ground.g > c.ground.r;
    for (int i = 0; i < 700; ++i) {
        const double x = rnd.uniform(-5, W + 5), t = std::sqrt(rnd.uniform(0, 1));
        const double y = nearRidge.top(x) + 4 + t * (H - nearRidge.top(x));
        const double len = 2 + t * 6;
        cairo_move_to(cr, x, y);
        if (grassy) cairo_line_to(cr, x + rnd.uniform(-1.5, 1.5), y - len);
        else cairo_line_to(cr, x + len * 1.5, y + rnd.uniform(-0.8, 0.8));
        const bool light = rnd.range(0, 2) == 0;
        setColour(cr, light ? lighten(c.ground, 0.3) : darken(c.groundShade, 0.15), 0.35);
        cairo_set_line_width(cr, 0.8 + t);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }

    if (v.overGround) v.overGround(cr, W, H);

    for (int i = 0; i < v.features; ++i) {
        double x = rnd.uniform(0.02, 0.98) * W;
        if (x > v.clearX0 * W && x < v.clearX1 * W) x = rnd.range(0, 1) ? v.clearX0 * W - 20 : v.clearX1 * W + 20;
        if (std::fabs(x - v.landmarkX * W) < H * v.landmarkSize * 0.4) continue;
        const double ground = nearRidge.top(x) + rnd.uniform(0.02, 0.1) * H;
        things.push_back({x, ground, H * rnd.uniform(0.12, 0.18), 0.05, 0});
    }
    things.push_back({v.landmarkX * W, v.landmarkGround * H, v.landmarkSize * H, 0, 1});
    // Back to front.
    std::stable_sort(things.begin(), things.end(),
                     [](const Placed& a, const Placed& b) { return a.ground < b.ground; });
    for (const Placed& t : things) {
        Brush b{cr, &L, t.depth};
        Random detail(rnd.next());
        (t.kind ? L.landmark : L.feature)(b, t.x, t.ground, t.size, detail);
    }
    // Specks over the near ground.
    Brush nearBrush{cr, &L, 0};
    for (int i = 0; i < 18; ++i) {
        const double x = rnd.uniform(0, W), y = rnd.uniform(nearRidge.top(x) + 8, H - 4);
        Random detail(rnd.next());
        L.speck(nearBrush, x, y, H * rnd.uniform(0.025, 0.04), detail);
    }

    // Sunlight over everything, and a gentle darkening at the lower corners.
    scene::glow(cr, sunX, sunY, W * 0.8, c.light, 0.1);
    cairo_pattern_t* vignette = cairo_pattern_create_radial(W / 2, H * 0.4, H * 0.45, W / 2, H * 0.45, W * 0.75);
    cairo_pattern_add_color_stop_rgba(vignette, 0.0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vignette, 1.0, 0.1, 0.04, 0.15, 0.28);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
}

View backdropView(int landNumber) {
    View v;
    v.seed = uint32_t(landNumber) * 31u + 5u;
    // The side panel covers the left, the board the middle: near features
    // go to the right-hand column and the far left, the landmark stands at
    // the right edge where the most of it shows.
    v.clearX0 = 0.32;
    v.clearX1 = 0.84;
    v.landmarkX = 0.915;
    v.landmarkGround = 0.95;
    v.landmarkSize = 0.5;
    if (landNumber == 5) {  // a peak is wide: let it rise from behind the edge
        v.landmarkX = 0.96;
        v.landmarkSize = 0.62;
    }
    if (landNumber == 7) v.landmarkX = 0.86;
    if (landNumber == 10) v.landmarkSize = 0.36;
    return v;
}

}  // namespace views
