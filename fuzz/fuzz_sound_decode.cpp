// Sound files: any bytes decode to nothing or to whole frames of one or two
// channels, whole or streamed, and a stream can always go back to its start.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "shell/media/sound_decode.h"

// libvorbisfile 1.3.7 itself loses a few bytes when it gives up on some
// damaged files that look chained (ov_open_callbacks fails and frees the rest);
// that is not ours to fix. Leaks of our own use of it are caught by the unit
// tests, which run under the leak checker too.
extern "C" const char* __lsan_default_suppressions() { return "leak:libvorbisfile.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

// Nothing, or whole frames of one or two channels.
static void expectWholeFrames(const std::optional<media::PcmSound>& pcm) {
    if (pcm && (pcm->channels < 1 || pcm->channels > 2 || pcm->samples.size() % size_t(pcm->channels) != 0))
        __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    expectWholeFrames(media::decodeWav(data, size));
    expectWholeFrames(media::decodeOgg(data, size));
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
