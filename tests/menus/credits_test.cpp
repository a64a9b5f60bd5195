// The credits page: the first 40 lines of the credits file in their styles,
// centred one under another, fading in and out again on a click or Escape.
#include <gtest/gtest.h>

#include "datafiles/txt_file.h"
#include "menus/credits.h"
#include "shell/delta_time.h"
#include "shell/game_objects.h"
#include "shell/media/media.h"
#include "shell/start.h"
#include "test_support.h"

namespace {

class Credits : public ::testing::Test {
protected:
    void SetUp() override {
        if (!here.ok()) GTEST_FAIL() << testing_support::kNoContent;
        media::resetClock(true, 1000);
        media::inputReset();
        delta = 1;
        mouse().clear();
        mouse().update();
        if (!fonts.font_font16) fonts.load();
    }
    static TMouse& mouse() { return objects().mouse; }
    // Frames of the page until it has gone; the number of frames, or -1.
    int framesUntilGone(int limit = 300) {
        for (int n = 1; n <= limit; ++n) {
            mouse().update();
            credits.update();
            if (credits.react()) return n;
        }
        return -1;
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            mouse().update();
            credits.update();
            ASSERT_FALSE(credits.react());
        }
    }

    testing_support::InContentDir here;
    testing_support::TempDir dir;
    TCredits credits;
};

TEST_F(Credits, FortyCentredLinesInTheirStyles) {
    testing_support::writeFile(dir.file("credits.txt"), "@Vornell\n#Music\nRook Ambervale\n\nplain # and @ inside\n");
    credits.setup(dir.file("credits.txt"));
    ASSERT_EQ(credits.lista.size(), 40u);
    ASSERT_EQ(credits.lines.size(), 40u);
    struct Expect {
        std::string text;
        TImageFontPtr font;
        TRGB colour;
    };
    const Expect heading{"Vornell", fonts.font_blueHigh26, createRGB(200, 50, 50)};
    const Expect sub{"Music", fonts.font_blueHigh22, createRGB(200, 200, 50)};
    const Expect plain{"Rook Ambervale", fonts.font_FONT20, createRGB(200, 255, 255)};
    const std::vector<Expect> expected = {heading, sub, plain, {"", fonts.font_FONT20, plain.colour},
                                          {"plain # and @ inside", fonts.font_FONT20, plain.colour}};
    int dy = 0;
    for (size_t i = 0; i < 40; ++i) {
        const TCredits::Line& line = credits.lines[i];
        // Lines the file lacks show the missing-line text, as plain lines.
        const Expect e = i < expected.size() ? expected[i] : Expect{kMissingLineText, fonts.font_FONT20, plain.colour};
        EXPECT_EQ(line.text, e.text) << "line " << i + 1;
        EXPECT_EQ(line.font, e.font) << "line " << i + 1;
        EXPECT_EQ(line.colour.r, e.colour.r) << "line " << i + 1;
        EXPECT_EQ(line.colour.g, e.colour.g) << "line " << i + 1;
        SetImageFont(e.font);
        EXPECT_EQ(line.x, 400 - TextWidth(e.text) / 2) << "line " << i + 1;
        EXPECT_EQ(line.dy, dy) << "line " << i + 1 << ": each line follows the one above";
        dy += TextHeight(e.text) + 3;
    }
    EXPECT_GT(credits.y + float(credits.lines.back().dy), 600.0f) << "the page does not scroll: its end is off screen";

    // The game's own file fills all forty lines with real text.
    credits.setup();
    for (const std::string& s : credits.lista) EXPECT_NE(s, kMissingLineText);
}

TEST_F(Credits, FadesInAndOutOnAClickOrEscape) {
    credits.setup();
    credits.prepare();
    EXPECT_EQ(credits.y, 50.0f);
    EXPECT_EQ(credits.alpha, 0.0f);
    frames(60);
    EXPECT_EQ(credits.alpha, 1.0f) << "the veil is fully in after about 50 frames";
    media::inputKeyDown(KEY_ESCAPE);
    media::inputKeyUp(KEY_ESCAPE);
    const int out = framesUntilGone();
    EXPECT_GE(out, 49);
    EXPECT_LE(out, 52);

    // A click while fading in turns the fade around from where it was.
    credits.prepare();
    frames(10);
    EXPECT_NEAR(credits.alpha, 0.2f, 0.001f);
    media::inputMouseDown(1);
    media::inputMouseUp(1);
    const int back = framesUntilGone();
    EXPECT_GE(back, 9);
    EXPECT_LE(back, 12);
}

}  // namespace
