// Text encodings, atomic saves, file queries and case-insensitive lookup.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/media/files.h"
#include "test_support.h"

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

TEST(TextFiles, Latin1TextIsSavedOneBytePerCharacterAndReadsBack) {
    TempDir dir;
    const std::string text = "Caf\xC3\xA9 \xC3\xB1";  // "Café ñ" in UTF-8
    ASSERT_TRUE(SaveText(text, dir.file("a.txt")));
    EXPECT_EQ(readFile(dir.file("a.txt")), "Caf\xE9 \xF1");
    EXPECT_EQ(LoadText(dir.file("a.txt")), text);
}

TEST(TextFiles, CharactersAbove255AreSavedAsUtf16WithMarker) {
    TempDir dir;
    const std::string text = "Zdzis\xC5\x82" "aw \xE2\x82\xAC \xF0\x9F\x8E\xB2";  // ł, €, a die (outside the BMP)
    ASSERT_TRUE(SaveText(text, dir.file("b.txt")));
    std::string bytes = readFile(dir.file("b.txt"));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(uint8_t(bytes[0]), 0xFF);
    EXPECT_EQ(uint8_t(bytes[1]), 0xFE);
    EXPECT_EQ(LoadText(dir.file("b.txt")), text);
}

TEST(TextFiles, EncodingIsChosenByTheFirstBytes) {
    TempDir dir;
    writeFile(dir.file("be.txt"), std::string("\xFE\xFF\x00\x41\x01\x42", 6));
    EXPECT_EQ(LoadText(dir.file("be.txt")), "A\xC5\x82");
    writeFile(dir.file("utf8.txt"), "\xEF\xBB\xBFol\xC3\xA9");
    EXPECT_EQ(LoadText(dir.file("utf8.txt")), "ol\xC3\xA9");
    writeFile(dir.file("odd.txt"), std::string("\xFF\xFE\x41\x00\x42", 5));  // a dangling half unit
    EXPECT_EQ(LoadText(dir.file("odd.txt")), "A");
    EXPECT_EQ(LoadText(dir.file("missing.txt")), "");
}

TEST(TextFiles, SaveReplacesAtomicallyAndLeavesNoTemporary) {
    TempDir dir;
    writeFile(dir.file("s.dat"), "old");
    ASSERT_TRUE(SaveText("new", dir.file("s.dat")));
    EXPECT_EQ(readFile(dir.file("s.dat")), "new");
    EXPECT_EQ(FileType(dir.file("s.dat.tmp")), 0);
    // A folder that does not exist: the save fails and says so.
    EXPECT_FALSE(SaveText("x", dir.file("nowhere/s.dat")));
}

TEST(FileQueries, TypeSizeAndFolders) {
    TempDir dir;
    writeFile(dir.file("f.bin"), "12345");
    EXPECT_EQ(FileType(dir.file("f.bin")), 1);
    EXPECT_EQ(FileType(dir.path()), 2);
    EXPECT_EQ(FileType(dir.file("none")), 0);
    EXPECT_EQ(FileSize(dir.file("f.bin")), 5);

    EXPECT_TRUE(CreateDir(dir.file("one")));
    EXPECT_TRUE(CreateDir(dir.file("one"))) << "an existing folder is fine";
    EXPECT_FALSE(CreateDir(dir.file("a/b/c"), 0)) << "without recursion only the last level is made";
    EXPECT_TRUE(CreateDir(dir.file("a/b/c"), 1));
    struct stat st;
    ASSERT_EQ(stat(dir.file("one").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & S_IWOTH, 0u) << "nothing world-writable";
}

TEST(FileQueries, OnlyPlainFilesAreRead) {
    TempDir dir;
    writeFile(dir.file("f.txt"), "plain");
    ASSERT_TRUE(media::readFileBytes(dir.file("f.txt")));
    EXPECT_FALSE(media::readFileBytes(dir.path())) << "a folder";
    EXPECT_FALSE(media::readFileBytes("/dev/zero")) << "a device would read without end";
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(media::readFileBytes(dir.file("pipe"))) << "a pipe with no writer would block";
    EXPECT_EQ(LoadText("/dev/zero"), "");

    // A file beyond the cap reads as missing (sparse: no disk is used).
    const int fd = ::open(dir.file("huge.dat").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(media::kMaxFileBytes) + 1), 0);
    ::close(fd);
    EXPECT_FALSE(media::readFileBytes(dir.file("huge.dat")));
    EXPECT_EQ(LoadText(dir.file("huge.dat")), "");
}

TEST(PathLookup, NamesMatchWithoutRegardToCase) {
    TempDir dir;
    ASSERT_TRUE(CreateDir(dir.file("gfx/gui/mainmenu"), 1));
    writeFile(dir.file("gfx/gui/mainmenu/tlo.jpg"), "x");
    writeFile(dir.file("gfx/gui/mainmenu/logo.png"), "y");
    ASSERT_TRUE(CreateDir(dir.file("fonts")));
    writeFile(dir.file("fonts/font.ttf"), "z");

    EXPECT_EQ(media::resolvePath(dir.file("gfx/gui/mainMenu/logo.png")), dir.file("gfx/gui/mainmenu/logo.png"));
    EXPECT_EQ(media::resolvePath(dir.file("FONTS/FONT.ttf")), dir.file("fonts/font.ttf"));
    EXPECT_EQ(LoadText(dir.file("Gfx/GUI/MainMenu/TLO.JPG")), "x");
    EXPECT_EQ(FileType(dir.file("GFX/gui")), 2);
    // Nothing matches: the path comes back as given.
    EXPECT_EQ(media::resolvePath(dir.file("gfx/none.png")), dir.file("gfx/none.png"));
    // Two folders that differ only in case: a file is found in either.
    ASSERT_TRUE(CreateDir(dir.file("gfx/gui/mainMenu")));
    writeFile(dir.file("gfx/gui/mainMenu/menu.png"), "m");
    EXPECT_EQ(LoadText(dir.file("gfx/gui/mainmenu/menu.png")), "m");
    EXPECT_EQ(LoadText(dir.file("gfx/gui/MAINMENU/tlo.jpg")), "x");
    EXPECT_EQ(media::resolvePath(dir.file("gfx/gui/mainMenu/logo.png")), dir.file("gfx/gui/mainmenu/logo.png"));
}

TEST(Utf8, MalformedBytesReadAsLatin1) {
    std::u32string s = media::fromUtf8(std::string("a\xC3(\xFF", 4));
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[1], char32_t(0xC3));
    EXPECT_EQ(s[3], char32_t(0xFF));
    EXPECT_EQ(media::fromUtf8(media::toUtf8(U"\u0142\U0001F3B2")), U"\u0142\U0001F3B2");
}

}  // namespace
