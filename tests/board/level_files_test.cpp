// The level catalogue and level files: laid-out and random boards, the quest
// position, and level data outside what the board can hold.
#include <filesystem>
#include <set>

#include "board/level_manager.h"
#include "board_fixture.h"
#include "datafiles/rcm_file.h"
#include "players/profile.h"
#include "test_support.h"

using namespace board_test;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

// A level file with the usual keys; `extra` adds or overrides lines.
std::string levelFile(const std::string& typ, int rows, int cols, const std::string& tiles,
                      const std::string& extra = "", const std::string& available = "1 2 3") {
    return "level {\n"
           "\ttyp = \"" + typ + "\"\n"
           "\tavailable = \"" + available + "\"\n"
           "\tbonus = \"2 16\"\n"
           "\trozmiar = 2\n"
           "\timg = \"\"\n"
           "\trows = " + std::to_string(rows) + "\n"
           "\tcols = " + std::to_string(cols) + "\n"
           "\ttime = 300\n"
           "\tchangetime = 250\n"
           "\tlines = 12\n"
           "\tname = \"Test\"\n"
           "\tnr = 3\n" +
           extra + "\ttiles {\n" + tiles + "\t}\n}\n";
}

class LevelFiles : public BoardTest {
protected:
    TempDir dir;
    TLevelManager manager;

    // Catalogue entries in the order given: (nr, file name).
    void catalogue(const std::vector<std::pair<int, std::string>>& entries) {
        std::string text = "levels {\n\tilosc = " + std::to_string(entries.size()) + "\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            text += "\tlevel" + std::to_string(i + 1) + " {\n\t\tnr = " + std::to_string(entries[i].first) +
                    "\n\t\tdim = 120, 430\n\t\tname = \"L" + std::to_string(entries[i].first) + "\"\n\t\turl = \"" +
                    dir.file(entries[i].second) + "\"\n\t\tgfxurl = \"\"\n\t\tv = 1\n\t\ttyp = 0\n\t}\n";
        }
        writeFile(dir.file("levels.dat"), text + "}\n");
        manager.setupFrom(dir.file("levels.dat"));
    }

    TLevelPtr load(const std::string& text) {
        writeFile(dir.file("one.dat"), text);
        catalogue({{1, "one.dat"}});
        return manager.loadLevel(1);
    }
};

}  // namespace

TEST_F(LevelFiles, ALaidOutBoardPlacesEachCodeInItsGroup) {
    TLevelPtr level = load(levelFile("NORMAL-TWO", 2, 4, "\t\trandom = 0\n\t\trow1 = \"1 2 0 102\"\n\t\trow2 = \"3\"\n"));
    ASSERT_TRUE(level);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"1 2 . ^2", "3 . . ."}));
    EXPECT_EQ(level->rozmiar, 30);
    EXPECT_EQ(level->zestaw, 1);
    EXPECT_EQ(level->time, 300);
    EXPECT_EQ(level->changeTime, 250);
    EXPECT_EQ(level->lines, 12);
    EXPECT_EQ(level->name, "Test");
    EXPECT_EQ(level->url, dir.file("one.dat"));
    ASSERT_EQ(level->available.size(), 3u);
    EXPECT_EQ(level->available[2]->id, 3);
    ASSERT_EQ(level->bonusy.size(), 2u);
    EXPECT_EQ(level->bonusy[0]->id, 102);
    EXPECT_EQ(level->bonusy[1]->id, KIND_BOMB);
    EXPECT_EQ(manager._loadLevelBonusData(1).size(), 2u);
}

TEST_F(LevelFiles, ARandomBoardIsDrawnAfreshOnEveryLoad) {
    writeFile(dir.file("r.dat"), levelFile("NORMAL-NORMAL", 10, 6, "\t\trandom = 3\n"));
    catalogue({{1, "r.dat"}});
    TLevelPtr first = manager.loadLevel(1);
    ASSERT_TRUE(first);
    for (int c = 0; c < 6; ++c) {
        int count = 0;
        for (int r = 0; r < 10; ++r) count += first->tiles[size_t(r)][size_t(c)] ? 1 : 0;
        EXPECT_GE(count, 2);
        EXPECT_LE(count, 4);
    }
    EXPECT_NE(picture(*first), picture(*manager.loadLevel(1)));
}

TEST_F(LevelFiles, OtherKindsLoadTheirDataButGetNoBoard) {
    TLevelPtr story = load(levelFile("STORY-NORMAL", 3, 3, "\t\trandom = 0\n\t\trow1 = \"1 1 1\"\n"));
    ASSERT_TRUE(story);
    EXPECT_EQ(story->lines, 12);
    EXPECT_EQ(story->_isCleared(), 1);
    // A picture puzzle whose picture is missing loads without pieces.
    TLevelPtr puzzle = load(levelFile("PUZZLE", 3, 4, "", "\tpuzzle = \"gfx/none.png\"\n"));
    ASSERT_TRUE(puzzle);
    EXPECT_FALSE(puzzle->img2);
}

TEST_F(LevelFiles, TheQuestMovesByLevelNumberNotByPlaceInTheCatalogue) {
    const std::string board = levelFile("NORMAL-NORMAL", 4, 4, "\t\trandom = 2\n");
    for (const char* name : {"a.dat", "b.dat", "c.dat"}) writeFile(dir.file(name), board);
    writeFile(dir.file("b.dat"), levelFile("NORMAL-NORMAL", 5, 4, "\t\trandom = 2\n"));
    catalogue({{8, "b.dat"}, {1, "a.dat"}, {7, "c.dat"}});
    TProfile profile;
    objects().profileManager.profile = &profile;
    profile.hint.fill(1);
    profile.currentLevel = 7;
    TLevelPtr next = profile.nextQuestLevel(manager);
    ASSERT_TRUE(next);
    EXPECT_EQ(profile.currentLevel, 8);
    EXPECT_EQ(next->rows, 5);
    EXPECT_EQ(profile.level, next);

    profile.restartQuest(manager);
    EXPECT_EQ(profile.currentLevel, 1);
    EXPECT_EQ(profile.hint[25], 0);
    EXPECT_EQ(profile.hint[26], 1);
    ASSERT_TRUE(profile.level);
    EXPECT_EQ(profile.level->url, dir.file("a.dat"));
    objects().profileManager.profile = nullptr;

    EXPECT_FALSE(manager.loadLevel(99));
    EXPECT_EQ(manager.getLevelData(7)->url, dir.file("c.dat"));
    ASSERT_TRUE(manager.getLevelData(8)->pos);
    EXPECT_EQ(manager.getLevelData(8)->pos->x, 120);
    EXPECT_EQ(manager.getLevelData(8)->pos->y, 430);
}

TEST_F(LevelFiles, AMissingOrUnreadableLevelFileGivesNoLevel) {
    writeFile(dir.file("broken.dat"), "level {\n\ttyp = \"NORMAL-NORMAL\"\n");  // unbalanced
    writeFile(dir.file("other.dat"), "story {\n\tname = \"Not a level\"\n}\n");
    catalogue({{1, "missing.dat"}, {2, "broken.dat"}, {3, "other.dat"}});
    for (int nr : {1, 2, 3}) EXPECT_FALSE(manager.loadLevel(nr)) << nr;
    EXPECT_TRUE(manager._loadLevelBonusData(1).empty());
    // Moving on to such a level leaves the profile on it, with no board.
    TProfile profile;
    objects().profileManager.profile = &profile;
    profile.currentLevel = 1;
    EXPECT_FALSE(profile.nextQuestLevel(manager));
    EXPECT_EQ(profile.currentLevel, 2);
    EXPECT_FALSE(profile.level);
    objects().profileManager.profile = nullptr;
}

TEST_F(LevelFiles, SizesBeyondTheBoardAreClampedAndStillPlay) {
    std::string text = levelFile("NORMAL-TWO", 40, 30, "\t\trandom = 60\n");
    text.replace(text.find("rozmiar = 2"), 11, "rozmiar = 7");
    TLevelPtr level = load(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->rows, 26);
    EXPECT_EQ(level->cols, 25);
    EXPECT_EQ(level->rozmiar, 45);
    level->randomMe();
    for (int push = 0; push < 30 && !lost(); ++push) level->giveNext(1);
    EXPECT_TRUE(lost());

    playOn();
    TLevelPtr small = load(levelFile("NORMAL-NORMAL", 0, -4, "\t\trandom = -3\n"));
    ASSERT_TRUE(small);
    EXPECT_EQ(small->rows, 1);
    EXPECT_EQ(small->cols, 1);
    small->randomMe();
    small->giveNext(1);
    small->checkLevel(0);
    EXPECT_EQ(lostReason(), "NORMAL");
}

TEST_F(LevelFiles, CountsAndTimesBeyondWhatCanBePlayedAreHeldInside) {
    std::string text = levelFile("NORMAL-NORMAL", 6, 6, "\t\trandom = 2\n");
    text.replace(text.find("lines = 12"), 10, "lines = -99999999999");
    text.replace(text.find("time = 300"), 10, "time = -7");
    text.replace(text.find("changetime = 250"), 16, "changetime = 99999999999");
    TLevelPtr level = load(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->lines, -1) << "a negative count is an endless level";
    EXPECT_EQ(level->time, 0);
    EXPECT_EQ(level->changeTime, 360000);

    text = levelFile("NORMAL-NORMAL", 6, 6, "\t\trandom = 2\n");
    text.replace(text.find("lines = 12"), 10, "lines = 99999999999");
    level = load(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->lines, 1000000);
}

TEST_F(LevelFiles, AMarbleSizeOutsideOneToThreeIsHeldInside) {
    const std::string tiles = "\t\trandom = 2\n";
    std::string text = levelFile("NORMAL-NORMAL", 5, 5, tiles);
    text.replace(text.find("rozmiar = 2"), 11, "rozmiar = 0");
    TLevelPtr level = load(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->rozmiar, 20);
    EXPECT_EQ(level->zestaw, 0);
}

TEST_F(LevelFiles, ColoursAndBonusesThatNameNoKindAreLeftOut) {
    TLevelPtr level = load(levelFile("NORMAL-NORMAL", 5, 5, "\t\trandom = 2\n", "", "1 99 -3 2 1234567890123"));
    ASSERT_TRUE(level);
    ASSERT_EQ(level->available.size(), 2u);
    EXPECT_EQ(level->available[1]->id, 2);

    std::string text = levelFile("NORMAL-NORMAL", 5, 5, "\t\trandom = 2\n");
    text.replace(text.find("\"2 16\""), 6, "\"40 -1 16\"");
    level = load(text);
    ASSERT_TRUE(level);
    ASSERT_EQ(level->bonusy.size(), 1u);
    EXPECT_EQ(level->bonusy[0]->id, KIND_BOMB);
}

TEST_F(LevelFiles, ABoardWithFewerThanTwoColoursIsRefused) {
    EXPECT_FALSE(load(levelFile("NORMAL-NORMAL", 5, 5, "\t\trandom = 2\n", "", "4")));
    EXPECT_FALSE(load(levelFile("NORMAL-STRATEGY", 5, 5, "\t\trandom = 2\n", "", "4 104")));
    EXPECT_FALSE(load(levelFile("NORMAL-NORMAL", 5, 5, "\t\trandom = 2\n", "", "")));
    // Other kinds need no colours.
    EXPECT_TRUE(load(levelFile("SHOOTING-NORMAL", 5, 5, "", "", "")));
    // A picture-puzzle board draws no waiting rows: one colour is enough,
    // none is not.
    const std::string laidOut = "\t\trandom = 0\n\t\trow1 = \"4 4 4\"\n";
    TLevelPtr puzzle = load(levelFile("NORMAL-PUZZLE", 1, 3, laidOut, "", "4"));
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->canMatch(), 1);
    EXPECT_FALSE(load(levelFile("NORMAL-PUZZLE", 1, 3, laidOut, "", "")));
}

TEST_F(LevelFiles, ABoardLevelWhoseTypeNamesNoModeIsRefused) {
    for (const char* typ : {"NORMAL", "NORMAL-", "NORMAL-SIDEWAYS"})
        EXPECT_FALSE(load(levelFile(typ, 5, 5, "\t\trandom = 2\n"))) << typ;
    EXPECT_TRUE(load(levelFile("normal-two", 5, 5, "\t\trandom = 2\n")));
}

TEST_F(LevelFiles, ACatalogueWithAGapStillReadsTheEntriesAfterIt) {
    writeFile(dir.file("a.dat"), levelFile("NORMAL-NORMAL", 4, 4, "\t\trandom = 2\n"));
    writeFile(dir.file("levels.dat"),
              "levels {\n ilosc = 4\n"
              " level1 {\n nr = 1\n url = \"" + dir.file("a.dat") + "\"\n }\n"
              " level3 {\n nr = 3\n url = \"" + dir.file("a.dat") + "\"\n }\n"
              " LEVEL4 {\n nr = 4\n url = \"" + dir.file("a.dat") + "\"\n }\n"
              " level05 {\n nr = 5\n }\n"
              "}\n");
    manager.setupFrom(dir.file("levels.dat"));
    ASSERT_EQ(manager.levels.size(), 3u);
    EXPECT_EQ(manager.levels[2].nr, 4);
    EXPECT_TRUE(manager.loadLevel(4));
    EXPECT_FALSE(manager.getLevelData(5));

    // A count far beyond the entries written reads what is there, at once.
    writeFile(dir.file("huge.dat"), "levels {\n ilosc = 2000000000\n level1 {\n nr = 1\n }\n}\n");
    manager.setupFrom(dir.file("huge.dat"));
    EXPECT_EQ(manager.levels.size(), 1u);
}

TEST_F(LevelFiles, ANewFreePlayBoardOffersEveryKind) {
    TLevelPtr level = manager.createNewLevel();
    EXPECT_EQ(level->available, tileKinds);
    EXPECT_EQ(level->_isCleared(), 1);
}

TEST(TileKinds, LookupsByCodeAndById) {
    TempDir dir;
    writeFile(dir.file("tiles.dat"),
              "tiles {\n ilosc = 4\n"
              " tile1 {\n id = 3\n rgb = 1, 2, 3\n }\n"
              " tile2 {\n id = 103\n rgb = 4, 5, 6\n }\n"
              " tile3 {\n id = 3\n rgb = 7, 8, 9\n }\n"
              " tile4 {\n id = 116\n rgb = 0, 0, 0\n }\n"
              "}\n");
    loadTileKindsFrom(dir.file("tiles.dat"));
    ASSERT_EQ(tileKinds.size(), 4u);
    EXPECT_EQ(tileKindForCode(3), tileKinds[0]);
    EXPECT_EQ(tileKindForCode(103), tileKinds[0]);  // colour 3 in the top group
    EXPECT_EQ(tileKindById(103), tileKinds[1]);      // the colour blast
    EXPECT_EQ(tileKindById(3)->rgb.b, 3);            // the earlier of two equal ids
    EXPECT_FALSE(tileKindById(5));
    EXPECT_FALSE(tileKindForCode(0));

    writeFile(dir.file("none.dat"), "tiles {\n ilosc = 0\n}\n");
    loadTileKindsFrom(dir.file("none.dat"));
    EXPECT_TRUE(tileKinds.empty());
    EXPECT_FALSE(tileKindForCode(3));

    // A count far beyond the kinds written stops at the last one.
    writeFile(dir.file("short.dat"), "tiles {\n ilosc = 2000000000\n tile1 {\n id = 1\n }\n}\n");
    loadTileKindsFrom(dir.file("short.dat"));
    EXPECT_EQ(tileKinds.size(), 1u);

    // A kind missing in the middle costs only that kind: no empty kind of
    // id 0 (which code 0 would find), and the kinds after it are kept.
    writeFile(dir.file("gap.dat"),
              "tiles {\n ilosc = 3\n tile1 {\n id = 1\n }\n tile3 {\n id = 3\n }\n}\n");
    loadTileKindsFrom(dir.file("gap.dat"));
    ASSERT_EQ(tileKinds.size(), 2u);
    EXPECT_EQ(tileKinds[1]->id, 3);
    EXPECT_FALSE(tileKindForCode(0));
}

TEST(Content, EveryQuestLevelLoadsAndCanBePlayed) {
    const std::string content = testing_support::contentDir();
    if (content.empty() || !std::filesystem::exists(content + "/data/tiles1.dat"))
        GTEST_FAIL() << testing_support::kNoContent;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(content);
    loadTileKinds();
    TLevelManager manager;
    manager.setup();
    ASSERT_EQ(manager.levels.size(), 97u);
    std::set<std::string> modes;
    int laidOut = 0, random = 0;
    for (int nr = 1; nr <= 97; ++nr) {
        const TLevelData* entry = manager.getLevelData(nr);
        ASSERT_NE(entry, nullptr) << nr;
        TLevelPtr level = manager.loadLevel(nr);
        ASSERT_TRUE(level) << entry->url;
        EXPECT_EQ(level->nr, nr) << entry->url;
        if (level->kind() != "NORMAL") continue;
        modes.insert(level->mode());
        const TRCMFile file = loadRCMFile(entry->url);
        (file.getInt("level::tiles::random") ? random : laidOut)++;
        EXPECT_FALSE(level->_isCleared()) << entry->url;
        // The board fits the space the game screen gives it.
        EXPECT_LE(level->cols * level->rozmiar, 460) << entry->url;
        EXPECT_LE(level->rows * level->rozmiar, 460) << entry->url;
    }
    EXPECT_EQ(modes, (std::set<std::string>{"NORMAL", "CHANGE", "STRATEGY", "TWO", "PUZZLE"}));
    EXPECT_GT(laidOut, 0);
    EXPECT_GT(random, 0);
    std::filesystem::current_path(previous);
}
