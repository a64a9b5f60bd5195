// levelgen: writes the quest's level catalogue (levels.dat) and its 97 level
// files into a data folder. Deterministic: same source, same files.
//
// Usage: levelgen DATA_FOLDER     (normally content/data)
//
// The quest runs through ten lands of ten levels (the last land has seven).
// Each level's mode, marble size, colours, speed and length follow from its
// place in the quest; a few boards are laid out as patterns, and the
// picture-puzzle boards are searched for layouts that can be cleared, using
// the game's own rules.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "board/tile_data.h"
#include "board/tile_part.h"
#include "datafiles/data_file_writer.h"
#include "gui/particle.h"
#include "shell/media/media.h"

namespace {

constexpr int kLevels = 97;

// One letter per level, a land per string:
//   N normal, C colour-changing, S strategy, T two-sided (random boards)
//   L laid-out normal board, U laid-out two-sided board
//   P picture-puzzle board (clear it with the marbles given)
//   H shooting gallery, J picture puzzle mini-game
const char* const kPlan[10] = {
    "NNLPNSNNHN", "LTNCPNTSJN", "CLTPSNCTHN", "LCUSPNTCJS", "TLCPSTNCHT",
    "CSLPNCTSJN", "UCLPSTCNHT", "STLPNSTCJT", "CTSPLTCSHC", "TSCPLTN",
};

const char* const kNames[kLevels] = {
    // Meadows
    "First Steps", "Daisy Chain", "Clover Carpet", "Buttercup Riddle", "Beehive Lane", "Sheep Hollow",
    "Windmill Hill", "Sea of Poppies", "Scarecrow Targets", "Meadow's Edge",
    // Old town
    "Town Gate", "Cobbled Lanes", "Market Square", "Bakers' Row", "Weathervane Riddle", "Clock Tower",
    "Lamplighter's Walk", "Guildhall", "Town Postcard", "Rooftop Bells",
    // Wasteland
    "Dusty Road", "Cracked Earth", "Tumbleweed Twins", "Dry Well Riddle", "Lonely Signpost", "Red Mesas",
    "Heat Haze", "Vulture Rock", "Tin Can Alley", "Dust Devil",
    // Base
    "Checkpoint", "Signal Lights", "Twin Hangars", "Radar Watch", "Code Panel Riddle", "Supply Depot", "Runway",
    "Control Tower", "Base Blueprint", "Lights Out",
    // Mountains
    "Foothills", "Pine Ridge", "Goat Trail", "Cairn Riddle", "Echo Pass", "Avalanche Slope", "Eagle's Nest",
    "Snowline", "Snowball Shy", "The Summit",
    // Rubble field
    "Fallen Walls", "Brick by Brick", "Toppled Columns", "Cornerstone Riddle", "Ivy Arch", "Dusty Courtyard",
    "Crumbling Stairs", "Weeds and Stones", "Broken Mosaic", "The Last Arch",
    // Lakes
    "Misty Shore", "Lily Pads", "Reed Maze", "Ripple Riddle", "Heron Point", "Two Lakes", "Boathouse",
    "Stepping Stones", "Duck Pond Fair", "Moonlit Lake",
    // Scrapyard
    "Rusty Gate", "Tyre Towers", "Spring Coils", "Gearbox Riddle", "Tin Mountain", "Magnet Crane", "Two Heaps",
    "Spare Parts", "Junkyard Portrait", "Scrap King",
    // Coast
    "Salty Breeze", "Rising Tide", "Sandcastles", "Seashell Riddle", "Rock Pools", "High and Low Tide",
    "Gull Cliffs", "Lighthouse Keeper", "Buoy Bash", "Harbour Lights",
    // Dunes
    "Shifting Sands", "Caravan Trail", "Mirage", "Sundial Riddle", "Oasis", "Twin Dunes", "Journey's End",
};

// Colours in the order the quest introduces them.
const int kPalette[8] = {1, 2, 3, 4, 5, 6, 7, 8};

struct Level {
    int nr = 0;
    char letter = 'N';
    std::string typ;
    std::string name;
    std::vector<int> colours;
    std::vector<int> bonus;
    int size = 3;  // 1, 2 or 3: 20, 30 or 45 pixel marbles
    int rows = 10, cols = 10;
    int time = 800;        // 10 ms units
    int changeTime = 300;  // 20 ms units
    int lines = 12;
    int depth = 0;  // random fill depth, 0 for a laid-out board
    std::vector<std::vector<int>> layout;  // codes per cell when laid out
    std::string img;
    std::string puzzle;
};

std::string joined(const std::vector<int>& values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) text += (i ? " " : "") + std::to_string(values[i]);
    return text;
}

int lerp(int from, int to, double t) { return from + int((to - from) * t + (to > from ? 0.5 : -0.5)); }

// ---- Laid-out patterns -------------------------------------------------------

// Column heights of a settled shape, at most `most` marbles high: every
// column packed against its wall.
std::vector<int> heights(int cols, int most, int shape) {
    std::vector<int> h(static_cast<size_t>(cols), 0);
    for (int c = 0; c < cols; ++c) {
        const int fromEdge = std::min(c, cols - 1 - c);
        switch (shape % 3) {
            case 0: h[size_t(c)] = (most * 2 + 2) / 3; break;                                  // flat
            case 1: h[size_t(c)] = std::min(most, most / 3 + 1 + fromEdge); break;             // mound
            default: h[size_t(c)] = std::min(most, most / 3 + 1 + (cols / 2 - fromEdge) / 2); break;  // valley
        }
    }
    return h;
}

// A colour for cell (r, c) from the land's pattern.
int patternColour(int pattern, int r, int c, int rows, int cols, const std::vector<int>& colours) {
    const int n = int(colours.size());
    int index = 0;
    switch (pattern % 5) {
        case 0: index = r; break;                                   // stripes across
        case 1: index = c / 2; break;                               // pairs of columns
        case 2: index = (r / 2 + c / 2); break;                     // chequered blocks
        case 3: index = (r + c) / 2; break;                         // diagonal bands
        default: index = (std::abs(2 * c - (cols - 1)) + std::abs(2 * r - 2 * (rows - 1))) / 3; break;  // rings
    }
    return colours[size_t(index % n)];
}

// A board of type `typ` laid out as a level file would: codeAt(r, c) is the
// cell's code (0 empty, k colour k at the bottom, 100 + k colour k at the top).
template <typename CodeAt>
TLevelPtr makeBoard(const std::string& typ, int rows, int cols, CodeAt codeAt) {
    auto board = std::make_shared<TLevel>();
    board->typ = typ;
    board->rows = rows;
    board->cols = cols;
    board->rozmiar = 20;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (const int code = codeAt(r, c)) board->setTileOnPos(r, c, tileKindForCode(code), code > 100 ? 1 : 0);
    return board;
}

TLevelPtr boardOf(const Level& level) {
    return makeBoard(level.typ, level.rows, level.cols,
                     [&](int r, int c) { return level.layout[size_t(r)][size_t(c)]; });
}

void layOutOnce(Level& level, int pattern, bool twoSided) {
    level.layout.assign(size_t(level.rows), std::vector<int>(size_t(level.cols), 0));
    // A two-sided board leaves room between its groups for the rows to come.
    const std::vector<int> h = heights(level.cols, twoSided ? level.rows / 2 - 1 : level.rows * 2 / 3, pattern);
    for (int c = 0; c < level.cols; ++c) {
        for (int k = 0; k < h[size_t(c)]; ++k) {
            const int r = level.rows - 1 - k;
            level.layout[size_t(r)][size_t(c)] = patternColour(pattern, k, c, level.rows, level.cols, level.colours);
        }
        if (!twoSided) continue;
        // The top group in another pattern.
        for (int k = 0; k < h[size_t(c)]; ++k)
            level.layout[size_t(k)][size_t(c)] =
                100 + patternColour(pattern + 1, k, c, level.rows, level.cols, level.colours);
    }
}

// The first pattern from `pattern` on that leaves the player a group to take.
void layOut(Level& level, int pattern, bool twoSided) {
    for (int p = pattern; p < pattern + 5; ++p) {
        layOutOnce(level, p, twoSided);
        if (boardOf(level)->canMatch()) return;
    }
    std::fprintf(stderr, "levelgen: no laid-out pattern with a group for level %d\n", level.nr);
    std::exit(1);
}

// ---- Picture-puzzle boards ---------------------------------------------------

using Grid = std::vector<int>;  // rows x cols colour ids, 0 empty

bool cleared(const Grid& g) { return std::all_of(g.begin(), g.end(), [](int v) { return v == 0; }); }

struct Solver {
    int rows, cols;
    std::unordered_set<std::string> seen;
    long nodes = 0;
    long limit = 0;

    TLevelPtr build(const Grid& g) const {
        return makeBoard("NORMAL-PUZZLE", rows, cols, [&](int r, int c) { return g[size_t(r * cols + c)]; });
    }

    Grid read(const TLevel& level) const {
        Grid g(size_t(rows * cols), 0);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (const TTilePtr& t = level.tiles[size_t(r)][size_t(c)]) g[size_t(r * cols + c)] = t->TD->id;
        return g;
    }

    // One cell of every removable group, largest groups first.
    std::vector<std::pair<int, int>> moves(const Grid& g) const {
        TLevelPtr level = build(g);
        std::vector<bool> taken(g.size(), false);
        std::vector<std::pair<size_t, int>> found;  // (size, cell)
        for (int i = 0; i < rows * cols; ++i) {
            if (!g[size_t(i)] || taken[size_t(i)]) continue;
            TTileList group = level->findAll(level->tiles[size_t(i / cols)][size_t(i % cols)]);
            for (const TTilePtr& t : group) taken[size_t(t->py * cols + t->px)] = true;
            if (group.size() > 2) found.push_back({group.size(), i});
        }
        std::sort(found.begin(), found.end(), [](auto a, auto b) { return a.first > b.first; });
        std::vector<std::pair<int, int>> cells;
        for (auto [size, cell] : found) cells.push_back({cell / cols, cell % cols});
        return cells;
    }

    Grid play(const Grid& g, int r, int c) const {
        TLevelPtr level = build(g);
        level->remove(level->findAll(level->tiles[size_t(r)][size_t(c)]));
        level->checkLevel(0);
        Grid next = read(*level);
        clearParticles();
        flyingDiamonds.clear();
        movingMarbles.clear();
        return next;
    }

    // True when the board can be cleared completely.
    bool solve(const Grid& g) {
        if (++nodes > limit) return false;
        if (cleared(g)) return true;
        if (!seen.insert(std::string(g.begin(), g.end())).second) return false;
        for (auto [r, c] : moves(g))
            if (solve(play(g, r, c))) return true;
        return false;
    }
};

// How often playing a random group each time clears the board; a good puzzle
// is clearable but rarely by luck.
double luckyRate(const Grid& start, Solver& s, int tries) {
    int clears = 0;
    for (int t = 0; t < tries; ++t) {
        Grid g = start;
        for (;;) {
            auto m = s.moves(g);
            if (m.empty()) break;
            auto [r, c] = m[size_t(Rand(0, int(m.size()) - 1))];
            g = s.play(g, r, c);
        }
        clears += cleared(g);
    }
    return double(clears) / tries;
}

// A clearable board whose chance of being cleared by random play is as near
// `luck` as the search finds: near 1 a board forgives nearly any order, near
// 0 it asks for thought.
void puzzleBoard(Level& level, int width, int height, double luck) {
    Solver s{level.rows, level.cols, {}, 0, 0};
    const int left = (level.cols - width) / 2;
    Grid best;
    double bestRate = -1;
    auto off = [luck](double rate) { return std::abs(rate - luck); };
    for (int attempt = 0; attempt < 400 && (bestRate < 0 || off(bestRate) > 0.03); ++attempt) {
        // Columns built from short runs of one colour, packed at the bottom.
        Grid g(size_t(level.rows * level.cols), 0);
        for (int c = left; c < left + width; ++c) {
            int r = level.rows - 1;
            const int top = level.rows - height;
            while (r >= top) {
                const int colour = level.colours[size_t(Rand(0, int(level.colours.size()) - 1))];
                for (int k = Rand(1, 3); k > 0 && r >= top; --k, --r) g[size_t(r * level.cols + c)] = colour;
            }
        }
        s.seen.clear();
        s.nodes = 0;
        s.limit = 20000;
        if (!s.solve(g)) continue;
        const double rate = luckyRate(g, s, 40);
        if (bestRate < 0 || off(rate) < off(bestRate)) {
            bestRate = rate;
            best = g;
        }
    }
    if (best.empty()) {
        std::fprintf(stderr, "levelgen: no clearable board for level %d\n", level.nr);
        std::exit(1);
    }
    level.layout.assign(size_t(level.rows), std::vector<int>(size_t(level.cols), 0));
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c) level.layout[size_t(r)][size_t(c)] = best[size_t(r * level.cols + c)];
    std::printf("level %2d: picture-puzzle board %dx%d, cleared by chance %.0f%% of the time\n", level.nr, width,
                height, bestRate * 100);
}

// ---- The quest -----------------------------------------------------------------

// How hard the level is meant to feel, from 0 to 1. It rises steadily
// through the quest; the first land stays gentle while the player learns,
// and every later land opens on an easier level, a breather after the land
// before it ended on its hardest.
double strain(int nr) {
    double s = std::pow(double(nr - 1) / (kLevels - 1), 0.75);
    if (nr <= 10) s *= 0.4;
    if (nr > 10 && nr % 10 == 1) s -= 0.10;
    return std::clamp(s, 0.0, 1.0);
}

// Each level's ease, measured against the curve the quest should follow
// (`simplayer --calibrate`, which plays each level many times with its pace
// eased or tightened): above 1 the level is made easier than `strain` alone
// makes it, below 1 harder. A timed board's rows come `ease` times as far
// apart and it brings 1 / `ease` times as many lines, so its length stays;
// a strategy board makes 1 / `ease` times as many moves. Puzzle boards and
// mini-games keep 1.
const double kEase[kLevels] = {
    1, 1, 1, 1, 1, 1.3, 1, 1, 1, 1,
    1, 0.46, 0.27, 1, 1, 0.27, 0.77, 0.77, 1, 0.31,
    1, 0.27, 0.77, 1, 1, 0.27, 0.88, 0.35, 1, 1.93,
    0.35, 0.46, 0.35, 0.77, 1, 1, 0.35, 0.52, 1, 0.77,
    0.46, 0.82, 0.52, 1, 0.27, 0.4, 0.52, 0.49, 1, 0.4,
    0.5, 0.77, 0.49, 1, 0.52, 1, 0.67, 1.69, 1, 2.86,
    0.4, 0.77, 0.77, 1, 1.93, 2.06, 0.77, 3.26, 1, 2.86,
    1.3, 2.2, 0.77, 1, 1, 1.69, 0.75, 0.88, 1, 2.2,
    0.77, 1.58, 1.3, 1, 0.91, 2.86, 0.88, 1.69, 1, 1.93,
    0.88, 1.7, 1, 1, 1.3, 3.05, 1.64,
};

void ease(Level& level) {
    const double e = kEase[level.nr - 1];
    const bool timed = level.typ == "NORMAL-NORMAL" || level.typ == "NORMAL-CHANGE" || level.typ == "NORMAL-TWO";
    if (timed) level.time = std::max(1, int(std::lround(level.time * e)));
    if (timed || level.typ == "NORMAL-STRATEGY") level.lines = std::max(1, int(std::lround(level.lines / e)));
}

Level plan(int nr) {
    Level level;
    level.nr = nr;
    level.letter = kPlan[(nr - 1) / 10][(nr - 1) % 10];
    level.name = kNames[nr - 1];
    const int land = (nr - 1) / 10 + 1;
    const double s = strain(nr);
    level.img = "gfx/backgrounds/land" + std::to_string(land) + ".jpg";
    const char m = level.letter;
    const bool twoSided = m == 'T' || m == 'U';

    // Marble size: big marbles while the player learns, then smaller ones
    // and larger boards.
    level.size = nr <= 12 ? 3 : nr <= 40 ? (nr % 3 == 0 ? 3 : 2) : (nr % 2 ? 1 : 2);
    const int cells[4] = {0, 22, 15, 10};
    level.rows = level.cols = cells[level.size];

    // Colours: the more there are, the smaller the groups. On the larger
    // boards three colours make groups so large that no pace of rows
    // troubles a player, so there the fourth comes soon after the first
    // land. Boards fed from both sides, and strategy boards, which gain a
    // row with every move, run out of groups soonest, so they get fewer.
    // (The mini-games do not use the colours; their files keep the lists
    // they have always had.)
    const double sooner = level.size < 3 && m != 'H' && m != 'J' ? 0.7 : 0;
    int colours = 3 + int(s * 3.5 + sooner);
    if (twoSided || m == 'S') colours = 3 + int(s * 2.0 + sooner);
    if (m == 'P') colours = nr < 30 ? 3 : 4;
    if (level.size == 3) colours = std::min(colours, twoSided || m == 'S' ? 4 : 5);
    // Each land starts the palette somewhere else so the boards look different.
    for (int i = 0; i < colours; ++i) level.colours.push_back(kPalette[(i + land - 1) % 8]);

    // Rows come faster and the levels last longer as the quest goes on; the
    // rows quicken most in the first lands and less later on. A row of big
    // marbles is short but so is the board, which fills in fewer rows; a
    // board of small marbles has room and takes the quickest rows. Colour
    // changes keep making new groups, so those boards take quicker rows too.
    const double pace[4] = {0, 0.85, 1.18, 1.5};
    const double quicken = std::pow(s, 0.7);
    level.time = int(lerp(800, twoSided ? 270 : 290, quicken) * pace[level.size] * (m == 'C' ? 0.85 : 1.0));
    level.changeTime = lerp(300, 150, s);
    level.lines = lerp(12, twoSided ? 40 : 46, s);
    const double depth = twoSided ? 0.2 + 0.1 * s : 0.3 + 0.15 * s;
    level.depth = std::max(2, int(level.rows * depth));

    if (nr >= 3) level.bonus = {level.colours[0], level.colours[1]};
    if (nr >= 6) level.bonus.push_back(16);
    if (nr >= 10) level.bonus.push_back(17);
    if (nr >= 15) level.bonus.push_back(15);
    if (twoSided && nr >= 12) level.bonus.push_back(18);

    switch (m) {
        case 'N': case 'L': level.typ = "NORMAL-NORMAL"; break;
        case 'C': level.typ = "NORMAL-CHANGE"; break;
        case 'S': {
            level.typ = "NORMAL-STRATEGY";
            // Every move brings a row: the lines are the moves to make, more
            // of them on a taller board.
            const double moves[4] = {0, 1.6, 0.9, 0.7};
            level.lines = int(lerp(13, 26, s) * moves[level.size]);
            break;
        }
        case 'T': case 'U': level.typ = "NORMAL-TWO"; break;
        case 'P':
            level.typ = "NORMAL-PUZZLE";
            // Never pushed; a count above 0 keeps a click on the waiting-row
            // strip from winning the board.
            level.lines = 1;
            level.bonus.clear();
            break;
        case 'H':
            level.typ = "SHOOTING-NORMAL";
            // The gallery's crates: kinds 102 to 104 bring the second, third
            // and fourth gun.
            level.bonus = {2, 3, 4};
            break;
        case 'J': {
            level.typ = "PUZZLE";
            const int pictures = (nr - 19) / 20 + 1;
            level.puzzle = "gfx/puzzles/puzzle" + std::to_string(pictures) + ".jpg";
            level.rows = 3 + pictures / 2;
            level.cols = 4 + pictures / 2;
            level.bonus.clear();
            break;
        }
        default: break;
    }
    ease(level);
    if (m == 'L' || m == 'U') {
        level.depth = 0;
        layOut(level, land + nr, m == 'U');
    }
    if (m == 'P') {
        level.depth = 0;
        const int width = level.size == 3 ? 6 + (nr > 40) * 2 : 8 + (nr > 50) * 2;
        const int height = level.size == 3 ? 5 + (nr > 40) : 6 + (nr > 50);
        puzzleBoard(level, width, height, 0.75 - 0.35 * s);
    }
    return level;
}

bool writeLevel(const Level& level, const std::string& path) {
    DataFileWriter out;
    out.openGroup("level");
    out.text("typ", level.typ);
    out.text("name", level.name);
    out.integer("nr", level.nr);
    out.text("available", joined(level.colours));
    out.text("bonus", joined(level.bonus));
    out.integer("rozmiar", level.size);
    out.text("img", level.img);
    out.integer("rows", level.rows);
    out.integer("cols", level.cols);
    out.integer("time", level.time);
    out.integer("changetime", level.changeTime);
    out.integer("lines", level.lines);
    out.text("puzzle", level.puzzle);
    out.openGroup("tiles");
    out.integer("random", level.depth);
    if (!level.layout.empty())
        for (int r = 0; r < level.rows; ++r) out.text("row" + std::to_string(r + 1), joined(level.layout[size_t(r)]));
    out.closeGroup();
    out.closeGroup();
    return out.save(path);
}

// ---- The quest map -------------------------------------------------------------

// The road across the quest map, land by land: each land's stretch of road
// runs through these points, and the land's markers sit evenly along it. The
// journey starts in the meadows at the lower left, crosses the bottom of the
// map to the base, climbs into the mountains under the clouds at the upper
// right, comes back west through the middle and ends in the dunes at the
// top. Markers stay between the title (y < 80) and the panel (y > 505), and
// 70 pixels from the sides, with room below each for "You are here".
struct Point {
    double x, y;
};
const std::vector<Point> kRoad[10] = {
    {{70, 490}, {108, 474}, {94, 428}, {132, 396}, {182, 406}, {188, 458}, {228, 490}},       // meadows
    {{266, 484}, {306, 456}, {284, 412}, {322, 392}, {370, 410}, {366, 462}, {406, 490}},     // old town
    {{446, 484}, {486, 456}, {466, 412}, {506, 392}, {554, 412}, {550, 462}, {590, 488}},     // wasteland
    {{627, 488}, {680, 480}, {726, 456}, {689, 420}, {646, 396}, {685, 362}, {730, 338}},     // base
    {{728, 290}, {689, 262}, {721, 222}, {728, 178}, {691, 140}, {640, 112}, {595, 132}, {605, 182}, {579, 226}},
    {{538, 252}, {519, 292}, {543, 332}, {500, 362}, {459, 342}, {472, 296}, {437, 266}},     // rubble field
    {{394, 252}, {360, 286}, {384, 330}, {345, 362}, {304, 340}, {315, 296}, {274, 266}},     // lakes
    {{231, 254}, {201, 292}, {225, 336}, {182, 362}, {135, 346}, {149, 300}, {107, 276}, {74, 300}},  // scrapyard
    {{76, 226}, {91, 186}, {76, 142}, {113, 106}, {160, 120}, {197, 100}, {235, 126}, {221, 170}, {266, 194}},
    {{309, 190}, {341, 160}, {324, 118}, {365, 96}, {408, 116}, {446, 100}, {472, 142}, {453, 182}, {500, 196}},
};

// Marker positions of every quest level: each land's markers spread evenly
// along a smooth curve through its stretch of road, from its first point to
// its last.
std::vector<Point> markerPositions() {
    std::vector<Point> all;
    for (int land = 0; land < 10; ++land) {
        const std::vector<Point>& road = kRoad[land];
        // The curve (Catmull-Rom through the points), finely sampled.
        std::vector<Point> curve;
        for (size_t i = 0; i + 1 < road.size(); ++i) {
            const Point p0 = road[i ? i - 1 : 0], p1 = road[i], p2 = road[i + 1];
            const Point p3 = road[std::min(i + 2, road.size() - 1)];
            for (int s = 0; s < 64; ++s) {
                const double t = s / 64.0, t2 = t * t, t3 = t2 * t;
                auto at = [&](double a, double b, double c, double d) {
                    return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (3 * b - a - 3 * c + d) * t3);
                };
                curve.push_back({at(p0.x, p1.x, p2.x, p3.x), at(p0.y, p1.y, p2.y, p3.y)});
            }
        }
        curve.push_back(road.back());
        std::vector<double> along = {0};
        for (size_t i = 1; i < curve.size(); ++i)
            along.push_back(along.back() + std::hypot(curve[i].x - curve[i - 1].x, curve[i].y - curve[i - 1].y));
        const int count = std::min(10, kLevels - land * 10);
        for (int k = 0; k < count; ++k) {
            const double d = along.back() * k / (count - 1);
            size_t i = 1;
            while (i + 1 < along.size() && along[i] < d) ++i;
            const double t = (d - along[i - 1]) / std::max(1e-9, along[i] - along[i - 1]);
            all.push_back({curve[i - 1].x + (curve[i].x - curve[i - 1].x) * t,
                           curve[i - 1].y + (curve[i].y - curve[i - 1].y) * t});
        }
    }
    // Markers closer than this overlap on the map.
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            if (std::hypot(all[i].x - all[j].x, all[i].y - all[j].y) < 26) {
                std::fprintf(stderr, "levelgen: the markers of levels %zu and %zu overlap\n", i + 1, j + 1);
                std::exit(1);
            }
    return all;
}

bool writeCatalogue(const std::string& path) {
    DataFileWriter out;
    out.openGroup("levels");
    out.integer("ilosc", kLevels);
    const std::vector<Point> markers = markerPositions();
    for (int nr = 1; nr <= kLevels; ++nr) {
        const int x = int(std::lround(markers[size_t(nr - 1)].x)), y = int(std::lround(markers[size_t(nr - 1)].y));
        out.openGroup("level" + std::to_string(nr));
        out.integer("nr", nr);
        out.integers("dim", {x, y});
        out.text("name", kNames[nr - 1]);
        out.text("url", "data/levels/level" + std::to_string(nr) + ".dat");
        out.text("gfxurl", "");
        out.integer("v", 1);
        // Big markers end each land and the quest.
        out.integer("typ", nr % 10 == 0 || nr == kLevels ? 1 : 0);
        out.closeGroup();
    }
    out.closeGroup();
    return out.save(path);
}

void useKinds() {
    for (int id = 1; id <= 14; ++id) {
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        tileKinds.push_back(kind);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: levelgen DATA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder + "/levels", ec);
    useKinds();
    SeedRnd(20240601);
    for (int nr = 1; nr <= kLevels; ++nr) {
        const Level level = plan(nr);
        if (!writeLevel(level, folder + "/levels/level" + std::to_string(nr) + ".dat")) {
            std::fprintf(stderr, "levelgen: cannot write level %d\n", nr);
            return 1;
        }
    }
    if (!writeCatalogue(folder + "/levels.dat")) {
        std::fprintf(stderr, "levelgen: cannot write %s/levels.dat\n", folder.c_str());
        return 1;
    }
    std::printf("levelgen: %d levels written to %s\n", kLevels, folder.c_str());
    return 0;
}
