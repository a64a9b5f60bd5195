// The structured data file reader: grammar, lookups and error handling.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <string>

#include "datafiles/rcm_file.h"
#include "test_support.h"

namespace {

TRCMFile parse(const std::string& text) {
    TRCMFile file;
    file.readText(text);
    return file;
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace

TEST(RcmFile, ReadsEveryKindOfValue) {
    TRCMFile f = parse(
        "data {\n"
        "\tname = \"Anna\"\n"
        "\tempty = \"\"\n"
        "\thz = 100\n"
        "\tneg = -5\n"
        "\tlist = 1, 2,3\n"
        "\tnames = \"first\", \"second\"\n"
        "\tone = \"a, b\"\n"
        "\tbraces = \"{x}\", \"}\"\n"
        "}\n");
    EXPECT_EQ(f.getString("data::name", 0), "Anna");
    EXPECT_EQ(f.getString("data::empty", 0), "");
    // A number is kept exactly as written, with the space after "=".
    EXPECT_EQ(f.getString("data::hz", 0), " 100");
    EXPECT_EQ(f.getFloat("data::hz", 0), 100.0f);
    EXPECT_EQ(f.getFloat("data::neg", 0), -5.0f);
    EXPECT_EQ(f.findEntry("data::hz")->_type, TRCMEntry::TYPE_NUMBER);
    EXPECT_EQ(f.findEntry("data::name")->_type, TRCMEntry::TYPE_STRING);
    EXPECT_EQ(f.valueCount("data::list"), 3);
    EXPECT_EQ(f.getString("data::list", 2), "3");
    EXPECT_EQ(f.getString("data::names", 1), "second");
    EXPECT_EQ(f.valueCount("data::one"), 1);
    EXPECT_EQ(f.getString("data::one", 0), "a, b");
    EXPECT_EQ(f.getString("data::braces", 0), "{x}");
    EXPECT_EQ(f.getString("data::braces", 1), "}");
}

TEST(RcmFile, LookupsIgnoreCaseAndMissingThingsGiveEmptyAndZero) {
    TRCMFile f = parse("top = 7\nsettings {\n sound = 0.25\n inner {\n deep = \"yes\"\n }\n Sound = 0.75\n}\n");
    EXPECT_EQ(f.getFloat("Settings::SOUND", 0), 0.25f);  // the first of two keys wins
    EXPECT_EQ(f.getString("SETTINGS::Inner::DEEP", 0), "yes");
    EXPECT_EQ(f.getInt("TOP", 0), 7);  // no "::": an entry of the root group
    EXPECT_EQ(f.getGroup("settings::inner::deep")->_id, "inner");

    EXPECT_EQ(f.getString("nothing::sound", 0), "");
    EXPECT_EQ(f.getString("settings::nothing", 0), "");
    EXPECT_EQ(f.getString("settings::sound", 1), "");
    EXPECT_EQ(f.getFloat("settings::sound", -1), 0.0f);
    EXPECT_EQ(f.getGroup("missing::x"), nullptr);
    TRCMFile none;  // never read: no groups at all
    EXPECT_EQ(none.getString("a::b", 0), "");
    EXPECT_EQ(none.getInt("a", 0), 0);
}

TEST(RcmFile, LinesWithoutEqualsCarryOverAndLineEndsDoNotMatter) {
    // A name on its own line followed by "{" names the group; a line without
    // "=" is glued to the front of the next entry's key.
    const std::string text = "tiles\n{\nilosc = 3\nstray\nb = 2\nsub {\nx = \"y\"\n}\nafter = 4\n}\n";
    for (const std::string& variant : {text, withCrLf(text)}) {
        TRCMFile f = parse(variant);
        EXPECT_EQ(f.getInt("tiles::ilosc", 0), 3);
        EXPECT_EQ(f.getString("tiles::b", 0), "");
        EXPECT_EQ(f.getInt("tiles::strayb", 0), 2);
        EXPECT_EQ(f.getString("tiles::sub::x", 0), "y");
        EXPECT_EQ(f.getInt("tiles::after", 0), 4);  // an entry after a sub-group
    }
    // A closing brace as the very last character ends the last line too.
    EXPECT_EQ(parse("g {\n a = 1\n}").getInt("g::a", 0), 1);
}

TEST(RcmFile, UnbalancedBracesAreReportedAndLeaveNoGroups) {
    TRCMFile f;
    testing::internal::CaptureStdout();
    f.readText("a {\n x = 1\n b {\n y = 2\n}\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 2 \"}\" - 1\n");
    EXPECT_EQ(f._grupa, nullptr);
    EXPECT_EQ(f.getInt("a::x", 0), 0);

    // Braces inside quotes are text: they neither count nor open groups.
    testing::internal::CaptureStdout();
    f.readText("a {\n x = \"{{{\"\n}\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(f.getString("a::x", 0), "{{{");
    EXPECT_TRUE(f._grupa->_listaGrup[0]->_listaGrup.empty());
}

TEST(RcmFile, MissingFileIsReportedAndDiskPathsIgnoreCase) {
    testing_support::TempDir dir;
    testing::internal::CaptureStdout();
    TRCMFile missing = loadRCMFile(dir.file("none.dat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Napotkano problem : Nie znaleziono pliku : " + dir.file("none.dat") + "\n");
    EXPECT_EQ(missing._grupa, nullptr);

    testing_support::writeFile(dir.file("Tiles1.DAT"), "tiles {\r\n ilosc = 14\r\n}\r\n");
    EXPECT_EQ(loadRCMFile(dir.file("tiles1.dat")).getInt("tiles::ilosc", 0), 14);
}

TEST(RcmFile, TheSettingsFileReadsBackExactly) {
    TRCMFile f = parse(
        "settings {\n\t sound = 0.500000000\n\t music = 0.699999988\n\t fullscreen = 1\n"
        "\t hz = 100\n\t mouseDraw = 1\n\t }\n \n");
    EXPECT_EQ(f.getFloat("settings::sound", 0), 0.5f);
    EXPECT_EQ(f.getFloat("settings::music", 0), 0.7f);
    EXPECT_EQ(f.getInt("settings::fullscreen", 0), 1);
    EXPECT_EQ(f.getInt("settings::hz", 0), 100);
    EXPECT_EQ(f.getInt("settings::mousedraw", 0), 1);
}

TEST(RcmFile, NumbersAreReadAsFarAsTheyGoAndStayFinite) {
    EXPECT_DOUBLE_EQ(readDecimal("  12.5e2xyz"), 1250.0);
    EXPECT_DOUBLE_EQ(readDecimal("2e"), 2.0);
    EXPECT_DOUBLE_EQ(readDecimal("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(readDecimal("0x1F"), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("-"), 0.0);

    TRCMFile f = parse("big = 1e300\nsmall = -1e999\nscore = 16777217\nneg = -7.9\nnothing =\ntwice = 1 = 2\n");
    EXPECT_EQ(f.getFloat("big", 0), FLT_MAX);
    EXPECT_EQ(f.getFloat("small", 0), -FLT_MAX);
    // Integers do not pass through a float: every score reads back exactly.
    EXPECT_EQ(f.getInt("score", 0), 16777217);
    EXPECT_EQ(f.getInt("neg", 0), -7);
    EXPECT_EQ(f.getInt("big", 0), INT_MAX);
    EXPECT_EQ(f.valueCount("nothing"), 1);
    EXPECT_EQ(f.getString("nothing", 0), "");
    EXPECT_EQ(f.getString("twice", 0), " 1 ");  // anything after a second "=" is ignored
}

TEST(RcmFile, HostileNestingNeitherOverflowsNorHangs) {
    const int depth = 200000;
    TRCMFile f = parse(std::string(depth, '{') + "\nx = 1\n" + std::string(depth, '}') + "\n");
    ASSERT_NE(f._grupa, nullptr);
    const TRCMGroup* g = f._grupa.get();
    int levels = 0;
    while (!g->_listaGrup.empty()) g = g->_listaGrup[0].get(), ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(g->_listaWpisow.size(), 1u);

    // Many quoted opening braces once took time doubling with every brace.
    EXPECT_EQ(parse("a = \"" + std::string(5000, '{') + "\"\n").getString("a", 0), std::string(5000, '{'));
}
