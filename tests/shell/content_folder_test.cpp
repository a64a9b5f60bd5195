// Where the game finds its content: here, installed beside the program, or
// in the build tree beside the program, in that order.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/content_folder.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

TEST(ContentFolder, HereFirstThenInstalledThenTheBuildTree) {
    TempDir dir;
    const fs::path root = dir.path();
    const fs::path here = root / "here", bin = root / "prefix" / "bin";
    fs::create_directories(here);
    fs::create_directories(bin / "game");
    EXPECT_FALSE(findContentFolder(here, bin)) << "no folder holds data/";
    EXPECT_FALSE(findContentFolder(here, fs::path())) << "an unknown program folder finds nothing";

    fs::create_directories(bin / "game" / "data");
    EXPECT_EQ(findContentFolder(here, bin), bin / "game");

    fs::create_directories(root / "prefix" / "share" / "vornell" / "data");
    EXPECT_EQ(findContentFolder(here, bin), root / "prefix" / "share" / "vornell");

    fs::create_directories(here / "data");
    EXPECT_EQ(findContentFolder(here, bin), here);
}

TEST(ContentFolder, AProgramInGamesFindsTheSharedContentToo) {
    // Debian's layout: /usr/games/vornell beside /usr/share/vornell.
    TempDir dir;
    const fs::path root = dir.path();
    const fs::path usr = root / "usr", elsewhere = root / "elsewhere";
    fs::create_directories(usr / "games");
    fs::create_directories(usr / "share" / "vornell" / "data");
    fs::create_directories(elsewhere);
    EXPECT_EQ(findContentFolder(elsewhere, usr / "games"), usr / "share" / "vornell");
}

TEST(ContentFolder, AFileNamedDataIsNotContent) {
    TempDir dir;
    testing_support::writeFile(dir.file("data"), "not a folder");
    EXPECT_FALSE(findContentFolder(dir.path(), fs::path()));
}

}  // namespace
