// The generator's reader of translation catalogues: what it takes from a PO
// file, what it leaves out, and the English a label keeps without one.
#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"

namespace {

catalogue::Catalogue parsed(const std::string& text) {
    catalogue::Catalogue c;
    std::string error;
    EXPECT_TRUE(c.parse(text, "test.po", error)) << error;
    return c;
}

TEST(Catalogue, ReadsEscapesAndStringsContinuedOverLines) {
    const catalogue::Catalogue c = parsed(
        "\xEF\xBB\xBFmsgid \"Board \"\r\n"
        "\"cleared!\"\r\n"
        "msgstr \"\"\r\n"
        "\"Plateau \\\"vid\u00e9\\\"\\t!\"\r\n"
        "\n"
        "msgid \"Two\\nlines\"\n"
        "msgstr \"Zwei\\nZeilen \\\\ \\101\\x42\"\n");
    ASSERT_TRUE(c.find("Board cleared!")) << "a string continued on the next lines, CR LF and a BOM";
    EXPECT_EQ(*c.find("Board cleared!"), "Plateau \"vid\u00e9\"\t!");
    ASSERT_TRUE(c.find("Two\nlines"));
    EXPECT_EQ(*c.find("Two\nlines"), "Zwei\nZeilen \\ AB");
}

TEST(Catalogue, LeavesOutTheHeaderFuzzyObsoleteAndUntranslatedEntries) {
    const catalogue::Catalogue c = parsed(
        "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
        "#, fuzzy\nmsgid \"Paused\"\nmsgstr \"Pause\"\n\n"
        "#~ msgid \"Old\"\n#~ msgstr \"Alt\"\n\n"
        "msgid \"Quit\"\nmsgstr \"\"\n\n"
        "#. Translators: a comment\n#: tools/contentgen/x.cpp:1\n#, c-format\nmsgid \"Yes\"\nmsgstr \"Ja\"\n"
        "msgid \"No\"\nmsgstr \"Nein\"\n");
    EXPECT_FALSE(c.find(""));
    EXPECT_FALSE(c.find("Paused"));
    EXPECT_FALSE(c.find("Old"));
    EXPECT_FALSE(c.find("Quit"));
    ASSERT_TRUE(c.find("Yes"));
    EXPECT_EQ(*c.find("Yes"), "Ja");
    ASSERT_TRUE(c.find("No")) << "an entry right after another, with no blank line between";
    EXPECT_EQ(*c.find("No"), "Nein");
    EXPECT_EQ(c.size(), 2u);
}

TEST(Catalogue, KeepsEntriesWithAContextApart) {
    const catalogue::Catalogue c = parsed(
        "msgctxt \"ribbon\"\nmsgid \"Play\"\nmsgstr \"Spiel\"\n\n"
        "msgid \"Play\"\nmsgstr \"Spielen\"\n");
    ASSERT_TRUE(c.find("Play", "ribbon"));
    EXPECT_EQ(*c.find("Play", "ribbon"), "Spiel");
    EXPECT_EQ(*c.find("Play"), "Spielen");
}

TEST(Catalogue, NamesTheFileAndLineItCannotRead) {
    catalogue::Catalogue c;
    std::string error;
    EXPECT_FALSE(c.parse("msgid \"Yes\"\nmsgstr \"Ja\"\n\nmsgid \"No\nmsgstr \"Nein\"\n", "de.po", error));
    EXPECT_EQ(error.rfind("de.po:4: ", 0), 0u) << error;
    EXPECT_FALSE(c.parse("msgid \"Yes\"\nmsgstr \"Ja\"\nbogus\n", "de.po", error));
    EXPECT_EQ(error.rfind("de.po:3: ", 0), 0u) << error;
    EXPECT_EQ(c.size(), 0u);
    EXPECT_FALSE(c.read("/nonexistent/xx.po", error));
    EXPECT_NE(error.find("/nonexistent/xx.po"), std::string::npos) << error;
}

TEST(Catalogue, TrTranslatesInALanguageRunAndKeepsTheEnglishOtherwise) {
    const catalogue::Catalogue c = parsed("msgid \"Yes\"\nmsgstr \"Tak\"\n");
    EXPECT_EQ(catalogue::tr("Yes"), "Yes");
    EXPECT_FALSE(catalogue::languageRun());
    catalogue::use(&c);
    EXPECT_TRUE(catalogue::languageRun());
    EXPECT_EQ(catalogue::tr("Yes"), "Tak");
    EXPECT_EQ(catalogue::tr("No"), "No") << "a label the catalogue lacks keeps its English";
    catalogue::use(nullptr);
    EXPECT_EQ(catalogue::tr("Yes"), "Yes");
}

}  // namespace
