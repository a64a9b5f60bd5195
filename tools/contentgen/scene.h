#pragma once
// Tools for the large painted scenes (backdrops, the quest map, the menu):
// a double-size canvas scaled down on output, smooth noise for texture,
// blurred shapes limited to their own box, hill lines and skies.
#include <cairo.h>

#include <cstdint>

#include "art.h"

namespace scene {

using art::Rgb;

// Smooth value noise in 0..1 with features about one unit apart, and a sum of
// octaves of it (each half the size and half the weight of the one before).
double noise(double x, double y, uint32_t seed);
double fbm(double x, double y, uint32_t seed, int octaves = 4);

// A scene painted at twice its size; the context draws in the picture's own
// pixels. `finish` scales it down with a faint grain so nothing is flat.
class Painting {
public:
    Painting(int width, int height);
    cairo_t* cr() const { return canvas_.cr(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The picture at its real size, opaque.
    void finish(art::Canvas& out, uint32_t seed, double grain = 2.5) const;

private:
    int width_, height_;
    art::Canvas canvas_;
};

// A shape blurred by `radius` (picture pixels) and painted in one colour; the
// blur only covers the box (x0, y0)-(x1, y1), so small shadows stay cheap.
void soft(cairo_t* cr, double x0, double y0, double x1, double y1, double radius, Rgb colour, double alpha,
          const art::Shape& shape);

// Mottles the area the shape outlines: noise of feature size `scale` blends
// between `dark` and `light` at up to `strength` opacity; (x0, y0)-(x1, y1)
// bounds the shape.
void mottle(cairo_t* cr, double x0, double y0, double x1, double y1, const art::Shape& shape, Rgb dark, Rgb light,
            double scale, double strength, uint32_t seed);

// The skyline of a layer of land: its top edge at every x.
struct Ridge {
    enum Kind { Rolling, Peaks, Mesas, Dunes, Flat };
    Kind kind = Rolling;
    double base = 300;        // mean height of the top edge
    double amplitude = 40;    // how far it rises above the base
    double wavelength = 200;  // distance between hills
    uint32_t seed = 1;
    double top(double x) const;
    // The layer's outline from x0 to x1, closed along y = bottom.
    void path(cairo_t* cr, double x0, double x1, double bottom) const;
};

// Fills a ridge layer: `lit` at the top edge to `shade` at the bottom, a
// mottled texture and a rim of `rim` light along the edge.
void fillRidge(cairo_t* cr, const Ridge& ridge, double x0, double x1, double bottom, Rgb lit, Rgb shade, Rgb rim,
               double rimAlpha, double texture);

// A sky: gradient from `top` to `horizon` (at y = horizonY, continuing
// below), a glow of `light` around the sun at (sunX, sunY).
void sky(cairo_t* cr, double width, double horizonY, Rgb top, Rgb horizon, Rgb light, double sunX, double sunY,
         double glowRadius);
// A soft cumulus cloud, lit from above, centred at (x, y), `w` wide.
void cloud(cairo_t* cr, double x, double y, double w, Rgb lit, Rgb shade, double alpha, uint32_t seed);
// A radial glow of light (for suns, lamps, sparkles).
void glow(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha);

}  // namespace scene
