// Picture loading, masks, frames, handles and pixel collisions.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "shell/media/collision.h"
#include "shell/media/graphics.h"
#include "shell/media/image.h"
#include "test_support.h"

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

// Writes an RGB picture (no alpha channel) through libpng.
void writeRgbPng(const std::string& path, int w, int h, const std::vector<uint8_t>& rgb) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = png_uint_32(w);
    img.height = png_uint_32(h);
    img.format = PNG_FORMAT_RGB;
    ASSERT_TRUE(png_image_write_to_file(&img, path.c_str(), 0, rgb.data(), 0, nullptr));
}

TEST(Images, MaskingClearsPureBlackOnlyInPicturesWithoutAlpha) {
    TempDir dir;
    writeRgbPng(dir.file("rgb.png"), 2, 1, {0, 0, 0, 10, 20, 30});
    TImagePtr masked = LoadImage(dir.file("rgb.png"));
    ASSERT_TRUE(masked);
    // Loading reads the size; the pixels come when first needed.
    EXPECT_TRUE(masked->source.pixels.empty());
    ASSERT_TRUE(ensurePixels(*masked));
    EXPECT_EQ(masked->source.at(0, 0) >> 24, 0u);
    EXPECT_EQ(masked->source.at(1, 0), 0xFF0A141Eu);
    TImagePtr plain = LoadImage(dir.file("rgb.png"), FILTEREDIMAGE);
    ASSERT_TRUE(ensurePixels(*plain));
    EXPECT_EQ(plain->source.at(0, 0), 0xFF000000u);

    TPixmap rgba(2, 1);
    rgba.at(0, 0) = 0xFF000000u;  // opaque black in a picture with alpha stays
    rgba.at(1, 0) = 0x80FF0000u;
    ASSERT_TRUE(SavePixmapPNG(rgba, dir.file("rgba.png")));
    TImagePtr withAlpha = LoadImage(dir.file("rgba.png"), -1);
    ASSERT_TRUE(withAlpha);
    ASSERT_TRUE(ensurePixels(*withAlpha));
    EXPECT_EQ(withAlpha->source.at(0, 0), 0xFF000000u);
    EXPECT_EQ(withAlpha->source.at(1, 0) >> 24, 0x80u);
    EXPECT_EQ(withAlpha->flags, MASKEDIMAGE | FILTEREDIMAGE);
}

TEST(Images, MissingOrBrokenFilesGiveNone) {
    TempDir dir;
    EXPECT_EQ(LoadImage(dir.file("missing.png")), nullptr);
    writeFile(dir.file("broken.png"), "\x89PNG\r\n\x1a\nnot really");
    EXPECT_EQ(LoadImage(dir.file("broken.png")), nullptr);
    writeFile(dir.file("broken.jpg"), "\xFF\xD8\xFF\xE0 truncated");
    EXPECT_EQ(LoadImage(dir.file("broken.jpg")), nullptr);
    writeFile(dir.file("text.png"), "hello");
    EXPECT_EQ(LoadImage(dir.file("text.png")), nullptr);
    // A header promising more than the game decodes is refused before any
    // pixel is decoded; a body broken past a good header gives no pixels.
    TPixmap wide(8, 2, 0xFF102030u);
    ASSERT_TRUE(SavePixmapPNG(wide, dir.file("wide.png")));
    std::string bytes = testing_support::readFile(dir.file("wide.png"));
    std::string huge = bytes;
    huge[16] = 0, huge[17] = 1, huge[18] = 0, huge[19] = 0;  // width 65536
    writeFile(dir.file("huge.png"), huge);
    EXPECT_EQ(LoadImage(dir.file("huge.png")), nullptr);
    writeFile(dir.file("cut.png"), bytes.substr(0, bytes.size() - 20));
    TImagePtr cut = LoadImage(dir.file("cut.png"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(ImageWidth(cut), 8);
    EXPECT_FALSE(ensurePixels(*cut));
    // Drawing none does nothing.
    DrawImage(nullptr, 10, 10);
    EXPECT_EQ(ImageWidth(nullptr), 0);
}

// A w x h JPEG of noise, so that most of its bytes are picture data after
// the header.
std::string noisyJpeg(int w, int h) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(size_t(w) * 3);
    unsigned state = 7;
    while (c.next_scanline < c.image_height) {
        for (uint8_t& v : row) v = uint8_t((state = state * 1103515245u + 12345u) >> 16);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(out, &std::free);
    return std::string(reinterpret_cast<const char*>(out), size);
}

// A picture whose header is whole but whose data is cut short loads (the
// header is all loading reads) but never decodes: not as grey padding, not
// as a part. A whole one decodes, and checking it keeps no pixels.
TEST(Images, APictureCutShortAfterItsHeaderDoesNotDecode) {
    TempDir dir;
    TPixmap noise(64, 48);
    unsigned state = 3;
    for (uint32_t& p : noise.pixels) p = 0xFF000000u | ((state = state * 1103515245u + 12345u) >> 8);
    ASSERT_TRUE(SavePixmapPNG(noise, dir.file("whole.png")));
    writeFile(dir.file("whole.jpg"), noisyJpeg(64, 48));
    for (const char* name : {"whole.png", "whole.jpg"}) {
        SCOPED_TRACE(name);
        const std::string bytes = testing_support::readFile(dir.file(name));
        ASSERT_GT(bytes.size(), 2000u);
        TImagePtr whole = LoadImage(dir.file(name));
        ASSERT_TRUE(whole);
        EXPECT_TRUE(pictureDecodes(*whole));
        EXPECT_TRUE(whole->source.pixels.empty()) << "a picture only checked kept its pixels";
        EXPECT_TRUE(ensurePixels(*whole));
        for (size_t keep : {bytes.size() / 2, bytes.size() - 40}) {
            SCOPED_TRACE(keep);
            const std::string cutPath = dir.file(std::string("cut-") + name);
            writeFile(cutPath, bytes.substr(0, keep));
            TImagePtr cut = LoadImage(cutPath);
            ASSERT_TRUE(cut) << "the header was cut too: the case is not tested";
            EXPECT_EQ(ImageWidth(cut), 64);
            EXPECT_FALSE(pictureDecodes(*cut));
            EXPECT_FALSE(ensurePixels(*cut));
            EXPECT_EQ(LoadPixmap(cutPath), nullptr);
        }
    }
}

TEST(Images, BmpPicturesDecode) {
    TempDir dir;
    // 2 x 1, 24-bit, bottom-up: blue then red.
    std::string bmp = std::string("BM") + std::string(8, '\0') + std::string("\x36\0\0\0", 4) +
                      std::string("\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x18\0", 16) + std::string(24, '\0') +
                      std::string("\xFF\0\0\0\0\xFF\0\0", 8);
    writeFile(dir.file("p.bmp"), bmp);
    TImagePtr img = LoadImage(dir.file("p.bmp"), 0);
    ASSERT_TRUE(img);
    ASSERT_TRUE(ensurePixels(*img));
    EXPECT_EQ(img->source.at(0, 0), 0xFF0000FFu);
    EXPECT_EQ(img->source.at(1, 0), 0xFFFF0000u);

    // The lowest height a header can hold has no positive counterpart.
    std::string noHeight = bmp;
    noHeight.replace(22, 4, std::string("\0\0\0\x80", 4));
    const std::vector<uint8_t> bytes(noHeight.begin(), noHeight.end());
    int w = 0, h = 0;
    EXPECT_FALSE(media::pictureSize(bytes, w, h));
    EXPECT_FALSE(media::decodePicture(bytes));
}

TEST(Images, AnimImagesCutCellsLeftToRightThenTopToBottom) {
    TempDir dir;
    TPixmap strip(30, 20, 0xFFFFFFFFu);
    ASSERT_TRUE(SavePixmapPNG(strip, dir.file("strip.png")));
    TImagePtr anim = LoadAnimImage(dir.file("strip.png"), 10, 10, 0, 5);
    ASSERT_TRUE(anim);
    EXPECT_EQ(ImageWidth(anim), 10);
    EXPECT_EQ(ImageHeight(anim), 10);
    ASSERT_EQ(anim->frameCount(), 5);
    EXPECT_EQ(anim->frames[2].x, 20);
    EXPECT_EQ(anim->frames[3].x, 0);
    EXPECT_EQ(anim->frames[3].y, 10);
    EXPECT_EQ(LoadAnimImage(dir.file("strip.png"), 10, 10, 0, 7), nullptr) << "more cells than the picture holds";
    EXPECT_EQ(LoadAnimImage(dir.file("strip.png"), 0, 10, 0, 1), nullptr);
    MidHandleImage(anim);
    EXPECT_FLOAT_EQ(anim->handle_x, 5.0f);
}

TImagePtr solidSquare(int size, uint32_t argb) {
    return LoadImage(std::make_shared<TPixmap>(size, size, argb), 0);
}

TEST(Collisions, OnlyPixelsThatAreNotFullyTransparentCollide) {
    SetScale(1, 1);
    SetRotation(0);
    ResetCollisions(0);
    TImagePtr opaque = solidSquare(10, 0xFFFFFFFFu);
    TImagePtr faint = solidSquare(10, 0x01FFFFFFu);
    TImagePtr clear = solidSquare(10, 0x00FFFFFFu);
    CollideImage(opaque, 0, 0, 0, 0, 1, 7);

    EXPECT_EQ(CollideImage(clear, 5, 5, 0, 1, 0, 1).size(), 0u);
    auto hits = CollideImage(faint, 5, 5, 0, 1, 0, 2);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0], 7);
    EXPECT_TRUE(CollideImage(opaque, 10, 0, 0, 1, 0).empty()) << "edges touching is not overlapping";
    EXPECT_TRUE(CollideImage(opaque, 0, 0, 0, 2, 0).empty()) << "another layer";
    ResetCollisions(1);
    EXPECT_TRUE(CollideImage(opaque, 0, 0, 0, 1, 0).empty());
}

TEST(Collisions, QuadsArePlacedAsDrawImageWouldPlaceThem) {
    ResetCollisions(0);
    TImagePtr target = solidSquare(4, 0xFFFFFFFFu);
    CollideImage(target, 100, 100, 0, 0, 1, 1);
    TImagePtr probe = solidSquare(10, 0xFFFFFFFFu);
    SetScale(3, 3);  // scaled round its handle (the top-left corner): reaches x 90..120
    EXPECT_FALSE(CollideImage(probe, 90, 90, 0, 1, 0).empty());
    SetScale(1, 1);
    EXPECT_TRUE(CollideImage(probe, 90, 90, 0, 1, 0).empty());
    MidHandleImage(probe);
    SetRotation(45);
    EXPECT_FALSE(CollideImage(probe, 94, 102, 0, 1, 0).empty()) << "the rotated corner reaches the target";
    SetRotation(0);
    EXPECT_TRUE(CollideImage(probe, 94, 102, 0, 1, 0).empty());
}

TEST(DrawState, BlendModesOutsideOneToFiveKeepTheModeInForce) {
    SetBlend(LIGHTBLEND);
    SetBlend(0);
    EXPECT_EQ(GetBlend(), LIGHTBLEND);
    SetBlend(9);
    EXPECT_EQ(GetBlend(), LIGHTBLEND);
    SetBlend(ALPHABLEND);
    EXPECT_EQ(GetBlend(), ALPHABLEND);
    SetAlpha(2);
    EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
    SetAlpha(1);
}

}  // namespace
