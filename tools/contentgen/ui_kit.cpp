#include "ui_kit.h"

#include <algorithm>
#include <cmath>

#include "labels.h"

namespace ui_kit {

using namespace art;

namespace {

// A pill's canvas leaves 6 pixels left of it and 7 right for its glow and
// shadow; the candy face lies 2.2 pixels inside the plum rim.
constexpr double kPillMargins = 13, kPillRim = 2.2;
double pillFaceWidth(int cellW) { return cellW - kPillMargins - 2 * kPillRim; }
double pillFaceHeight(int cellH) { return cellH - kPillMargins - 2 * kPillRim; }

// The label's place on a pill of face height fh: the face's width less the
// round ends and the icon beside the label.
double pillIconPart(const PillStyle& style, double fh) { return style.icon ? 2 * fh * 0.3 + fh * 0.18 : 0; }
labels::Place pillLabelPlace(const PillStyle& style, double fw, double fh) {
    return {Face::Rounded, fh * 0.56, fw - 2 * 0.15 * fh - pillIconPart(style, fh), 3.0, fh * 0.44};
}

// The widest advance of the label's lines, as drawn on `cr`.
double advance(cairo_t* cr, const labels::Label& label) {
    setFace(cr, label.face, label.size);
    double widest = 0;
    for (const std::string& line : label.lines) widest = std::max(widest, textWidth(cr, line));
    return widest;
}

// The label's lines in the column from `left`, `width` wide: one line starts
// at `left`, two are centred in the column.
void labelPath(cairo_t* cr, const labels::Label& label, double left, double width, double baseline) {
    if (label.lines.size() == 1) labels::addPath(cr, label, left, baseline, 0);
    else labels::addPath(cr, label, left + width / 2, baseline, 1);
}

}  // namespace

void pillPath(cairo_t* cr, double x, double y, double w, double h) { roundedRectPath(cr, x, y, w, h, h / 2); }

void insetShadow(cairo_t* cr, int W, int H, double dy, double alpha, const Shape& outline) {
    softSilhouette(cr, W, H, 0, dy, 2.5, {0, 0, 0}, alpha, [&](cairo_t* m) {
        cairo_rectangle(m, 0, 0, W, H);
        outline(m);
        cairo_set_fill_rule(m, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(m);
    });
}

void drawPill(Canvas& c, const PillStyle& style, Look look, const std::string& where) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    const bool pressed = look == Look::Pressed, hover = look == Look::Hover;
    const double x = 6, w = W - 13, h = H - 13;
    const double y = 5 + (pressed ? 1.5 : 0);

    if (hover) {
        // A warm halo around the lit button.
        softSilhouette(cr, W, H, 0, 0, 3.5, rgb255(255, 200, 70), 0.95, [&](cairo_t* m) {
            pillPath(m, x - 2, y - 2, w + 4, h + 4);
            cairo_fill(m);
        });
    }
    softSilhouette(cr, W, H, pressed ? 0.6 : 1.6, pressed ? 1.0 : 2.6, pressed ? 1.4 : 2.4, {0.05, 0, 0.12},
                   pressed ? 0.35 : 0.5, [&](cairo_t* m) {
                       pillPath(m, x, y, w, h);
                       cairo_fill(m);
                   });

    // Plum rim.
    pillPath(cr, x, y, w, h);
    setColour(cr, kInk);
    cairo_fill(cr);

    // Candy face, lit from above; brighter when hovered, deeper when pressed.
    const double in = 2.2;
    const double fx = x + in, fy = y + in, fw = w - 2 * in, fh = h - 2 * in;
    Rgb base = style.base;
    if (hover) base = lighten(base, 0.18);
    if (pressed) base = darken(base, 0.18);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, fy, 0, fy + fh);
    if (pressed) {
        addStop(face, 0.0, darken(base, 0.25));
        addStop(face, 0.5, base);
        addStop(face, 1.0, lighten(base, 0.15));
    } else {
        addStop(face, 0.0, lighten(base, 0.45));
        addStop(face, 0.48, base);
        addStop(face, 1.0, darken(base, 0.35));
    }
    pillPath(cr, fx, fy, fw, fh);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);

    cairo_save(cr);
    pillPath(cr, fx, fy, fw, fh);
    cairo_clip(cr);
    if (pressed) {
        // Pressed in: a shadow along the upper inner edge.
        insetShadow(cr, W, H, 2.5, 0.45, [&](cairo_t* m) { pillPath(m, fx, fy, fw, fh); });
    } else {
        // Light bouncing up from the bottom edge.
        cairo_pattern_t* bounce = cairo_pattern_create_linear(0, fy + fh * 0.6, 0, fy + fh);
        addStop(bounce, 0.0, lighten(base, 0.5), 0.0);
        addStop(bounce, 1.0, lighten(base, 0.5), 0.55);
        cairo_rectangle(cr, fx, fy + fh * 0.6, fw, fh * 0.4);
        cairo_set_source(cr, bounce);
        cairo_fill(cr);
        cairo_pattern_destroy(bounce);
    }
    // Glassy upper half.
    const double gy = fy + 1.2, gh = fh * 0.46;
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, gy, 0, gy + gh);
    cairo_pattern_add_color_stop_rgba(gloss, 0.0, 1, 1, 1, pressed ? 0.3 : 0.7);
    cairo_pattern_add_color_stop_rgba(gloss, 1.0, 1, 1, 1, 0.06);
    pillPath(cr, fx + fh * 0.22, gy, fw - fh * 0.44, gh);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
    cairo_restore(cr);

    // Icon and label, centred together.
    const labels::Label label = labels::fit(style.label, pillLabelPlace(style, fw, fh), where);
    const double labelW = advance(cr, label);
    const double iconR = style.icon ? fh * 0.3 : 0;
    const double gap = style.icon ? fh * 0.18 : 0;
    const double total = labelW + (style.icon ? 2 * iconR + gap : 0);
    const double left = fx + (fw - total) / 2;
    const double cy = fy + fh / 2;
    const double baseline = labels::centredBaseline(label, cy + label.size * 0.36);
    if (style.icon) style.icon(cr, left + iconR, cy, iconR);
    const double tx = left + (style.icon ? 2 * iconR + gap : 0);
    const Rgb letters = hover ? rgb255(255, 236, 130) : rgb255(255, 255, 255);
    softSilhouette(cr, W, H, 0.8, 1.2, 1.0, {0, 0, 0}, 0.45, [&](cairo_t* m) {
        labelPath(m, label, tx, labelW, baseline);
        cairo_fill(m);
    });
    labelPath(cr, label, tx, labelW, baseline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3.0);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, letters);
    cairo_fill(cr);

    if (look == Look::Disabled) toGrey(c, 0.92);
}

void writeStrip(int cellW, int cellH, int count, const std::function<void(Canvas&, int)>& drawCell,
                const std::string& path) {
    Canvas strip(cellW * count, cellH);
    for (int i = 0; i < count; ++i) {
        Canvas cell(cellW, cellH);
        drawCell(cell, i);
        cairo_set_source_surface(strip.cr(), cell.surface(), i * cellW, 0);
        cairo_paint(strip.cr());
    }
    writePicture(strip, path);
}


int pillWidth(const PillStyle& style, int cellW, int cellH, int widestCell) {
    const double fw = pillFaceWidth(cellW), fh = pillFaceHeight(cellH);
    const labels::Place place = pillLabelPlace(style, fw, fh);
    const double spare = place.room - labels::widthNeeded(style.label, place);
    if (spare >= 0) return cellW;
    const int width = int(std::ceil(cellW - spare));
    return widestCell > 0 ? std::min(width, std::max(widestCell, cellW)) : width;
}

void writePillButton(const std::string& path, int cellW, int cellH, const PillStyle& style, int widestCell) {
    const int width = pillWidth(style, cellW, cellH, widestCell);
    if (width != cellW) labels::noteWider(style.label, path, cellW, width);
    writeStrip(width, cellH, 4, [&](Canvas& c, int i) { drawPill(c, style, kStepLooks[i], path); }, path);
}

void drawRoundButton(Canvas& c, Rgb base, const Icon& icon, Look look) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    const bool pressed = look == Look::Pressed, hover = look == Look::Hover;
    const double cx = W / 2.0, cy = H / 2.0 - 1 + (pressed ? 1 : 0), r = std::min(W, H) / 2.0 - 5;
    if (hover) {
        softSilhouette(cr, W, H, 0, 0, 3, rgb255(255, 200, 70), 0.95, [&](cairo_t* m) {
            circlePath(m, cx, cy, r + 1.5);
            cairo_fill(m);
        });
    }
    softSilhouette(cr, W, H, 1, pressed ? 1 : 2, 1.8, {0.05, 0, 0.12}, 0.5, [&](cairo_t* m) {
        circlePath(m, cx, cy, r);
        cairo_fill(m);
    });
    circlePath(cr, cx, cy, r);
    setColour(cr, kInk);
    cairo_fill(cr);
    Rgb face = hover ? lighten(base, 0.18) : pressed ? darken(base, 0.18) : base;
    const double fr = r - 2;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - fr, 0, cy + fr);
    addStop(p, 0.0, pressed ? darken(face, 0.2) : lighten(face, 0.45));
    addStop(p, 0.5, face);
    addStop(p, 1.0, pressed ? lighten(face, 0.1) : darken(face, 0.35));
    circlePath(cr, cx, cy, fr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    drawGloss(cr, cx, cy, fr, pressed ? 0.5 : 0.9);
    if (icon) icon(cr, cx, cy, fr * 0.62);
    if (look == Look::Disabled) toGrey(c, 0.92);
}

void drawPanel(Canvas& c, double x, double y, double w, double h, double radius) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    softSilhouette(cr, W, H, 3, 5, 7, {0.02, 0, 0.08}, 0.55, [&](cairo_t* m) {
        roundedRectPath(m, x, y, w, h, radius);
        cairo_fill(m);
    });
    // Plum rim with a thin gold line inside it.
    roundedRectPath(cr, x, y, w, h, radius);
    setColour(cr, kInk);
    cairo_fill(cr);
    const double in = 4;
    roundedRectPath(cr, x + in, y + in, w - 2 * in, h - 2 * in, radius - in);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(gold, 0.0, rgb255(255, 226, 120));
    addStop(gold, 0.5, rgb255(214, 150, 40));
    addStop(gold, 1.0, rgb255(255, 210, 100));
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // Violet glass.
    const double gi = 7;
    const double gx = x + gi, gy = y + gi, gw = w - 2 * gi, gh = h - 2 * gi, gr = radius - gi;
    roundedRectPath(cr, gx, gy, gw, gh, gr);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, gy, 0, gy + gh);
    addStop(glass, 0.0, rgb255(92, 52, 160));
    addStop(glass, 0.35, rgb255(62, 32, 122));
    addStop(glass, 1.0, rgb255(34, 16, 78));
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    // A soft light from the upper left and faint sparkles in the glass.
    cairo_save(cr);
    roundedRectPath(cr, gx, gy, gw, gh, gr);
    cairo_clip(cr);
    cairo_pattern_t* light = cairo_pattern_create_radial(gx + gw * 0.2, gy, 0, gx + gw * 0.2, gy, gw * 0.9);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 1, 0.9, 1, 0.22);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 1, 0.9, 1, 0.0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    Random rnd(uint32_t(w * 131 + h * 17));
    for (int i = 0; i < int(gw * gh / 2500); ++i) {
        const double sx = rnd.uniform(gx, gx + gw), sy = rnd.uniform(gy, gy + gh), sr = rnd.uniform(0.6, 1.6);
        circlePath(cr, sx, sy, sr);
        setColour(cr, {1, 1, 1}, rnd.uniform(0.05, 0.2));
        cairo_fill(cr);
    }
    insetShadow(cr, W, H, 3, 0.55, [&](cairo_t* m) { roundedRectPath(m, gx, gy, gw, gh, gr); });
    cairo_restore(cr);
    // Sheen along the top.
    roundedRectPath(cr, gx + 10, gy + 3, gw - 20, std::min(26.0, gh / 5), 12);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, gy + 3, 0, gy + 29);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.22);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
}

void drawTitleRibbon(Canvas& c, double cx, double cy, double width, const std::string& title, double widest) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    // The title stands clear of the notched ends; a longer one widens the
    // ribbon up to `widest`, beyond which it is set smaller or on two lines
    // (and the ribbon grows downward, over its panel).
    const double inset = 20;
    labels::Place place{Face::Rounded, 24, width - 2 * inset, 4, 24};
    const double needed = labels::widthNeeded(title, place) + 2 * inset;
    if (needed > width && widest > width) {
        const double wider = std::ceil(std::min(needed, widest));
        labels::noteWider(title, "its ribbon", int(width), int(wider));
        width = wider;
        place.room = width - 2 * inset;
    }
    const labels::Label label = labels::fit(title, place, "a title ribbon");
    const double taller = (label.lines.size() - 1) * label.lineStep();
    cy += taller / 2;
    const double h = 40 + taller, x = cx - width / 2, y = cy - h / 2;
    auto band = [&](cairo_t* m) {
        cairo_move_to(m, x, y);
        cairo_line_to(m, x + width, y);
        cairo_line_to(m, x + width - 12, cy);
        cairo_line_to(m, x + width, y + h);
        cairo_line_to(m, x, y + h);
        cairo_line_to(m, x + 12, cy);
        cairo_close_path(m);
    };
    softSilhouette(cr, W, H, 1.5, 3, 3, {0, 0, 0.1}, 0.5, [&](cairo_t* m) {
        band(m);
        cairo_fill(m);
    });
    band(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(gold, 0.0, rgb255(255, 236, 150));
    addStop(gold, 0.45, rgb255(244, 180, 50));
    addStop(gold, 1.0, rgb255(196, 118, 24));
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // Gloss on the upper half.
    cairo_rectangle(cr, x + 14, y + 3, width - 28, h * 0.38);
    setColour(cr, {1, 1, 1}, 0.28);
    cairo_fill(cr);
    labels::addPath(cr, label, cx, labels::centredBaseline(label, cy + label.size * 0.36), 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
}

void signMarble(cairo_t* cr, double cx, double cy, double r, Rgb base, const char* sign, double size, double drop) {
    drawMarble(cr, cx, cy, r, base, [&](cairo_t* k) {
        setFace(k, Face::Rounded, r * size);
        textPath(k, sign, cx, cy + r * drop, 1);
        cairo_set_line_join(k, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(k, r * 0.12);
        setColour(k, kInk);
        cairo_stroke_preserve(k);
        setColour(k, {1, 1, 1});
        cairo_fill(k);
    });
}

void drawWell(Canvas& c, double x, double y, double w, double h, double radius) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    roundedRectPath(cr, x, y, w, h, radius);
    setColour(cr, rgb255(12, 6, 30), 0.92);
    cairo_fill(cr);
    cairo_save(cr);
    roundedRectPath(cr, x, y, w, h, radius);
    cairo_clip(cr);
    insetShadow(cr, W, H, 2, 0.8, [&](cairo_t* m) { roundedRectPath(m, x, y, w, h, radius); });
    cairo_restore(cr);
    roundedRectPath(cr, x - 0.5, y - 0.5, w + 1, h + 1, radius + 0.5);
    setColour(cr, rgb255(190, 170, 255), 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

namespace {
// A white shape with a plum outline: how every icon is finished.
void inkAndFill(cairo_t* cr, double line, Rgb fill = {1, 1, 1}) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, line);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}
}  // namespace

void plusIcon(cairo_t* cr, double cx, double cy, double r) {
    const double t = r * 0.32;
    cairo_rectangle(cr, cx - r, cy - t, 2 * r, 2 * t);
    cairo_rectangle(cr, cx - t, cy - r, 2 * t, 2 * r);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    inkAndFill(cr, 3.0);
}

void minusIcon(cairo_t* cr, double cx, double cy, double r) {
    const double t = r * 0.32;
    cairo_rectangle(cr, cx - r, cy - t, 2 * r, 2 * t);
    inkAndFill(cr, 3.0);
}

void arrowIcon(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx - r * 0.55, cy - r * 0.8);
    cairo_line_to(cr, cx + r * 0.85, cy);
    cairo_line_to(cr, cx - r * 0.55, cy + r * 0.8);
    cairo_close_path(cr);
    inkAndFill(cr, 3.0);
}

void tickIcon(cairo_t* cr, double cx, double cy, double r) {
    cairo_move_to(cr, cx - r * 0.9, cy + r * 0.05);
    cairo_line_to(cr, cx - r * 0.3, cy + r * 0.65);
    cairo_line_to(cr, cx + r * 0.9, cy - r * 0.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, r * 0.55 + 3);
    cairo_stroke_preserve(cr);
    setColour(cr, {1, 1, 1});
    cairo_set_line_width(cr, r * 0.55);
    cairo_stroke(cr);
}

void crossIcon(cairo_t* cr, double cx, double cy, double r) {
    const double d = r * 0.7;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, cx - d, cy - d);
        cairo_line_to(cr, cx + d, cy + d);
        cairo_move_to(cr, cx + d, cy - d);
        cairo_line_to(cr, cx - d, cy + d);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setColour(cr, pass == 0 ? kInk : Rgb{1, 1, 1});
        cairo_set_line_width(cr, pass == 0 ? r * 0.5 + 3 : r * 0.5);
        cairo_stroke(cr);
    }
}

void personIcon(cairo_t* cr, double cx, double cy, double r) {
    circlePath(cr, cx, cy - r * 0.42, r * 0.38);
    inkAndFill(cr, 3.0);
    // Shoulders: a half-round body under the head.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.78, cy + r * 0.9);
    cairo_curve_to(cr, cx - r * 0.78, cy + r * 0.02, cx + r * 0.78, cy + r * 0.02, cx + r * 0.78, cy + r * 0.9);
    cairo_close_path(cr);
    inkAndFill(cr, 3.0);
}

void diamondIcon(cairo_t* cr, double cx, double cy, double r) {
    const double top = cy - r * 0.55, girdle = cy - r * 0.1, tip = cy + r * 0.85;
    cairo_move_to(cr, cx - r * 0.55, top);
    cairo_line_to(cr, cx + r * 0.55, top);
    cairo_line_to(cr, cx + r * 0.95, girdle);
    cairo_line_to(cr, cx, tip);
    cairo_line_to(cr, cx - r * 0.95, girdle);
    cairo_close_path(cr);
    inkAndFill(cr, 3.0, rgb255(150, 230, 255));
    // Facets.
    cairo_move_to(cr, cx - r * 0.95, girdle);
    cairo_line_to(cr, cx + r * 0.95, girdle);
    cairo_move_to(cr, cx - r * 0.3, girdle);
    cairo_line_to(cr, cx, tip);
    cairo_line_to(cr, cx + r * 0.3, girdle);
    setColour(cr, rgb255(40, 120, 180), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void powerIcon(cairo_t* cr, double cx, double cy, double r) {
    for (int pass = 0; pass < 2; ++pass) {
        const double w = r * 0.32 + (pass == 0 ? 3 : 0);
        setColour(cr, pass == 0 ? kInk : Rgb{1, 1, 1});
        cairo_set_line_width(cr, w);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy + r * 0.08, r * 0.72, -M_PI / 2 + 0.75, -M_PI / 2 - 0.75 + 2 * M_PI);
        cairo_stroke(cr);
        cairo_move_to(cr, cx, cy - r * 0.9);
        cairo_line_to(cr, cx, cy - r * 0.05);
        cairo_stroke(cr);
    }
}

void starIcon(cairo_t* cr, double cx, double cy, double r) {
    starPath(cr, cx, cy + r * 0.06, 5, r, r * 0.45);
    inkAndFill(cr, 3.0, rgb255(255, 230, 90));
}

}  // namespace ui_kit
