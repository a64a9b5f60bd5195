// Pictures the game cannot do without: a missing one and one damaged past
// its header are both said to the player, once, when they are loaded.
#include <gtest/gtest.h>

#include <string>

#include "shell/assets.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using testing_support::TempDir;

// How often `text` occurs in `out`.
int count(const std::string& out, const std::string& text) {
    int n = 0;
    for (size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
    return n;
}

TEST(LoadImageOrFail, AMissingAndADamagedPictureAreEachSaidOnce) {
    TempDir dir;
    TPixmap picture(40, 30, 0xFF336699u);
    ASSERT_TRUE(SavePixmapPNG(picture, dir.file("whole.png")));
    const std::string bytes = testing_support::readFile(dir.file("whole.png"));
    testing_support::writeFile(dir.file("cut.png"), bytes.substr(0, bytes.size() - 20));
    ASSERT_TRUE(LoadImage(dir.file("cut.png"))) << "the header was cut too: the case is not tested";

    ::testing::internal::CaptureStdout();
    TImagePtr whole = loadImageOrFail(dir.file("whole.png"));
    TImagePtr cut = loadImageOrFail(dir.file("cut.png"));
    TImagePtr missing = loadImageOrFail(dir.file("missing.png"));
    // Drawing what could not be had is harmless and says nothing more.
    DrawImage(cut, 0, 0);
    DrawImage(missing, 0, 0);
    const std::string out = ::testing::internal::GetCapturedStdout();

    ASSERT_TRUE(whole);
    EXPECT_EQ(ImageWidth(whole), 40);
    EXPECT_TRUE(whole->source.pixels.empty()) << "a picture loaded but not shown holds its pixels";
    EXPECT_EQ(cut, nullptr) << "a damaged picture loaded as if whole";
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(count(out, "Couldn't load image file: " + dir.file("cut.png")), 1) << out;
    EXPECT_EQ(count(out, "Couldn't load image file: " + dir.file("missing.png")), 1) << out;
    EXPECT_EQ(count(out, "Couldn't load image file"), 2) << "a whole picture was reported:\n" << out;
}

}  // namespace
