// The widget gallery run as a whole program: every widget of its layout file
// is on screen where the file puts it, and reacts to the pointer and keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game_runner.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"
#include "shell/media/files.h"

namespace {

// Pixels in the box [x0, x1) x [y0, y1) that differ clearly between two pictures.
int differing(const TPixmapPtr& a, const TPixmapPtr& b, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint32_t p = ReadPixel(a, x, y), q = ReadPixel(b, x, y);
            int d = 0;
            for (int shift : {0, 8, 16}) d += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
            if (d > 30) ++n;
        }
    return n;
}

// Each centred caption over a column of buttons names the button above it, so
// it needs clear space above the next button down. Lists the captions that
// sit too close to the button below them.
std::string crampedCaptions(const TPixmapPtr& shot, const TPixmapPtr& backdrop, const std::string& layout) {
    const int kCaptionHeight = 14;  // the small gallery font's line
    const int kClearRows = 8;
    std::vector<GuiDeclaration> all = loadGuiFile(layout);
    std::string cramped;
    for (const GuiDeclaration& caption : all) {
        const std::vector<int> c = settingNumbers(caption.value("POSITION", "0 0"), 2);
        if (caption.kind != "TEXT" || c.size() < 3) continue;
        const int column = c[0] + c[2] / 2;
        // The nearest button below the caption in its column.
        const GuiDeclaration* below = nullptr;
        int belowY = 0;
        for (const GuiDeclaration& button : all) {
            const std::vector<int> b = settingNumbers(button.value("POSITION", "0 0"), 2);
            if (button.kind != "BUTTON" || std::abs(b[0] - column) > 1 || b[1] <= c[1]) continue;
            if (!below || b[1] < belowY) below = &button, belowY = b[1];
        }
        if (!below) continue;
        int run = 0, longest = 0;
        for (int y = c[1] + kCaptionHeight; y < belowY; ++y) {
            run = differing(shot, backdrop, column - 60, y, column + 60, y + 1) == 0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest < kClearRows) cramped += caption.name + " (" + std::to_string(longest) + " clear rows) ";
    }
    return cramped;
}

TEST(GalleryRun, ShowsEveryWidgetWhereItsLayoutPutsThem) {
    const std::string content = testing_support::contentDir();
    ASSERT_EQ(FileType(content), 2) << "no generated working folder";
    GameRun run;
    runGame(run,
            "waitfor SCREEN : open widgetgallery\nwait 1500\nshot idle.png\nwait 100\n"
            "move 150 118\nwait 500\nshot hover.png\nwait 100\n"
            "click 150 118\nwait 200\nshot clicked.png\nwait 100\n"
            "type Ada\nwait 200\nkey Return\nwait 200\nshot typed.png\nwait 100\n"
            "key Escape\n",
            {}, 60, {"--gallery"});
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    TPixmapPtr idle = run.shot("idle.png"), hover = run.shot("hover.png");
    TPixmapPtr clicked = run.shot("clicked.png"), typed = run.shot("typed.png");
    ASSERT_TRUE(idle && hover && clicked && typed) << run.output;
    TPixmapPtr backdrop = LoadPixmap(content + "/gfx/gui/gallery/tlo.png");
    ASSERT_TRUE(backdrop);

    int buttons = 0, texts = 0;
    for (const GuiDeclaration& d : loadGuiFile(content + "/data/gui_gallery.gui")) {
        const std::vector<int> p = settingNumbers(d.value("POSITION", "0 0"), 2);
        SCOPED_TRACE(d.name);
        if (d.kind == "BUTTON") {
            ++buttons;
            // Centred on their position; a wave caption stands on it.
            const int y = d.value("TYP") == "TEXT_SPEC_BUTTON1" ? p[1] - 12 : p[1];
            EXPECT_GT(differing(idle, backdrop, p[0] - 30, y - 6, p[0] + 30, y + 6), 40);
        } else if (d.kind == "TEXT") {
            ++texts;
            const int w = p.size() > 2 ? std::min(p[2], 240) : 60;
            EXPECT_GT(differing(idle, backdrop, p[0], p[1], p[0] + w, p[1] + 14), 15);
        }
    }
    EXPECT_EQ(buttons, 9);
    EXPECT_GT(texts, 15);
    EXPECT_EQ(crampedCaptions(idle, backdrop, content + "/data/gui_gallery.gui"), "");
    // Nothing is drawn where the layout puts nothing.
    EXPECT_EQ(differing(idle, backdrop, 740, 160, 775, 185), 0);
    EXPECT_EQ(differing(idle, backdrop, 40, 440 + 50, 250, 440 + 52), 0) << "between the text blocks";
    // The title in gold, the bouncing marble.
    auto isGold = [](uint32_t c) { return ((c >> 16) & 255) > 200 && ((c >> 8) & 255) > 150 && (c & 255) < 140; };
    int gold = 0;
    for (int y = 10; y < 45; ++y)
        for (int x = 300; x < 500; ++x) gold += isGold(ReadPixel(idle, x, y)) ? 1 : 0;
    EXPECT_GT(gold, 300);
    // Captions are aligned by the outlined-text routine: the title centred on
    // x 400, the status line ending at x 770. (The pointer rests at the top
    // left corner, left of both.)
    auto columnsWith = [&](const TPixmapPtr& shot, int y0, int y1, auto&& wanted) {
        int first = 800, last = -1;
        for (int y = y0; y < y1; ++y)
            for (int x = 40; x < 800; ++x)
                if (wanted(ReadPixel(shot, x, y)) && differing(shot, backdrop, x, y, x + 1, y + 1))
                    first = std::min(first, x), last = std::max(last, x);
        return std::pair{first, last};
    };
    const auto [titleLeft, titleRight] = columnsWith(idle, 10, 45, isGold);
    EXPECT_NEAR((titleLeft + titleRight) / 2, 400, 3);
    auto isWhite = [](uint32_t c) { return ((c >> 16) & 255) > 235 && ((c >> 8) & 255) > 235 && (c & 255) > 235; };
    const auto [statusLeft, statusRight] = columnsWith(idle, 66, 82, isWhite);
    EXPECT_NEAR(statusRight, 770, 3);
    EXPECT_LT(statusLeft, 500);
    EXPECT_GT(differing(idle, backdrop, 630, 496, 710, 580), 200);

    // Hovered, the simple button grows past its resting edge.
    EXPECT_LT(differing(idle, backdrop, 64, 112, 70, 124), 10);
    EXPECT_GT(differing(hover, backdrop, 64, 112, 70, 124), 45);
    // A click changes the status line; typing fills the entry.
    EXPECT_GT(differing(idle, clicked, 560, 64, 770, 82), 100);
    EXPECT_GT(differing(idle, typed, 580, 407, 640, 426), 100);
    EXPECT_GT(differing(clicked, typed, 560, 64, 770, 82), 50) << "Enter reports the entry";
}

}  // namespace
