#include "quest_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "lands.h"
#include "scene.h"
#include "ui_kit.h"

#ifndef VORNELL_LEVEL_CATALOGUE
#define VORNELL_LEVEL_CATALOGUE "content/data/levels.dat"
#endif

namespace quest_map {

using namespace art;

namespace {

constexpr int W = 800, H = 600;

struct Point {
    double x, y;
};

struct Marker {
    Point at;
    int typ = 0;
    int land = 1;
};

// The marker of every quest level, in the catalogue's order (the k-th entry
// is level k, as the map reads it): its "dim" and "typ" lines.
std::vector<Marker> readMarkers() {
    std::ifstream in(VORNELL_LEVEL_CATALOGUE);
    if (!in) {
        std::fprintf(stderr, "contentgen: cannot read the level catalogue %s\n", VORNELL_LEVEL_CATALOGUE);
        std::exit(1);
    }
    std::vector<Marker> markers;
    std::string line;
    while (std::getline(in, line)) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) continue;
        line = line.substr(start);
        double x = 0, y = 0;
        int typ = 0;
        if (std::sscanf(line.c_str(), "dim = %lf , %lf", &x, &y) == 2) {
            markers.push_back({{x, y}, 0, lands::landOfLevel(int(markers.size()) + 1)});
        } else if (!markers.empty() && std::sscanf(line.c_str(), "typ = %d", &typ) == 1) {
            markers.back().typ = typ;
        }
    }
    if (markers.size() < 2) {
        std::fprintf(stderr, "contentgen: no level markers in %s\n", VORNELL_LEVEL_CATALOGUE);
        std::exit(1);
    }
    return markers;
}

// ---------------------------------------------------------------- the road

struct RoadPoint {
    Point at;
    int land;
};

// A smooth road through every marker in order (centripetal Catmull-Rom, so
// it never loops between close markers), with a lead-in from the map's left
// edge to the first marker. Points about one pixel apart.
std::vector<RoadPoint> roadThrough(const std::vector<Marker>& markers) {
    std::vector<Point> p;
    p.push_back({-30, markers.front().at.y + 8});
    p.push_back({0, markers.front().at.y + 4});
    for (const Marker& m : markers) p.push_back(m.at);
    const Point last = markers.back().at, before = markers[markers.size() - 2].at;
    p.push_back({last.x + (last.x - before.x) * 0.6, last.y + (last.y - before.y) * 0.6});
    std::vector<RoadPoint> road;
    for (size_t i = 1; i + 2 < p.size(); ++i) {
        const Point p0 = p[i - 1], p1 = p[i], p2 = p[i + 1], p3 = p[i + 2];
        auto knot = [](Point a, Point b) { return std::max(1e-3, std::sqrt(std::hypot(b.x - a.x, b.y - a.y))); };
        const double t0 = 0, t1 = knot(p0, p1), t2 = t1 + knot(p1, p2), t3 = t2 + knot(p2, p3);
        const int steps = std::max(2, int(std::hypot(p2.x - p1.x, p2.y - p1.y)));
        // The stretch between two markers of different lands is the border
        // crossing: the first half belongs to the land behind.
        const int landFrom = i >= 2 ? markers[i - 2].land : markers.front().land;
        const int landTo = i - 1 < markers.size() ? markers[i - 1].land : markers.back().land;
        for (int s = 0; s < steps; ++s) {
            const double t = t1 + (t2 - t1) * s / steps;
            auto lerp = [](Point a, Point b, double ta, double tb, double t) {
                const double u = (t - ta) / (tb - ta);
                return Point{a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u};
            };
            const Point a1 = lerp(p0, p1, t0, t1, t), a2 = lerp(p1, p2, t1, t2, t), a3 = lerp(p2, p3, t2, t3, t);
            const Point b1 = lerp(a1, a2, t0, t2, t), b2 = lerp(a2, a3, t1, t3, t);
            const Point c = lerp(b1, b2, t1, t2, t);
            road.push_back({c, s < steps / 2 ? landFrom : landTo});
        }
    }
    return road;
}

// ---------------------------------------------------------------- the lands

// What every pixel of the map is: the land it belongs to (the land whose
// road is nearest, with wobbly borders), how far the nearest road is, and
// how close it lies to a border.
struct Field {
    std::vector<int> land;
    std::vector<float> road;    // distance to the road
    std::vector<float> border;  // distance to the next land's region
    std::vector<unsigned char> water;
    int at(int x, int y) const { return std::clamp(y, 0, H - 1) * W + std::clamp(x, 0, W - 1); }
};

// The sea in the upper left corner, beside the coast.
bool seaAt(double x, double y) {
    const double shore = 70 + 26 * scene::fbm(x / 50, 3.5, 77, 3) - std::max(0.0, x - 250) * 0.8;
    const double side = 16 + 18 * scene::fbm(y / 40, 7.5, 78, 3) - std::max(0.0, y - 230) * 0.6;
    return y < shore || x < side;
}

Field measure(const std::vector<RoadPoint>& road) {
    Field f;
    f.land.assign(W * H, 1);
    f.road.assign(W * H, 1e9f);
    f.border.assign(W * H, 1e9f);
    f.water.assign(W * H, 0);
    // The distance to each land's road on a coarse grid; a distance field is
    // smooth, so every pixel interpolates it from the four grid points round it.
    constexpr int kCell = 4, kSlots = lands::kLands + 1;
    const int gw = W / kCell + 2, gh = H / kCell + 2;
    std::vector<float> grid(size_t(gw) * gh * kSlots, 1e9f);
    for (int gy = 0; gy < gh; ++gy)
        for (int gx = 0; gx < gw; ++gx) {
            float* cell = &grid[(size_t(gy) * gw + gx) * kSlots];
            for (size_t i = 0; i < road.size(); i += 2) {
                const RoadPoint& r = road[i];
                const double dx = r.at.x - gx * kCell, dy = r.at.y - gy * kCell;
                cell[r.land] = std::min(cell[r.land], float(dx * dx + dy * dy));
            }
            for (int k = 0; k < kSlots; ++k) cell[k] = std::sqrt(cell[k]);
        }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int gx = x / kCell, gy = y / kCell;
            const double tx = double(x % kCell) / kCell, ty = double(y % kCell) / kCell;
            const float* c00 = &grid[(size_t(gy) * gw + gx) * kSlots];
            const float* c10 = c00 + kSlots;
            const float* c01 = c00 + size_t(gw) * kSlots;
            const float* c11 = c01 + kSlots;
            double best[kSlots];
            double nearest = 1e18;
            for (int k = 1; k < kSlots; ++k) {
                best[k] = (c00[k] * (1 - tx) + c10[k] * tx) * (1 - ty) + (c01[k] * (1 - tx) + c11[k] * tx) * ty;
                nearest = std::min(nearest, best[k]);
            }
            // Borders wander a little so the regions look like countries,
            // not cells.
            int first = 1;
            double d1 = 1e18, d2 = 1e18;
            for (int k = 1; k < kSlots; ++k) {
                if (best[k] > nearest + 20) continue;
                const double d = best[k] + 18 * (scene::fbm(x / 45.0, y / 45.0, 300 + k, 3) - 0.5);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    first = k;
                } else
                    d2 = std::min(d2, d);
            }
            const int i = f.at(x, y);
            f.land[i] = first;
            f.road[i] = float(nearest);
            f.border[i] = float(d2 - d1);
            f.water[i] = first == 9 && seaAt(x, y) ? 1 : 0;
        }
    return f;
}

// The lakes land holds a few ponds where it is farthest from the road.
struct Pond {
    Point at;
    double rx, ry;
};

std::vector<Pond> pondsOf(const Field& f, int land, int count) {
    std::vector<Pond> ponds;
    for (int n = 0; n < count; ++n) {
        double best = 0;
        Point where{0, 0};
        for (int y = 80; y < 520; y += 3)
            for (int x = 10; x < 790; x += 3) {
                const int i = f.at(x, y);
                if (f.land[i] != land) continue;
                double room = std::min<double>(f.road[i] - 10, f.border[i] * 1.5);
                for (const Pond& p : ponds) room = std::min(room, std::hypot(x - p.at.x, y - p.at.y) - p.rx - 12);
                if (room > best) {
                    best = room;
                    where = {double(x), double(y)};
                }
            }
        if (best < 12) break;
        ponds.push_back({where, std::min(best * 1.3, 60.0), std::min(best * 0.75, 34.0)});
    }
    return ponds;
}

bool inPond(const std::vector<Pond>& ponds, double x, double y, double margin) {
    for (const Pond& p : ponds) {
        const double dx = (x - p.at.x) / (p.rx + margin), dy = (y - p.at.y) / (p.ry + margin);
        if (dx * dx + dy * dy < 1) return true;
    }
    return false;
}

// The ground of every land, blended softly across borders, with a painted
// texture and light from the upper left.
void paintGround(cairo_t* cr, const Field& f) {
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int y = 0; y < H; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < W; ++x) {
            const int i = f.at(x, y);
            const lands::Land& L = lands::land(f.land[i]);
            const lands::Palette& c = L.colours;
            const bool peaks = L.relief == scene::Ridge::Peaks;
            // Relief: a height field lit from the upper left.
            const double scale = 60.0;
            const double h0 = scene::fbm((x - 1) / scale, (y - 1) / scale, 900 + L.number, 4);
            const double h1 = scene::fbm((x + 1) / scale, (y + 1) / scale, 900 + L.number, 4);
            const double slope = std::clamp((h0 - h1) * (peaks ? 20.0 : 14.0), -1.0, 1.0);
            const double tex = scene::fbm(x / 9.0, y / 9.0, 50 + L.number, 3);
            Rgb g = mix(c.groundShade, c.ground, 0.45 + 0.4 * tex);
            if (peaks) {
                // Alpine grass low down, snowfields on the heights.
                const double hh = scene::fbm(x / 70.0, y / 70.0, 920, 3);
                g = mix(g, rgb255(236, 242, 252), std::clamp((hh - 0.45) * 4, 0.0, 0.85));
            }
            g = slope > 0 ? mix(g, lighten(c.light, 0.2), slope * 0.45) : mix(g, darken(g, 0.45), -slope * 0.6);
            // The land's own grain: dune ripples, cracks, furrows.
            if (L.relief == scene::Ridge::Dunes) {
                const double ripple = std::sin((x * 0.5 + y * 1.2 + 14 * scene::noise(x / 40.0, y / 40.0, 5)) * 0.45);
                g = mix(g, ripple > 0.6 ? lighten(g, 0.3) : g, 0.5);
            }
            if (L.relief == scene::Ridge::Mesas) {
                const double crack = std::fabs(scene::noise(x / 14.0, y / 14.0, 9) - 0.5);
                if (crack < 0.03) g = darken(g, 0.25);
            }
            if (f.water[i]) {
                const double depth = std::clamp(scene::fbm(x / 80.0, y / 80.0, 11, 2) * 1.5 - 0.2, 0.0, 1.0);
                g = mix(lighten(c.water, 0.25), darken(c.water, 0.25), depth);
                if (std::sin(x * 0.15 + y * 0.9 + 6 * scene::noise(x / 30.0, y / 30.0, 12)) > 0.93)
                    g = lighten(g, 0.35);
            }
            // Borders: a soft darker seam with a light edge beside it.
            const double b = f.border[i];
            if (b < 5)
                g = mix(g, darken(g, 0.3), (5 - b) / 5 * 0.7);
            else if (b < 8)
                g = mix(g, lighten(g, 0.25), (8 - b) / 3 * 0.4);
            auto ch = [](double v) { return uint32_t(std::clamp(int(std::lround(v * 255)), 0, 255)); };
            row[x] = 0xff000000u | ch(g.r) << 16 | ch(g.g) << 8 | ch(g.b);
        }
    }
    cairo_surface_mark_dirty(img);
    cairo_save(cr);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
}

// The sea's shore: foam along the coast's edge.
void paintShore(cairo_t* cr, const Field& f) {
    cairo_save(cr);
    for (int y = 1; y < H - 1; y += 1)
        for (int x = 1; x < W - 1; x += 1) {
            const int i = f.at(x, y);
            if (!f.water[i]) continue;
            if (f.water[f.at(x + 1, y)] && f.water[f.at(x, y + 1)] && f.water[f.at(x - 1, y)] &&
                f.water[f.at(x, y - 1)])
                continue;
            cairo_rectangle(cr, x - 1, y - 1, 3, 3);
        }
    setColour(cr, rgb255(255, 255, 255), 0.75);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paintPonds(cairo_t* cr, const std::vector<Pond>& ponds, const lands::Land& L) {
    for (const Pond& p : ponds) {
        auto shape = [&](cairo_t* c, double grow) {
            cairo_new_sub_path(c);
            for (int k = 0; k <= 36; ++k) {
                const double a = k * 2 * M_PI / 36;
                const double wob = 1 + 0.12 * (scene::noise(std::cos(a) * 2 + p.at.x, std::sin(a) * 2, 21) - 0.5);
                const double x = p.at.x + std::cos(a) * (p.rx + grow) * wob,
                             y = p.at.y + std::sin(a) * (p.ry + grow) * wob;
                if (k == 0)
                    cairo_move_to(c, x, y);
                else
                    cairo_line_to(c, x, y);
            }
            cairo_close_path(c);
        };
        shape(cr, 3);
        setColour(cr, rgb255(226, 214, 160));
        cairo_fill(cr);
        shape(cr, 0);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, p.at.y - p.ry, 0, p.at.y + p.ry);
        addStop(g, 0.0, darken(L.colours.water, 0.15));
        addStop(g, 1.0, lighten(L.colours.water, 0.25));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        for (int k = 0; k < 4; ++k) {
            const double y = p.at.y - p.ry * 0.5 + k * p.ry * 0.3, half = p.rx * (0.5 - 0.08 * k);
            cairo_move_to(cr, p.at.x - half + k * 3, y);
            cairo_line_to(cr, p.at.x + half * 0.4 + k * 3, y);
        }
        setColour(cr, {1, 1, 1}, 0.45);
        cairo_set_line_width(cr, 1.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

// The road: a sandy track with a darker verge and a soft shadow.
const Rgb kRoadSand = rgb255(250, 232, 178);

void roadPath(cairo_t* cr, const std::vector<RoadPoint>& road) {
    cairo_new_path(cr);
    for (size_t i = 0; i < road.size(); i += 2) cairo_line_to(cr, road[i].at.x, road[i].at.y);
    cairo_line_to(cr, road.back().at.x, road.back().at.y);
}

void paintRoad(cairo_t* cr, const std::vector<RoadPoint>& road) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    scene::soft(cr, -40, 0, W + 40, H, 2.5, {0.1, 0.05, 0.1}, 0.45, [&](cairo_t* m) {
        cairo_translate(m, 1.5, 2.5);
        roadPath(m, road);
        cairo_set_line_width(m, 12);
        cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(m);
    });
    roadPath(cr, road);
    setColour(cr, rgb255(120, 80, 50));
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    roadPath(cr, road);
    setColour(cr, darken(kRoadSand, 0.12));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -0.6, -0.8);
    roadPath(cr, road);
    setColour(cr, kRoadSand);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Pebbles and wheel ruts along the track.
    Random rnd(404);
    for (size_t i = 0; i < road.size(); i += 7) {
        const Point a = road[i].at;
        circlePath(cr, a.x + rnd.uniform(-2.5, 2.5), a.y + rnd.uniform(-2.5, 2.5), rnd.uniform(0.4, 0.8));
    }
    setColour(cr, rgb255(170, 130, 90), 0.7);
    cairo_fill(cr);
}

// Motifs scattered over each land, kept off the road and the ponds, drawn
// back to front; the land's landmark stands where the land is most open.
void paintMotifs(cairo_t* cr, const Field& f, const std::vector<Pond>& ponds, const std::vector<Marker>& markers) {
    struct Thing {
        Point at;
        double size;
        int land;
        int kind;  // 0 speck, 1 feature, 2 landmark
    };
    std::vector<Thing> things;
    Random rnd(2718);
    auto clearOfMarkers = [&](double x, double y, double r) {
        for (const Marker& m : markers)
            if (std::hypot(m.at.x - x, m.at.y - y) < r) return false;
        return true;
    };
    // Landmarks first: the most open spot of each land.
    for (int k = 1; k <= lands::kLands; ++k) {
        const bool tall = k == 5;
        double best = 0;
        Point where{0, 0};
        for (int y = 70; y < 520; y += 4)
            for (int x = 36; x < 764; x += 4) {
                const int i = f.at(x, y);
                if (f.land[i] != k || f.water[i] || inPond(ponds, x, y, 8)) continue;
                // The foot sits below the open space: the road and the
                // markers must be clear of the picture above it too, and the
                // picture must stay on the map.
                const int above = f.at(x, y - 20);
                double room = std::min({double(f.road[i]), double(f.road[above]), double(f.border[i]) * 1.2,
                                        (x - 10) / 1.2, (790 - x) / 1.2, (y - 20) / 2.6});
                for (const Marker& m : markers) room = std::min(room, std::hypot(m.at.x - x, m.at.y - y + 15) - 16);
                for (const Thing& t : things)
                    room = std::min(room, (std::hypot(t.at.x - x, t.at.y - y) - t.size) / 1.5);
                if (room > best) {
                    best = room;
                    where = {double(x), double(y)};
                }
            }
        if (best > 12) things.push_back({where, std::clamp(best * (tall ? 2.6 : 2.0), 34.0, tall ? 70.0 : 56.0), k, 2});
    }
    for (int y = 30; y < 540; y += 15)
        for (int x = 6; x < 800; x += 17) {
            const double px = x + rnd.uniform(-6, 6), py = y + rnd.uniform(-5, 5);
            const int i = f.at(int(px), int(py));
            if (f.water[i] || inPond(ponds, px, py, 4)) continue;
            const int land = f.land[i];
            const double size = rnd.uniform(17, 24) * (land == 5 || land == 6 || land == 8 ? 1.3 : 1.0);
            if (f.road[i] < 9 || f.road[f.at(int(px), int(py - size * 0.6))] < 10) continue;
            if (!clearOfMarkers(px, py, 24)) continue;
            bool crowded = false;
            for (const Thing& t : things)
                if (std::hypot(t.at.x - px, (t.at.y - py) * 1.5) < (t.kind == 2 ? t.size * 0.55 : 12)) crowded = true;
            if (crowded) continue;
            const int kind = rnd.range(0, 9) < (land == 5 || land == 2 ? 7 : 5) ? 1 : 0;
            things.push_back({{px, py}, kind ? size : 14, land, kind});
        }
    std::stable_sort(things.begin(), things.end(), [](const Thing& a, const Thing& b) { return a.at.y < b.at.y; });
    for (const Thing& t : things) {
        const lands::Land& L = lands::land(t.land);
        lands::Brush b{cr, &L, 0};
        Random detail(rnd.next());
        // The mountains' features are peaks, not pines, on the map: it is
        // the peaks that name the land from afar.
        lands::Motif m = t.kind == 2 ? L.landmark : t.kind == 1 ? L.feature : L.speck;
        if (t.land == 5 && t.kind == 1 && detail.range(0, 2) > 0) m = L.landmark;
        if (t.land == 4 && t.kind == 1 && detail.range(0, 2) == 0) m = L.farShape;
        m(b, t.at.x, t.at.y, t.size, detail);
    }
}

void paintMap(Canvas& out) {
    const std::vector<Marker> markers = readMarkers();
    const std::vector<RoadPoint> road = roadThrough(markers);
    const Field f = measure(road);
    const std::vector<Pond> ponds = pondsOf(f, 7, 3);
    scene::Painting p(W, H);
    cairo_t* cr = p.cr();
    paintGround(cr, f);
    paintShore(cr, f);
    paintPonds(cr, ponds, lands::land(7));
    paintRoad(cr, road);
    paintMotifs(cr, f, ponds, markers);
    // Light from the upper left and a soft frame.
    scene::glow(cr, 120, 40, 700, rgb255(255, 245, 210), 0.22);
    cairo_pattern_t* vignette = cairo_pattern_create_radial(W / 2, H / 2, H * 0.45, W / 2, H / 2, W * 0.7);
    cairo_pattern_add_color_stop_rgba(vignette, 0.0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vignette, 1.0, 0.12, 0.05, 0.18, 0.4);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
    p.finish(out, 4242);
}

// ---------------------------------------------------------------- markers

// A round plate on the map: golden when the level has been reached, a
// muted stone when it lies ahead. A big plate (the last level of a land)
// carries a ring of studs.
void paintMarker(Canvas& c, bool reached, bool big) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0, r = m - 2.5;
    const Rgb face = reached ? rgb255(255, 196, 48) : rgb255(150, 160, 178);
    const Rgb rim = reached ? rgb255(176, 96, 20) : rgb255(80, 86, 108);
    if (reached) scene::glow(cr, m, m, m, rgb255(255, 230, 130), 0.55);
    softSilhouette(cr, c.width(), c.height(), 0.8, 1.4, 1.2, {0, 0, 0}, 0.5, [&](cairo_t* k) {
        circlePath(k, m, m, r);
        cairo_fill(k);
    });
    circlePath(cr, m, m, r);
    setColour(cr, kInk);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(m - r * 0.35, m - r * 0.4, r * 0.1, m, m, r);
    addStop(g, 0.0, lighten(face, 0.6));
    addStop(g, 0.55, face);
    addStop(g, 1.0, rim);
    circlePath(cr, m, m, r - 1.3);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Inner well with a star.
    const double inner = r * (big ? 0.62 : 0.66);
    cairo_pattern_t* w = cairo_pattern_create_linear(0, m - inner, 0, m + inner);
    addStop(w, 0.0, darken(face, 0.35));
    addStop(w, 1.0, lighten(face, 0.25));
    circlePath(cr, m, m, inner);
    cairo_set_source(cr, w);
    cairo_fill(cr);
    cairo_pattern_destroy(w);
    starPath(cr, m, m + 0.4, 5, inner * 0.82, inner * 0.38);
    setColour(cr, reached ? rgb255(255, 252, 225) : rgb255(206, 212, 226));
    cairo_fill_preserve(cr);
    setColour(cr, reached ? rgb255(200, 110, 20) : rgb255(100, 106, 128), 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    if (big) {
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            const double sx = m + std::cos(a) * r * 0.82, sy = m + std::sin(a) * r * 0.82;
            circlePath(cr, sx, sy, r * 0.07);
            setColour(cr, reached ? rgb255(255, 248, 210) : rgb255(200, 206, 220));
            cairo_fill(cr);
        }
    }
    drawGloss(cr, m, m, r - 1.3, reached ? 0.7 : 0.4);
}

// ---------------------------------------------------------------- panel

// The bottom panel of the map: a plum board with a golden edge; the
// diamond counter's well at the left (the game writes the six digits from
// x 95), the right half left calm for the "play" and "shop" buttons.
void paintPanel(Canvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    addStop(g, 0.0, rgb255(120, 64, 160));
    addStop(g, 0.12, rgb255(92, 42, 132));
    addStop(g, 1.0, rgb255(48, 18, 78));
    cairo_rectangle(cr, 0, 4, w, h - 4);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    scene::mottle(
        cr, 0, 4, w, h, [&](cairo_t* k) { cairo_rectangle(k, 0, 4, w, h - 4); }, rgb255(30, 10, 50),
        rgb255(160, 110, 200), 14, 0.12, 71);
    // Golden edge along the top, with a soft shadow on the map above.
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, 0, 7);
    addStop(gold, 0.0, rgb255(255, 244, 180));
    addStop(gold, 0.5, rgb255(240, 180, 60));
    addStop(gold, 1.0, rgb255(160, 90, 20));
    cairo_rectangle(cr, 0, 1, w, 6);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    setColour(cr, kInk, 0.8);
    cairo_rectangle(cr, 0, 0, w, 1);
    cairo_fill(cr);
    // The counter's well: a diamond and room for six 20 x 28 digits (from
    // x 95, y 23 on the panel).
    const double wx = 36, wy = 16, ww = 206, wh = 42;
    roundedRectPath(cr, wx, wy, ww, wh, wh / 2);
    cairo_pattern_t* well = cairo_pattern_create_linear(0, wy, 0, wy + wh);
    addStop(well, 0.0, rgb255(24, 8, 42));
    addStop(well, 1.0, rgb255(70, 36, 104));
    cairo_set_source(cr, well);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(well);
    setColour(cr, rgb255(240, 190, 90), 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The diamond.
    const double dx = 66, dy = 37;
    auto gem = [&](cairo_t* k) {
        cairo_move_to(k, dx - 13, dy - 5);
        cairo_line_to(k, dx - 7, dy - 12);
        cairo_line_to(k, dx + 7, dy - 12);
        cairo_line_to(k, dx + 13, dy - 5);
        cairo_line_to(k, dx, dy + 13);
        cairo_close_path(k);
    };
    scene::glow(cr, dx, dy, 22, rgb255(120, 220, 255), 0.35);
    gem(cr);
    cairo_pattern_t* facet = cairo_pattern_create_linear(dx - 13, dy - 12, dx + 13, dy + 13);
    addStop(facet, 0.0, rgb255(220, 250, 255));
    addStop(facet, 0.5, rgb255(60, 190, 250));
    addStop(facet, 1.0, rgb255(20, 90, 200));
    cairo_set_source(cr, facet);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(facet);
    setColour(cr, rgb255(10, 40, 110));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, dx - 13, dy - 5);
    cairo_line_to(cr, dx + 13, dy - 5);
    cairo_move_to(cr, dx - 5, dy - 5);
    cairo_line_to(cr, dx, dy + 13);
    cairo_line_to(cr, dx + 5, dy - 5);
    setColour(cr, {1, 1, 1}, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Studs along the board, quiet enough for the buttons.
    for (int i = 0; i < 2; ++i) {
        const double sx = i ? w - 14 : 14;
        circlePath(cr, sx, h / 2 + 4, 4);
        setColour(cr, rgb255(240, 190, 90));
        cairo_fill(cr);
        drawGloss(cr, sx, h / 2 + 4, 4, 0.8);
    }
}

// The card of a level's personal bests, shown beside its marker: a glass
// panel of 216 x 112 at (6, 4), the level's name over a gold rule at y 38,
// three lines of figures below it.
void paintBestsCard(Canvas& c) {
    ui_kit::drawPanel(c, 6, 4, 216, 112, 18);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 26, 38.5);
    cairo_line_to(cr, 202, 38.5);
    setColour(cr, rgb255(240, 196, 90));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

}  // namespace

void addJobs(const AddJob& add) {
    add("gfx/gui/map/mapa.jpg", W, H, paintMap);
    add("gfx/gui/map/panel.png", 800, 72, paintPanel);
    add("gfx/gui/map/level1.png", 30, 30, [](Canvas& c) { paintMarker(c, true, false); });
    add("gfx/gui/map/level2.png", 30, 30, [](Canvas& c) { paintMarker(c, false, false); });
    add("gfx/gui/map/duzyPodklad.png", 44, 44, [](Canvas& c) { paintMarker(c, true, true); });
    add("gfx/gui/map/duzyPodklad2.png", 44, 44, [](Canvas& c) { paintMarker(c, false, true); });
    add("gfx/gui/map/bests.png", 232, 128, paintBestsCard);
}

}  // namespace quest_map
