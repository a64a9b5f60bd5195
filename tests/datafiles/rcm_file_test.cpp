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

// Reads text and returns what went to the console meanwhile.
std::string consoleWhileReading(TRCMFile& file, const std::string& text) {
    testing::internal::CaptureStdout();
    file.readText(text);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(RcmFile, ReadsEveryKindOfValue) {
    TRCMFile f = parse(
        "data {\n"
        "\tname = \"Anna\"\n"
        "\tempty = \"\"\n"
        "\thz = 100\n"
        "\tneg = -5\n"
        "\thalf = 0.500000000\n"
        "\tlist = 1, 2,3\n"
        "\tnames = \"first\", \"second\"\n"
        "\tone = \"a, b\"\n"
        "\tbraces = \"{x}\", \"}\"\n"
        "}\n");
    ASSERT_NE(f._grupa, nullptr);
    EXPECT_EQ(f.getString("data::name", 0), "Anna");
    EXPECT_EQ(f.getString("data::empty", 0), "");
    // A number is kept exactly as written, with the space after "=".
    EXPECT_EQ(f.getString("data::hz", 0), " 100");
    EXPECT_FLOAT_EQ(f.getFloat("data::hz", 0), 100.0f);
    EXPECT_FLOAT_EQ(f.getFloat("data::neg", 0), -5.0f);
    EXPECT_EQ(f.getFloat("data::half", 0), 0.5f);
    EXPECT_EQ(f.valueCount("data::list"), 3);
    EXPECT_EQ(f.getString("data::list", 2), "3");
    EXPECT_EQ(f.getInt("data::list", 1), 2);
    EXPECT_EQ(f.getString("data::names", 0), "first");
    EXPECT_EQ(f.getString("data::names", 1), "second");
    EXPECT_EQ(f.valueCount("data::one"), 1);
    EXPECT_EQ(f.getString("data::one", 0), "a, b");
    EXPECT_EQ(f.getString("data::braces", 0), "{x}");
    EXPECT_EQ(f.getString("data::braces", 1), "}");

    const TRCMEntry* hz = f.findEntry("data::hz");
    ASSERT_NE(hz, nullptr);
    EXPECT_EQ(hz->_type, TRCMEntry::TYPE_NUMBER);
    EXPECT_EQ(f.findEntry("data::name")->_type, TRCMEntry::TYPE_STRING);
}

TEST(RcmFile, LookupsIgnoreCaseAndMissingThingsGiveEmptyAndZero) {
    TRCMFile f = parse(
        "top = 7\n"
        "settings {\n"
        "  sound = 0.25\n"
        "  inner {\n"
        "    deep = \"yes\"\n"
        "  }\n"
        "  Sound = 0.75\n"
        "}\n");
    EXPECT_FLOAT_EQ(f.getFloat("Settings::SOUND", 0), 0.25f);  // the first of two keys wins
    EXPECT_EQ(f.getString("SETTINGS::Inner::DEEP", 0), "yes");
    EXPECT_EQ(f.getInt("TOP", 0), 7);  // no "::": an entry of the root group

    EXPECT_EQ(f.getString("nothing::sound", 0), "");
    EXPECT_EQ(f.getString("settings::nothing", 0), "");
    EXPECT_EQ(f.getString("settings::sound", 1), "");
    EXPECT_EQ(f.getString("settings::sound", -1), "");
    EXPECT_EQ(f.getFloat("settings::inner::nothing", 0), 0.0f);
    EXPECT_EQ(f.getInt("", 0), 0);
    EXPECT_EQ(f.valueCount("settings::nothing"), 0);

    ASSERT_NE(f.getGroup("settings::inner::deep"), nullptr);
    EXPECT_EQ(f.getGroup("settings::inner::deep")->_id, "inner");
    EXPECT_EQ(f.getGroup("settings::x")->_id, "settings");
    EXPECT_EQ(f.getGroup("missing::x"), nullptr);

    TRCMFile none;  // never read: no groups at all
    EXPECT_EQ(none.getString("a::b", 0), "");
    EXPECT_EQ(none.getFloat("a", 0), 0.0f);
    EXPECT_EQ(none.getGroup("a::b"), nullptr);
}

TEST(RcmFile, LinesWithoutEqualsCarryOverAndLineEndsDoNotMatter) {
    // A name on its own line followed by "{" names the group.
    TRCMFile f = parse("tiles\n{\n  ilosc = 3\n}\n");
    EXPECT_EQ(f.getInt("tiles::ilosc", 0), 3);

    // A line without "=" is glued to the front of the next entry's key.
    TRCMFile glued = parse("g {\na = 1\nstray\nb = 2\n}\n");
    EXPECT_EQ(glued.getString("g::b", 0), "");
    EXPECT_EQ(glued.getInt("g::strayb", 0), 2);
    EXPECT_EQ(glued.getInt("g::a", 0), 1);

    const std::string lf = "levels {\n\tilosc = 97\n\tname = \"Hills\"\n\tsub {\n\t\tx = 1\n\t}\n\ty = 2\n}\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {lf, crlf}) {
        TRCMFile file = parse(text);
        EXPECT_EQ(file.getInt("levels::ilosc", 0), 97);
        EXPECT_EQ(file.getString("levels::name", 0), "Hills");
        EXPECT_EQ(file.getInt("levels::sub::x", 0), 1);
        EXPECT_EQ(file.getInt("levels::y", 0), 2);  // an entry after a sub-group
    }

    // A closing brace as the very last character ends the last line too.
    TRCMFile tight = parse("g {\n a = 1\n}");
    EXPECT_EQ(tight.getInt("g::a", 0), 1);
    EXPECT_EQ(tight._txt, "g {\n a = 1\n}\n");
}

TEST(RcmFile, UnbalancedBracesAreReportedAndLeaveNoGroups) {
    TRCMFile f;
    std::string console = consoleWhileReading(f, "a {\n x = 1\n b {\n y = 2\n}\n");
    EXPECT_EQ(console, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 2 \"}\" - 1\n");
    EXPECT_EQ(f._grupa, nullptr);
    EXPECT_EQ(f.getInt("a::x", 0), 0);

    console = consoleWhileReading(f, "}\n}\n");
    EXPECT_EQ(console, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 0 \"}\" - 2\n");

    // Braces inside quotes are text: they neither count nor open groups.
    console = consoleWhileReading(f, "a {\n x = \"{{{\"\n y = \"}\", \"q\"\n}\n");
    EXPECT_EQ(console, "");
    EXPECT_EQ(f.getString("a::x", 0), "{{{");
    EXPECT_EQ(f.getString("a::y", 1), "q");
    ASSERT_NE(f._grupa, nullptr);
    EXPECT_TRUE(f._grupa->_listaGrup[0]->_listaGrup.empty());
}

TEST(RcmFile, MissingFileIsReportedAndDiskPathsIgnoreCase) {
    testing_support::TempDir dir;
    testing::internal::CaptureStdout();
    TRCMFile missing = loadRCMFile(dir.file("none.dat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Napotkano problem : Nie znaleziono pliku : " + dir.file("none.dat") + "\n");
    EXPECT_EQ(missing._grupa, nullptr);
    EXPECT_EQ(missing.getString("a", 0), "");

    testing_support::writeFile(dir.file("Tiles1.DAT"), "tiles {\r\n ilosc = 14\r\n}\r\n");
    TRCMFile found = loadRCMFile(dir.file("tiles1.dat"));
    EXPECT_EQ(found.getInt("tiles::ilosc", 0), 14);
    EXPECT_EQ(found._path, dir.file("tiles1.dat"));

    // A UTF-16 file with its byte order mark reads like any other.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("a = \"\xE9t\xE9\"\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    testing_support::writeFile(dir.file("wide.dat"), utf16);
    EXPECT_EQ(loadRCMFile(dir.file("wide.dat")).getString("a", 0), "\xC3\xA9t\xC3\xA9");
}

TEST(RcmFile, TheSettingsFileReadsBackExactly) {
    const std::string text =
        "settings {\n"
        "\t sound = 0.500000000\n"
        "\t music = 0.699999988\n"
        "\t fullscreen = 1\n"
        "\t hz = 100\n"
        "\t mouseDraw = 1\n"
        "\t }\n \n";
    TRCMFile f = parse(text);
    EXPECT_EQ(f.getFloat("settings::sound", 0), 0.5f);
    EXPECT_EQ(f.getFloat("settings::music", 0), 0.7f);
    EXPECT_EQ(f.getInt("settings::fullscreen", 0), 1);
    EXPECT_EQ(f.getInt("settings::hz", 0), 100);
    EXPECT_EQ(f.getInt("settings::mousedraw", 0), 1);
    EXPECT_EQ(f.getString("settings::hz", 0), " 100");
}

TEST(RcmFile, NumbersAreReadAsFarAsTheyGoAndStayFinite) {
    EXPECT_DOUBLE_EQ(readDecimal("  12.5e2xyz"), 1250.0);
    EXPECT_DOUBLE_EQ(readDecimal("2e"), 2.0);
    EXPECT_DOUBLE_EQ(readDecimal("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(readDecimal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(readDecimal("0x1F"), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("inf"), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("-"), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("."), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("1e-999"), 0.0);
    EXPECT_DOUBLE_EQ(readDecimal("1e999"), DBL_MAX);

    TRCMFile f = parse("big = 1e300\nsmall = -1e300\nscore = 16777217\nneg = -7.9\nhuge = 99999999999\n");
    EXPECT_EQ(f.getFloat("big", 0), FLT_MAX);
    EXPECT_EQ(f.getFloat("small", 0), -FLT_MAX);
    // Integers do not pass through a float: every score reads back exactly.
    EXPECT_EQ(f.getInt("score", 0), 16777217);
    EXPECT_EQ(f.getInt("neg", 0), -7);
    EXPECT_EQ(f.getInt("huge", 0), INT_MAX);
    EXPECT_EQ(f.getInt("small", 0), INT_MIN);
}

TEST(RcmFile, OddLinesGiveValuesWithoutBreakingTheFile) {
    TRCMFile f = parse("g {\n nothing =\n twice = 1 = 2\n = 5\n after = \"ok\"\n}\n");
    EXPECT_EQ(f.valueCount("g::nothing"), 1);
    EXPECT_EQ(f.getString("g::nothing", 0), "");
    EXPECT_EQ(f.getString("g::twice", 0), " 1 ");  // anything after a second "=" is ignored
    EXPECT_EQ(f.getString("g::after", 0), "ok");
}

TEST(RcmFile, HostileNestingNeitherOverflowsNorHangs) {
    // Deep but balanced nesting is read without recursion.
    const int depth = 200000;
    std::string deep = std::string(depth, '{') + "\nx = 1\n" + std::string(depth, '}') + "\n";
    TRCMFile f = parse(deep);
    ASSERT_NE(f._grupa, nullptr);
    const TRCMGroup* g = f._grupa.get();
    int levels = 0;
    while (!g->_listaGrup.empty()) g = g->_listaGrup[0].get(), ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(g->_listaWpisow.size(), 1u);

    // Many quoted opening braces: once took time doubling with every brace.
    TRCMFile quoted = parse("a = \"" + std::string(5000, '{') + "\"\n");
    EXPECT_EQ(quoted.getString("a", 0), std::string(5000, '{'));
}
