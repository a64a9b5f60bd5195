// Particle sprites, flying diamonds, clouds and effect lettering. Most of
// these are drawn with additive light blending and tinted by the game, so
// they are white or nearly white, bright in the middle and soft at the edge.
#include "particles.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art.h"
#include "catalogue.h"
#include "gems.h"
#include "labels.h"

namespace particles {

using namespace art;

namespace {

// A round glow: bright core, soft falloff.
void glow(cairo_t* cr, double cx, double cy, double r, double core, double alpha = 1.0) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, core, 1, 1, 1, alpha * 0.8);
    cairo_pattern_add_color_stop_rgba(g, std::min(1.0, core + 0.3), 1, 1, 1, alpha * 0.25);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
    circlePath(cr, cx, cy, r);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A thin tapering ray pair (a glint) through the centre at an angle.
void glint(cairo_t* cr, double cx, double cy, double len, double width, double angleDeg, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angleDeg * M_PI / 180);
    cairo_move_to(cr, -len, 0);
    cairo_curve_to(cr, -width, -width * 0.3, -width * 0.3, -width, 0, -width);
    cairo_curve_to(cr, width * 0.3, -width, width, -width * 0.3, len, 0);
    cairo_curve_to(cr, width, width * 0.3, width * 0.3, width, 0, width);
    cairo_curve_to(cr, -width * 0.3, width, -width, width * 0.3, -len, 0);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(-len, 0, len, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void sparkle(const std::string& path, int size, double coreRadius, double rays, double diagonal) {
    Canvas c(size, size);
    const double m = size / 2.0;
    glow(c.cr(), m, m, m * coreRadius, 0.25);
    if (rays > 0) {
        glint(c.cr(), m, m, m * rays, m * 0.16, 0, 1.0);
        glint(c.cr(), m, m, m * rays, m * 0.16, 90, 1.0);
    }
    if (diagonal > 0) {
        glint(c.cr(), m, m, m * diagonal, m * 0.1, 45, 0.7);
        glint(c.cr(), m, m, m * diagonal, m * 0.1, -45, 0.7);
    }
    writePicture(c, path);
}

void ring(const std::string& path, int size, double thickness) {
    Canvas c(size, size);
    const double m = size / 2.0, r = m - thickness * 1.5;
    cairo_pattern_t* g = cairo_pattern_create_radial(m, m, r - thickness * 1.4, m, m, r + thickness * 1.4);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 0.35, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 1.0);
    cairo_pattern_add_color_stop_rgba(g, 0.65, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
    circlePath(c.cr(), m, m, m);
    cairo_set_source(c.cr(), g);
    cairo_fill(c.cr());
    cairo_pattern_destroy(g);
    writePicture(c, path);
}

// A cumulus: a row of puffs along a flat base with bigger ones heaped on
// top, each lit from the upper left, over a cool shadowed underside.
void cloud(const std::string& path, int w, int h, uint32_t seed, int puffs) {
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    Random rnd(seed);
    struct Puff { double x, y, r; };
    std::vector<Puff> list;
    const double base = h * 0.8;
    // Bottom row.
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs;
        const double r = h * rnd.uniform(0.16, 0.22);
        list.push_back({w * (0.14 + 0.72 * t) + rnd.uniform(-3, 3), base - r * 0.75, r});
    }
    // Heaped top, tallest a little left of the middle.
    const int top = std::max(2, puffs - 2);
    for (int i = 0; i < top; ++i) {
        const double t = (i + 0.5) / top;
        const double hump = std::sin(t * M_PI);
        const double r = h * (0.2 + 0.14 * hump) * rnd.uniform(0.9, 1.1);
        list.push_back({w * (0.22 + 0.52 * t) + rnd.uniform(-4, 4), base - h * 0.28 - hump * h * 0.12, r});
    }
    auto silhouette = [&](cairo_t* m) {
        for (const Puff& p : list) circlePath(m, p.x, p.y, p.r);
        cairo_fill(m);
    };
    // Cool underside glow, a flat base, then the body shaded top to bottom
    // with a faint rim on the lower right of every puff.
    auto flatBase = [&](cairo_t* m) {
        cairo_rectangle(m, 0, 0, w, base);
        cairo_clip(m);
    };
    softSilhouette(cr, w, h, 1, 2.5, 2.0, rgb255(150, 165, 200), 0.7, [&](cairo_t* m) {
        flatBase(m);
        silhouette(m);
    });
    cairo_save(cr);
    flatBase(cr);
    for (const Puff& p : list) circlePath(cr, p.x, p.y, p.r);
    cairo_clip(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, base - h * 0.75, 0, base);
    addStop(body, 0.0, rgb255(255, 255, 255));
    addStop(body, 0.55, rgb255(248, 250, 255));
    addStop(body, 1.0, rgb255(212, 222, 242));
    cairo_set_source(cr, body);
    cairo_paint(cr);
    cairo_pattern_destroy(body);
    for (const Puff& p : list) {
        cairo_pattern_t* g = cairo_pattern_create_radial(p.x - p.r * 0.3, p.y - p.r * 0.35, p.r * 0.5, p.x, p.y, p.r);
        cairo_pattern_add_color_stop_rgba(g, 0.0, 0.55, 0.62, 0.8, 0.0);
        cairo_pattern_add_color_stop_rgba(g, 0.8, 0.55, 0.62, 0.8, 0.05);
        cairo_pattern_add_color_stop_rgba(g, 1.0, 0.55, 0.62, 0.8, 0.22);
        circlePath(cr, p.x, p.y, p.r);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    // Sunlit tops.
    for (const Puff& p : list) {
        cairo_pattern_t* g = cairo_pattern_create_radial(p.x - p.r * 0.3, p.y - p.r * 0.4, 0, p.x - p.r * 0.3, p.y - p.r * 0.4, p.r * 0.7);
        cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0.8);
        cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
        circlePath(cr, p.x, p.y, p.r);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    cairo_restore(cr);
    blur(c.surface(), 0.9);
    writePicture(c, path);
}

// Drawn with mask blending, which keeps only the solid pixels: the mark is
// built from opaque shapes with clean edges.
void bulletHole(const std::string& path) {
    const int size = 24;
    Canvas c(size, size);
    cairo_t* cr = c.cr();
    const double m = size / 2.0;
    Random rnd(77);
    // Cracks running out from the hole.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 7; ++i) {
        const double a = (i * 360.0 / 7 + rnd.uniform(-15, 15)) * M_PI / 180;
        const double len = rnd.uniform(8.0, 10.5), bend = rnd.uniform(-0.25, 0.25);
        cairo_move_to(cr, m + std::cos(a) * 4, m + std::sin(a) * 4);
        cairo_line_to(cr, m + std::cos(a + bend) * len * 0.6, m + std::sin(a + bend) * len * 0.6);
        cairo_line_to(cr, m + std::cos(a) * len, m + std::sin(a) * len);
        setColour(cr, rgb255(40, 30, 28));
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    // Torn, pale lip, then the dark hole, darker toward its lower right.
    starPath(cr, m, m, 9, 6.2, 4.6, -90);
    setColour(cr, rgb255(225, 210, 185));
    cairo_fill(cr);
    starPath(cr, m, m, 9, 6.2, 4.6, -90);
    setColour(cr, rgb255(60, 45, 40));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(m - 1, m - 1, 0.5, m, m, 4);
    addStop(g, 0.0, rgb255(70, 60, 56));
    addStop(g, 1.0, rgb255(10, 8, 8));
    circlePath(cr, m, m, 3.8);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    writePicture(c, path);
}

void boardCleared(const std::string& path) {
    // Shown with light blending over the board: only light counts, so the
    // lettering is a warm glow with a bright face and no dark outline. The
    // letters keep 4 pixels from the picture's sides; longer words widen it.
    // Translators: big glowing words over the board when every marble is
    // gone, about 350 px at 46 px; the picture widens for longer words.
    const std::string text = catalogue::tr("Board cleared!");
    const labels::Place place{Face::Rounded, 46, 360 - 2 * 4.0};
    const int w = std::max(360, int(std::ceil(labels::widthNeeded(text, place) + 2 * 4.0))), h = 96;
    if (w != 360) labels::noteWider(text, path, 360, w);
    const labels::Label label = labels::fit(text, {place.face, place.size, w - 2 * 4.0}, path);
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    softSilhouette(cr, w, h, 0, 0, 7, rgb255(255, 150, 30), 0.9, [&](cairo_t* m) {
        labels::addPath(m, label, w / 2.0, 64, 1);
        cairo_set_line_width(m, 6);
        cairo_stroke_preserve(m);
        cairo_fill(m);
    });
    labels::addPath(cr, label, w / 2.0, 64, 1);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 28, 0, 66);
    addStop(g, 0.0, rgb255(255, 255, 250));
    addStop(g, 0.55, rgb255(255, 240, 150));
    addStop(g, 1.0, rgb255(255, 190, 60));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, rgb255(255, 255, 255), 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // A few glints on the letters, near their ends.
    const double reach = labels::inkWidth(text, label.face, label.size) / 2 - 20;
    const double first = w / 2.0 - std::min(108.0, reach), last = w / 2.0 + std::min(112.0, reach);
    glint(cr, first, 30, 14, 2.2, 0, 1.0);
    glint(cr, first, 30, 10, 2.0, 90, 1.0);
    glint(cr, last, 58, 12, 2.0, 0, 0.9);
    glint(cr, last, 58, 9, 1.8, 90, 0.9);
    writePicture(c, path);
}

// Board sparkles: 0 the coloured twinkle of a highlighted group, 1 the plain
// soft spark of rings, marks and snow, 2 a broad glow; the shot's mark, the
// win twinkle and the removal burst, and the clouds.
void sparklesAndClouds() {
    sparkle("gfx/particles/particle0.png", 16, 0.75, 0.95, 0.0);
    sparkle("gfx/particles/particle1.png", 16, 0.9, 0.0, 0.0);
    sparkle("gfx/particles/particle2.png", 32, 0.95, 0.0, 0.0);
    ring("gfx/particles/pusty1.png", 24, 1.6);
    ring("gfx/particles/pusty2.png", 40, 2.2);
    ring("gfx/particles/pusty3.png", 64, 3.0);
    bulletHole("gfx/gui/shooting/shot.png");
    sparkle("gfx/particles/star.png", 24, 0.55, 0.98, 0.55);
    sparkle("gfx/particles/3.png", 28, 0.5, 0.98, 0.7);
    cloud("gfx/particles/smallCloud.png", 64, 40, 11, 4);
    cloud("gfx/gui/map/chmury/chmura1.png", 180, 100, 21, 6);
    cloud("gfx/gui/map/chmury/chmura2.png", 140, 84, 37, 5);
    cloud("gfx/gui/map/chmury/chmura3.png", 220, 110, 53, 7);
    cloud("gfx/gui/map/chmury/chmura4.png", 120, 70, 71, 4);
    cloud("gfx/gui/map/chmury/chmura5.png", 200, 96, 89, 6);
}

// Flying diamonds and the counter's big diamond.
void diamonds() {
    const gems::Gem kinds[4] = {gems::Gem::Blue, gems::Gem::Green, gems::Gem::Red, gems::Gem::Gold};
    for (int i = 0; i < 4; ++i) {
        Canvas c(22, 22);
        gems::drawGem(c.cr(), 11, 11, 9.5, kinds[i]);
        writePicture(c, "gfx/particles/d" + std::to_string(i + 1) + ".png");
    }
    Canvas big(48, 48);
    gems::drawGem(big.cr(), 24, 24, 21, gems::Gem::Cyan);
    writePicture(big, "gfx/gui/map/diamond.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    const bool everyPicture = !catalogue::languageRun();
    if (everyPicture) sparklesAndClouds();
    boardCleared("gfx/particles/cleanup.png");
    if (everyPicture) diamonds();
}

}  // namespace particles
