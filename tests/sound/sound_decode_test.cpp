// The sound file decoders: every PCM WAV layout the game may meet, OGG Vorbis
// whole and streamed, and broken files that must give nothing, not a crash.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/media/files.h"
#include "shell/media/sound_decode.h"
#include "sound_test_support.h"
#include "test_support.h"

using media::decodeOgg;
using media::decodeWav;
using testing_support::TempDir;

namespace {

void put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, uint16_t(v));
    put16(b, uint16_t(v >> 16));
}
void tag(std::vector<uint8_t>& b, const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(t[i]));
}

// A WAV file with the given format header and sample bytes, and optional
// chunks between the two.
std::vector<uint8_t> wav(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits,
                         const std::vector<uint8_t>& samples, const std::vector<uint8_t>& between = {},
                         bool extensible = false) {
    std::vector<uint8_t> b;
    tag(b, "RIFF");
    put32(b, 0);  // readers must not rely on it
    tag(b, "WAVE");
    tag(b, "fmt ");
    put32(b, extensible ? 40 : 16);
    put16(b, extensible ? 0xFFFE : format);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, uint16_t(channels * bits / 8));
    put16(b, bits);
    if (extensible) {
        put16(b, 22);
        put16(b, bits);
        put32(b, 3);
        put16(b, format);  // first two bytes of the sub-format GUID
        for (int i = 0; i < 14; ++i) b.push_back(0);
    }
    b.insert(b.end(), between.begin(), between.end());
    tag(b, "data");
    put32(b, uint32_t(samples.size()));
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

TEST(WavDecoding, EverySampleLayoutGivesTheSameSixteenBitValues) {
    // Full scale up, half down, silence, in each layout the decoder accepts.
    std::vector<uint8_t> s16, u8, s24, s32, f32;
    for (int16_t v : {int16_t(32767), int16_t(-16384), int16_t(0)}) put16(s16, uint16_t(v));
    for (uint8_t v : {uint8_t(255), uint8_t(64), uint8_t(128)}) u8.push_back(v);
    for (int32_t v : {0x7FFFFF00, -0x40000000, 0}) {
        s24.push_back(uint8_t(v >> 8));
        s24.push_back(uint8_t(v >> 16));
        s24.push_back(uint8_t(v >> 24));
        put32(s32, uint32_t(v));
    }
    for (float v : {1.0f, -0.5f, 0.0f}) {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        put32(f32, u);
    }
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {
        {"16-bit", wav(1, 1, 22050, 16, s16)},
        {"8-bit", wav(1, 1, 22050, 8, u8)},
        {"24-bit", wav(1, 1, 22050, 24, s24)},
        {"32-bit", wav(1, 1, 22050, 32, s32)},
        {"float", wav(3, 1, 22050, 32, f32)},
        {"extensible 16-bit", wav(1, 1, 22050, 16, s16, {}, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto pcm = decodeWav(c.file.data(), c.file.size());
        ASSERT_TRUE(pcm);
        EXPECT_EQ(pcm->rate, 22050);
        EXPECT_EQ(pcm->channels, 1);
        ASSERT_EQ(pcm->samples.size(), 3u);
        EXPECT_NEAR(pcm->samples[0], 32767, 256);
        EXPECT_NEAR(pcm->samples[1], -16384, 256);
        EXPECT_EQ(pcm->samples[2], 0);
    }
}

TEST(WavDecoding, OtherChunksAreSkippedIncludingOddSizedOnesAndTruncatedDataIsKept) {
    std::vector<uint8_t> list;
    tag(list, "LIST");
    put32(list, 3);  // odd: padded to 4
    for (int i = 0; i < 4; ++i) list.push_back('x');
    std::vector<uint8_t> stereo;
    for (int16_t v : {1000, -1000, 2000, -2000}) put16(stereo, uint16_t(v));
    auto file = wav(1, 2, 44100, 16, stereo, list);
    auto pcm = decodeWav(file.data(), file.size());
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->channels, 2);
    EXPECT_EQ(pcm->frames(), 2u);
    EXPECT_EQ(pcm->samples[3], -2000);

    // A recorder that was stopped leaves a data size larger than the file:
    // the frames that are there still play; half a frame is dropped.
    file.resize(file.size() - 3);
    pcm = decodeWav(file.data(), file.size());
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->frames(), 1u);
}

TEST(WavDecoding, BrokenOrUnsupportedFilesGiveNothing) {
    std::vector<uint8_t> two;
    put16(two, 1);
    put16(two, 2);
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {
        {"no format chunk", [] {
             std::vector<uint8_t> b;
             tag(b, "RIFF"); put32(b, 0); tag(b, "WAVE"); tag(b, "data"); put32(b, 2); put16(b, 1);
             return b;
         }()},
        {"compressed", wav(2, 1, 8000, 4, two)},
        {"three channels", wav(1, 3, 8000, 16, {0, 0, 0, 0, 0, 0})},
        {"no channels", wav(1, 0, 8000, 16, two)},
        {"rate zero", wav(1, 1, 0, 16, two)},
        {"12-bit", wav(1, 1, 8000, 12, two)},
        {"64-bit float", wav(3, 1, 8000, 64, std::vector<uint8_t>(8))},
        {"not RIFF", std::vector<uint8_t>{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decodeWav(c.file.data(), c.file.size()));
    }
    // A chunk size that would run past the end (and wrap a 32-bit sum).
    auto file = wav(1, 1, 8000, 16, two);
    std::vector<uint8_t> huge;
    tag(huge, "junk");
    put32(huge, 0xFFFFFFF0u);
    file.insert(file.begin() + 36, huge.begin(), huge.end());
    EXPECT_FALSE(decodeWav(file.data(), file.size()));
}

TEST(WavDecoding, EveryTruncationOfAFileIsSafe) {
    std::vector<uint8_t> samples(64, 7);
    const auto file = wav(1, 2, 44100, 16, samples);
    for (size_t n = 0; n <= file.size(); ++n) {
        std::vector<uint8_t> part(file.begin(), file.begin() + long(n));
        auto pcm = decodeWav(part.data(), part.size());
        if (pcm) {
            EXPECT_LE(pcm->samples.size() * 2, n);
        }
    }
}

TEST(OggDecoding, WholeAndStreamedDecodingAgreeAndTheStreamRewinds) {
    TempDir dir;
    ASSERT_TRUE(sound_testing::writeTestOgg(dir.file("tone.ogg"), 1.5, 0.5f, 2)) << "sox with OGG support";
    auto bytes = media::readFileBytes(dir.file("tone.ogg"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(media::sniffSoundFile(bytes->data(), bytes->size()), media::SoundFileKind::OggVorbis);

    auto whole = decodeOgg(bytes->data(), bytes->size());
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->rate, 44100);
    EXPECT_EQ(whole->channels, 2);
    EXPECT_EQ(whole->frames(), size_t(1.5 * 44100));

    auto shared = std::make_shared<const std::vector<uint8_t>>(*bytes);
    auto stream = media::OggStream::open(shared);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->totalFrames(), int64_t(whole->frames()));
    std::vector<int16_t> streamed, block(2 * 1000);
    for (size_t n; (n = stream->read(block.data(), 1000)) > 0;)
        streamed.insert(streamed.end(), block.begin(), block.begin() + long(2 * n));
    EXPECT_EQ(streamed, whole->samples);

    ASSERT_TRUE(stream->rewind());
    ASSERT_EQ(stream->read(block.data(), 1000), 1000u);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), whole->samples.begin()));
}

TEST(OggDecoding, DamagedFilesGiveNothingOrWhatCouldBeRead) {
    TempDir dir;
    ASSERT_TRUE(sound_testing::writeTestOgg(dir.file("tone.ogg"), 0.5, 0.5f, 1));
    auto bytes = *media::readFileBytes(dir.file("tone.ogg"));
    auto whole = decodeOgg(bytes.data(), bytes.size());
    ASSERT_TRUE(whole);
    // Cut anywhere, and with bytes flipped in the middle: never more than the
    // file holds, never a crash.
    for (size_t cut = 0; cut < bytes.size(); cut += 97) {
        auto pcm = decodeOgg(bytes.data(), cut);
        if (pcm) {
            EXPECT_LE(pcm->frames(), whole->frames());
        }
    }
    auto damaged = bytes;
    for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i) damaged[i] ^= 0x5A;
    auto pcm = decodeOgg(damaged.data(), damaged.size());
    if (pcm) {
        EXPECT_LE(pcm->frames(), whole->frames() + 4096);
    }
    EXPECT_FALSE(decodeOgg(reinterpret_cast<const uint8_t*>("OggS"), 4));
}

// Sets the position field of the file's last page and its checksum to match,
// as a damaged or hostile file might.
void claimLength(std::vector<uint8_t>& ogg, int64_t granule) {
    ASSERT_GE(ogg.size(), 4u);
    size_t page = ogg.size() - 3;  // the last place a whole capture pattern fits, plus one
    while (page-- > 0)
        if (std::memcmp(ogg.data() + page, "OggS", 4) == 0) break;
    ASSERT_LT(page, ogg.size());
    for (int i = 0; i < 8; ++i) ogg[page + 6 + size_t(i)] = uint8_t(uint64_t(granule) >> (8 * i));
    for (int i = 0; i < 4; ++i) ogg[page + 22 + size_t(i)] = 0;
    uint32_t crc = 0;
    for (size_t i = page; i < ogg.size(); ++i) {
        crc ^= uint32_t(ogg[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    for (int i = 0; i < 4; ++i) ogg[page + 22 + size_t(i)] = uint8_t(crc >> (8 * i));
}

TEST(OggDecoding, AFileClaimingAnEnormousLengthDecodesWhatItHolds) {
    TempDir dir;
    // Long enough to take several pages: the length is read from the last.
    ASSERT_TRUE(sound_testing::writeTestOgg(dir.file("tone.ogg"), 4.0, 0.5f, 2));
    auto bytes = *media::readFileBytes(dir.file("tone.ogg"));
    const size_t real = decodeOgg(bytes.data(), bytes.size())->frames();
    claimLength(bytes, int64_t(1) << 44);
    auto shared = std::make_shared<const std::vector<uint8_t>>(bytes);
    auto stream = media::OggStream::open(shared);
    ASSERT_TRUE(stream);
    ASSERT_GT(stream->totalFrames(), int64_t(1) << 40);  // the claim is believed by the reader

    auto pcm = decodeOgg(bytes.data(), bytes.size());
    ASSERT_TRUE(pcm);
    // Without the true end to trim to, the last packet comes out whole.
    EXPECT_LE(pcm->frames(), real + 4096);
    EXPECT_GT(pcm->frames(), real / 2);
}

}  // namespace
