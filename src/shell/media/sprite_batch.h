#pragma once
// Collects quads and hands them to the GPU in as few draw calls as possible:
// a run of quads is flushed only when the texture or the blend mode changes,
// when the buffer is full, or when the frame ends.
#include <cstddef>
#include <vector>

#include "shell/media/backend.h"

namespace media {

class SpriteBatch {
public:
    // Receives each flushed run: `quadCount` quads, 4 vertices each.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void drawRun(int texture, int blend, const Vertex* vertices, size_t quadCount) = 0;
    };

    static constexpr size_t kMaxQuads = 16384;

    explicit SpriteBatch(Sink& sink);
    void add(int texture, int blend, const Vertex corners[4]);
    void flush();
    size_t pendingQuads() const { return vertices_.size() / 4; }

private:
    Sink& sink_;
    std::vector<Vertex> vertices_;
    int texture_ = -1;
    int blend_ = -1;
};

}  // namespace media
