#pragma once
// Shared drawing helpers of the picture generator: colours, canvases, soft
// shadows and glows, lettering, common shapes and the glossy marble that
// most of the game's pictures are built from.
//
// House style: light comes from the upper left, shadows fall to the lower
// right, edges are anti-aliased, sprites have transparent backgrounds.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb rgb255(int r, int g, int b);
Rgb hsv(double hueDegrees, double s, double v);
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighten(Rgb c, double t);  // toward white by t (0..1)
Rgb darken(Rgb c, double t);   // toward black by t (0..1)
double luminance(Rgb c);
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
// The deep plum of outlines on titles, lettering and button rims.
inline const Rgb kInk = rgb255(62, 20, 92);
void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// A transparent ARGB picture with its drawing context.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Where pictures go, and the record of every picture written (for the
// contact sheet). Paths are relative to the output folder, with "/".
// A path ending in ".jpg" is written as an opaque JPEG (painted scenes),
// anything else as PNG.
void setOutputFolder(const std::string& folder);
const std::string& outputFolder();
bool writePicture(Canvas& canvas, const std::string& relativePath);
constexpr int kJpegQuality = 90;
// Reads a PNG or JPEG written by writePicture back as an ARGB32 surface (the
// caller destroys it); a surface in an error state when it cannot.
cairo_surface_t* readPicture(const std::string& fullPath);
struct Written {
    std::string path;
    int width, height;
};
const std::vector<Written>& writtenPictures();
bool anyWriteFailed();

// Deterministic random numbers for scattered decoration.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 1u) {}
    uint32_t next();
    double uniform(double lo, double hi);
    int range(int lo, int hi);  // inclusive

private:
    uint32_t state_;
};

// Blurs a whole ARGB32 or A8 surface in place (three box passes, close to a
// gaussian of the given radius).
void blur(cairo_surface_t* surface, double radius);

using Shape = std::function<void(cairo_t*)>;

// Paints the blurred silhouette of `shape` (drawn by the callback as a filled
// path or any painting) in `colour`, offset by (dx, dy). Used for drop
// shadows (dark, offset down-right) and glows (light, no offset).
void softSilhouette(cairo_t* cr, int width, int height, double dx, double dy,
                    double radius, Rgb colour, double alpha, const Shape& shape);

// Lettering from the two faces the game ships, loaded straight from their
// files so the output never depends on the system's font configuration.
enum class Face { Sans, Rounded };
void setFace(cairo_t* cr, Face face, double size);
// Adds the text's outline to the current path, aligned: 0 left, 1 centre,
// 2 right of x; y is the baseline.
void textPath(cairo_t* cr, const std::string& text, double x, double y, int align = 1);
double textWidth(cairo_t* cr, const std::string& text);
// Whether the face has a glyph for every character of the UTF-8 `text`; when
// not, `missing` (if given) receives the first character it lacks.
bool faceHasCharacters(Face face, const std::string& text, std::string* missing = nullptr);
void releaseFonts();

// Paths in absolute coordinates.
void circlePath(cairo_t* cr, double cx, double cy, double r);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angleDeg = 0);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void starPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotationDeg = -90);

// A glossy glass marble of the given colour. `inner` (may be empty) is
// painted inside the sphere before the gloss, so symbols look set in glass.
struct MarbleStyle {
    double shadow = 0.35;     // drop shadow strength
    double outline = 0.75;    // dark rim strength
    bool specular = true;
};
void drawMarble(cairo_t* cr, double cx, double cy, double r, Rgb base,
                const Shape& inner = {}, const MarbleStyle& style = {});
// Only the gloss of a marble (highlight and sparkle) for pictures that build
// their own body.
void drawGloss(cairo_t* cr, double cx, double cy, double r, double strength = 1.0);

// Draws the canvas `src` scaled into dst at (x, y, w, h), smooth filtering.
void paintScaled(cairo_t* dst, cairo_surface_t* src, double x, double y, double w, double h);

// Converts the canvas to a grey copy (for disabled buttons).
void toGrey(Canvas& canvas, double brightness = 1.0);

}  // namespace art
