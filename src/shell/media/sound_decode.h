#pragma once
// Decoders for the sound files the game plays: PCM WAV and OGG Vorbis. Every
// decoder yields interleaved signed 16-bit samples, one or two channels. They
// take bytes from memory and never trust them: a broken file gives nothing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace media {

struct PcmSound {
    int rate = 0;      // frames per second
    int channels = 0;  // 1 or 2
    std::vector<int16_t> samples;  // interleaved

    size_t frames() const { return channels ? samples.size() / size_t(channels) : 0; }
};

enum class SoundFileKind { Unknown, Wav, OggVorbis };
// Judged by the first bytes, not the file name.
SoundFileKind sniffSoundFile(const uint8_t* data, size_t size);

// PCM WAV: 8, 16, 24 or 32-bit integer or 32-bit float samples, one or two
// channels, plain or "extensible" format header.
std::optional<PcmSound> decodeWav(const uint8_t* data, size_t size);
// A whole OGG Vorbis file.
std::optional<PcmSound> decodeOgg(const uint8_t* data, size_t size);

// An OGG Vorbis file decoded piece by piece from bytes held in memory, for
// music that would be too big to keep decoded.
class OggStream {
public:
    // nullptr when the bytes are not an OGG Vorbis file of one or two channels.
    static std::unique_ptr<OggStream> open(std::shared_ptr<const std::vector<uint8_t>> bytes);
    ~OggStream();
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;

    int rate() const { return rate_; }
    int channels() const { return channels_; }
    // Length in frames; -1 when the file does not say.
    int64_t totalFrames() const { return totalFrames_; }
    // Up to `frames` frames into `out` (interleaved); fewer only at the end of
    // the file or on a decoding error, 0 at the end.
    size_t read(int16_t* out, size_t frames);
    // Back to the first frame; false when the file cannot seek.
    bool rewind();

    // Reads `size` bytes at `data`, which must outlive the stream unless
    // `owner` keeps them alive.
    static std::unique_ptr<OggStream> openMemory(const uint8_t* data, size_t size,
                                                 std::shared_ptr<const std::vector<uint8_t>> owner);

private:
    OggStream() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int rate_ = 0;
    int channels_ = 0;
    int64_t totalFrames_ = -1;
};

}  // namespace media
