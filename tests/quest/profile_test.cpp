// Profiles and their save files: the exact texts, round trips, renumbering,
// damaged and missing files, the name rules and the nine-profile limit.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "quest/profile_manager.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

class Profiles : public ::testing::Test {
protected:
    void SetUp() override {
        saveFolder = dir.path();
        manager.loadProfiles();
    }
    void TearDown() override { testing_support::resetGlobalState(); }

    // A manager that reads the folder afresh, as the next start would.
    static void reload(TProfileManager& fresh) { fresh.loadProfiles(); }

    testing_support::TempDir dir;
    TProfileManager manager;
};

TEST_F(Profiles, SaveFilesHaveTheirExactTexts) {
    TProfile* ada = manager.addProfile("Ada");
    ASSERT_TRUE(ada);
    ada->currentLevel = 12;
    ada->score = 3410;
    ada->kapsle = 230;
    ada->bonus[2] = 2;
    ada->bonus[16] = 1;
    ada->hint[0] = 1;
    ada->hint[20] = 1;
    ada->hint[21] = 1;  // never saved
    ASSERT_TRUE(manager.addProfile("Bob"));
    manager.profile = ada;
    ASSERT_EQ(manager.saveProfile(), 1);

    EXPECT_EQ(readFile(dir.file("profiles.dat")),
              "profile {\n\t i = 2\n\t profile1 = \"Ada\" \n\t profile2 = \"Bob\" \n\t akt = \"Ada\" \n}\n\n");
    std::string expected = "profile {\n\t level = 12\n\t name = \"Ada\" \n\t score = 3410\n\t kapsle = 230\n";
    for (int i = 0; i < 17; ++i)
        expected += "\t bonus" + std::to_string(i) + " = " + (i == 2 ? "2" : i == 16 ? "1" : "0") + "\n";
    for (int i = 0; i < 21; ++i)
        expected += "\t hint" + std::to_string(i) + " = " + (i == 0 || i == 20 ? "1" : "0") + "\n";
    expected += "}\n \n";
    EXPECT_EQ(readFile(dir.file("profile1.dat")), expected);
    // Nothing is left half-done beside them.
    EXPECT_EQ(FileType(dir.file("profiles.pending")), 0);
    EXPECT_EQ(FileType(dir.file("profile1.dat.new")), 0);
}

TEST_F(Profiles, EverythingSavedReadsBackIncludingNamesBeyondLatin1) {
    TProfile* first = manager.addProfile("Zoë Łucja");  // Ł is above 255
    first->score = 2147483647;
    first->kapsle = 99;
    first->bonus[14] = 7;
    first->hint[9] = 1;
    first->hint[30] = 1;
    manager.addProfile("Åsa");
    manager.profile = first;
    ASSERT_EQ(manager.saveProfile(), 1);
    // A character above 255 makes both files UTF-16 with its byte-order mark.
    EXPECT_EQ(readFile(dir.file("profile1.dat")).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(readFile(dir.file("profiles.dat")).substr(0, 2), "\xFF\xFE");
    EXPECT_NE(readFile(dir.file("profile2.dat")).substr(0, 2), "\xFF\xFE");

    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    const TProfile& back = *fresh.profilesList[0];
    EXPECT_EQ(back.name, "Zoë Łucja");
    EXPECT_EQ(back.score, 2147483647);
    EXPECT_EQ(back.kapsle, 99);
    EXPECT_EQ(back.bonus[14], 7);
    EXPECT_EQ(back.hint[9], 1);
    EXPECT_EQ(back.hint[30], 0) << "only the first 21 help flags are kept";
    EXPECT_EQ(fresh.profile, fresh.profilesList[0].get());
    EXPECT_EQ(fresh.profilesList[1]->name, "Åsa");
}

TEST_F(Profiles, DeletingTheFirstOfThreeRenumbersAndLeavesTheStaleFileUnread) {
    for (const char* name : {"Ada", "Bob", "Cyd"}) manager.addProfile(name)->score = int(name[0]);
    ASSERT_EQ(manager.saveProfile(), 1);
    const std::string oldThird = readFile(dir.file("profile3.dat"));

    manager.removeProfile(manager.profilesList[0].get());
    EXPECT_EQ(manager.profile, manager.profilesList[1].get()) << "Cyd, the current profile, stays current";
    ASSERT_EQ(manager.saveProfile(), 1);
    EXPECT_NE(readFile(dir.file("profile1.dat")).find("\"Bob\""), std::string::npos);
    EXPECT_NE(readFile(dir.file("profile2.dat")).find("\"Cyd\""), std::string::npos);
    EXPECT_EQ(readFile(dir.file("profile3.dat")), oldThird);

    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    EXPECT_EQ(fresh.profilesList[0]->name, "Bob");
    EXPECT_EQ(fresh.profilesList[1]->name, "Cyd");
    EXPECT_EQ(fresh.profile->name, "Cyd");

    // Deleting the current profile leaves none current.
    fresh.removeProfile(fresh.profile);
    EXPECT_EQ(fresh.profile, nullptr);
}

TEST_F(Profiles, MissingDamagedAndOutOfRangeValuesGiveSensibleProfiles) {
    writeFile(dir.file("profiles.dat"),
              "profile {\n\t i = 4\n\t profile1 = \"Ada\" \n\t profile2 = \"Bob\" \n\t profile3 = \"Cyd\" \n"
              "\t akt = \"nobody\" \n}\n");
    // Only a few keys, some out of range.
    writeFile(dir.file("profile1.dat"),
              "profile {\n\t name = \"Ada\" \n\t score = -40\n\t kapsle = 1e40\n\t bonus3 = 123456\n\t hint2 = 7\n}\n");
    // Garbage: the profile keeps its defaults and the index's name.
    writeFile(dir.file("profile2.dat"), "\x01\x02{{{ not a profile");
    // profile3.dat and profile4.dat are missing.
    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 4u);
    const TProfile& ada = *fresh.profilesList[0];
    EXPECT_EQ(ada.currentLevel, 0);
    EXPECT_EQ(ada.score, 0);
    EXPECT_EQ(ada.kapsle, 2147483647);
    EXPECT_EQ(ada.bonus[3], TProfile::kMaxBonusItems);
    EXPECT_EQ(ada.hint[2], 1);
    EXPECT_FALSE(ada.level);
    EXPECT_EQ(fresh.profilesList[1]->name, "Bob");
    EXPECT_EQ(fresh.profilesList[1]->score, 0);
    EXPECT_EQ(fresh.profilesList[2]->name, "Cyd");
    EXPECT_EQ(fresh.profilesList[3]->name, "Player 4");
    EXPECT_EQ(fresh.profile, nullptr) << "\"akt\" names no profile";

    // No index at all: no profiles; an empty folder the same.
    testing_support::TempDir empty;
    saveFolder = empty.path();
    reload(fresh);
    EXPECT_TRUE(fresh.profilesList.empty());
    EXPECT_EQ(fresh.profile, nullptr);
}

TEST_F(Profiles, ADamagedIndexDoesNotCostThePlayersTheirProfiles) {
    for (const char* name : {"Ada", "Bob"}) manager.addProfile(name);
    ASSERT_EQ(manager.saveProfile(), 1);
    writeFile(dir.file("profiles.dat"), "profile {\n\t i = 2\n\t profile1 = \"Ada");  // cut short
    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    EXPECT_EQ(fresh.profilesList[1]->name, "Bob");
    EXPECT_EQ(fresh.profile, fresh.profilesList[0].get());
}

TEST_F(Profiles, ASavedLevelTheCatalogueDoesNotHoldGivesNoLevelInProgress) {
    writeFile(dir.file("profiles.dat"), "profile {\n\t i = 1\n\t akt = \"Ada\" \n}\n");
    writeFile(dir.file("profile1.dat"), "profile {\n\t level = 4000\n\t name = \"Ada\" \n}\n");
    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 1u);
    EXPECT_EQ(fresh.profile->currentLevel, 4000);
    EXPECT_FALSE(fresh.profile->level);
}

TEST_F(Profiles, NamesAreUniqueIgnoringCaseAndNineIsTheLimit) {
    ASSERT_TRUE(manager.addProfile("Ada"));
    EXPECT_FALSE(manager.addProfile("ADA"));
    EXPECT_FALSE(manager.addProfile(""));
    EXPECT_FALSE(manager.addProfile("-1"));
    EXPECT_EQ(manager.checkName("aDa"), TProfileManager::NameProblem::Taken);
    EXPECT_EQ(manager.checkName("Åsa"), TProfileManager::NameProblem::None);
    ASSERT_TRUE(manager.addProfile("Åsa"));
    EXPECT_EQ(manager.checkName("åSA"), TProfileManager::NameProblem::Taken);

    TProfile& ada = *manager.getProfile("ada");
    EXPECT_TRUE(manager.changeName(ada, "ADA")) << "a player may change the case of their own name";
    EXPECT_EQ(ada.name, "ADA");
    EXPECT_FALSE(manager.changeName(ada, "åsa"));
    EXPECT_EQ(ada.name, "ADA");

    for (int i = 3; i <= 9; ++i) ASSERT_TRUE(manager.addProfile("P" + std::to_string(i)));
    EXPECT_FALSE(manager.canAddProfile());
    EXPECT_FALSE(manager.addProfile("Ten"));
    EXPECT_EQ(manager.profilesList.size(), 9u);
    manager.removeProfile(manager.profilesList[4].get());
    EXPECT_TRUE(manager.canAddProfile());
    // A new profile becomes the current one.
    EXPECT_EQ(manager.addProfile("Ten"), manager.profile);
}

TEST_F(Profiles, ASaveThatCannotBeWrittenKeepsThePreviousFiles) {
    manager.addProfile("Ada")->score = 5;
    ASSERT_EQ(manager.saveProfile(), 1);
    const std::string before = readFile(dir.file("profile1.dat"));
    // The folder turns into a file: nothing can be written into it.
    const std::string folder = saveFolder;
    saveFolder = dir.file("profile1.dat") + "/inside";
    manager.profile->score = 6;
    EXPECT_EQ(manager.saveProfile(), 0);
    saveFolder = folder;
    EXPECT_EQ(readFile(dir.file("profile1.dat")), before);
}

TEST_F(Profiles, ASaveInterruptedAfterItsJournalIsCompletedOnTheNextStart) {
    for (const char* name : {"Ada", "Bob", "Cyd"}) manager.addProfile(name);
    ASSERT_EQ(manager.saveProfile(), 1);
    // The next save got as far as its journal: Ada deleted, the rest renumbered.
    manager.removeProfile(manager.profilesList[0].get());
    std::vector<media::FileWrite> files;
    std::string journal;
    for (size_t i = 0; i < manager.profilesList.size(); ++i) {
        const std::string path = TProfileManager::profilePath(int(i) + 1);
        files.push_back({path, media::encodeText(manager.profilesList[i]->fileText())});
    }
    files.push_back({TProfileManager::indexPath(), media::encodeText(manager.indexText())});
    for (const media::FileWrite& f : files) {
        writeFile(f.path + ".new", std::string(f.bytes.begin(), f.bytes.end()));
        journal += f.path + "\n";
    }
    writeFile(TProfileManager::journalPath(), journal);
    // ...and the first rename had happened.
    ASSERT_EQ(std::rename((files[0].path + ".new").c_str(), files[0].path.c_str()), 0);

    TProfileManager fresh;
    reload(fresh);
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    EXPECT_EQ(fresh.profilesList[0]->name, "Bob");
    EXPECT_EQ(fresh.profilesList[1]->name, "Cyd");
    EXPECT_EQ(FileType(TProfileManager::journalPath()), 0);

    // Leftovers of a save that died before its journal are ignored.
    writeFile(dir.file("profile1.dat.new"), "profile {\n\t name = \"Ghost\" \n}\n");
    reload(fresh);
    EXPECT_EQ(fresh.profilesList[0]->name, "Bob");
}

TEST(Profile, HelpPagesAndANewQuest) {
    TProfile p;
    EXPECT_EQ(p.porada(3), 1);
    p.hint[3] = 1;
    EXPECT_EQ(p.porada(3), 0);
    EXPECT_EQ(p.porada(-1), 0);
    EXPECT_EQ(p.porada(100), 0);
    p.score = 10;
    p.kapsle = 20;
    p.bonus.fill(3);
    p.currentLevel = 7;
    p.startNewQuest();
    EXPECT_EQ(p.score, 0);
    EXPECT_EQ(p.kapsle, 0);
    EXPECT_EQ(p.bonus[16], 0);
    EXPECT_EQ(p.currentLevel, 7) << "the level catalogue moves the quest back to level 1";
    EXPECT_EQ(p.hint[3], 1);
}

TEST(Profile, NamesAreKeptToWhatTheFilesCanCarry) {
    EXPECT_EQ(savedProfileName("A\"da=\n"), "Ada");
    // A NUL or another control character would cut the saved line short.
    EXPECT_EQ(savedProfileName(std::string("Ad\0a\t\x01\x7f", 7)), "Ada");
    EXPECT_EQ(savedProfileName(std::string(40, 'x')), std::string(25, 'x'));
    EXPECT_EQ(savedProfileName(std::string(24, 'x') + "  y"), std::string(24, 'x')) << "a blank left at the cut";
    EXPECT_EQ(savedProfileName("ŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁ"), "ŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁ");
    EXPECT_TRUE(sameProfileName("zoë", "ZOË"));
    EXPECT_FALSE(sameProfileName("Ada", "Adam"));
}

}  // namespace
