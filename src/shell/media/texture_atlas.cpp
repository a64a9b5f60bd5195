#include "shell/media/texture_atlas.h"

#include <algorithm>

namespace media {

uint32_t premultiply(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return 0;
    uint32_t r = ((p >> 16) & 0xFF) * a / 255;
    uint32_t g = ((p >> 8) & 0xFF) * a / 255;
    uint32_t b = (p & 0xFF) * a / 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

bool TextureAtlas::fits(int w, int h, int gutter) const {
    int limit = largest_ / 4;
    return w + 2 * gutter <= limit && h + 2 * gutter <= limit;
}

bool TextureAtlas::findRoom(Page& p, int w, int h, bool commit, int& x, int& y) {
    int shelfY = p.shelfY, shelfHeight = p.shelfHeight, penX = p.penX;
    if (penX + w > p.size) {  // next shelf
        shelfY += shelfHeight;
        shelfHeight = 0;
        penX = 0;
    }
    if (penX + w > p.size || shelfY + h > p.size) return false;
    x = penX;
    y = shelfY;
    if (commit) {
        p.shelfY = shelfY;
        p.penX = penX + w;
        p.shelfHeight = std::max(shelfHeight, h);
    }
    return true;
}

TextureAtlas::Place TextureAtlas::add(int width, int height, int kind, int gutter) {
    const int w = width + 2 * gutter;
    const int h = height + 2 * gutter;
    Place place;
    int x = 0, y = 0;
    for (size_t i = 0; i < pages_.size(); ++i) {
        Page& p = pages_[i];
        if (p.kind != kind) continue;
        // A full page grows, if growing makes room; its shelves carry on
        // in the new space.
        Page grown = p;
        while (!findRoom(grown, w, h, false, x, y) && grown.size < largest_) grown.size *= 2;
        if (!findRoom(grown, w, h, true, x, y)) continue;
        if (grown.size != p.size) place.grownFrom = p.size;
        p = grown;
        place.page = int(i);
        place.x = x + gutter;
        place.y = y + gutter;
        return place;
    }
    Page fresh;
    fresh.kind = kind;
    fresh.size = kSmallestPage;
    while (fresh.size < std::max(w, h) && fresh.size < largest_) fresh.size *= 2;
    findRoom(fresh, w, h, true, x, y);
    pages_.push_back(fresh);
    place.page = int(pages_.size() - 1);
    place.x = x + gutter;
    place.y = y + gutter;
    place.newPage = true;
    return place;
}

}  // namespace media
