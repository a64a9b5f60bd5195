#pragma once
// Collects a frame's quads and hands them to the GPU in as few draw calls as
// possible: quads in a row that share a texture and a blend mode form one run,
// and every run queued so far goes to the GPU in one upload when the frame
// ends (or earlier, when something must see the picture so far).
#include <cstddef>
#include <vector>

#include "shell/media/backend.h"

namespace media {

class SpriteBatch {
public:
    struct Run {
        int texture;
        int blend;
        size_t firstQuad;
        size_t quadCount;
    };

    // Receives the queued vertices (4 per quad) and the runs that draw them.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void drawRuns(const std::vector<Vertex>& vertices, const std::vector<Run>& runs) = 0;
    };

    // A frame with more quads than this is drawn in several calls.
    static constexpr size_t kMaxQuads = 16384;

    explicit SpriteBatch(Sink& sink);
    void add(int texture, int blend, const Vertex corners[4]);
    void flush();
    size_t pendingQuads() const { return vertices_.size() / 4; }

private:
    Sink& sink_;
    std::vector<Vertex> vertices_;
    std::vector<Run> runs_;
};

}  // namespace media
