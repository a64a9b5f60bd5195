#include "shell/media/collision.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "shell/media/graphics.h"

namespace {

// An image placed on the surface, with the mapping back from surface pixels
// to the picture's own pixels.
struct PlacedQuad {
    TImagePtr image;
    int frame = 0;
    int id = 0;
    float x = 0, y = 0;          // where the handle landed
    float hx = 0, hy = 0;        // the handle
    float inv[4] = {1, 0, 0, 1};  // inverse of scale and rotation
    float minX = 0, minY = 0, maxX = 0, maxY = 0;

    // Alpha of the picture's pixel under the surface point, 0 outside.
    uint32_t alphaAt(float px, float py) const {
        float dx = px - x, dy = py - y;
        float lx = inv[0] * dx + inv[1] * dy + hx;
        float ly = inv[2] * dx + inv[3] * dy + hy;
        if (lx < 0 || ly < 0 || lx >= float(image->width) || ly >= float(image->height)) return 0;
        const TImage::Frame& f = image->frames[size_t(frame)];
        return image->source.at(f.x + int(lx), f.y + int(ly)) >> 24;
    }
};

std::array<std::vector<PlacedQuad>, 32> layers;

bool place(const TImagePtr& image, float x, float y, int frame, int id, PlacedQuad& out) {
    if (!image || frame < 0 || frame >= image->frameCount()) return false;
    // Pictures drawn before keep their pixels on the GPU only.
    if (!ensurePixels(*image)) return false;
    float m[4];
    media::currentTransform(m);
    float det = m[0] * m[3] - m[1] * m[2];
    if (std::fabs(det) < 1e-12f) return false;  // scaled to nothing
    out.image = image;
    out.frame = frame;
    out.id = id;
    out.x = x;
    out.y = y;
    out.hx = image->handle_x;
    out.hy = image->handle_y;
    out.inv[0] = m[3] / det;
    out.inv[1] = -m[1] / det;
    out.inv[2] = -m[2] / det;
    out.inv[3] = m[0] / det;
    media::Quad q = media::transformedQuad(x, y, float(image->width), float(image->height), out.hx, out.hy);
    out.minX = *std::min_element(q.x, q.x + 4);
    out.maxX = *std::max_element(q.x, q.x + 4);
    out.minY = *std::min_element(q.y, q.y + 4);
    out.maxY = *std::max_element(q.y, q.y + 4);
    return true;
}

bool overlap(const PlacedQuad& a, const PlacedQuad& b) {
    float x0 = std::max(a.minX, b.minX), x1 = std::min(a.maxX, b.maxX);
    float y0 = std::max(a.minY, b.minY), y1 = std::min(a.maxY, b.maxY);
    if (x0 >= x1 || y0 >= y1) return false;
    // Test at the centres of the surface pixels both quads may cover.
    for (float py = std::floor(y0) + 0.5f; py < y1; py += 1.0f) {
        for (float px = std::floor(x0) + 0.5f; px < x1; px += 1.0f) {
            if (a.alphaAt(px, py) != 0 && b.alphaAt(px, py) != 0) return true;
        }
    }
    return false;
}

}  // namespace

void ResetCollisions(uint32_t mask) {
    if (mask == 0) mask = 0xFFFFFFFFu;
    for (int i = 0; i < 32; ++i) {
        if (mask & (1u << i)) layers[size_t(i)].clear();
    }
}

std::vector<int> CollideImage(const TImagePtr& image, float x, float y, int frame, uint32_t collideMask,
                              uint32_t writeMask, int id) {
    std::vector<int> hits;
    PlacedQuad quad;
    if (!place(image, x, y, frame, id, quad)) return hits;
    for (int i = 0; i < 32; ++i) {
        if (!(collideMask & (1u << i))) continue;
        for (const PlacedQuad& other : layers[size_t(i)]) {
            if (overlap(quad, other)) hits.push_back(other.id);
        }
    }
    for (int i = 0; i < 32; ++i) {
        if (writeMask & (1u << i)) layers[size_t(i)].push_back(quad);
    }
    return hits;
}
