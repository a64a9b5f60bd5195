#pragma once
// The credits: a fixed page of the first 40 lines of data/credits.txt over the
// main menu, behind a white veil that fades in to a white page. Forty lines do
// not fit one column of the page, so lines 1 to 20 make the left column and 21
// to 40 the right one, each line centred in its column. A line's first
// character sets its style: "@" a heading, "#" a sub-heading (neither mark is
// shown), anything else a plain line. A click or Escape fades the page out.
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/font.h"

class TCredits {
public:
    static constexpr const char* kFile = "data/credits.txt";
    static constexpr int kLines = 40;
    static constexpr int kColumnLines = 20;
    static constexpr int kColumnWidth = 400;
    static constexpr float kTop = 50;

    // One line as the page shows it.
    struct Line {
        std::string text;  // without its style mark
        TImageFontPtr font;
        TRGB colour;
        int x = 0;   // centred in its column
        int dy = 0;  // below the top of its column's first line
    };

    float y = kTop;                  // top of the first line
    std::vector<std::string> lista;  // the lines as written, with their marks
    std::vector<Line> lines;         // laid out once, in their fonts
    float alpha = 0, dAlpha = 0;     // the page's opacity and its target

    // Reads and lays out the lines; a line the file lacks shows the missing-
    // line text. Needs the game's fonts.
    int setup(const std::string& path = kFile);
    int draw();
    int update();
    int prepare();
    // Shows the page over the main menu until it has faded out again; returns 0.
    int mainLoop();
    // After each frame: a click or Escape starts the fade-out. True once the
    // page has gone.
    bool react();
};
