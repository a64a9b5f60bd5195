#pragma once
// The credits: a fixed page of the first 40 lines of data/credits.txt, each
// centred, over the main menu behind a light white veil that fades in. A line's
// first character sets its style: "@" a heading, "#" a sub-heading (neither
// mark is shown), anything else a plain line. A click or Escape fades the
// page out again.
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/font.h"

class TCredits {
public:
    static constexpr const char* kFile = "data/credits.txt";
    static constexpr int kLines = 40;
    static constexpr float kTop = 50;
    // The white veil's opacity once the page has faded in: light enough that
    // the main menu shows through it.
    static constexpr float kVeil = 0.35f;

    // One line as the page shows it.
    struct Line {
        std::string text;  // without its style mark
        TImageFontPtr font;
        TRGB colour;
        int x = 0;   // centred on the screen
        int dy = 0;  // below the first line's top
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
