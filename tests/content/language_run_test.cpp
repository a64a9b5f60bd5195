// A language run of the generator (contentgen --language CODE --catalogue
// FILE.po OUT) with the pseudo-language, every letter accented and every
// text a third longer: it writes exactly the pictures that carry words, each
// unlike its English twin, keeps the sizes the game relies on, widens what
// may widen without anything running off a picture's edge, and fails,
// naming the text, where a label cannot be drawn.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Every picture with words, and the cells of its strip (buttons and switches
// have four looks side by side).
struct Worded {
    const char* path;
    int cells;
};
const Worded kWorded[] = {
    {"gfx/splash/loadscreen.png", 1},         {"gfx/particles/cleanup.png", 1},
    {"gfx/gui/game/menu.png", 1},             {"gfx/gui/help/panel.png", 1},
    {"gfx/gui/buttons/yes.png", 4},           {"gfx/gui/buttons/no.png", 4},
    {"gfx/gui/buttons/ok.png", 4},            {"gfx/gui/buttons/resume.png", 4},
    {"gfx/gui/buttons/restart.png", 4},       {"gfx/gui/buttons/settings.png", 4},
    {"gfx/gui/buttons/mainmenu.png", 4},      {"gfx/gui/settings/on.png", 4},
    {"gfx/gui/settings/off.png", 4},          {"gfx/gui/game/menu-button.png", 4},
    {"gfx/gui/mainmenu/enter.png", 1},        {"gfx/gui/profile/panel.png", 1},
    {"gfx/gui/mainmenu/panel.png", 1},        {"gfx/gui/buttons/play.png", 4},
    {"gfx/gui/buttons/freeplay.png", 4},      {"gfx/gui/buttons/credits.png", 4},
    {"gfx/gui/buttons/quit.png", 4},          {"gfx/gui/buttons/change.png", 4},
    {"gfx/gui/buttons/newquest.png", 4},      {"gfx/gui/buttons/back.png", 4},
    {"gfx/gui/buttons/cancel.png", 4},        {"gfx/gui/buttons/select.png", 4},
    {"gfx/gui/buttons/rename.png", 4},        {"gfx/gui/buttons/delete.png", 4},
    {"gfx/gui/buttons/new.png", 4},           {"gfx/gui/map/play.png", 4},
    {"gfx/gui/map/sklep.png", 4},             {"gfx/gui/puzzle/menu.png", 4},
    {"gfx/gui/shooting/bonus_slingshot.png", 1}, {"gfx/gui/shooting/bonus_smg.png", 1},
    {"gfx/gui/shooting/bonus_shotgun.png", 1},   {"gfx/gui/shooting/bonus_rifle.png", 1},
    {"gfx/gui/sklep/exit.png", 4},            {"gfx/gui/story/ekran.png", 1},
    {"gfx/gui/story/panel_small.png", 1},     {"gfx/gui/story/skip.png", 4},
    {"gfx/gui/story/next.png", 4},            {"gfx/gui/story/ok.png", 4},
    {"gfx/gui/story/go.png", 4},
};

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the generator's language run into `out`, its output kept.
Outcome generate(const fs::path& work, const fs::path& catalogue, const fs::path& out) {
    const std::string command = std::string("'") + CONTENTGEN + "' --language pseudo --catalogue '" +
                                catalogue.string() + "' '" + out.string() + "' >'" + (work / "out.txt").string() +
                                "' 2>'" + (work / "err.txt").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(work / "out.txt"), slurp(work / "err.txt")};
}

// Width, height and, over every cell's outermost columns and the rows, the
// most opaque pixel: what runs off a picture's edge shows there.
struct Picture {
    int width = 0, height = 0, edge = 0;
};
Picture examine(const fs::path& file, int cells) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
    Picture p;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        p.width = cairo_image_surface_get_width(s);
        p.height = cairo_image_surface_get_height(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s), cellW = p.width / cells;
        auto alpha = [&](int x, int y) { return int(data[y * stride + x * 4 + 3]); };
        for (int c = 0; c < cells; ++c)
            for (int y = 0; y < p.height; ++y)
                p.edge = std::max({p.edge, alpha(c * cellW, y), alpha(c * cellW + cellW - 1, y)});
        for (int x = 0; x < p.width; ++x) p.edge = std::max({p.edge, alpha(x, 0), alpha(x, p.height - 1)});
    }
    cairo_surface_destroy(s);
    return p;
}

class LanguageRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/vornell-lang-XXXXXX";
        work_ = mkdtemp(pattern);
        pseudo_ = work_ / "pseudo.po";
        const std::string make = std::string("python3 '") + SOURCE_DIR + "/scripts/translations' pseudo '" +
                                 pseudo_.string() + "'";
        ASSERT_EQ(std::system(make.c_str()), 0);
        run_ = generate(work_, pseudo_, work_ / "lang" / "pseudo");
    }
    static void TearDownTestSuite() { fs::remove_all(work_); }

    void SetUp() override {
        ASSERT_EQ(run_.status, 0) << run_.err;
        ASSERT_TRUE(fs::is_directory(kEnglish)) << "the English run's pictures are missing from " << kEnglish;
    }

    static fs::path out() { return work_ / "lang" / "pseudo"; }
    // A catalogue of one entry, for a run that must fail.
    static Outcome runWith(const std::string& msgid, const std::string& msgstr) {
        const fs::path po = work_ / "one.po";
        std::ofstream(po) << "msgid \"" << msgid << "\"\nmsgstr \"" << msgstr << "\"\n";
        fs::remove_all(work_ / "one");
        return generate(work_, po, work_ / "one");
    }

    inline static const fs::path kEnglish = GAME_DIR;
    inline static fs::path work_, pseudo_;
    inline static Outcome run_;
};

TEST_F(LanguageRun, WritesExactlyThePicturesWithWordsAndNothingElse) {
    std::set<std::string> written, worded;
    for (const auto& entry : fs::recursive_directory_iterator(out()))
        if (entry.is_regular_file()) written.insert(fs::relative(entry.path(), out()).generic_string());
    for (const Worded& w : kWorded) worded.insert(w.path);
    EXPECT_EQ(written, worded);
    EXPECT_FALSE(fs::exists(work_ / "lang" / "contact-sheet.png")) << "no contact sheet beside a language";
    // Every other picture of the English run stays with the base content.
    for (const auto& entry : fs::recursive_directory_iterator(kEnglish / "gfx")) {
        const std::string relative = fs::relative(entry.path(), kEnglish).generic_string();
        if (entry.is_regular_file() && !worded.count(relative)) {
            EXPECT_FALSE(fs::exists(out() / relative)) << relative;
        }
    }
}

TEST_F(LanguageRun, EveryPictureDiffersFromItsEnglishTwin) {
    for (const Worded& w : kWorded) {
        ASSERT_TRUE(fs::exists(kEnglish / w.path)) << w.path;
        EXPECT_NE(slurp(out() / w.path), slurp(kEnglish / w.path)) << w.path << " shows no translation";
    }
}

TEST_F(LanguageRun, KeepsTheSizesTheGameReliesOnAndWidensNothingPastTheScreen) {
    auto size = [&](const char* path) { return examine(out() / path, 1); };
    for (const char* path : {"gfx/splash/loadscreen.png", "gfx/gui/story/ekran.png"}) {
        EXPECT_EQ(size(path).width, 800) << path;
        EXPECT_EQ(size(path).height, 600) << path;
    }
    EXPECT_EQ(size("gfx/gui/game/menu.png").width, 310);
    EXPECT_EQ(size("gfx/gui/game/menu.png").height, 420);
    EXPECT_LE(size("gfx/gui/mainmenu/enter.png").width, 460);
    EXPECT_LE(size("gfx/gui/mainmenu/panel.png").width, 360);
    // Buttons near the screen's right edge (cells of four looks).
    EXPECT_LE(size("gfx/gui/buttons/change.png").width, 4 * 190);
    EXPECT_LE(size("gfx/gui/map/play.png").width, 4 * 200);
    EXPECT_LE(size("gfx/gui/story/next.png").width, 4 * 200);
}

TEST_F(LanguageRun, LongerLabelsWidenTheirPicturesAndNothingRunsOffAnEdge) {
    int widened = 0;
    for (const Worded& w : kWorded) {
        const Picture english = examine(kEnglish / w.path, w.cells), translated = examine(out() / w.path, w.cells);
        EXPECT_GE(translated.width, english.width) << w.path;
        EXPECT_EQ(translated.width % w.cells, 0) << w.path;
        EXPECT_EQ(translated.height, english.height) << w.path;
        EXPECT_LE(translated.edge, english.edge + 8) << w.path << ": something runs off the picture's edge";
        widened += translated.width > english.width;
    }
    EXPECT_GE(widened, 5) << "a third longer, some labels must have widened their pictures";
    EXPECT_NE(run_.out.find("widens gfx/gui/buttons/cancel.png"), std::string::npos) << run_.out;
    EXPECT_NE(run_.out.find("is drawn in DejaVu Sans Bold"), std::string::npos)
        << "Comfortaa lacks the pseudo-language's \u1E02: those labels fall back\n" << run_.out;
}

TEST_F(LanguageRun, TheSameCatalogueGivesTheSameBytes) {
    const Outcome again = generate(work_, pseudo_, work_ / "again");
    ASSERT_EQ(again.status, 0) << again.err;
    for (const Worded& w : kWorded) EXPECT_EQ(slurp(work_ / "again" / w.path), slurp(out() / w.path)) << w.path;
}

TEST_F(LanguageRun, FailsNamingALabelItCannotDraw) {
    const Outcome noFace = runWith("Play", "Play \u65E5\u672C");
    EXPECT_NE(noFace.status, 0);
    EXPECT_NE(noFace.err.find("\"Play \u65E5\u672C\""), std::string::npos) << noFace.err;
    EXPECT_NE(noFace.err.find("neither face has \u65E5"), std::string::npos) << noFace.err;

    const std::string tooLong = "Das Spiel ist angehalten, bis du weiterspielen oder aufhören willst";
    const Outcome noRoom = runWith("Paused", tooLong);
    EXPECT_NE(noRoom.status, 0) << "a label is never clipped: a run that cannot fit it fails";
    EXPECT_NE(noRoom.err.find("\"" + tooLong + "\""), std::string::npos) << noRoom.err;

    const Outcome unreadable = generate(work_, work_ / "missing.po", work_ / "none");
    EXPECT_NE(unreadable.status, 0);
    EXPECT_NE(unreadable.err.find("missing.po"), std::string::npos) << unreadable.err;
}

}  // namespace
