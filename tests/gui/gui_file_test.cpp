// The .gui reader: tokens, declarations, settings, nested BAR blocks, and
// the values widget constructors read from them.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fatal_catcher.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"
#include "test_support.h"

using Tokens = std::vector<std::string>;

namespace {

std::string settingsOf(const GuiDeclaration& d) {
    std::string out;
    for (const TSimpleEntry& e : d.settings) out += e._typ + "=" + e._value + ";";
    return out;
}

}  // namespace

TEST(GuiTokens, BlanksSeparateOutsideQuotesAndQuotesAreDropped) {
    EXPECT_EQ(tokenizeGuiText("TEXT  t {\r\n TXT = \"Hello  world\"\r\n}"),
              (Tokens{"TEXT", "", "t", "{", "", "TXT", "=", "Hello  world", "}"}));
    EXPECT_EQ(tokenizeGuiText("a\"\"b \"\" c"), (Tokens{"ab", "", "c"}));
    EXPECT_EQ(tokenizeGuiText("   "), (Tokens{"", "", ""}));
    // The very last token is kept as it is.
    EXPECT_EQ(tokenizeGuiText("x \r"), Tokens{"x"});
    EXPECT_EQ(tokenizeGuiText("a b\r"), (Tokens{"a", "b\r"}));
}

TEST(GuiTokens, DeclarationsAreGroupedByTheirBraces) {
    auto lists = stworzListyTokenow("BUTTON ok { X = 1 }\nTEXT t {\n}\nBAR b { M m { T = t } }  FONT f { URL = a");
    ASSERT_EQ(lists.size(), 4u);
    EXPECT_EQ(lists[0], (Tokens{"BUTTON", "ok", "{", "X", "=", "1"}));
    EXPECT_EQ(lists[1], (Tokens{"TEXT", "t", "{"}));
    EXPECT_EQ(lists[2], (Tokens{"BAR", "b", "{", "M", "m", "{", "T", "=", "t", "}"}));
    EXPECT_EQ(lists[3], (Tokens{"FONT", "f", "{", "URL", "=", "a"}));  // unfinished at the end

    // A quoted brace is still a brace.
    auto quoted = stworzListyTokenow("TEXT t { TXT = \"}\" } TEXT u { }");
    ASSERT_EQ(quoted.size(), 2u);
    EXPECT_EQ(quoted[0], (Tokens{"TEXT", "t", "{", "TXT", "="}));
    EXPECT_EQ(quoted[1], (Tokens{"}", "TEXT", "u", "{", "}"}));
}

TEST(GuiDeclarations, ReadKindNameAndSettings) {
    const std::string lf =
        "font big {\n URL = \"fonts/blueHigh.ttf\"\n SIZE = 22\n}\n"
        "Button Play {\n typ = SIMPLE_BUTTON\n Position = \"400 300\"\n TXT = \"Play now\"\n"
        " txt = \"Again\"\n DANGLING\n}\n"
        "BUTTON play {\n}\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {lf, crlf}) {
        std::vector<GuiDeclaration> all = readGuiText(text);
        ASSERT_EQ(all.size(), 3u);
        EXPECT_EQ(all[0].kind, "FONT");
        EXPECT_EQ(all[0].name, "big");
        EXPECT_EQ(settingsOf(all[0]), "URL=fonts/blueHigh.ttf;SIZE=22;");
        EXPECT_EQ(all[1].kind, "BUTTON");
        EXPECT_EQ(all[1].name, "Play");
        // Keys keep their spelling; lookups ignore case and take the last value.
        EXPECT_EQ(settingsOf(all[1]), "typ=SIMPLE_BUTTON;Position=400 300;TXT=Play now;txt=Again;");
        EXPECT_EQ(all[1].value("POSITION"), "400 300");
        EXPECT_EQ(all[1].value("Txt"), "Again");
        EXPECT_EQ(all[1].find("dangling"), nullptr);
        EXPECT_EQ(all[1].value("GFX", "none"), "none");
        // A second widget of the same name is a second declaration.
        EXPECT_EQ(all[2].name, "play");
        EXPECT_TRUE(all[2].settings.empty());
    }

    // An empty quoted value disappears, so the next token becomes the value.
    std::vector<GuiDeclaration> empty = readGuiText("TEXT t { TXT = \"\" ALIGN }");
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(settingsOf(empty[0]), "TXT=ALIGN;");
    EXPECT_EQ(fatal_catcher::messageOf([] { readGuiText("TEXT t { TXT = \"\" RGB = \"1 2 3\" }"); }),
              "Nieprawidlowy wpis :1 2 3");
}

TEST(GuiDeclarations, AMissingEqualsIsFatalOutsideBar) {
    // An unquoted position: 20 becomes a key and POSITION's neighbour breaks.
    EXPECT_EQ(fatal_catcher::messageOf([] { readGuiText("BUTTON b { POSITION = 10 20 TXT = x }"); }),
              "Nieprawidlowy wpis :TXT");
    // ... unless the stray number is the last token of the body.
    EXPECT_EQ(settingsOf(readGuiText("BUTTON b { POSITION = 10 20 }").at(0)), "POSITION=10;");
    EXPECT_EQ(fatal_catcher::messageOf([] { readGuiText("text t {\n RGB : \"1 2 3\"\n}"); }),
              "Nieprawidlowy wpis ::");
}

TEST(GuiDeclarations, BarIsAcceptedWithNestedBlocks) {
    std::vector<GuiDeclaration> all = readGuiText(
        "BAR menu {\n"
        "  POSITION = \"0 0\"\n"
        "  MENU file {\n"
        "    TITLE = File\n"
        "    ITEM quit { TITLE = Quit COMMAND = quit }\n"
        "    FONT = small\n"
        "  }\n"
        "  WIDTH = 800\n"
        "}\n"
        "BAR broken { MENU edit { TITLE = Edit\n"
        "BUTTON after { TXT = x }\n");
    ASSERT_EQ(all.size(), 2u);
    const GuiDeclaration& bar = all[0];
    EXPECT_EQ(settingsOf(bar), "POSITION=0 0;WIDTH=800;");
    ASSERT_EQ(bar.blocks.size(), 1u);
    const TSmallObject& file = bar.blocks[0];
    EXPECT_EQ(file._typ, "MENU");
    EXPECT_EQ(file._name, "file");
    ASSERT_EQ(file._tokeny.size(), 3u);
    EXPECT_EQ(file._tokeny[0].entry._typ, "TITLE");
    EXPECT_EQ(file._tokeny[0].entry._value, "File");
    ASSERT_NE(file._tokeny[1].block, nullptr);
    EXPECT_EQ(file._tokeny[1].block->_name, "quit");
    EXPECT_EQ(file._tokeny[1].block->_tokeny.size(), 2u);
    EXPECT_EQ(file._tokeny[2].entry._value, "small");

    // A block that never closes swallows the rest of the file and is dropped.
    EXPECT_EQ(all[1].kind, "BAR");
    EXPECT_TRUE(all[1].blocks.empty());

    // Deep nesting is read without recursion and freed the same way.
    std::string deep = "BAR b {";
    for (int i = 0; i < 100000; ++i) deep += " M m {";
    for (int i = 0; i < 100000; ++i) deep += " }";
    deep += " }";
    std::vector<GuiDeclaration> nested = readGuiText(deep);
    ASSERT_EQ(nested.size(), 1u);
    ASSERT_EQ(nested[0].blocks.size(), 1u);
}

TEST(GuiDeclarations, FilesAreFoundIgnoringCase) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("GUI_Help.gui"), "TEXT tekst { ALIGN = center }\n");
    std::vector<GuiDeclaration> all = loadGuiFile(dir.file("gui_help.gui"));
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].value("align"), "center");
    EXPECT_TRUE(loadGuiFile(dir.file("none.gui")).empty());
}

TEST(SettingValues, NumbersTruthAndTexts) {
    EXPECT_EQ(settingInteger(" -12abc"), -12);
    EXPECT_EQ(settingInteger("%101"), 5);
    EXPECT_EQ(settingInteger("-$fF"), -255);
    EXPECT_EQ(settingInteger("x1"), 0);
    EXPECT_EQ(settingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(settingNumbers("\"400 300\""), (std::vector<int>{400, 300}));
    EXPECT_EQ(settingNumbers("10  20"), (std::vector<int>{10, 0, 20}));
    EXPECT_EQ(settingNumbers("255", 3), (std::vector<int>{255, 0, 0}));
    EXPECT_TRUE(settingTruth("tRuE"));
    EXPECT_FALSE(settingTruth("1"));

    testing_support::TempDir dir;
    const std::string lines = dir.file("texts.txt");
    testing_support::writeFile(lines, "first\nsecond\n");
    EXPECT_EQ(settingText("[" + lines + "|2]"), "second");
    EXPECT_EQ(settingText("[" + lines + "|0]"), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(settingText("[" + lines + "]"), "(BEYOND TEXT ARRAY LENGTH!)");
    testing::internal::CaptureStdout();
    EXPECT_EQ(settingText("[" + dir.file("none.txt") + "|1]"), "(BEYOND TEXT ARRAY LENGTH!)");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(settingText("\"Play now\""), "Play now");
    EXPECT_EQ(settingText("["), "[");
}
