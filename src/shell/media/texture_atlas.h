#pragma once
// Packs many small pictures onto a few texture pages (shelf packing), so that
// sprites from different pictures share one draw call. A page starts as small
// as its first picture allows and doubles when a picture no longer fits, up
// to the largest page size, so the pages hold no more empty space than they
// must. The atlas only plans places; the pixels live in the textures alone.
#include <cstdint>
#include <vector>

namespace media {

class TextureAtlas {
public:
    static constexpr int kSmallestPage = 256;

    struct Page {
        int kind = 0;  // pictures of one sampling kind share a page
        int size = 0;  // the page is size x size pixels
        int shelfY = 0, shelfHeight = 0, penX = 0;
    };
    struct Place {
        int page = -1;
        int x = 0, y = 0;  // the picture's top-left corner, inside its gutter
        bool newPage = false;
        int grownFrom = 0;  // the page's old size when it had to grow, else 0
    };

    explicit TextureAtlas(int largestPage = 2048) : largest_(largestPage) {}
    // Whether a picture of this size goes on a shared page at all.
    bool fits(int w, int h, int gutter) const;
    // A place for a w x h picture with `gutter` empty pixels all round, on a
    // page of its kind (growing the page or starting a new one if need be).
    Place add(int w, int h, int kind, int gutter);
    const std::vector<Page>& pages() const { return pages_; }
    int largestPage() const { return largest_; }

private:
    // Where the box goes on the page as it is now; false when it does not fit.
    static bool findRoom(Page& p, int w, int h, bool commit, int& x, int& y);

    int largest_;
    std::vector<Page> pages_;
};

// 0xAARRGGBB straight alpha -> premultiplied.
uint32_t premultiply(uint32_t argb);

}  // namespace media
