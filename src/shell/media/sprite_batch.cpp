#include "shell/media/sprite_batch.h"

namespace media {

SpriteBatch::SpriteBatch(Sink& sink) : sink_(sink) {
    vertices_.reserve(kMaxQuads * 4);
    runs_.reserve(256);
}

void SpriteBatch::add(int texture, int blend, const Vertex corners[4]) {
    if (pendingQuads() >= kMaxQuads) flush();
    if (runs_.empty() || runs_.back().texture != texture || runs_.back().blend != blend) {
        runs_.push_back({texture, blend, pendingQuads(), 0});
    }
    vertices_.insert(vertices_.end(), corners, corners + 4);
    ++runs_.back().quadCount;
}

void SpriteBatch::flush() {
    if (runs_.empty()) return;
    sink_.drawRuns(vertices_, runs_);
    vertices_.clear();
    runs_.clear();
}

}  // namespace media
