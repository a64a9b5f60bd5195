// Files written for the structured data reader read back as written.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "datafiles/data_file_writer.h"
#include "datafiles/rcm_file.h"
#include "test_support.h"

using testing_support::TempDir;

TEST(DataFileWriter, EverythingWrittenReadsBackFromDisk) {
    const std::string awkward = "  a, \"b\" = {c}\r\n,\"d\",  ";
    const std::string accented = "Zo\xC3\xAB \xE2\x98\x85";  // outside Latin-1: saved as UTF-16
    const float floats[] = {0.5f, 0.7f, -3.25f, 1e-7f, FLT_MAX, 123456.789f};

    DataFileWriter out;
    out.openGroup("profile");
    out.text("awkward", awkward);
    out.text("accented", accented);
    out.texts("list", {"one", "two, three", ""});
    out.integers("bonus", {-1, INT_MAX, INT_MIN, 16777217});
    for (size_t i = 0; i < std::size(floats); ++i) out.decimal("f" + std::to_string(i), floats[i]);
    out.openGroup("inner");
    out.integer("deep", 42);
    out.closeGroup();
    out.integer("afterInner", 5);
    out.openGroup("unclosed");
    out.integer("x", 1);

    TempDir dir;
    ASSERT_TRUE(out.save(dir.file("profile1.dat")));
    TRCMFile in = loadRCMFile(dir.file("profile1.dat"));
    EXPECT_EQ(in.getString("profile::awkward", 0), DataFileWriter::cleanText(awkward));
    EXPECT_EQ(DataFileWriter::cleanText(awkward), "  a, b  {c},d,  ");
    EXPECT_EQ(in.getString("profile::accented", 0), accented);
    EXPECT_EQ(in.valueCount("profile::list"), 3);
    EXPECT_EQ(in.getString("profile::list", 1), "two, three");
    EXPECT_EQ(in.getString("profile::list", 2), "");
    EXPECT_EQ(in.getInt("profile::bonus", 0), -1);
    EXPECT_EQ(in.getInt("profile::bonus", 1), INT_MAX);
    EXPECT_EQ(in.getInt("profile::bonus", 2), INT_MIN);
    EXPECT_EQ(in.getInt("profile::bonus", 3), 16777217);
    for (size_t i = 0; i < std::size(floats); ++i)
        EXPECT_EQ(in.getFloat("profile::f" + std::to_string(i), 0), floats[i]) << i;
    EXPECT_EQ(in.getInt("profile::inner::deep", 0), 42);
    EXPECT_EQ(in.getInt("profile::afterInner", 0), 5);
    EXPECT_EQ(in.getInt("profile::unclosed::x", 0), 1);
}

TEST(DataFileWriter, WritesTheHouseLayoutAndCleansNames) {
    DataFileWriter out;
    out.openGroup("settings");
    out.decimal("sound", 0.5f);
    out.decimal("music", 0.7f);
    out.integer("hz", 100);
    out.texts("pair", {"a", "b"});
    out.closeGroup();
    out.closeGroup();  // one too many does nothing
    EXPECT_EQ(out.result(),
              "settings {\n\tsound = 0.500000000\n\tmusic = 0.699999988\n\thz = 100\n\tpair = \"a\", \"b\"\n}\n");
    EXPECT_EQ(DataFileWriter::formatFloat(1.0f), "1.00000000");
    EXPECT_EQ(DataFileWriter::formatFloat(NAN), "0.00000000");
    EXPECT_EQ(DataFileWriter::formatFloat(INFINITY), DataFileWriter::formatFloat(FLT_MAX));

    DataFileWriter odd;
    odd.openGroup("g{1}");
    odd.integer(" k=\"ey\" ", 3);
    TRCMFile in;
    in.readText(odd.result());
    EXPECT_EQ(in.getInt("g1::key", 0), 3);
}

TEST(DataFileWriter, SavingReplacesTheFileAndReportsFailure) {
    TempDir dir;
    DataFileWriter first;
    first.integer("n", 1);
    ASSERT_TRUE(first.save(dir.file("settings.dat")));
    DataFileWriter second;
    second.integer("n", 2);
    ASSERT_TRUE(second.save(dir.file("settings.dat")));
    EXPECT_EQ(testing_support::readFile(dir.file("settings.dat")), "n = 2\n");
    EXPECT_FALSE(first.save(dir.file("no/such/folder/settings.dat")));
}
