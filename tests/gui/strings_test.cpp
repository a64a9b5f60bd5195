// The string helpers and the fatal ending.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "datafiles/strings.h"
#include "fatal_catcher.h"

using Pieces = std::vector<std::string>;

TEST(SplitString, CutsAtEverySeparator) {
    EXPECT_EQ(splitString("400 300", " "), (Pieces{"400", "300"}));
    EXPECT_EQ(splitString("10  20", " "), (Pieces{"10", "", "20"}));
    EXPECT_EQ(splitString(" a", " "), (Pieces{"", "a"}));
    EXPECT_EQ(splitString("a ", " "), (Pieces{"a"}));
    EXPECT_EQ(splitString("a==b=", "="), (Pieces{"a", "", "b"}));
    EXPECT_EQ(splitString("tiles::ilosc", "::"), (Pieces{"tiles", "ilosc"}));
    EXPECT_EQ(splitString("a:b:", "::"), (Pieces{"a:b:"}));
    EXPECT_EQ(splitString("", ","), Pieces{});
    EXPECT_EQ(splitString("abc", ""), (Pieces{"abc"}));
}

TEST(SplitString, MarkedGroupsAreNotCutAndLoseTheirMarks) {
    EXPECT_EQ(splitString("[1,2],3", ",", "[", "]"), (Pieces{"1,2", "3"}));
    EXPECT_EQ(splitString("a]b,c[d", ",", "[", "]"), (Pieces{"ab", "cd"}));
    EXPECT_EQ(splitString("'x y' z", " ", "'", "'"), (Pieces{"x y", "z"}));
    EXPECT_EQ(splitString("[a,b", ",", "[", "]"), (Pieces{"a,b"}));
}

TEST(StringHelpers, SmallHelpers) {
    EXPECT_EQ(stripQuotes("\"a\"b\""), "ab");
    EXPECT_TRUE(isDigits(""));
    EXPECT_TRUE(isDigits("0123"));
    EXPECT_FALSE(isDigits("12a"));
    EXPECT_FALSE(isDigits("-1"));
    EXPECT_EQ(dropBlank({" a ", "", " \t", "b"}), (Pieces{" a ", "b"}));
    EXPECT_EQ(trimBlank("\r\n\t x y \r"), "x y");
    EXPECT_EQ(upperCase("Mixed-case \xC3\xA9"), "MIXED-CASE \xC3\xA9");
    EXPECT_TRUE(sameIgnoringCase("quit", "QUIT"));
    EXPECT_FALSE(sameIgnoringCase("quit", "quits"));
}

TEST(StringHelpers, MarkedGroupsAreExtractedOrRemoved) {
    EXPECT_EQ(extractMarked("[1,2]x[3]", "[", "]"), (Pieces{"1,2", "3"}));
    EXPECT_EQ(removeMarked("[1,2]x[3]y", "[", "]"), "xy");
    // Inside quotes marks are text; the quotes go.
    EXPECT_EQ(extractMarked("[\"]\"][\"[\"]", "[", "]"), (Pieces{"]", "["}));
    EXPECT_EQ(removeMarked("\"[a]\"b", "[", "]"), "[a]b");
    EXPECT_EQ(extractMarked("[open", "[", "]"), Pieces{});

    const std::string prefix = "BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :";
    EXPECT_EQ(fatal_catcher::messageOf([] { extractMarked("[a[b]]", "[", "]"); }), prefix + "[a[b]]");
    EXPECT_EQ(fatal_catcher::messageOf([] { removeMarked("a]b", "[", "]"); }), prefix + "a]b");
    EXPECT_EQ(fatal_catcher::messageOf([] { extractMarked("[a][b]", "[", "]"); }), "");
}

TEST(FatalError, HandlerSeesTheMessageAndTheDefaultEndsWithAFailure) {
    EXPECT_EQ(fatal_catcher::messageOf([] { fatalError("Plik : x nie istenieje!"); }), "Plik : x nie istenieje!");
    EXPECT_EQ(setFatalHandler(nullptr), nullptr);  // the catcher put the default back

    // Console output goes to stderr here so that the death test can see it.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            fatalError("Nie podano scierzki do czcionki.");
        },
        testing::ExitedWithCode(1), " >> BLAD! << : Nie podano scierzki do czcionki\\.");
}
