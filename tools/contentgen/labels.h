#pragma once
// Setting a label into its place. Every label is measured in the face that
// draws it; where its words are longer than the place was made for (other
// languages run longer than English), the element around it grows - a wider
// pill, ribbon or banner. Where it cannot grow (a picture whose size the
// game relies on, a button at the screen's edge), the label is set smaller,
// down to kSmallest of its size, and then on two lines. A label never runs
// past its place: when nothing fits, the run fails naming the text.
//
// Every character of a label must be in the face that draws it: a label
// Comfortaa lacks a character of is drawn in DejaVu Sans Bold, of the same
// weight; a character in neither face fails the run, naming the text.
#include <optional>
#include <string>
#include <vector>

#include "art.h"

namespace labels {

using art::Face;

// The smallest a label is set, as a share of its design size.
inline constexpr double kSmallest = 0.75;

// The face that has every character of `text`: `preferred` when it does,
// else the other face; nothing when neither has them all, with the first
// missing character in `missing`.
std::optional<Face> faceWithCharacters(const std::string& text, Face preferred, std::string* missing = nullptr);

// The width the ink of `text` covers in `face` at `size`.
double inkWidth(const std::string& text, Face face, double size);

// How a label is to be set: its face and size as designed, the width its
// place leaves (the ink and the outline stroked around it, `outline` being
// the stroke's full width), and the largest size at which two lines still
// fit the place's height (0: the place holds one line only).
struct Place {
    Face face = Face::Rounded;
    double size = 0;
    double room = 0;
    double outline = 0;
    double twoLineSize = 0;
};

// The width `text` needs at its design size: its ink and outline, in the
// face that has its characters (a run fails when no face has them).
double widthNeeded(const std::string& text, const Place& place);

// A label set: its face, size and lines (one, or two broken at a space).
struct Label {
    Face face = Face::Rounded;
    double size = 0;
    std::vector<std::string> lines;
    // Baselines of successive lines stand this far apart.
    double lineStep() const { return size * 1.05; }
};

// Sets `text` in its place: at its design size when it fits the room, else
// at the largest size down to kSmallest that fits one line, else on two
// lines when the place holds two. Nothing, with the reason in `why`, when
// it does not fit or no face has its characters.
std::optional<Label> tryFit(const std::string& text, const Place& place, std::string& why);
// The same, failing the run with a message naming the text and `where`.
Label fit(const std::string& text, const Place& place, const std::string& where);

// Adds the label's outline to the path: the first line on `baseline`, the
// next one lineStep() below it; `align` as art::textPath.
void addPath(cairo_t* cr, const Label& label, double x, double baseline, int align = 1);
// The first baseline that centres the label's lines where one line would
// stand on `oneLine`.
double centredBaseline(const Label& label, double oneLine);

// Tells, in a run's output, how a label changed its place.
void note(const std::string& text, const std::string& what);
// The same for a label that widened `what` from `from` to `to` pixels.
void noteWider(const std::string& text, const std::string& what, int from, int to);

}  // namespace labels
