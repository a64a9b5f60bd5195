#include "labels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace labels {

namespace {

// Measuring needs a context; labels are measured as they are drawn, with
// the same font options and no transformation.
cairo_t* scratch() {
    static art::Canvas canvas(1, 1);
    return canvas.cr();
}

const char* faceName(Face face) { return face == Face::Sans ? "DejaVu Sans Bold" : "Comfortaa Bold"; }

double widestLine(const std::vector<std::string>& lines, Face face, double size) {
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, inkWidth(line, face, size));
    return widest;
}

// The largest size up to `top` at which every line, with the outline, fits
// the room; 0 when there is no room at all.
double largestFitting(const std::vector<std::string>& lines, Face face, double top, const Place& place) {
    const double room = place.room - place.outline;
    const double widest = widestLine(lines, face, top);
    if (widest <= room) return top;
    if (room <= 0) return 0;
    // Ink grows with the size (metrics are not hinted); step down the last
    // fraction that rounding may leave.
    double size = top * room / widest;
    while (size > 0 && widestLine(lines, face, size) > room) size *= 0.995;
    return size;
}

// Marks that never begin a line: dashes and closing punctuation stay with
// the words before them.
bool beginsWithMark(const std::string& line) {
    for (const char* mark : {"-", "\u2013", "\u2014", "!", "?", ":", ";", ")", "\u00BB", "\u203A"})
        if (line.rfind(mark, 0) == 0) return true;
    return false;
}

// The break at a space that makes the wider of the two lines narrowest:
// the two lines, or nothing for a single word.
std::optional<std::vector<std::string>> twoLines(const std::string& text, Face face, double size) {
    std::optional<std::vector<std::string>> best;
    double bestWidth = 0;
    for (size_t space = text.find(' '); space != std::string::npos; space = text.find(' ', space + 1)) {
        const size_t firstEnd = text.find_last_not_of(' ', space);
        const size_t secondStart = text.find_first_not_of(' ', space);
        if (firstEnd == std::string::npos || secondStart == std::string::npos) continue;
        std::vector<std::string> lines = {text.substr(0, firstEnd + 1), text.substr(secondStart)};
        if (beginsWithMark(lines[1])) continue;
        const double width = widestLine(lines, face, size);
        if (!best || width < bestWidth) best = lines, bestWidth = width;
    }
    return best;
}

std::string percent(double share) { return std::to_string(int(std::floor(share * 100))) + " %"; }

[[noreturn]] void fail(const std::string& text, const std::string& where, const std::string& why) {
    const std::string in = where.empty() ? "" : " (" + where + ")";
    std::fprintf(stderr, "contentgen: \"%s\"%s: %s\n", text.c_str(), in.c_str(), why.c_str());
    std::exit(1);
}

}  // namespace

std::optional<Face> faceWithCharacters(const std::string& text, Face preferred, std::string* missing) {
    if (art::faceHasCharacters(preferred, text, missing)) return preferred;
    const Face other = preferred == Face::Rounded ? Face::Sans : Face::Rounded;
    if (art::faceHasCharacters(other, text)) return other;
    return std::nullopt;
}

double inkWidth(const std::string& text, Face face, double size) {
    cairo_t* cr = scratch();
    art::setFace(cr, face, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.width;
}

double widthNeeded(const std::string& text, const Place& place) {
    std::string missing;
    const std::optional<Face> face = faceWithCharacters(text, place.face, &missing);
    if (!face) fail(text, "", "neither face has " + missing);
    return inkWidth(text, *face, place.size) + place.outline;
}

std::optional<Label> tryFit(const std::string& text, const Place& place, std::string& why) {
    std::string missing;
    const std::optional<Face> face = faceWithCharacters(text, place.face, &missing);
    if (!face) {
        why = "neither face has " + missing;
        return std::nullopt;
    }
    const double smallest = place.size * kSmallest;
    const double oneLine = largestFitting({text}, *face, place.size, place);
    if (oneLine >= smallest) return Label{*face, oneLine, {text}};
    const double top = std::min(place.size, place.twoLineSize);
    if (place.twoLineSize > 0 && top >= smallest) {
        if (const auto lines = twoLines(text, *face, top)) {
            const double size = largestFitting(*lines, *face, top, place);
            if (size >= smallest) return Label{*face, size, *lines};
        }
    }
    const double needed = inkWidth(text, *face, smallest) + place.outline;
    why = "needs " + std::to_string(int(std::ceil(needed))) + " px at " + percent(kSmallest) +
          " of its size, its place has " + std::to_string(int(std::floor(place.room))) + " px" +
          (place.twoLineSize > 0 ? " and two lines do not fit either" : "");
    return std::nullopt;
}

Label fit(const std::string& text, const Place& place, const std::string& where) {
    std::string why;
    const std::optional<Label> label = tryFit(text, place, why);
    if (!label) fail(text, where, why);
    const std::string in = where.empty() ? "" : " (" + where + ")";
    if (label->face != place.face)
        note(text, std::string("is drawn in ") + faceName(label->face) + ": " + faceName(place.face) +
                       " lacks a character" + in);
    if (label->size < place.size) note(text, "is set at " + percent(label->size / place.size) + " of its size" + in);
    if (label->lines.size() > 1) note(text, "takes two lines" + in);
    return *label;
}

void addPath(cairo_t* cr, const Label& label, double x, double baseline, int align) {
    art::setFace(cr, label.face, label.size);
    for (size_t i = 0; i < label.lines.size(); ++i)
        art::textPath(cr, label.lines[i], x, baseline + i * label.lineStep(), align);
}

double centredBaseline(const Label& label, double oneLine) {
    return oneLine - (label.lines.size() - 1) * label.lineStep() / 2;
}

void note(const std::string& text, const std::string& what) {
    // A pill is drawn once for each of its looks: tell it once.
    static std::set<std::string> told;
    const std::string line = "contentgen: \"" + text + "\" " + what;
    if (told.insert(line).second) std::printf("%s\n", line.c_str());
}

void noteWider(const std::string& text, const std::string& what, int from, int to) {
    note(text, "widens " + what + " from " + std::to_string(from) + " to " + std::to_string(to) + " px");
}

}  // namespace labels
