// Sprite animations: the scheme, the strip it needs, stepping on the clock,
// looping and holding, and which strip frame each step shows.
#include <gtest/gtest.h>

#include "fatal_catcher.h"
#include "gui/animation.h"
#include "widget_harness.h"

namespace {

class Animations : public WidgetTest {
protected:
    std::unique_ptr<TGui> animation(const std::string& scheme, int frames) {
        return guiOf("ANIM a { POSITION = \"30 40\" GFX = \"" + strip(12, 10, frames) + "\" SCHEMAT = \"" + scheme +
                     "\" }");
    }
    // The strip frame shown in each of `steps` frames, `ms` apart.
    static std::vector<int> run(TGui& gui, TRGMAnimation& a, int steps, int ms, std::vector<int>* ends = nullptr) {
        std::vector<int> shown;
        for (int i = 0; i < steps; ++i) {
            frame(gui);
            shown.push_back(a.shownFrame());
            if (ends) ends->push_back(a._wykonano);
            later(ms);
        }
        return shown;
    }
};

TEST_F(Animations, LoopingSequenceShowsEveryListedFrameAndStartsOver) {
    auto gui = animation("[NORMAL 100 LOOP] 1 2 3 [OTHER] 3 4", 4);
    auto* a = gui->getItemAs<TRGMAnimation>("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->allFrames, 4) << "1 2 3 and 3 4 need four frames";
    EXPECT_EQ(a->gfx->width, 12);
    EXPECT_EQ(a->dim.x1, 0) << "no hit area";
    std::vector<int> ends;
    // 101 ms apart: a step is due once the clock is past its time.
    EXPECT_EQ(run(*gui, *a, 8, 101, &ends), (std::vector<int>{-1, 0, 1, 2, 0, 1, 2, 0}));
    EXPECT_EQ(ends, (std::vector<int>{0, 0, 0, 0, 1, 0, 0, 1}));

    // Exactly on the due time is not yet past it.
    auto exact = animation("[NORMAL 100 LOOP] 1 2", 2);
    auto* e = exact->getItemAs<TRGMAnimation>("a");
    EXPECT_EQ(run(*exact, *e, 3, 100), (std::vector<int>{-1, -1, 0}));
}

TEST_F(Animations, SequenceWithoutLoopHoldsItsLastFrame) {
    auto gui = animation("[WAVE 50] 2 1 [normal 40] 1 2", 2);
    auto* a = gui->getItemAs<TRGMAnimation>("a");
    std::vector<int> ends;
    EXPECT_EQ(run(*gui, *a, 6, 41, &ends), (std::vector<int>{-1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(ends, (std::vector<int>{0, 0, 0, 1, 0, 0})) << "the end is reported once";

    a->playAnim("wave");
    EXPECT_EQ(run(*gui, *a, 3, 51), (std::vector<int>{-1, 1, 0}));
    EXPECT_EQ(fatal_catcher::messageOf([&] { a->playAnim("jump"); }), "Animacja ktora chcesz wyswietlic, nie istnieje!");
    EXPECT_EQ(fatal_catcher::messageOf([&] { a->playAnim(""); }), "Animacja ktora chcesz wyswietlic, nie istnieje!");
}

TEST_F(Animations, OddSchemes) {
    // Two spaces make an empty token: frame number 0, one more strip frame,
    // shown as nothing.
    auto gui = animation("[NORMAL 10 loop] 1  2", 3);
    auto* a = gui->getItemAs<TRGMAnimation>("a");
    EXPECT_EQ(a->allFrames, 3);
    EXPECT_EQ(a->currentAnim->maxFrames, 3);
    EXPECT_EQ(run(*gui, *a, 4, 11), (std::vector<int>{-1, 0, -1, 1}));

    EXPECT_EQ(fatal_catcher::messageOf([&] { animation(" x [NORMAL] 1", 1); }),
              "Nieprawidlowa definicja schematu : x [NORMAL] 1");
    EXPECT_EQ(fatal_catcher::messageOf([&] { animation("[WAVE] 1", 1); }),
              "Schemat :[WAVE] 1 - nie uwzglednil animacji NORMAL!");
    // A header left open is a nameless sequence with no frames.
    auto open = animation("[NORMAL] 1 [BROKEN 1 2", 1);
    EXPECT_EQ(open->getItemAs<TRGMAnimation>("a")->animsList.size(), 2u);
    // More than a hundred frame numbers: the rest are left out.
    std::string many = "[NORMAL 1 LOOP]";
    for (int i = 0; i < 150; ++i) many += " 1";
    auto longOne = animation(many, 1);
    EXPECT_EQ(longOne->getItemAs<TRGMAnimation>("a")->currentAnim->maxFrames, 100);
    auto slow = animation("[NORMAL 99999999999] 1", 1);
    auto* s = slow->getItemAs<TRGMAnimation>("a");
    EXPECT_EQ(run(*slow, *s, 2, 1000), (std::vector<int>{-1, -1})) << "waits for good";
}

}  // namespace
