#include "shell/media/sound_decode.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <vorbis/vorbisfile.h>

namespace media {

namespace {

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

int16_t floatToS16(float v) {
    if (!(v == v)) return 0;  // NaN
    v = std::clamp(v, -1.0f, 1.0f);
    return int16_t(std::lrint(v * 32767.0f));
}

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxRate = 384000;
// Ordinary Vorbis music and effects decode to well under this many frames per
// byte of file.
constexpr int64_t kReserveFramesPerByte = 64;

}  // namespace

SoundFileKind sniffSoundFile(const uint8_t* data, size_t size) {
    if (size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0)
        return SoundFileKind::Wav;
    if (size >= 4 && std::memcmp(data, "OggS", 4) == 0) return SoundFileKind::OggVorbis;
    return SoundFileKind::Unknown;
}

std::optional<PcmSound> decodeWav(const uint8_t* data, size_t size) {
    if (sniffSoundFile(data, size) != SoundFileKind::Wav) return std::nullopt;

    bool haveFormat = false;
    uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
    uint32_t rate = 0;
    const uint8_t* samples = nullptr;
    size_t sampleBytes = 0;

    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint8_t* chunk = data + pos;
        const size_t declared = le32(chunk + 4);
        const size_t bodyStart = pos + 8;
        // A chunk that claims more than the file holds is cut at the end of
        // the file (common for data written by recorders that were stopped).
        const size_t body = std::min(declared, size - bodyStart);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && body >= 16) {
            const uint8_t* f = data + bodyStart;
            format = le16(f);
            channels = le16(f + 2);
            rate = le32(f + 4);
            blockAlign = le16(f + 12);
            bits = le16(f + 14);
            if (format == kFormatExtensible) {
                if (body < 26) return std::nullopt;
                format = le16(f + 24);  // first two bytes of the sub-format GUID
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            samples = data + bodyStart;
            sampleBytes = body;
            break;
        }
        // Chunks are padded to an even length; guard against wrap-around.
        const size_t advance = declared + (declared & 1);
        if (advance > size - bodyStart) break;
        pos = bodyStart + advance;
    }
    if (!haveFormat || !samples) return std::nullopt;
    if (channels < 1 || channels > 2 || rate == 0 || rate > kMaxRate) return std::nullopt;
    const bool isFloat = format == kFormatFloat;
    if (format != kFormatPcm && !isFloat) return std::nullopt;
    if (isFloat ? bits != 32 : (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return std::nullopt;
    const size_t bytesPerSample = bits / 8;
    if (blockAlign != bytesPerSample * channels) return std::nullopt;

    PcmSound pcm;
    pcm.rate = int(rate);
    pcm.channels = channels;
    const size_t count = (sampleBytes / blockAlign) * channels;
    pcm.samples.resize(count);
    const uint8_t* p = samples;
    for (size_t i = 0; i < count; ++i, p += bytesPerSample) {
        int16_t v;
        if (isFloat) {
            float f;
            std::memcpy(&f, p, 4);
            v = floatToS16(f);
        } else if (bits == 8) {
            v = int16_t((int(p[0]) - 128) << 8);
        } else {
            // Keep the top 16 bits of wider samples.
            v = int16_t(le16(p + bytesPerSample - 2));
        }
        pcm.samples[i] = v;
    }
    return pcm;
}

// ---------------------------------------------------------------------------
// OGG Vorbis through vorbisfile, reading from memory.

namespace {

struct MemoryCursor {
    std::shared_ptr<const std::vector<uint8_t>> owner;  // keeps the bytes alive
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
};

size_t memRead(void* out, size_t size, size_t count, void* source) {
    auto* c = static_cast<MemoryCursor*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (c->size - c->pos) / size);
    std::memcpy(out, c->data + c->pos, items * size);
    c->pos += items * size;
    return items;
}

int memSeek(void* source, ogg_int64_t offset, int whence) {
    auto* c = static_cast<MemoryCursor*>(source);
    int64_t base = 0;
    if (whence == SEEK_CUR) base = int64_t(c->pos);
    else if (whence == SEEK_END) base = int64_t(c->size);
    else if (whence != SEEK_SET) return -1;
    const int64_t target = base + offset;
    if (target < 0 || target > int64_t(c->size)) return -1;
    c->pos = size_t(target);
    return 0;
}

long memTell(void* source) { return long(static_cast<MemoryCursor*>(source)->pos); }

const ov_callbacks kMemoryCallbacks = {memRead, memSeek, nullptr, memTell};

}  // namespace

struct OggStream::Impl {
    MemoryCursor cursor;
    OggVorbis_File file{};
    bool opened = false;
    ~Impl() {
        if (opened) ov_clear(&file);
    }
};

std::unique_ptr<OggStream> OggStream::open(std::shared_ptr<const std::vector<uint8_t>> bytes) {
    if (!bytes) return nullptr;
    const uint8_t* data = bytes->data();
    const size_t size = bytes->size();
    return openMemory(data, size, std::move(bytes));
}

std::unique_ptr<OggStream> OggStream::openMemory(const uint8_t* data, size_t size,
                                                 std::shared_ptr<const std::vector<uint8_t>> owner) {
    if (sniffSoundFile(data, size) != SoundFileKind::OggVorbis) return nullptr;
    std::unique_ptr<OggStream> stream(new OggStream());
    stream->impl_ = std::make_unique<Impl>();
    Impl& s = *stream->impl_;
    s.cursor.data = data;
    s.cursor.size = size;
    s.cursor.owner = std::move(owner);
    if (ov_open_callbacks(&s.cursor, &s.file, nullptr, 0, kMemoryCallbacks) != 0) return nullptr;
    s.opened = true;
    const vorbis_info* info = ov_info(&s.file, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0 || info->rate > kMaxRate)
        return nullptr;
    stream->rate_ = int(info->rate);
    stream->channels_ = info->channels;
    const ogg_int64_t total = ov_pcm_total(&s.file, -1);
    stream->totalFrames_ = total >= 0 ? int64_t(total) : -1;
    return stream;
}

OggStream::~OggStream() = default;

size_t OggStream::read(int16_t* out, size_t frames) {
    char* dst = reinterpret_cast<char*>(out);
    const size_t frameBytes = size_t(channels_) * 2;
    size_t want = frames * frameBytes;
    size_t got = 0;
    int holes = 0;
    while (got < want) {
        int section = 0;
        const int chunk = int(std::min<size_t>(want - got, 1 << 16));
        const long n = ov_read(&impl_->file, dst + got, chunk, 0, 2, 1, &section);
        if (n == 0) break;
        if (n == OV_HOLE && ++holes < 16) continue;  // a damaged page: skip it
        if (n < 0) break;
        // A chained file whose next part has another layout ends here.
        const vorbis_info* info = ov_info(&impl_->file, section);
        if (!info || info->channels != channels_) break;
        got += size_t(n);
    }
    return got / frameBytes;
}

bool OggStream::rewind() { return ov_pcm_seek(&impl_->file, 0) == 0; }

std::optional<PcmSound> decodeOgg(const uint8_t* data, size_t size) {
    // The bytes only need to live for this call.
    auto stream = OggStream::openMemory(data, size, nullptr);
    if (!stream) return std::nullopt;
    PcmSound pcm;
    pcm.rate = stream->rate();
    pcm.channels = stream->channels();
    // The length comes from the last page's header, which a damaged file can
    // set to anything, so room is made for no more than a generous guess from
    // the file's size; a file that holds more simply grows the buffer.
    const int64_t plausible = int64_t(size) * kReserveFramesPerByte;
    if (stream->totalFrames() > 0)
        pcm.samples.reserve(size_t(std::min(stream->totalFrames(), plausible)) * size_t(pcm.channels));
    std::vector<int16_t> block(4096 * size_t(pcm.channels));
    for (;;) {
        const size_t n = stream->read(block.data(), 4096);
        if (n == 0) break;
        pcm.samples.insert(pcm.samples.end(), block.begin(), block.begin() + n * size_t(pcm.channels));
    }
    if (pcm.samples.empty()) return std::nullopt;
    return pcm;
}

}  // namespace media
