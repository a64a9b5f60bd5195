#include "shell/media/sprite_batch.h"

namespace media {

SpriteBatch::SpriteBatch(Sink& sink) : sink_(sink) { vertices_.reserve(kMaxQuads * 4); }

void SpriteBatch::add(int texture, int blend, const Vertex corners[4]) {
    if (!vertices_.empty() && (texture != texture_ || blend != blend_ || pendingQuads() >= kMaxQuads)) flush();
    texture_ = texture;
    blend_ = blend;
    vertices_.insert(vertices_.end(), corners, corners + 4);
}

void SpriteBatch::flush() {
    if (vertices_.empty()) return;
    sink_.drawRun(texture_, blend_, vertices_.data(), pendingQuads());
    vertices_.clear();
}

}  // namespace media
