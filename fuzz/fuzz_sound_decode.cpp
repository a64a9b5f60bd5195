// Sound files: any bytes decode to nothing or to whole frames of one or two
// channels, whole or streamed, and a stream can always go back to its start.
#include <cstdint>
#include <memory>
#include <vector>

#include "shell/media/sound_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (auto pcm = media::decodeWav(data, size)) {
        if (pcm->channels < 1 || pcm->channels > 2 || pcm->samples.size() % size_t(pcm->channels) != 0)
            __builtin_trap();
    }
    if (auto pcm = media::decodeOgg(data, size)) {
        if (pcm->channels < 1 || pcm->channels > 2 || pcm->samples.size() % size_t(pcm->channels) != 0)
            __builtin_trap();
    }
    auto bytes = std::make_shared<const std::vector<uint8_t>>(data, data + size);
    if (auto stream = media::OggStream::open(bytes)) {
        std::vector<int16_t> block(512 * size_t(stream->channels()));
        for (int i = 0; i < 64 && stream->read(block.data(), 512) > 0; ++i) {
        }
        stream->rewind();
        stream->read(block.data(), 512);
    }
    return 0;
}
