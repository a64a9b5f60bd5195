#include "curve_report.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"

namespace {

const char* const kLands[10] = {"Meadows", "Old town", "Wasteland", "Base",  "Mountains",
                                "Rubble",  "Lakes",    "Scrapyard", "Coast", "Dunes"};

std::string percent(double rate) { return std::to_string(int(std::lround(rate * 100))) + "%"; }

std::string fixed1(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

struct Rgb {
    double r, g, b;
};

Rgb modeColour(const LevelResult& l) {
    static const std::map<std::string, Rgb> colours = {
        {"NORMAL", {0.16, 0.45, 0.85}}, {"CHANGE", {0.95, 0.55, 0.10}}, {"STRATEGY", {0.15, 0.65, 0.30}},
        {"TWO", {0.60, 0.25, 0.75}},    {"PUZZLE", {0.85, 0.20, 0.25}},
    };
    const auto found = colours.find(l.mode);
    return found == colours.end() ? Rgb{0.5, 0.5, 0.5} : found->second;
}

}  // namespace

double LevelResult::winRate() const {
    if (attempts.empty()) return 0;
    const auto won = std::count_if(attempts.begin(), attempts.end(), [](const Attempt& a) { return a.won; });
    return double(won) / double(attempts.size());
}

double LevelResult::medianWonSeconds() const {
    std::vector<int> ms;
    for (const Attempt& a : attempts)
        if (a.won) ms.push_back(a.playMs);
    if (ms.empty()) return 0;
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2.0;
    return median / 1000.0;
}

double LevelResult::clicksPerSecond() const {
    double presses = 0, ms = 0;
    for (const Attempt& a : attempts) {
        presses += a.presses;
        ms += a.playMs;
    }
    return ms > 0 ? presses * 1000 / ms : 0;
}

std::string LevelResult::modeName() const {
    if (kind == "SHOOTING") return "shooting gallery";
    if (kind == "PUZZLE") return "picture puzzle";
    if (mode == "CHANGE") return "colour change";
    if (mode == "STRATEGY") return "strategy";
    if (mode == "TWO") return "two-sided";
    if (mode == "PUZZLE") return "puzzle board";
    return "normal";
}

std::string LevelResult::line() const {
    char text[200];
    if (!board) {
        std::snprintf(text, sizeof text, "level %2d  %-16s  (mini-game)", nr, modeName().c_str());
    } else {
        std::snprintf(text, sizeof text, "level %2d  %-16s  won %3d%%  median %5.1f s  %.2f clicks/s", nr,
                      modeName().c_str(), int(std::lround(winRate() * 100)), medianWonSeconds(), clicksPerSecond());
    }
    return text;
}

LevelResult describeLevel(int nr) {
    LevelResult result;
    result.nr = nr;
    const TLevelData* entry = objects().levelManager.getLevelData(nr);
    if (!entry) return result;
    result.name = entry->name;
    const TRCMFile file = loadRCMFile(entry->url);
    const std::string typ = file.getString("level::typ");
    const size_t dash = typ.find('-');
    result.kind = typ.substr(0, dash);
    result.mode = dash == std::string::npos ? "" : typ.substr(dash + 1);
    result.board = result.kind == "NORMAL";
    if (const TLevelPtr level = objects().levelManager.loadLevel(nr)) {
        result.colours = int(level->available.size());
        result.cells = level->cols;
        result.pushMs = level->time * 10;
        result.lines = level->lines;
    }
    result.depth = file.getInt("level::tiles::random");
    return result;
}

bool writeReport(const std::vector<LevelResult>& results, int seeds, const std::string& path) {
    std::ofstream out(path);
    out << "# The quest's difficulty curve\n\n"
        << "Every marble-board level played " << seeds
        << " times by the simulated player (`tools/simplayer`) on the real game screen: a person's pace of "
           "about 1.5 clicks a second with reaction time, preferring large groups and low columns, with "
           "noisy judgement and an occasional careless click, firing the bonus marbles that reach the "
           "board, with no bought items. Regenerate with `make simulate`.\n\n";

    // The curve in a few figures.
    double firstTen = 1, lowest = 1;
    int lowestNr = 0;
    std::vector<double> landSum(10, 0);
    std::vector<int> landCount(10, 0);
    for (const LevelResult& l : results) {
        if (!l.board) continue;
        if (l.nr <= 10) firstTen = std::min(firstTen, l.winRate());
        if (l.winRate() < lowest) {
            lowest = l.winRate();
            lowestNr = l.nr;
        }
        const size_t land = size_t(std::clamp((l.nr - 1) / 10, 0, 9));
        landSum[land] += l.winRate();
        landCount[land] += 1;
    }
    out << "- Lowest win rate of levels 1-10: " << percent(firstTen) << "\n"
        << "- Lowest win rate of any board level: " << percent(lowest) << " (level " << lowestNr << ")\n"
        << "- Mean win rate by land:";
    for (size_t land = 0; land < 10; ++land)
        if (landCount[land]) out << (land ? ", " : " ") << kLands[land] << " " << percent(landSum[land] / landCount[land]);
    out << "\n\n![Win rate by level](winrate.png)\n\n"
        << "| Level | Name | Mode | Colours | Board | Push every | Lines | Fill | Win rate | Median length (won) | "
           "Clicks/s |\n"
        << "|---:|---|---|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const LevelResult& l : results) {
        out << "| " << l.nr << " | " << l.name << " | " << l.modeName() << " | ";
        if (!l.board) {
            out << "| | | | | mini-game | | |\n";
            continue;
        }
        out << l.colours << " | " << l.cells << " x " << l.cells << " | "
            << (l.mode == "STRATEGY" || l.mode == "PUZZLE" ? "-" : fixed1(l.pushMs / 1000.0) + " s") << " | "
            << (l.mode == "PUZZLE" ? "-" : std::to_string(l.lines)) << " | " << (l.depth ? std::to_string(l.depth) : "laid out")
            << " | " << percent(l.winRate()) << " | " << fixed1(l.medianWonSeconds()) << " s | "
            << fixed1(l.clicksPerSecond()) << " |\n";
    }
    out.close();
    if (!out) std::fprintf(stderr, "simplayer: cannot write %s\n", path.c_str());
    return bool(out);
}

bool writePlot(const std::vector<LevelResult>& results, const std::string& path) {
    const int W = 1000, H = 460;
    const double left = 60, right = W - 20, top = 50, bottom = H - 70;
    const int levels = results.empty() ? 1 : std::max_element(results.begin(), results.end(), [](auto& a, auto& b) {
                                                 return a.nr < b.nr;
                                             })->nr;
    auto X = [&](double nr) { return left + (right - left) * (nr - 0.5) / levels; };
    auto Y = [&](double rate) { return bottom - (bottom - top) * rate; };

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);

    // The ten lands as bands, named along the top.
    cairo_set_font_size(cr, 11);
    for (int land = 0; land * 10 < levels; ++land) {
        const double x0 = X(land * 10 + 0.5), x1 = X(std::min(levels, land * 10 + 10) + 0.5);
        if (land % 2 == 0) {
            cairo_set_source_rgb(cr, 0.95, 0.95, 0.97);
            cairo_rectangle(cr, x0, top, x1 - x0, bottom - top);
            cairo_fill(cr);
        }
        cairo_text_extents_t ext;
        cairo_text_extents(cr, kLands[land % 10], &ext);
        cairo_set_source_rgb(cr, 0.35, 0.35, 0.4);
        cairo_move_to(cr, (x0 + x1) / 2 - ext.width / 2, top - 8);
        cairo_show_text(cr, kLands[land % 10]);
    }

    // Axes, grid and the line a level must stay above.
    cairo_set_line_width(cr, 1);
    for (int p = 0; p <= 100; p += 20) {
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.88);
        cairo_move_to(cr, left, Y(p / 100.0));
        cairo_line_to(cr, right, Y(p / 100.0));
        cairo_stroke(cr);
        const std::string label = std::to_string(p) + "%";
        cairo_text_extents_t ext;
        cairo_text_extents(cr, label.c_str(), &ext);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        cairo_move_to(cr, left - 8 - ext.width, Y(p / 100.0) + 4);
        cairo_show_text(cr, label.c_str());
    }
    for (int nr = 10; nr <= levels; nr += 10) {
        const std::string label = std::to_string(nr);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, label.c_str(), &ext);
        cairo_move_to(cr, X(nr) - ext.width / 2, bottom + 16);
        cairo_show_text(cr, label.c_str());
    }
    cairo_move_to(cr, (left + right) / 2 - 20, bottom + 32);
    cairo_show_text(cr, "level");
    const double third = 1.0 / 3;
    cairo_set_source_rgb(cr, 0.8, 0.2, 0.2);
    const double dash[] = {6, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, left, Y(third));
    cairo_line_to(cr, right, Y(third));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);

    // The curve through the board levels, then each level as a dot in its
    // mode's colour; mini-games as grey marks on the floor.
    cairo_set_source_rgb(cr, 0.55, 0.55, 0.6);
    cairo_set_line_width(cr, 1.2);
    bool started = false;
    for (const LevelResult& l : results) {
        if (!l.board) continue;
        if (started) cairo_line_to(cr, X(l.nr), Y(l.winRate()));
        else cairo_move_to(cr, X(l.nr), Y(l.winRate()));
        started = true;
    }
    cairo_stroke(cr);
    for (const LevelResult& l : results) {
        if (!l.board) {
            cairo_set_source_rgb(cr, 0.55, 0.55, 0.55);
            cairo_move_to(cr, X(l.nr), bottom - 9);
            cairo_line_to(cr, X(l.nr) - 5, bottom);
            cairo_line_to(cr, X(l.nr) + 5, bottom);
            cairo_close_path(cr);
            cairo_fill(cr);
            continue;
        }
        const Rgb c = modeColour(l);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_arc(cr, X(l.nr), Y(l.winRate()), 4.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }

    // The legend.
    struct Entry {
        const char* name;
        Rgb colour;
    };
    const Entry legend[] = {{"normal", {0.16, 0.45, 0.85}}, {"colour change", {0.95, 0.55, 0.10}},
                            {"strategy", {0.15, 0.65, 0.30}}, {"two-sided", {0.60, 0.25, 0.75}},
                            {"puzzle board", {0.85, 0.20, 0.25}}, {"mini-game", {0.55, 0.55, 0.55}}};
    double lx = left;
    const double ly = H - 18;
    for (const Entry& e : legend) {
        cairo_set_source_rgb(cr, e.colour.r, e.colour.g, e.colour.b);
        cairo_arc(cr, lx + 5, ly - 4, 4.5, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        cairo_move_to(cr, lx + 14, ly);
        cairo_show_text(cr, e.name);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, e.name, &ext);
        lx += 30 + ext.x_advance;
    }
    cairo_set_source_rgb(cr, 0.8, 0.2, 0.2);
    cairo_move_to(cr, lx + 10, ly);
    cairo_show_text(cr, "- - won in one game of three");

    cairo_set_font_size(cr, 15);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.15);
    cairo_move_to(cr, left, 22);
    cairo_show_text(cr, "Simulated win rate of every quest level");

    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "simplayer: cannot write %s\n", path.c_str());
    return ok;
}
