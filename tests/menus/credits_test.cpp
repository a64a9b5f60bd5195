// The credits page: the first 40 lines of the credits file in their styles,
// in two columns on a white page, fading in and out again on a click or
// Escape. The game's own credits name every library the game links and every
// font it ships, and the licence notices list each of them.
#include <gtest/gtest.h>

#include <dirent.h>
#include <elf.h>
#include <fnmatch.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstring>
#include <regex>
#include <sstream>

#include "app/game_objects.h"
#include "datafiles/txt_file.h"
#include "menus/credits.h"
#include "shell/assets.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

class Credits : public testing_support::ScreenTest {
protected:
    // Frames of the page until it has gone; the number of frames, or -1.
    int framesUntilGone(int limit = 300) {
        for (int n = 1; n <= limit; ++n) {
            mouse().update();
            credits.update();
            if (credits.react()) return n;
        }
        return -1;
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            mouse().update();
            credits.update();
            ASSERT_FALSE(credits.react());
        }
    }

    testing_support::TempDir dir;
    TCredits credits;
};

TEST_F(Credits, FortyLinesInTwoColumnsInTheirStyles) {
    testing_support::writeFile(dir.file("credits.txt"), "@Vornell\n#Music\nOur own generator\n\nplain # and @ inside\n");
    credits.setup(dir.file("credits.txt"));
    ASSERT_EQ(credits.lista.size(), 40u);
    ASSERT_EQ(credits.lines.size(), 40u);
    struct Expect {
        std::string text;
        TImageFontPtr font;
        TRGB colour;
    };
    const Expect heading{"Vornell", fonts.font_blueHigh26, createRGB(200, 50, 50)};
    const Expect sub{"Music", fonts.font_blueHigh22, createRGB(200, 200, 50)};
    const Expect plain{"Our own generator", fonts.font_FONT20, createRGB(200, 255, 255)};
    const std::vector<Expect> expected = {heading, sub, plain, {"", fonts.font_FONT20, plain.colour},
                                          {"plain # and @ inside", fonts.font_FONT20, plain.colour}};
    int dy = 0;
    for (size_t i = 0; i < 40; ++i) {
        const TCredits::Line& line = credits.lines[i];
        // Lines the file lacks show the missing-line text, as plain lines.
        const Expect e = i < expected.size() ? expected[i] : Expect{kMissingLineText, fonts.font_FONT20, plain.colour};
        EXPECT_EQ(line.text, e.text) << "line " << i + 1;
        EXPECT_EQ(line.font, e.font) << "line " << i + 1;
        EXPECT_EQ(line.colour.r, e.colour.r) << "line " << i + 1;
        EXPECT_EQ(line.colour.g, e.colour.g) << "line " << i + 1;
        SetImageFont(e.font);
        // Lines 1 to 20 make the left column, 21 to 40 the right one.
        const int centre = i < 20 ? 200 : 600;
        if (i == 20) dy = 0;
        EXPECT_EQ(line.x, centre - TextWidth(e.text) / 2) << "line " << i + 1;
        EXPECT_EQ(line.dy, dy) << "line " << i + 1 << ": each line follows the one above";
        dy += TextHeight(e.text) + 3;
    }
}

TEST_F(Credits, TheGamesOwnPageFitsItsColumnsWithoutOverlap) {
    credits.setup();
    for (const std::string& s : credits.lista) EXPECT_NE(s, kMissingLineText) << "the file fills all forty lines";
    for (size_t i = 0; i < credits.lines.size(); ++i) {
        const TCredits::Line& line = credits.lines[i];
        if (line.text.empty()) continue;
        SetImageFont(line.font);
        // Drawn with its outline one pixel around and its shadow 3 pixels
        // down and right; a gutter between the columns keeps them apart.
        const int left = line.x - 1, right = line.x + TextWidth(line.text) + 3;
        const int columnLeft = i < 20 ? 0 : 400;
        EXPECT_GE(left, columnLeft + 10) << "line " << i + 1 << " runs out of its column: " << line.text;
        EXPECT_LE(right, columnLeft + 390) << "line " << i + 1 << " runs out of its column: " << line.text;
        const float bottom = credits.y + float(line.dy + TextHeight(line.text) + 3);
        EXPECT_LE(bottom, 600.0f) << "line " << i + 1 << " runs off the page: " << line.text;
    }
}

TEST_F(Credits, FadesInAndOutOnAClickOrEscape) {
    credits.setup();
    credits.prepare();
    EXPECT_EQ(credits.y, 50.0f);
    EXPECT_EQ(credits.alpha, 0.0f);
    frames(60);
    EXPECT_EQ(credits.alpha, 1.0f) << "the veil is fully in after about 50 frames";
    press(KEY_ESCAPE);
    const int out = framesUntilGone();
    EXPECT_GE(out, 49);
    EXPECT_LE(out, 52);

    // A click while fading in turns the fade around from where it was.
    credits.prepare();
    frames(10);
    EXPECT_NEAR(credits.alpha, 0.2f, 0.001f);
    media::inputMouseDown(1);
    media::inputMouseUp(1);
    const int back = framesUntilGone();
    EXPECT_GE(back, 9);
    EXPECT_LE(back, 12);
}

// The shared libraries a program asks the loader for (its DT_NEEDED entries).
std::vector<std::string> neededLibraries(const std::string& program) {
    const std::string bytes = testing_support::readFile(program);
    std::vector<std::string> needed;
    Elf64_Ehdr eh;
    if (bytes.size() < sizeof eh) return needed;
    std::memcpy(&eh, bytes.data(), sizeof eh);
    if (std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS64) return needed;
    auto section = [&](size_t n) {
        Elf64_Shdr sh{};
        const size_t at = eh.e_shoff + n * eh.e_shentsize;
        if (at + sizeof sh <= bytes.size()) std::memcpy(&sh, bytes.data() + at, sizeof sh);
        return sh;
    };
    for (size_t n = 0; n < eh.e_shnum; ++n) {
        const Elf64_Shdr dyn = section(n);
        if (dyn.sh_type != SHT_DYNAMIC) continue;
        const Elf64_Shdr names = section(dyn.sh_link);
        for (size_t at = dyn.sh_offset; at + sizeof(Elf64_Dyn) <= dyn.sh_offset + dyn.sh_size; at += sizeof(Elf64_Dyn)) {
            Elf64_Dyn d;
            std::memcpy(&d, bytes.data() + at, sizeof d);
            if (d.d_tag == DT_NEEDED && names.sh_offset + d.d_un.d_val < bytes.size())
                needed.emplace_back(bytes.c_str() + names.sh_offset + d.d_un.d_val);
        }
    }
    return needed;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (const dirent* e = readdir(d))
            if (e->d_name[0] != '.') names.emplace_back(e->d_name);
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The Files: patterns of a machine-readable copyright file, one per word.
std::vector<std::string> copyrightPatterns(const std::string& text) {
    std::vector<std::string> patterns;
    const std::regex files("(^|\n)Files:([^\n]*)");
    for (std::sregex_iterator i(text.begin(), text.end(), files), end; i != end; ++i) {
        std::istringstream words((*i)[2].str());
        for (std::string w; words >> w;) patterns.push_back(w);
    }
    return patterns;
}

bool listed(const std::vector<std::string>& patterns, const std::string& file) {
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& p) { return p != "*" && fnmatch(p.c_str(), file.c_str(), 0) == 0; });
}

// Every library the game links is named in its credits and listed in the
// licence notices installed with it, and so is every font it ships: a new
// dependency without its credit and notice fails here.
TEST_F(Credits, NameEveryLinkedLibraryAndShippedFont) {
    credits.setup();
    std::string text;
    // Joined as one text, so that a notice may run over several lines.
    for (const std::string& s : credits.lista) text += s + " ";
    const std::string notices = testing_support::readFile(VORNELL_SOURCE_DIR "/content/doc/copyright");
    ASSERT_FALSE(notices.empty());
    const std::vector<std::string> patterns = copyrightPatterns(notices);

    // What the credits call each library, by the file the program loads.
    const std::vector<std::pair<std::string, std::vector<std::string>>> credited = {
        {"libSDL2-2.0.so", {"SDL2"}},
        {"libepoxy.so", {"libepoxy"}},
        {"libfreetype.so",
         {"FreeType", "Portions of this software are copyright ©",
          "The FreeType Project (www.freetype.org). All rights reserved."}},
        {"libopenal.so", {"OpenAL Soft", "GNU LGPL"}},
        {"libpng16.so", {"libpng"}},
        {"libjpeg.so", {"libjpeg-turbo", "This software is based in part on the work of the Independent JPEG Group"}},
        {"libogg.so", {"libogg"}},
        {"libvorbis.so", {"libvorbis"}},
        {"libvorbisfile.so", {"libvorbis"}},
        {"libz.so", {"zlib"}},
    };
    // The C and C++ runtimes and the sanitizers come with the compiler and the
    // system; their licences ask nothing of a program that links them.
    const std::regex runtime("(libc|libm|libstdc\\+\\+|libgcc_s|ld-linux-.*|libasan|libubsan|libpthread|libdl|librt)\\.so.*");
    const std::vector<std::string> needed = neededLibraries(VORNELL_BINARY);
    ASSERT_FALSE(needed.empty()) << "no libraries read from " << VORNELL_BINARY;
    for (const std::string& library : needed) {
        if (std::regex_match(library, runtime)) continue;
        const auto credit = std::find_if(credited.begin(), credited.end(), [&](const auto& c) {
            return library.compare(0, c.first.size(), c.first) == 0 && library.size() > c.first.size() &&
                   library[c.first.size()] == '.';
        });
        ASSERT_NE(credit, credited.end()) << "the game links " << library << ", which has no credit";
        for (const std::string& name : credit->second) EXPECT_NE(text.find(name), std::string::npos) << library << ": " << name;
        EXPECT_TRUE(listed(patterns, library)) << library << " has no paragraph in content/doc/copyright";
    }

    // Every font by its family name, as the font file itself gives it.
    FT_Library freetype;
    ASSERT_EQ(FT_Init_FreeType(&freetype), 0);
    const std::vector<std::string> fontFiles = filesIn("fonts");
    ASSERT_FALSE(fontFiles.empty());
    for (const std::string& file : fontFiles) {
        FT_Face face;
        ASSERT_EQ(FT_New_Face(freetype, ("fonts/" + file).c_str(), 0, &face), 0) << file;
        const std::string family = face->family_name ? face->family_name : "";
        FT_Done_Face(face);
        EXPECT_FALSE(family.empty()) << file;
        EXPECT_NE(text.find(family), std::string::npos) << "fonts/" << file << " (" << family << ") has no credit";
        EXPECT_TRUE(listed(patterns, "share/vornell/fonts/" + file)) << file << " has no paragraph in the notices";
    }
    FT_Done_FreeType(freetype);
    EXPECT_NE(text.find("A game by the Vornell team"), std::string::npos);
}

}  // namespace
