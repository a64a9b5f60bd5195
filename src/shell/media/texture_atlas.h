#pragma once
// Packs many small pictures onto a few large texture pages (shelf packing),
// so that sprites from different pictures share one draw call.
#include <cstdint>
#include <vector>

#include "shell/media/image.h"

namespace media {

class TextureAtlas {
public:
    struct Page {
        int kind = 0;  // pictures of one sampling kind share a page
        TPixmap pixels;
        int shelfY = 0, shelfHeight = 0, penX = 0;
        int dirtyTop = 0, dirtyBottom = 0;  // rows to upload again, bottom exclusive
    };
    struct Place {
        int page = -1;
        int x = 0, y = 0;
    };

    // A page is kept twice, on the CPU and as a texture (in main memory too
    // with a software renderer): 1024 pixels hold every sprite of a screen
    // of the game in one page per kind, where 2048 left most of each page
    // empty at 16 MB a copy.
    explicit TextureAtlas(int pageSize = 1024) : pageSize_(pageSize) {}
    // Whether a picture of this size goes on a shared page at all.
    bool fits(int w, int h, int gutter) const;
    // Copies the picture onto a page of its kind, `gutter` transparent pixels
    // all round. Pixels go on premultiplied by their alpha.
    Place add(const TPixmap& picture, int kind, int gutter);
    std::vector<Page>& pages() { return pages_; }
    int pageSize() const { return pageSize_; }

private:
    int pageSize_;
    std::vector<Page> pages_;
};

// 0xAARRGGBB straight alpha -> premultiplied.
uint32_t premultiply(uint32_t argb);

}  // namespace media
