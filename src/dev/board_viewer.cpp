#include "dev/board_viewer.h"

#include <algorithm>
#include <string>

#include "app/game_objects.h"
#include "app/start.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "board/tile_part.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/ekran.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

constexpr int kFieldSize = 450;

class TBoardViewer {
public:
    explicit TBoardViewer(std::string file) : file_(std::move(file)) {}

    bool load() {
        const TRCMFile data = loadRCMFile(file_);
        auto level = std::make_shared<TLevel>();
        if (!data._grupa || !level->_loadData(data, "level::")) return false;
        level->url = file_;
        if (level->kind() == "NORMAL") level->_loadTiles(data, "level::");
        level->randomMe();
        TGame& g = objects().game;
        g.level = level;
        g.punkty = g.matches = g.biggestMatch = g.zebraneKapsle = 0;
        g.state = g.lastState = TGame::State::Go;
        g.active = 1;
        // The game screen's layout: two-sided boards sit lower, between
        // their two waiting rows.
        const bool two = level->mode() == "TWO";
        g._adX = two ? -33 : -35;
        g._adY = two ? 1 : -35;
        g.levelAdy = two ? 25 : 0;
        movingMarbles.clear();
        flyingDiamonds.clear();
        clearParticles();
        found_.clear();
        note_.clear();
        over_ = nullptr;
        return true;
    }

    // The board's field is 450 pixels square: a size too large for the
    // level's rows or columns is refused with a note instead of spilling
    // over the waiting rows.
    void setSize(int set) {
        TLevel& level = *objects().game.level;
        const int size = TLevel::kCellSizes[set];
        if (std::max(level.usedRows(), level.usedCols()) * size > kFieldSize) {
            note_ = std::to_string(size) + " px marbles do not fit this board";
            return;
        }
        note_.clear();
        level.zestaw = set;
        level.rozmiar = size;
    }

    int run() {
        font_ = fonts.find("fonts/font.ttf", 14);
        TMouse& mouse = objects().mouse;
        announceScreen("boardviewer", true);
        for (;;) {
            Cls();
            frameTick();
            mouse.update();
            if (KeyHit(KEY_ESCAPE)) return 0;
            update();
            draw();
            mouse.draw();
            Flip(-1);
        }
    }

private:
    TLevel& level() { return *objects().game.level; }

    void update() {
        TGame& g = objects().game;
        TMouse& mouse = objects().mouse;
        for (int key = '1'; key <= '3'; ++key)
            if (KeyHit(key)) setSize(key - '1');
        if (KeyHit('R')) load();
        if (g.state == TGame::State::Wait && movingMarbles.empty()) {
            g.state = g.lastState;
            g.active = 1;
        }
        over_ = nullptr;
        for (int r = 0; r < level().usedRows(); ++r)
            for (int c = 0; c < level().usedCols(); ++c)
                if (const TTilePtr& t = level().tiles[size_t(r)][size_t(c)]; t && g.active == 1) {
                    t->update();
                    if (t->isOver) over_ = t;
                }
        canMatch_ = level().canMatch();
        if (over_ && g.active == 1) found_ = level().findAll(over_);
        else {
            found_.clear();
            level().clearFound();
        }
        if (g.active == 1) {
            if (mouse.leftPressed && over_) click(over_);
            else if (mouse.leftPressed && onWaitingRow(mouse)) level().giveNext(0);
            if (KeyHit(KEY_SPACE)) level().giveNext(0);
            if (KeyHit('B')) level().giveNext(1);
            if (KeyHit('C')) level().changeRandom();
        }
        updateTileParts();
        updateParticles();
        TDiamondParticle::_updateDiamonds();
    }

    bool onWaitingRow(const TMouse& mouse) const {
        const TGame& g = objects().game;
        if (mouse.inRect(g._adX + 275, g._adY + 540, 450, 45)) return true;
        return objects().game.level->mode() == "TWO" && mouse.inRect(g._adX + 275, g._adY + 15, 450, 45);
    }

    // As on the game screen: a group is removed, a lone bonus marble fires.
    void click(const TTilePtr& t) {
        if (found_.size() > 2) {
            level().remove(found_);
            level().checkLevel(0);
        } else if (!objects().game._controlTileBonus(t)) {
            return;
        }
        found_.clear();
    }

    void draw() {
        const TGame& g = objects().game;
        TLevel& l = level();
        SetBlend(ALPHABLEND);
        SetAlpha(1);
        SetColor(255, 255, 255);
        if (l.img) DrawImage(l.img, 0, 0);
        // The board's area and the two waiting-row strips.
        SetAlpha(0.45f);
        SetColor(10, 20, 40);
        DrawRect(float(g.x + g._adX), float(g.y + g._adY), float(l.usedCols() * l.rozmiar),
                 float(l.usedRows() * l.rozmiar));
        DrawRect(float(g._adX + 275), float(g._adY + 540), 450, 45);
        if (l.mode() == "TWO") DrawRect(float(g._adX + 275), float(g._adY + 15), 450, 45);
        SetAlpha(1);
        SetColor(255, 255, 255);

        l.draw();
        if (found_.size() > 2 && over_)
            for (const TTilePtr& t : found_) t->drawOveredByFind();
        SetRotation(0);
        drawWaitingRows();
        drawTileParts();
        drawParticles();
        TDiamondParticle::_drawDiamonds();
        drawInfo();
    }

    void drawWaitingRows() {
        const TGame& g = objects().game;
        const TLevel& l = level();
        SetColor(255, 255, 255);
        SetScale(1, 1);
        SetAlpha(1);
        const int r = l.rozmiar, h = r / 2, nudge = l.zestaw == 1 ? 9 : 0;
        for (int c = 0; c < l.usedCols(); ++c) {
            const int x = g.x + g._adX + h + c * r;
            if (const TTilePtr& t = l.nextUp[size_t(c)]) t->draw(x, g._adY + 15 + h + nudge);
            if (const TTilePtr& t = l.nextDown[size_t(c)]) t->draw(x, g._adY + 540 + h + nudge);
        }
    }

    void drawInfo() {
        const TGame& g = objects().game;
        const TLevel& l = level();
        SetImageFont(font_);
        SetBlend(ALPHABLEND);
        SetAlpha(1);
        SetScale(1, 1);
        SetColor(255, 255, 255);
        std::vector<std::string> lines = {
            file_,
            l.name + "  (" + l.typ + ")",
            std::to_string(l.rows) + " x " + std::to_string(l.cols) + ", marbles " + std::to_string(l.rozmiar) +
                " px",
            "score " + std::to_string(g.punkty),
            "removals " + std::to_string(g.matches) + ", largest " + std::to_string(g.biggestMatch),
            "diamonds " + std::to_string(g.zebraneKapsle),
            "lines " + (l.lines < 0 ? std::string("endless") : std::to_string(l.lines)),
            std::string("group left: ") + (canMatch_ ? "yes" : "no"),
            std::string("state ") + TGame::stateName(g.state),
        };
        if (g.state == TGame::State::Win) lines.push_back("WON");
        if (g.state == TGame::State::Lost) lines.push_back("LOST (" + objects().lostGame.reason + ")");
        if (!note_.empty()) lines.push_back(note_);
        // Dark ink: the backdrop is the light clear colour.
        SetColor(20, 30, 60);
        float y = 8;
        for (const std::string& line : lines) {
            DrawText(line, 8, y);
            y += 18;
        }
        SetColor(70, 90, 130);
        for (const char* help : {"1 2 3: marble size", "click: group or bonus", "click a waiting row",
                                 "or Space: push a row", "B: push with a bonus", "C: change colours",
                                 "R: load again", "Esc: leave"}) {
            y += 18;
            DrawText(help, 8, y);
        }
        SetColor(255, 255, 255);
    }

    std::string file_;
    std::string note_;
    TImageFontPtr font_;
    TTilePtr over_;
    TTileList found_;
    int canMatch_ = 0;
};

}  // namespace

int runBoardViewer(const std::string& levelFile) {
    initGame();
    TBoardViewer viewer(levelFile);
    if (!viewer.load()) {
        Print("The board viewer cannot show " + levelFile);
        return 1;
    }
    return viewer.run();
}
