// check-content: loads every content file the game names from a working
// folder and reports, one line each, whatever is missing, does not decode or
// has a size the game cannot use. Exit status 1 when anything was reported.
//
// Usage: check-content [WORKING_FOLDER]   (default: the current folder)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "board/level.h"
#include "content_list.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "datafiles/teksty.h"
#include "datafiles/txt_file.h"
#include "game/game.h"
#include "minigames/shooting.h"
#include "shell/language.h"
#include "gui/gui.h"
#include "gui/gui_file.h"
#include "gui/mouse.h"
#include "quest/story.h"
#include "shell/media/media.h"

namespace {

class Checker {
public:
    // Loads a picture once; reports it when missing or broken.
    TImagePtr picture(const std::string& path, const std::string& namedBy = "") {
        auto found = loaded_.find(path);
        if (found != loaded_.end()) return found->second;
        ++checked_;
        TImagePtr image = LoadImage(path, -1);
        // Loading reads the header only: decode the whole picture here.
        if (image && !pictureDecodes(*image)) image = nullptr;
        if (!image) {
            const std::string where = namedBy.empty() ? "" : " (named in " + namedBy + ")";
            problem(FileType(path) == 1 ? "does not decode: " + path + where : "missing: " + path + where);
        }
        loaded_[path] = image;
        return image;
    }

    void size(const content::Picture& p, const TImagePtr& image) {
        if (!image || p.width == 0) return;
        const bool bad = p.exact ? (image->width != p.width || image->height != p.height)
                                 : (image->width > p.width || image->height > p.height);
        if (bad)
            problem("wrong size: " + p.path + " is " + dims(image) + ", must be " + (p.exact ? "" : "at most ") +
                    std::to_string(p.width) + " x " + std::to_string(p.height));
    }

    // A cursor's hot spot must lie inside its picture.
    void cursor(const GameCursor& c) {
        TImagePtr image = picture(c.picture);
        if (image && (c.hotX >= image->width || c.hotY >= image->height))
            problem("cursor hot spot " + std::to_string(c.hotX) + ", " + std::to_string(c.hotY) + " lies outside " +
                    c.picture + " (" + dims(image) + ")");
    }

    void font(const content::Font& f) {
        ++checked_;
        if (!LoadImageFont(f.path, f.size, SMOOTHFONT))
            problem(FileType(f.path) == 1 ? "font does not load: " + f.path : "missing: " + f.path);
    }

    // A structured data file that must exist and parse.
    bool dataFile(TRCMFile& file, const std::string& path) {
        ++checked_;
        if (FileType(path) != 1) {
            problem("missing: " + path);
            return false;
        }
        file.Load(path);
        if (!file._grupa) {
            problem("does not parse: " + path);
            return false;
        }
        return true;
    }

    void tileKinds() {
        TRCMFile file;
        if (!dataFile(file, content::kTileKinds)) return;
        const int count = file.getInt("tiles::ilosc");
        if (count <= 0) problem(std::string(content::kTileKinds) + ": no tile kinds (tiles::ilosc)");
        for (int i = 1; i <= count; ++i) {
            const std::string group = "tiles::tile" + std::to_string(i) + "::";
            const int id = file.getInt(group + "id");
            if (id <= 0) problem(std::string(content::kTileKinds) + ": tile" + std::to_string(i) + " has no id");
            if (kinds_.count(id))
                problem(std::string(content::kTileKinds) + ": tile" + std::to_string(i) + " repeats id " +
                        std::to_string(id) + " of tile" + std::to_string(kinds_[id]));
            else kinds_[id] = i;
            for (int set = 0; set < 3; ++set) {
                const std::string key = group + "img" + std::to_string(set + 1);
                const std::string path = file.getString(key);
                if (path.empty()) {
                    problem(std::string(content::kTileKinds) + ": " + key + " is missing");
                    continue;
                }
                const int cell = TLevel::kCellSizes[set];
                size({path, cell, cell, false}, picture(path, content::kTileKinds));
            }
        }
        // Every colour of the bonus stock and every bonus marble must exist.
        for (int id = 1; id <= 14; ++id)
            if (!kinds_.count(id)) problem(std::string(content::kTileKinds) + ": no colour " + std::to_string(id));
        for (int id = 101; id <= 118; ++id)
            if (!kinds_.count(id)) problem(std::string(content::kTileKinds) + ": no bonus marble " + std::to_string(id));
    }

    void bonusButtons() {
        TRCMFile file;
        if (!dataFile(file, content::kBonusButtons)) return;
        const int count = file.getInt("bonusy::i");
        if (count != content::kBonusButtonCount)
            problem(std::string(content::kBonusButtons) + ": bonusy::i is " + std::to_string(count) + ", must be " +
                    std::to_string(content::kBonusButtonCount));
        for (int i = 1; i <= count; ++i) {
            for (const char* key : {"bonusy::img", "bonusy::gimg"}) {
                const std::string path = file.getString(key + std::to_string(i));
                if (path.empty()) problem(std::string(content::kBonusButtons) + ": " + key + std::to_string(i) + " is missing");
                // The buttons stand 50 pixels apart in their column.
                else size({path, 50, 50, false}, picture(path, content::kBonusButtons));
            }
        }
    }

    // The shooting gallery's guns and crate bonuses: every picture loads,
    // and the guns are the four its behaviours are tied to, in their order.
    void shootingTables() {
        TRCMFile guns;
        if (dataFile(guns, content::kGuns)) {
            const std::string where = content::kGuns;
            const int count = guns.getInt("guns::i");
            if (count != content::kGunCount)
                problem(where + ": guns::i is " + std::to_string(count) + ", must be " +
                        std::to_string(content::kGunCount));
            for (int i = 1; i <= count; ++i) {
                const std::string gun = "guns::gun" + std::to_string(i) + "::";
                if (const int id = guns.getInt(gun + "id"); id != i)
                    problem(where + ": gun" + std::to_string(i) + " has id " + std::to_string(id) + ", must be " +
                            std::to_string(i));
                if (guns.getInt(gun + "ammo") <= 0) problem(where + ": gun" + std::to_string(i) + " has no ammo");
                namedPicture(guns, gun + "img", where);
            }
        }
        TRCMFile crates;
        if (!dataFile(crates, content::kCrateBonuses)) return;
        const int count = crates.getInt("bonusy::ilosc");
        if (count <= 0) problem(std::string(content::kCrateBonuses) + ": no crate bonuses (bonusy::ilosc)");
        for (int i = 1; i <= count; ++i) {
            const std::string bonus = "bonusy::bonus" + std::to_string(i) + "::";
            crateIds_.push_back(crates.getInt(bonus + "id"));
            namedPicture(crates, bonus + "img", content::kCrateBonuses);
        }
    }

    // Free play's picture sets: at least one, each cut into a grid of
    // pieces that fills the puzzle board but for a sliver under a piece.
    void pictureSets() {
        TRCMFile sets;
        if (!dataFile(sets, content::kPictureSets)) return;
        const std::string where = content::kPictureSets;
        const int count = sets.getInt("zestawy::ilosc");
        if (count <= 0) problem(where + ": no picture sets (zestawy::ilosc)");
        for (int i = 1; i <= count; ++i) {
            const std::string set = "zestawy::zestaw" + std::to_string(i) + "::";
            const int rows = sets.getInt(set + "rows"), cols = sets.getInt(set + "cols");
            if (rows < 1 || cols < 1) {
                problem(where + ": zestaw" + std::to_string(i) + " has no rows and columns");
                continue;
            }
            if (sets.getString(set + "name").empty()) problem(where + ": zestaw" + std::to_string(i) + " has no name");
            const std::string path = sets.getString(set + "img");
            if (path.empty()) {
                problem(where + ": " + set + "img is missing");
                continue;
            }
            const TImagePtr image = picture(path, where);
            if (image && (content::kPuzzleWidth - image->width >= content::kPuzzleWidth / cols ||
                          content::kPuzzleHeight - image->height >= content::kPuzzleHeight / rows ||
                          image->width > content::kPuzzleWidth || image->height > content::kPuzzleHeight))
                problem("wrong size: " + path + " is " + dims(image) + ", its " + std::to_string(rows) + " x " +
                        std::to_string(cols) + " grid must fill " + std::to_string(content::kPuzzleWidth) + " x " +
                        std::to_string(content::kPuzzleHeight));
        }
    }

    // The picture a data file names under `key`.
    void namedPicture(const TRCMFile& file, const std::string& key, const std::string& where) {
        const std::string path = file.getString(key);
        if (path.empty()) problem(where + ": " + key + " is missing");
        else picture(path, where);
    }

    // Every .gui layout in data/: the pictures its widgets name must load,
    // and the widgets must build (a mistake in a layout stops the check
    // with the game's own message).
    static std::vector<std::string> layoutFiles() {
        namespace fs = std::filesystem;
        std::error_code ec;
        std::vector<std::string> layouts;
        for (const auto& entry : fs::directory_iterator("data", ec)) {
            if (entry.path().extension() == ".gui") layouts.push_back("data/" + entry.path().filename().string());
        }
        std::sort(layouts.begin(), layouts.end());
        return layouts;
    }

    void guiLayouts() {
        for (const std::string& layout : layoutFiles()) {
            ++checked_;
            for (const GuiDeclaration& d : loadGuiFile(layout)) {
                if (const std::string* gfx = d.find("GFX")) picture(*gfx, layout);
            }
            createGui(layout);
        }
    }

    // The level catalogue and every level file it names: each quest level
    // 1 to 97 present, its backdrop a full-screen picture, and every board
    // within what the board can hold.
    void levels() {
        TRCMFile catalogue;
        if (!dataFile(catalogue, content::kLevelCatalogue)) return;
        const std::string where = content::kLevelCatalogue;
        const int count = catalogue.getInt("levels::ilosc");
        std::map<int, std::string> files;
        for (int i = 1; i <= count; ++i) {
            const std::string group = "levels::level" + std::to_string(i) + "::";
            files[catalogue.getInt(group + "nr")] = catalogue.getString(group + "url");
        }
        for (int nr = 1; nr <= content::kQuestLevels; ++nr) {
            if (!files.count(nr)) {
                problem(where + ": no level " + std::to_string(nr));
                continue;
            }
            TRCMFile file;
            if (dataFile(file, files[nr])) levelFile(file, files[nr], nr);
        }
    }

    void levelFile(const TRCMFile& f, const std::string& path, int nr) {
        auto bad = [&](const std::string& what) { problem(path + ": " + what); };
        if (f.getInt("level::nr") != nr) bad("nr is not " + std::to_string(nr));
        const std::string backdrop = f.getString("level::img");
        if (backdrop.empty()) bad("no backdrop (img)");
        else size({backdrop, 800, 600, true}, picture(backdrop, path));
        const std::string typ = upperCase(f.getString("level::typ"));
        const std::string kind = typ.substr(0, typ.find('-'));
        if (kind == "SHOOTING") {
            // Each crate kind brings one of the crate bonuses.
            for (const std::string& field : splitString(f.getString("level::bonus"), " "))
                if (std::find(crateIds_.begin(), crateIds_.end(), int(readDecimal(field))) == crateIds_.end())
                    bad("crate " + field + " is no crate bonus of " + content::kCrateBonuses);
            return;
        }
        if (typ == "PUZZLE") {
            // The picture is cut into the level's grid, which fills the board.
            const std::string picturePath = f.getString("level::puzzle");
            if (picturePath.empty()) bad("no puzzle picture");
            else size({picturePath, content::kPuzzleWidth, content::kPuzzleHeight, true}, picture(picturePath, path));
            return;
        }
        if (kind == "STORY") return;
        const std::string mode = typ.substr(typ.find('-') + 1);
        static const std::vector<std::string> modes = {"NORMAL", "CHANGE", "STRATEGY", "TWO", "PUZZLE"};
        if (kind != "NORMAL" || std::find(modes.begin(), modes.end(), mode) == modes.end()) {
            bad("unknown level type \"" + typ + "\"");
            return;
        }
        const int size = f.getInt("level::rozmiar");
        const int rows = f.getInt("level::rows"), cols = f.getInt("level::cols");
        if (size < 1 || size > 3) bad("marble size " + std::to_string(size) + " is not 1, 2 or 3");
        if (rows < 1 || rows > 26 || cols < 1 || cols > 25) bad("board of " + std::to_string(rows) + " x " +
                                                                std::to_string(cols) + " cells");
        const int cell = size >= 1 && size <= 3 ? TLevel::kCellSizes[size - 1] : 20;
        // The board's space on the game screen, between its waiting rows.
        if (rows * cell > 460 || cols * cell > 460) bad("board does not fit the screen");
        std::vector<int> colours;
        for (const std::string& field : splitString(f.getString("level::available"), " ")) {
            const int code = int(readDecimal(field));
            if (!kinds_.count(code > 100 ? code - 100 : code)) bad("colour " + field + " names no tile kind");
            else if (std::find(colours.begin(), colours.end(), code % 100) == colours.end()) colours.push_back(code % 100);
        }
        // The waiting rows need two colours; a picture-puzzle board has none, so one will do.
        if (mode == "PUZZLE" ? colours.empty() : colours.size() < 2)
            bad(mode == "PUZZLE" ? "no colour" : "fewer than two colours");
        for (const std::string& field : splitString(f.getString("level::bonus"), " "))
            if (!kinds_.count(100 + int(readDecimal(field)))) bad("bonus " + field + " names no bonus marble");
        const int depth = f.getInt("level::tiles::random");
        if (depth < 0 || depth > rows - 1) bad("fill depth " + std::to_string(depth));
        if (depth != 0) return;
        int marbles = 0;
        for (int r = 1; r <= rows; ++r)
            for (const std::string& field : splitString(f.getString("level::tiles::row" + std::to_string(r)), " ")) {
                const int code = int(readDecimal(field));
                if (code == 0) continue;
                ++marbles;
                if (!kinds_.count(code > 100 ? code - 100 : code)) bad("row " + std::to_string(r) + " code " + field);
            }
        if (marbles == 0) bad("a laid-out board without marbles");
    }

    // Every story the quest tells: the file parses, has pages, and each
    // page's picture fills the screen.
    void stories() {
        for (const char* name : TStory::kFiles) {
            const std::string path = std::string(TStory::kFolder) + name;
            TRCMFile file;
            if (!dataFile(file, path)) continue;
            const TMyStory story = readStory(path, name);
            if (story.storyLine.empty()) problem(path + ": no pages");
            for (const TStoryPart& page : story.storyLine) {
                if (page.imgUrl.empty()) problem(path + ": a page without a picture");
                else size({page.imgUrl, 800, 600, true}, picture(page.imgUrl, path));
            }
        }
    }

    // Every text a player reads in the language in use, from the files the
    // screens read them from.
    std::vector<std::string> texts() {
        std::vector<std::string> found;
        for (const char* path : {TTeksty::kPath, "data/credits.txt"}) {
            const TTxtFile file = loadTxtFile(path);
            for (int n = 1; n <= file.lines(); ++n) found.push_back(getTxtLine(file, n));
        }
        for (const char* name : TStory::kFiles) {
            const std::string path = std::string(TStory::kFolder) + name;
            for (const TStoryPart& page : readStory(path, name).storyLine) found.push_back(page.tekst);
        }
        const TRCMFile tips = loadRCMFile(TGame::kBonusFile);
        for (int i = 1; i <= tips.getInt("bonusy::i"); ++i) found.push_back(tips.getString("bonusy::txt" + std::to_string(i)));
        const TRCMFile guns = loadRCMFile(TShooting::kGunsFile);
        for (int i = 1; i <= guns.getInt("guns::i"); ++i) found.push_back(guns.getString("guns::gun" + std::to_string(i) + "::name"));
        for (const std::string& layout : layoutFiles()) {
            for (const GuiDeclaration& d : loadGuiFile(layout))
                if (!d.value("TXT").empty()) found.push_back(d.value("TXT"));
        }
        return found;
    }

    // Every letter of every text shows in each of the game's fonts (a
    // letter a face lacks comes from the fallback face).
    void letters(const std::string& language) {
        std::vector<TImageFontPtr> faces;
        for (const content::Font& f : content::fonts())
            if (TImageFontPtr font = LoadImageFont(f.path, f.size, SMOOTHFONT)) faces.push_back(font);
        for (const std::string& text : texts()) {
            for (char32_t c : media::fromUtf8(text)) {
                for (const TImageFontPtr& face : faces) {
                    if (c < 32 || face->hasLetter(c)) continue;
                    char code[16];
                    std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
                    problem(language + ": no font draws " + code + " of \"" + text + "\"");
                    break;
                }
            }
        }
    }

    // A language's folder: its texts parse and every letter shows.
    void language(const std::string& code) {
        language::use(code);
        TTxtFile table = loadTxtFile(TTeksty::kPath);
        if (table.lines() < TTeksty::kLines)
            problem(code + ": " + TTeksty::kPath + " has " + std::to_string(table.lines()) + " lines, the game reads " +
                    std::to_string(TTeksty::kLines));
        stories();
        letters(code);
        language::use(language::kEnglish);
    }

    int problems() const { return problems_; }
    int checked() const { return checked_; }

private:
    static std::string dims(const TImagePtr& image) {
        return std::to_string(image->width) + " x " + std::to_string(image->height);
    }
    void problem(const std::string& text) {
        ++problems_;
        std::printf("%s\n", text.c_str());
    }

    std::map<std::string, TImagePtr> loaded_;
    std::map<int, int> kinds_;  // tile kind id -> the first tile table entry with it
    std::vector<int> crateIds_;  // the shooting gallery's crate bonuses
    int problems_ = 0;
    int checked_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: check-content [WORKING_FOLDER]\n");
        return 2;
    }
    if (argc == 2) {
        std::error_code ec;
        std::filesystem::current_path(argv[1], ec);
        if (ec) {
            std::printf("cannot enter the working folder %s\n", argv[1]);
            return 1;
        }
    }
    Checker check;
    for (const content::Picture& p : content::namedPictures()) check.size(p, check.picture(p.path));
    for (const GameCursor& c : kGameCursors) check.cursor(c);
    for (const content::Font& f : content::fonts()) check.font(f);
    check.tileKinds();
    check.bonusButtons();
    check.guiLayouts();
    check.shootingTables();
    check.pictureSets();
    check.levels();
    check.stories();
    check.letters(language::kEnglish);
    for (const std::string& code : language::available())
        if (code != language::kEnglish) check.language(code);
    std::printf("content check: %d files, %d problem%s\n", check.checked(), check.problems(),
                check.problems() == 1 ? "" : "s");
    return check.problems() == 0 ? 0 : 1;
}
