// How the generator sets a label into its place: the face that has its
// characters, the size and lines it takes, and how far a pill widens for it.
#include <gtest/gtest.h>

#include <string>

#include "labels.h"
#include "ui_kit.h"

namespace {

using art::Face;

// A ribbon's title: 24 px Comfortaa with a 4 px outline, two lines allowed.
labels::Place titleIn(double room) { return {Face::Rounded, 24, room, 4, 24}; }

double widest(const labels::Label& label) {
    double w = 0;
    for (const std::string& line : label.lines) w = std::max(w, labels::inkWidth(line, label.face, label.size));
    return w;
}

TEST(Labels, TheFaceMustHaveEveryCharacter) {
    EXPECT_EQ(labels::faceWithCharacters("Zurück", Face::Rounded), Face::Rounded);
    EXPECT_EQ(labels::faceWithCharacters("Выход", Face::Rounded), Face::Rounded);
    // Comfortaa has no "Ḃ" (U+1E02); DejaVu Sans Bold has.
    EXPECT_EQ(labels::faceWithCharacters("[Ḃåçķ~]", Face::Rounded), Face::Sans);
    std::string missing;
    EXPECT_FALSE(labels::faceWithCharacters("Play 日本", Face::Rounded, &missing));
    EXPECT_EQ(missing, "日");
    std::string why;
    EXPECT_FALSE(labels::tryFit("Play 日本", titleIn(400), why));
    EXPECT_NE(why.find("日"), std::string::npos) << why;
    EXPECT_FALSE(labels::faceWithCharacters("broken \xC3", Face::Rounded));
}

TEST(Labels, ALabelShrinksToThreeQuartersThenTakesTwoLinesThenFails) {
    const std::string text = "Spiel angehalten kurz";
    const double full = labels::widthNeeded(text, titleIn(0));
    std::string why;

    auto fits = labels::tryFit(text, titleIn(full), why);
    ASSERT_TRUE(fits) << why;
    EXPECT_EQ(fits->size, 24);
    EXPECT_EQ(fits->lines.size(), 1u);

    auto smaller = labels::tryFit(text, titleIn(full * 0.85), why);
    ASSERT_TRUE(smaller) << why;
    EXPECT_EQ(smaller->lines.size(), 1u);
    EXPECT_LT(smaller->size, 24);
    EXPECT_GT(smaller->size, 24 * 0.84);
    EXPECT_LE(widest(*smaller) + 4, full * 0.85);

    auto twoLines = labels::tryFit(text, titleIn(full * 0.6), why);
    ASSERT_TRUE(twoLines) << why;
    ASSERT_EQ(twoLines->lines.size(), 2u);
    EXPECT_EQ(twoLines->lines[0] + " " + twoLines->lines[1], text);
    EXPECT_GE(twoLines->size, 24 * labels::kSmallest);
    EXPECT_LE(widest(*twoLines) + 4, full * 0.6);

    EXPECT_FALSE(labels::tryFit(text, titleIn(full * 0.3), why)) << "never below three quarters";
    labels::Place oneLine = titleIn(full * 0.6);
    oneLine.twoLineSize = 0;
    EXPECT_FALSE(labels::tryFit(text, oneLine, why)) << "a place for one line only";
    EXPECT_FALSE(labels::tryFit("Umbenennungsvorgang", titleIn(100), why)) << "one word does not break";
}

TEST(Labels, ALineNeverBeginsWithADash) {
    const std::string text = "Spiel angehalten \u2013 Pause";
    std::string why;
    const auto label = labels::tryFit(text, titleIn(labels::widthNeeded(text, titleIn(0)) * 0.7), why);
    ASSERT_TRUE(label) << why;
    ASSERT_EQ(label->lines.size(), 2u);
    EXPECT_NE(label->lines[1].rfind("\u2013", 0), 0u) << label->lines[1];
}

TEST(Labels, APillWidensForItsLabelUpToItsLimit) {
    const ui_kit::PillStyle play{art::rgb255(60, 175, 70), "Play", ui_kit::arrowIcon};
    EXPECT_EQ(ui_kit::pillWidth(play, 230, 58), 230) << "a label that fits leaves the pill as designed";

    const ui_kit::PillStyle rename{art::rgb255(40, 120, 235), "Umbenennen und mehr", {}};
    const int wider = ui_kit::pillWidth(rename, 140, 56);
    EXPECT_GT(wider, 140);
    // Just wide enough: a pill a pixel narrower widens to it again.
    EXPECT_EQ(ui_kit::pillWidth(rename, wider - 1, 56), wider);
    EXPECT_EQ(ui_kit::pillWidth(rename, wider, 56), wider);
    ui_kit::PillStyle withIcon = rename;
    withIcon.icon = ui_kit::crossIcon;
    EXPECT_GT(ui_kit::pillWidth(withIcon, 140, 56), wider) << "the icon takes room from the label";

    EXPECT_EQ(ui_kit::pillWidth(rename, 140, 56, 170), 170) << "the limit holds; the label then shrinks";
}

}  // namespace
