// The loaders of level files: TLevel's side of the level catalogue.
//
//   level {
//       typ = "NORMAL-TWO"
//       available = "1 2 3 4"     colour codes
//       bonus = "2 16"            bonus numbers k: kinds 100 + k
//       rozmiar = 2               marble size 1, 2 or 3 (20, 30, 45 pixels)
//       rows = 15
//       cols = 15
//       ...
//       tiles {
//           random = 4            fill depth; 0 means the rows below
//           row1 = "0 0 101 101"  codes: 0 empty, k colour k at the bottom,
//       }                         100 + k colour k at the top
//   }
//
// Level data the board cannot hold is clamped, or the level is refused, with
// a line on the console; nothing in a level file can crash the game.
#include <climits>
#include <cmath>

#include "board/level.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "shell/media/media.h"

namespace {

// A list field as a whole number: a decimal truncated toward zero, clamped to
// the int range; an empty field reads as 0.
int fieldValue(const std::string& field) {
    const double v = std::trunc(readDecimal(field));
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    return int(v);
}

std::vector<int> numberList(const std::string& text) {
    std::vector<int> values;
    for (const std::string& field : splitString(text, " ")) values.push_back(fieldValue(field));
    return values;
}

void problem(const TRCMFile& file, const std::string& text) { Print("Napotkano problem : " + file._path + ": " + text); }

constexpr int kMaxTimeSteps = 360000;
constexpr int kMaxLines = 1000000;

int clampTo(const TRCMFile& file, const std::string& what, int value, int low, int high) {
    if (value >= low && value <= high) return value;
    const int fixed = value < low ? low : high;
    problem(file, what + " " + std::to_string(value) + " is outside " + std::to_string(low) + "-" +
                      std::to_string(high) + "; using " + std::to_string(fixed));
    return fixed;
}

}  // namespace

bool TLevel::_loadData(const TRCMFile& file, const std::string& prefix) {
    const std::vector<int> colourCodes = numberList(file.getString(prefix + "available"));
    const std::vector<int> bonusNumbers = numberList(file.getString(prefix + "bonus"));

    const int size = clampTo(file, "marble size", file.getInt(prefix + "rozmiar"), 1, 3);
    zestaw = size - 1;
    rozmiar = kCellSizes[zestaw];

    available.clear();
    for (int code : colourCodes) {
        if (TTileDataPtr kind = tileKindForCode(code)) available.push_back(std::move(kind));
        else problem(file, "colour " + std::to_string(code) + " names no tile kind; left out");
    }
    bonusy.clear();
    for (int k : bonusNumbers) {
        // 100 + k must not overflow for a silly k.
        TTileDataPtr kind = k > 0 && k < 1000 ? tileKindById(100 + k) : nullptr;
        if (kind) bonusy.push_back(std::move(kind));
        else problem(file, "bonus " + std::to_string(k) + " names no bonus marble; left out");
    }

    imgUrl = file.getString(prefix + "img");
    typ = file.getString(prefix + "typ");
    rows = file.getInt(prefix + "rows");
    cols = file.getInt(prefix + "cols");
    // Times in 10 ms (push interval) and 20 ms (colour change) steps, up to an hour.
    time = clampTo(file, "push time", file.getInt(prefix + "time"), 0, kMaxTimeSteps);
    changeTime = clampTo(file, "colour change time", file.getInt(prefix + "changetime"), 0, kMaxTimeSteps);
    // Any negative count is an endless level.
    lines = file.getInt(prefix + "lines");
    if (lines < 0) lines = -1;
    else lines = clampTo(file, "lines", lines, 0, kMaxLines);
    name = file.getString(prefix + "name");
    nr = file.getInt(prefix + "nr");

    bool playable = true;
    if (kind() == "NORMAL") {
        rows = clampTo(file, "rows", rows, 1, kMaxRows);
        cols = clampTo(file, "cols", cols, 1, kMaxCols);
        // The game screen has a layout, rules and music for these modes only.
        const std::string m = mode();
        if (m != "NORMAL" && m != "CHANGE" && m != "STRATEGY" && m != "TWO" && m != "PUZZLE") {
            problem(file, "a board level needs the mode NORMAL, CHANGE, STRATEGY, TWO or PUZZLE, not \"" + m + "\"");
            playable = false;
        }
        // The waiting rows need two colours to keep three equal neighbours
        // out. A picture-puzzle board draws no waiting rows, so one colour
        // does; it still needs that one (the game screen divides by the count).
        const size_t needed = mode() == "PUZZLE" ? 1 : 2;
        if (colourCount() < needed) {
            problem(file, needed == 1 ? "a picture-puzzle board needs a colour"
                                      : "a board level needs at least two different colours");
            playable = false;
        }
    }
    if (upperCase(typ) == "PUZZLE") {
        // The picture is cut into rows x cols pieces.
        rows = clampTo(file, "rows", rows, 1, kMaxRows);
        cols = clampTo(file, "cols", cols, 1, kMaxCols);
        _loadPuzzles(file.getString(prefix + "puzzle"));
    }
    img = imgUrl.empty() ? nullptr : LoadImage(imgUrl);
    return playable;
}

int TLevel::_loadTiles(const TRCMFile& file, const std::string& prefix) {
    clear();
    int depth = file.getInt(prefix + "tiles::random");
    if (depth != 0) {
        depth = clampTo(file, "fill depth", depth, 1, usedRows() > 1 ? usedRows() - 1 : 1);
        randomLevel(depth);
        return 0;
    }
    for (int r = 1; r <= usedRows(); ++r) {
        const std::vector<int> codes = numberList(file.getString(prefix + "tiles::row" + std::to_string(r)));
        for (int c = 0; c < usedCols(); ++c) {
            const int v = size_t(c) < codes.size() ? codes[size_t(c)] : 0;
            TTileDataPtr kind = tileKindForCode(v);
            if (!kind && v != 0)
                problem(file, "row " + std::to_string(r) + " code " + std::to_string(v) + " names no tile kind");
            setTileOnPos(r - 1, c, kind, v > 100 ? 1 : 0);
        }
    }
    return 0;
}

int TLevel::_loadPuzzles(const std::string& picture) {
    img2 = nullptr;
    minW = minH = 0;
    TImagePtr whole = LoadImage(picture);
    if (!whole) {
        Print("Napotkano problem : puzzle picture " + picture + " does not load");
        return 0;
    }
    const int w = whole->width / (cols > 0 ? cols : 1);
    const int h = whole->height / (rows > 0 ? rows : 1);
    if (w < 1 || h < 1) {
        Print("Napotkano problem : puzzle picture " + picture + " is too small for its pieces");
        return 0;
    }
    img2 = LoadAnimImage(picture, w, h, 0, rows * cols);
    minW = float(w);
    minH = float(h);
    MidHandleImage(img2);
    return 0;
}
