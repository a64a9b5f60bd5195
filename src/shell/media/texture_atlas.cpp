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
    int limit = pageSize_ / 4;
    return w + 2 * gutter <= limit && h + 2 * gutter <= limit;
}

TextureAtlas::Place TextureAtlas::add(const TPixmap& picture, int kind, int gutter) {
    const int w = picture.width + 2 * gutter;
    const int h = picture.height + 2 * gutter;
    Page* page = nullptr;
    int index = -1;
    for (size_t i = 0; i < pages_.size(); ++i) {
        Page& p = pages_[i];
        if (p.kind != kind) continue;
        if (p.penX + w > pageSize_) {  // next shelf
            if (p.shelfY + p.shelfHeight + h > pageSize_) continue;
            p.shelfY += p.shelfHeight;
            p.shelfHeight = 0;
            p.penX = 0;
        }
        if (p.shelfY + h > pageSize_) continue;
        page = &p;
        index = int(i);
        break;
    }
    if (!page) {
        Page fresh;
        fresh.kind = kind;
        fresh.pixels = TPixmap(pageSize_, pageSize_, 0);
        pages_.push_back(std::move(fresh));
        page = &pages_.back();
        index = int(pages_.size() - 1);
    }
    Place place{index, page->penX + gutter, page->shelfY + gutter};
    for (int y = 0; y < picture.height; ++y) {
        const uint32_t* src = &picture.pixels[size_t(y) * picture.width];
        uint32_t* dst = &page->pixels.at(place.x, place.y + y);
        for (int x = 0; x < picture.width; ++x) dst[x] = premultiply(src[x]);
    }
    page->penX += w;
    if (h > page->shelfHeight) page->shelfHeight = h;
    if (page->dirtyBottom <= page->dirtyTop) {
        page->dirtyTop = place.y - gutter;
        page->dirtyBottom = place.y - gutter + h;
    } else {
        page->dirtyTop = std::min(page->dirtyTop, place.y - gutter);
        page->dirtyBottom = std::max(page->dirtyBottom, place.y - gutter + h);
    }
    return place;
}

}  // namespace media
