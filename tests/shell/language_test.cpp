// The game's language: which one a desktop asks for, the kept choice, and
// a language's folder standing in for the content's own files and pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "shell/language.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using testing_support::writeFile;

const std::vector<std::string> kLanguages = {"en", "de", "fr", "pt_BR", "ru"};

std::string fromEnvironment(const std::map<std::string, std::string>& environment) {
    return language::fromEnvironment(kLanguages, [&](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(Language, ALocaleNameFindsTheLanguageItsSpeakersRead) {
    EXPECT_EQ(language::match("de_DE.UTF-8", kLanguages), "de");
    EXPECT_EQ(language::match("de_AT@euro", kLanguages), "de");
    EXPECT_EQ(language::match("pt_BR.UTF-8", kLanguages), "pt_BR");
    EXPECT_EQ(language::match("pt-br", kLanguages), "pt_BR");
    // Portuguese of another country reads Brazilian rather than English.
    EXPECT_EQ(language::match("pt_PT", kLanguages), "pt_BR");
    EXPECT_EQ(language::match("pt", kLanguages), "pt_BR");
    EXPECT_EQ(language::match("en_GB.UTF-8", kLanguages), "en");
    EXPECT_EQ(language::match("ru", kLanguages), "ru");
    for (const char* unknown : {"C", "C.UTF-8", "POSIX", "sv_SE", "", "."})
        EXPECT_EQ(language::match(unknown, kLanguages), "") << unknown;
}

TEST(Language, TheDesktopsSettingsAreReadInGettextsOrder) {
    EXPECT_EQ(fromEnvironment({}), "en");
    EXPECT_EQ(fromEnvironment({{"LANG", "ru_RU.UTF-8"}}), "ru");
    EXPECT_EQ(fromEnvironment({{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
    EXPECT_EQ(fromEnvironment({{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "de_DE"}}), "de");
    // LANGUAGE's list is read in turn, passing over what is not there.
    EXPECT_EQ(fromEnvironment({{"LANGUAGE", "sv:pt_BR:de"}, {"LANG", "ru_RU"}}), "pt_BR");
    EXPECT_EQ(fromEnvironment({{"LANGUAGE", "sv:nb"}, {"LANG", "ru_RU"}}), "ru");
    // The first locale variable that is set decides, even for English.
    EXPECT_EQ(fromEnvironment({{"LC_ALL", "C"}, {"LANG", "de_DE"}}), "en");
    EXPECT_EQ(fromEnvironment({{"LC_ALL", ""}, {"LANG", "sv_SE"}}), "en");
}

TEST(Language, TheChoiceIsKeptAndADamagedFileChoosesNothing) {
    testing_support::TempDir dir;
    const std::string file = dir.file(language::kChoiceFile);
    EXPECT_EQ(language::readChoice(file, kLanguages), "");
    ASSERT_TRUE(language::saveChoice(file, "pt_BR"));
    EXPECT_EQ(language::readChoice(file, kLanguages), "pt_BR");
    for (const std::string& damaged : {std::string("\x01\xff\xfe garbage"), std::string("xx\n"), std::string(""),
                                      std::string("de\nfr\n")}) {
        writeFile(file, damaged);
        EXPECT_EQ(language::readChoice(file, kLanguages), "") << damaged;
    }
}

// A working folder of its own: content files, and a language folder with
// some of them in German.
class LanguageFolders : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
        for (const char* folder : {"data", "gfx/buttons", "lang/de/data", "lang/de/gfx/buttons", "lang/sv", "lang/pseudo/data"})
            std::filesystem::create_directories(folder);
        writeFile("data/teksty.txt", "Play\n");
        writeFile("data/credits.txt", "Thanks\n");
        writeFile("lang/de/data/teksty.txt", "Spielen\n");
        writeFile("lang/pseudo/data/teksty.txt", "[Ƥĺåý~]\n");
        picture("gfx/buttons/play.png", 40, 20);
        picture("gfx/buttons/plain.png", 10, 10);
        picture("lang/de/gfx/buttons/play.png", 56, 20);
    }
    void TearDown() override {
        language::use(language::kEnglish);
        std::filesystem::current_path(previous_);
    }
    static void picture(const std::string& path, int w, int h) { ASSERT_TRUE(SavePixmapPNG(TPixmap(w, h, 0xFF336699u), path)); }

    testing_support::TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(LanguageFolders, EveryFolderWithATextTableIsALanguageAndThePseudoOneIsNotOffered) {
    EXPECT_EQ(language::available(), (std::vector<std::string>{"en", "de", "pseudo"}));
    EXPECT_EQ(language::offered(), (std::vector<std::string>{"en", "de"}));
}

TEST_F(LanguageFolders, TheLanguagesFilesStandInForTheContentsOwnAndEnglishIsTheContent) {
    language::use("de");
    EXPECT_EQ(LoadText("data/teksty.txt"), "Spielen\n");
    EXPECT_EQ(LoadText("DATA/Teksty.TXT"), "Spielen\n");  // in the content's spelling
    EXPECT_EQ(LoadText("data/credits.txt"), "Thanks\n");  // not translated: the content's own
    // A language's own file, whichever language is in use.
    EXPECT_EQ(LoadText(language::fileOf("en", "data/teksty.txt")), "Play\n");
    EXPECT_EQ(LoadText(language::fileOf("de", "data/teksty.txt")), "Spielen\n");
    language::use("en");
    EXPECT_EQ(LoadText("data/teksty.txt"), "Play\n");
    // Absolute paths (the saves) are never looked for in a language.
    language::use("de");
    const std::string absolute = (std::filesystem::current_path() / "data/teksty.txt").string();
    EXPECT_EQ(LoadText(absolute), "Play\n");
}

TEST_F(LanguageFolders, PicturesInUseFollowAChangeOfLanguageWithTheirNewSize) {
    TImagePtr play = LoadImage("gfx/buttons/play.png");
    TImagePtr plain = LoadImage("gfx/buttons/plain.png");
    ASSERT_TRUE(play && plain);
    MidHandleImage(play);
    const int changes = language::changes();
    language::use("de");
    EXPECT_EQ(language::changes(), changes + 1);
    EXPECT_EQ(play->width, 56);
    EXPECT_EQ(play->handle_x, 28.0f);  // still in its middle
    EXPECT_EQ(plain->width, 10);
    ASSERT_TRUE(ensurePixels(*play));  // the German file decodes at its own size
    language::use("en");
    EXPECT_EQ(play->width, 40);
    EXPECT_EQ(play->handle_x, 20.0f);
    EXPECT_TRUE(play->source.pixels.empty());  // read again from the English file when drawn
    ASSERT_TRUE(ensurePixels(*play));
}

TEST_F(LanguageFolders, AStripOfFramesKeepsItsGridWhenItsPictureGrows) {
    picture("gfx/buttons/strip.png", 80, 20);
    picture("lang/de/gfx/buttons/strip.png", 120, 20);
    TImagePtr strip = LoadAnimImage("gfx/buttons/strip.png", 20, 20, 0, 4);
    ASSERT_TRUE(strip);
    language::use("de");
    EXPECT_EQ(strip->width, 30);
    EXPECT_EQ(strip->frameCount(), 4);
    EXPECT_EQ(strip->frames[3].x, 90);
}

}  // namespace
