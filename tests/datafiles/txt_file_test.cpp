// Line files, the UI text table and the shipped line files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "datafiles/strings.h"
#include "datafiles/teksty.h"
#include "datafiles/txt_file.h"
#include "test_support.h"

TEST(TxtFile, SplitsLinesAndNumbersThemFromOne) {
    TTxtFile f = readTxtText("a\n\nb");
    ASSERT_EQ(f.lines(), 3);
    EXPECT_EQ(getTxtLine(f, 1), "a");
    EXPECT_EQ(getTxtLine(f, 2), "");
    EXPECT_EQ(getTxtLine(f, 3), "b");
    EXPECT_EQ(getTxtLine(f, 0), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(getTxtLine(f, -3), "(BEYOND TEXT ARRAY LENGTH!)");
    EXPECT_EQ(getTxtLine(f, 4), "(BEYOND TEXT ARRAY LENGTH!)");

    EXPECT_EQ(readTxtText("a\nb\n").lines(), 2);
    EXPECT_EQ(readTxtText("").lines(), 0);
    EXPECT_EQ(readTxtText("\n").lines(), 1);
    // Texts are used as they are: a carriage return stays.
    EXPECT_EQ(getTxtLine(readTxtText("x\r\ny\r\n"), 1), "x\r");
}

TEST(TxtFile, ReadsFilesAndReportsMissingOnes) {
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("Credits.TXT"), "\xEF\xBB\xBFone\ntwo\n");
    TTxtFile f = loadTxtFile(dir.file("credits.txt"));
    ASSERT_EQ(f.lines(), 2);
    EXPECT_EQ(getTxtLine(f, 1), "one");

    testing::internal::CaptureStdout();
    TTxtFile missing = loadTxtFile(dir.file("none.txt"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find(dir.file("none.txt")), std::string::npos);
    EXPECT_EQ(missing.lines(), 0);
    EXPECT_EQ(getTxtLine(missing, 1), kMissingLineText);
}

TEST(Teksty, EachFieldTakesItsLine) {
    std::string text;
    for (int n = 1; n <= 72; ++n) text += "L" + std::to_string(n) + "\n";
    TTeksty t;
    t.fill(readTxtText(text));
    EXPECT_EQ(t.txtAreYouSure, "L1");
    EXPECT_EQ(t.txtPomoc[0], "L2");
    EXPECT_EQ(t.txtPomoc[9], "L11");
    EXPECT_EQ(t.txtPomoc[10], "");
    EXPECT_EQ(t.txtPuzzli, "L12");
    EXPECT_EQ(t.txtTRYBNormal[4], "L32");
    EXPECT_EQ(t.txtTRYBZmienny[0], "L33");
    EXPECT_EQ(t.txtTRYBPodwojny[3], "L39");
    EXPECT_EQ(t.txtTRYBStrategiczny[2], "L42");
    EXPECT_EQ(t._txtTrybTwo, "L45");
    EXPECT_EQ(t._txtTrybChange, "L47");
    EXPECT_EQ(t._txtTrybPuzzle, "L48");
    EXPECT_EQ(t.txtNormal, "L66");
    EXPECT_EQ(t.txtTwo, "L66");
    EXPECT_EQ(t.txtYouLost, "L67");
    EXPECT_EQ(t.txtMusicVolume, "L71");

    t.fill(readTxtText("only\n"));
    EXPECT_EQ(t.txtMusicVolume, kMissingLineText);
}

namespace {

std::string shippedFile(const std::string& name) {
    std::string source;
    if (const char* set = std::getenv("VORNELL_TEST_SOURCE_DIR")) {
        source = set;
    } else {
        // This file lives in <source>/tests/datafiles/.
        source = __FILE__;
        for (int up = 0; up < 3 && source.rfind('/') != std::string::npos; ++up) source.erase(source.rfind('/'));
    }
    return source + "/content/data/" + name;
}

}  // namespace

TEST(ShippedTexts, EveryLineTheScreensUseIsThere) {
    TTxtFile file = loadTxtFile(shippedFile("teksty.txt"));
    ASSERT_EQ(file.lines(), TTeksty::kLines);
    for (int n = 1; n <= TTeksty::kLines; ++n) {
        const std::string line = getTxtLine(file, n);
        EXPECT_FALSE(trimBlank(line).empty()) << "line " << n;
        EXPECT_EQ(line.find('\r'), std::string::npos) << "line " << n;
        EXPECT_EQ(line.find("BEYOND"), std::string::npos) << "line " << n;
    }
    TTeksty t;
    t.fill(file);
    for (int page = 0; page < 10; ++page) EXPECT_GT(t.txtPomoc[size_t(page)].size(), 80u) << "help page " << page;
    // Pieces that are glued to a name or a number keep their spaces.
    EXPECT_EQ(t.txtHello.back(), ' ');
    EXPECT_EQ(t.txtKupno1.back(), ' ');
    EXPECT_EQ(t.txtKupno2.front(), ' ');

    // Without a byte order mark a file reads as Latin-1, so a shipped text
    // is plain ASCII unless it starts with the mark (the credits' copyright
    // signs).
    for (const char* name : {"teksty.txt", "credits.txt"}) {
        const std::string bytes = testing_support::readFile(shippedFile(name));
        if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) continue;
        for (unsigned char c : bytes) {
            EXPECT_LT(c, 0x80) << name;
        }
    }

    TTxtFile credits = loadTxtFile(shippedFile("credits.txt"));
    ASSERT_GE(credits.lines(), 40);
    int headings = 0, subHeadings = 0, plain = 0;
    for (int n = 1; n <= 40; ++n) {
        const std::string line = getTxtLine(credits, n);
        if (line.empty()) continue;
        if (line[0] == '@' || line[0] == '#') {
            EXPECT_GT(line.size(), 1u) << "line " << n;
            ++(line[0] == '@' ? headings : subHeadings);
        } else {
            ++plain;
        }
    }
    EXPECT_GE(headings, 1);
    EXPECT_GE(subHeadings, 1);
    EXPECT_GE(plain, 1);
}
