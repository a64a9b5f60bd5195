#include "gui/keyboard_focus.h"

#include <algorithm>
#include <cmath>

namespace {

float middleX(const TDim& d) { return float(d.x1 + d.x2) / 2; }
float middleY(const TDim& d) { return float(d.y1 + d.y2) / 2; }
int height(const TDim& d) { return d.y2 - d.y1; }

bool shown = false;

}  // namespace

std::vector<TFocusTarget> readingOrder(std::vector<TFocusTarget> targets) {
    std::stable_sort(targets.begin(), targets.end(),
                     [](const TFocusTarget& a, const TFocusTarget& b) { return middleY(a.dim) < middleY(b.dim); });
    std::vector<TFocusTarget> ordered;
    size_t rowStart = 0;
    for (size_t i = 0; i <= targets.size(); ++i) {
        const bool newRow =
            i == targets.size() ||
            (i > rowStart && std::fabs(middleY(targets[i].dim) - middleY(targets[rowStart].dim)) >=
                                 float(std::min(height(targets[i].dim), height(targets[rowStart].dim))) / 2);
        if (!newRow) continue;
        std::stable_sort(targets.begin() + long(rowStart), targets.begin() + long(i),
                         [](const TFocusTarget& a, const TFocusTarget& b) { return middleX(a.dim) < middleX(b.dim); });
        ordered.insert(ordered.end(), targets.begin() + long(rowStart), targets.begin() + long(i));
        rowStart = i;
    }
    return ordered;
}

int nextInDirection(const std::vector<TFocusTarget>& targets, int from, int dx, int dy) {
    if (from < 0 || from >= int(targets.size())) return -1;
    const TDim& f = targets[size_t(from)].dim;
    const float fx = middleX(f), fy = middleY(f);
    // Those in the same row (or column) come first, the nearest of them;
    // then the others, a step aside counting twice a step along.
    int best = -1;
    bool bestInLine = false;
    float bestCost = 0;
    for (int i = 0; i < int(targets.size()); ++i) {
        if (i == from) continue;
        const TDim& d = targets[size_t(i)].dim;
        const float ox = middleX(d) - fx, oy = middleY(d) - fy;
        const float along = ox * float(dx) + oy * float(dy);
        if (along <= 0) continue;
        const bool inLine = dx != 0 ? d.y1 < f.y2 && f.y1 < d.y2 : d.x1 < f.x2 && f.x1 < d.x2;
        const float aside = std::fabs(ox * float(dy) - oy * float(dx));
        const float cost = inLine ? along : along + 2 * aside;
        if (best < 0 || (inLine && !bestInLine) || (inLine == bestInLine && cost < bestCost)) {
            best = i;
            bestInLine = inLine;
            bestCost = cost;
        }
    }
    return best;
}

bool keyboardFocusShown() { return shown; }

void showKeyboardFocus(bool s) { shown = s; }
