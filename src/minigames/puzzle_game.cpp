#include "minigames/puzzle_game.h"

#include <algorithm>
#include <cmath>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/caption.h"
#include "gui/gui_object.h"
#include "gui/particle.h"
#include "menus/in_game_menu.h"
#include "minigames/mini_game_results.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

// The title over the puzzle.

// A place of the cursor as a target of the arrows: half a piece wide and
// high around its middle, so that pieces lying a little apart are not taken
// for one row or column.
TFocusTarget placeAround(int index, float cx, float cy, float w, float h) {
    TDim d = createDim(int(cx - w / 4), int(cy - h / 4), std::max(int(w / 2), 1), std::max(int(h / 2), 1));
    d.update();
    return {index, d};
}

// The cursor's glow around a w x h place centred at (cx, cy): a warm-gold
// band hugging the place with a haze fading out beyond it, pulsing as the
// buttons' focus does. Drawn before what lies on the place, so only the rim
// shows.
void drawGlow(float cx, float cy, float w, float h) {
    const float pulse = 0.7f + 0.3f * Sin(float(MilliSecs() % 1500) * 0.24f);
    SetRotation(0);
    SetScale(1, 1);
    SetColor(255, 196, 72);
    for (int ring = 10; ring >= 1; --ring) {
        const float r = float(ring);
        // The haze adds light; the band is laid on in the gold itself.
        SetBlend(ring > 3 ? LIGHTBLEND : ALPHABLEND);
        SetAlpha(ring > 3 ? pulse * 0.07f * (11 - r) : 0.55f + 0.4f * pulse);
        const float x = cx - w / 2 - r, y = cy - h / 2 - r, ww = w + 2 * r, hh = h + 2 * r;
        DrawRect(x, y, ww, 1);
        DrawRect(x, y + hh - 1, ww, 1);
        DrawRect(x, y + 1, 1, hh - 2);
        DrawRect(x + ww - 1, y + 1, 1, hh - 2);
    }
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

}  // namespace

// ---------------------------------------------------------------- a piece

void TPuzel::draw(const TPuzzleGame& game) const {
    const TImagePtr& picture = game.level->img2;
    if (this == game.picked) {
        // Carried: lifted up and to the left over a faint shadow.
        SetColor(0, 0, 0);
        SetAlpha(0.03f);
        DrawImage(picture, x, y, f);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(picture, x - 3, y - 3, f);
        return;
    }
    int grey = 230;
    if (!game.picked && this == game.over && !keyboardFocusShown()) grey = 200;
    if (done) grey = 255;
    SetColor(grey, grey, grey);
    DrawImage(picture, x, y, f);
    if (done) return;
    const float w2 = float(ImageWidth(picture) / 2), h2 = float(ImageHeight(picture) / 2);
    const float x1 = x - w2 - 1, y1 = y - h2 - 1, x2 = x + w2 - 1, y2 = y + h2 - 1;
    SetColor(255, 255, 255);
    SetAlpha(0.6f);
    SetScale(1, 1);
    DrawLine(x1, y1, x2, y1);
    DrawLine(x2, y1, x2, y2);
    DrawLine(x2, y2, x1, y2);
    DrawLine(x1, y2, x1, y1);
    SetAlpha(1);
}

// ---------------------------------------------------------------- set-up

int TPuzzleGame::setupObject() {
    img = LoadImage("gfx/gui/puzzle/back.png");
    panel = LoadImage("gfx/gui/puzzle/panel.png");
    gui = createGui(kLayout);
    // The arrows, Enter and Space are the cursor's; Escape, P and Pause
    // open the menu (see react).
    gui->takesKeys = false;
    return 0;
}

int TPuzzleGame::mainLoop(const TLevelPtr& playLevel) {
    if (!playLevel || !playLevel->img2 || playLevel->minW < 1 || playLevel->minH < 1 || playLevel->rows < 1 ||
        playLevel->cols < 1) {
        Print("Napotkano problem : the puzzle level has no picture to cut into pieces");
        return 0;
    }
    wynik = 0;
    solved = 0;
    objects().mouse.setCursor("podstawowy");
    prepare(playLevel);
    // Only a focus lost from now on pauses the puzzle.
    AppFocusLost();
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    FlushKeys();
    return wynik;
}

void TPuzzleGame::prepare(const TLevelPtr& playLevel) {
    _prepareSelf(playLevel);
    _preparePuzzles();
    _prepareDelta();
}

void TPuzzleGame::_prepareSelf(const TLevelPtr& playLevel) {
    GameObjects& o = objects();
    level = playLevel;
    if (TBests* bests = o.profileManager.questBests(level.get())) bests->tried(level->nr);
    o.gate.open();
    state = State::Open;
    fade = dFade = 0;
    klikniecia = 0;
    time = MilliSecs();
    goExit = 0;
    over = picked = nullptr;
    cursorPiece = nullptr;
    cursorCell = -1;
    cursorX = 400;
    cursorY = 300;
    arrows_.reset();
    listaWynikow.clear();
    o.snd.stopAllMusic();
    o.snd.playMusic("puzzle-mini-gra");
}

void TPuzzleGame::_preparePuzzles() {
    const TLevel& l = *level;
    listaPuzzli.clear();
    listaPuzzli.reserve(size_t(l.rows * l.cols));
    for (int r = 0; r < l.rows; ++r) {
        for (int c = 0; c < l.cols; ++c) {
            auto piece = std::make_unique<TPuzel>();
            piece->id = piece->f = r * l.cols + c;
            listaPuzzli.push_back(std::move(piece));
        }
    }
    _preparePuzzlesRandom();
    _preparePuzzlesPosition();
}

void TPuzzleGame::_preparePuzzlesRandom() {
    std::vector<std::unique_ptr<TPuzel>> shuffled;
    shuffled.reserve(listaPuzzli.size());
    while (!listaPuzzli.empty()) {
        const int k = Rand(1, int(listaPuzzli.size()));
        shuffled.push_back(std::move(listaPuzzli[size_t(k - 1)]));
        listaPuzzli.erase(listaPuzzli.begin() + (k - 1));
    }
    listaPuzzli = std::move(shuffled);
}

void TPuzzleGame::_preparePuzzlesPosition() {
    const TLevel& l = *level;
    // Anywhere across the screen, clear of the title at the top.
    for (auto& piece : listaPuzzli) {
        piece->x = float(Rand(int(l.minW / 2), int(800 - l.minW / 2)));
        piece->y = float(Rand(int(70 + l.minH / 2), int(500 - l.minH / 2)));
    }
}

void TPuzzleGame::_prepareDelta() {
    // The first frame's delta must not carry the time the preparation took.
    for (int i = 0; i < 11; ++i) frameTick();
}

// ---------------------------------------------------------------- a frame

bool TPuzzleGame::react() {
    GameObjects& o = objects();
    TMouse& mouse = o.mouse;
    if (o.gate.opened() && o.profileManager.profile && o.profileManager.profile->porada(9)) {
        covered = true;
        o.help.mainLoop(9, this);
        covered = false;
    }
    // The keys are read every frame, so that a press from before play does
    // not act later.
    const int now = MilliSecs();
    TStep step = arrows_.read(now);
    const TStep pushed = stickSteps_.read(PadRightX(), PadRightY(), now);
    if (!step.any()) step = pushed;
    const bool shift = KeyDown(KEY_LSHIFT) || KeyDown(KEY_RSHIFT);
    int cycle = 0;
    if (KeyHit(KEY_TAB)) cycle = shift ? -1 : 1;
    if (KeyHit(KEY_PAGEDOWN)) cycle = 1;
    if (KeyHit(KEY_PAGEUP)) cycle = -1;
    const bool press = KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0;
    bool menuKey = KeyHit(KEY_P) + KeyHit(KEY_PAUSE) > 0;
    if (KeyHit(KEY_ESCAPE)) {
        // Escape backs out: a piece taken up by the keys goes back first.
        if (picked && keyboardFocusShown()) putBack();
        else menuKey = true;
    }
    if (state == State::Go) _playKeys(step, cycle, press);
    if (mouse.leftPressed && picked) upusc();
    if ((mouse.leftPressed || press) && state == State::Results) o.gate.close();
    if (gui->clickedItem("Menu") || menuKey || (state == State::Go && AppFocusLost())) goMenu();
    if (o.gate.closed() && state != State::Restart) goExit = 1;
    // The developer's way past a puzzle: solved at once.
    if (KeyHit(KEY_G) && FileType("cheats.txt") == 1) WYGRANA();
    return goExit != 0;
}

int TPuzzleGame::update() {
    _updateState();
    gui->update();
    objects().gate.update();
    updateParticles();
    _updateFade();
    return 0;
}

void TPuzzleGame::_updateState() {
    GameObjects& o = objects();
    if (state == State::Open) {
        if (o.gate.opened()) {
            state = State::Go;
            Print("PUZZLE : go");
        }
    } else if (state == State::Go) {
        _updatePuzzles();
        _settleCursor();
        const bool all = std::all_of(listaPuzzli.begin(), listaPuzzli.end(), [](const auto& p) { return p->done; });
        if (all) WYGRANA();
    } else if (state == State::Results) {
        _updateResults();
    } else if (state == State::Restart) {
        if (o.gate.closed()) {
            restartLevel();
            o.gate.open();
            state = State::Open;
        }
    }
}

void TPuzzleGame::_updatePuzzles() {
    TMouse& mouse = objects().mouse;
    const TLevel& l = *level;
    over = nullptr;
    for (auto& piece : listaPuzzli) {
        if (piece->done) continue;
        if (mouse.inRect(int(piece->x - l.minW / 2), int(piece->y - l.minH / 2), int(l.minW), int(l.minH)))
            over = piece.get();
    }
    if (over && !picked && mouse.leftPressed) {
        picked = over;
        takenX = picked->x;
        takenY = picked->y;
        adx = picked->x - float(mouse.x);
        ady = picked->y - float(mouse.y);
        // This click picks up; it must not also put down.
        mouse.leftPressed = 0;
        objects().snd.play("flip");
        ++klikniecia;
    }
    if (picked && keyboardFocusShown()) {
        picked->x = cursorX;
        picked->y = cursorY;
    } else if (picked) {
        picked->x = float(mouse.x) + adx;
        picked->y = float(mouse.y) + ady;
    }
}

int TPuzzleGame::cellAt(int px, int py) const {
    const TLevel& l = *level;
    const float x = float(px), y = float(py);
    if (x < startX || y < startY || x > startX + kBoardW || y > startY + kBoardH) return -1;
    const int c = int((x - startX) / l.minW);
    const int r = int((y - startY) / l.minH);
    // The board's right and bottom edges, and any strip the grid leaves
    // uncovered there, belong to no cell.
    if (c < 0 || r < 0 || c >= l.cols || r >= l.rows) return -1;
    return r * l.cols + c;
}

void TPuzzleGame::upusc() {
    const TMouse& mouse = objects().mouse;
    putDownAt(mouse.x, mouse.y);
}

void TPuzzleGame::putDownAt(int px, int py) {
    GameObjects& o = objects();
    const TLevel& l = *level;
    if (picked && cellAt(px, py) == picked->id) {
        // The pointer, not the piece's centre, decides.
        const int c = picked->id % l.cols, r = picked->id / l.cols;
        picked->x = startX + l.minW * float(c) + l.minW / 2;
        picked->y = startY + l.minH * float(r) + l.minH / 2;
        picked->done = 1;
        // Placed pieces lie under every loose one.
        auto it = std::find_if(listaPuzzli.begin(), listaPuzzli.end(), [&](const auto& p) { return p.get() == picked; });
        std::rotate(listaPuzzli.begin(), it, it + 1);
        _burst(*picked);
        o.snd.play("ok");
        const long placed =
            std::count_if(listaPuzzli.begin(), listaPuzzli.end(), [](const auto& p) { return p->done; });
        Print("PUZZLE : placed " + std::to_string(placed) + " of " + std::to_string(listaPuzzli.size()));
    }
    picked = nullptr;
    o.snd.play("pop");
    ++klikniecia;
}

// ---------------------------------------------------------------- the keys' cursor

void TPuzzleGame::_playKeys(TStep step, int cycle, bool press) {
    if (!step.any() && cycle == 0 && !press) return;
    if (!keyboardFocusShown()) {
        // A first key only shows the cursor; a piece the mouse carries
        // stays where it is, in the cursor's hand now.
        showKeyboardFocus(true);
        if (picked) {
            cursorCell = -1;
            cursorX = picked->x;
            cursorY = picked->y;
        }
        _settleCursor();
        return;
    }
    if (step.dx != 0) moveCursor(step.dx, 0);
    if (step.dy != 0) moveCursor(0, step.dy);
    if (cycle != 0) cycleCursor(cycle);
    if (press) pressCursor();
}

bool TPuzzleGame::_cellFilled(int cell) const {
    return std::any_of(listaPuzzli.begin(), listaPuzzli.end(), [&](const auto& p) { return p->done && p->id == cell; });
}

std::vector<TFocusTarget> TPuzzleGame::cursorPlaces() const {
    const TLevel& l = *level;
    std::vector<TFocusTarget> places;
    if (picked) {
        for (int cell = 0; cell < l.rows * l.cols; ++cell) {
            if (_cellFilled(cell)) continue;
            const float cx = startX + l.minW * float(cell % l.cols) + l.minW / 2;
            const float cy = startY + l.minH * float(cell / l.cols) + l.minH / 2;
            places.push_back(placeAround(cell, cx, cy, l.minW, l.minH));
        }
    } else {
        for (size_t i = 0; i < listaPuzzli.size(); ++i) {
            const TPuzel& piece = *listaPuzzli[i];
            if (!piece.done) places.push_back(placeAround(int(i), piece.x, piece.y, l.minW, l.minH));
        }
    }
    return places;
}

void TPuzzleGame::_restOn(int place) {
    if (picked) {
        cursorCell = place;
    } else if (place >= 0 && place < int(listaPuzzli.size())) {
        cursorPiece = listaPuzzli[size_t(place)].get();
    }
    _settleCursor();
}

void TPuzzleGame::moveCursor(int dx, int dy) {
    std::vector<TFocusTarget> places = cursorPlaces();
    int from = -1;
    for (size_t i = 0; i < places.size(); ++i) {
        const TFocusTarget& p = places[i];
        if (picked ? p.index == cursorCell : listaPuzzli[size_t(p.index)].get() == cursorPiece) from = int(i);
    }
    // Not on a place yet (a piece just taken up off the board): the way
    // goes from where the cursor stands.
    if (from < 0) {
        places.push_back(placeAround(-1, cursorX, cursorY, level->minW, level->minH));
        from = int(places.size()) - 1;
    }
    const int next = nextInDirection(places, from, dx, dy);
    if (next >= 0 && places[size_t(next)].index >= 0) _restOn(places[size_t(next)].index);
}

void TPuzzleGame::cycleCursor(int step) {
    const std::vector<TFocusTarget> places = readingOrder(cursorPlaces());
    if (places.empty()) return;
    const int n = int(places.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        const int index = places[size_t(i)].index;
        if (picked ? index == cursorCell : listaPuzzli[size_t(index)].get() == cursorPiece) at = i;
    }
    int next = ((at + step) % n + n) % n;
    if (at < 0) {
        // Not on a place: from the cell under the cursor, filled or not (a
        // piece taken up over a placed one goes on to the cell after it),
        // else from the start.
        const int under = picked ? cellAt(int(cursorX), int(cursorY)) : -1;
        next = step > 0 ? 0 : n - 1;
        for (int i = 0; under >= 0 && i < n; ++i) {
            const int k = step > 0 ? i : n - 1 - i;
            const int cell = places[size_t(k)].index;
            if (step > 0 ? cell > under : cell < under) {
                next = k;
                break;
            }
        }
    }
    _restOn(places[size_t(next)].index);
}

void TPuzzleGame::pressCursor() {
    if (picked) {
        TPuzel* piece = picked;
        piece->x = cursorX;
        piece->y = cursorY;
        putDownAt(int(cursorX), int(cursorY));
        // Left loose, it is where the cursor rests; snapped in, the cursor
        // goes on to the nearest loose piece.
        cursorPiece = piece->done ? nullptr : piece;
        _settleCursor();
        return;
    }
    if (!cursorPiece) return;
    picked = cursorPiece;
    cursorPiece = nullptr;
    takenX = picked->x;
    takenY = picked->y;
    adx = ady = 0;
    objects().snd.play("flip");
    ++klikniecia;
    // Taken up over an empty cell, it is on that cell; elsewhere it stays
    // where it lay until a key moves it.
    const int cell = cellAt(int(picked->x), int(picked->y));
    cursorCell = cell >= 0 && !_cellFilled(cell) ? cell : -1;
    _settleCursor();
    picked->x = cursorX;
    picked->y = cursorY;
}

void TPuzzleGame::putBack() {
    if (!picked) return;
    picked->x = takenX;
    picked->y = takenY;
    cursorPiece = picked;
    cursorCell = -1;
    picked = nullptr;
    objects().snd.play("pop");
    _settleCursor();
}

void TPuzzleGame::_settleCursor() {
    const TLevel& l = *level;
    if (picked) {
        cursorPiece = nullptr;
        if (cursorCell >= 0 && (cursorCell >= l.rows * l.cols || _cellFilled(cursorCell))) cursorCell = -1;
        if (cursorCell >= 0) {
            cursorX = startX + l.minW * float(cursorCell % l.cols) + l.minW / 2;
            cursorY = startY + l.minH * float(cursorCell / l.cols) + l.minH / 2;
        }
        return;
    }
    cursorCell = -1;
    if (!cursorPiece || cursorPiece->done) {
        // The nearest loose piece; of pieces as near, the one on top.
        cursorPiece = nullptr;
        float best = 0;
        for (const auto& piece : listaPuzzli) {
            if (piece->done) continue;
            const float d = std::hypot(piece->x - cursorX, piece->y - cursorY);
            if (!cursorPiece || d <= best) {
                cursorPiece = piece.get();
                best = d;
            }
        }
    }
    if (cursorPiece) {
        cursorX = cursorPiece->x;
        cursorY = cursorPiece->y;
    }
}

void TPuzzleGame::_burst(const TPuzel& piece) {
    const TLevel& l = *level;
    for (int i = 0; i < 101; ++i) {
        // One draw after another, so the burst is the same on every compiler.
        const float px = piece.x + float(Rand(int(-l.minW / 2), int(l.minW / 2)));
        const float py = piece.y + float(Rand(int(-l.minH / 2), int(l.minH / 2)));
        const float vx = Rnd(-0.5f, 0.5f);
        const float vy = Rnd(-0.5f, 0.5f);
        const int red = Rand(200, 250);
        const int green = Rand(180, 220);
        const int blue = Rand(40, 100);
        const TRGB gold = createRGB(red, green, blue);
        createParticle(7, px, py, 100000, vx, vy, 1, 0, 1, 1, 0.01f, 0.01f, &gold);
    }
}

void TPuzzleGame::WYGRANA() {
    if (state == State::Results) return;
    // Nothing stays in hand over the results.
    picked = nullptr;
    lastTime = obliczCzas();
    newBest = {};
    if (TBests* bests = objects().profileManager.questBests(level.get()))
        newBest = bests->won(level->nr, 10 * level->rows * level->cols, std::max(MilliSecs() - time, 1));
    state = State::Results;
    _prepareResults();
    Print("PUZZLE : solved");
    dFade = 0.5f;
    objects().snd.play("brawo");
    wynik = 1;
    solved = 1;
}

void TPuzzleGame::_prepareResults() {
    const TTeksty& t = objects().teksty;
    const TLevel& l = *level;
    listaWynikow.clear();
    listaWynikow.emplace_back(t.txtPuzzli, 200.0f, 100.0f, 0);
    listaWynikow.emplace_back(t.txtCzas, 200.0f, 200.0f, 0);
    listaWynikow.emplace_back(t.txtPunkty, 200.0f, 400.0f, 0);
    listaWynikow.emplace_back(std::to_string(l.rows * l.cols), 600.0f, 100.0f, 1);
    listaWynikow.emplace_back(obliczCzas(), 600.0f, 200.0f, 1);
    listaWynikow.emplace_back("0", 600.0f, 400.0f, 1);
    listaWynikow.emplace_back(t.txtKlikniecia, 200.0f, 300.0f, 0);
    listaWynikow.emplace_back(std::to_string(klikniecia), 600.0f, 300.0f, 1);
    // Paid at once and only the first time this visit; the counting on
    // screen only shows it.
    if (TProfile* p = objects().profileManager.profile; p && !solved) p->score += 10 * l.rows * l.cols;
    counterTime = MilliSecs() + 100;
}

void TPuzzleGame::_updateResults() {
    bool arrived = true;
    for (TResultText& line : listaWynikow)
        if (!line.update()) arrived = false;
    if (!arrived || MilliSecs() <= counterTime || listaWynikow.size() <= size_t(kPointsLine)) return;
    // The pieces are counted into points, 10 a piece, one every 100 ms.
    if (countedValue(listaWynikow[kPiecesLine]) > 0) {
        countUp(listaWynikow[kPiecesLine], -1);
        countUp(listaWynikow[kPointsLine], 10);
    }
    counterTime = MilliSecs() + 100;
}

void TPuzzleGame::_updateFade() { approach(fade, dFade, 0.02f * delta); }

std::string TPuzzleGame::obliczCzas() const {
    if (state == State::Results) return lastTime;
    return minutesAndSeconds(playClock() - time);
}

void TPuzzleGame::holdTimers(int ms) {
    time = clockAfter(time, ms);
    counterTime = clockAfter(counterTime, ms);
}

void TPuzzleGame::goMenu() {
    covered = true;
    const int choice = objects().inGameMenu.mainLoop(this);
    covered = false;
    afterMenu(choice);
}

void TPuzzleGame::afterMenu(int choice) {
    GameObjects& o = objects();
    if (choice == TInGameMenu::RESTART) {
        restart();
        o.gate.close();
    } else if (choice == TInGameMenu::MAIN_MENU) {
        o.profileManager.saveProfile();
        goExit = 1;
        // A puzzle solved and paid for stays solved.
        wynik = solved;
    }
}

// ---------------------------------------------------------------- draw

int TPuzzleGame::draw() {
    _drawBack();
    _drawPuzzles();
    _drawGui();
    drawParticles();
    SetBlend(ALPHABLEND);
    _drawFade();
    _drawResults();
    objects().gate.draw();
    return 0;
}

void TPuzzleGame::_drawBack() {
    const TLevel& l = *level;
    SetColor(255, 255, 255);
    SetRotation(0);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    // The whole picture, darkened, as a guide.
    SetColor(100, 100, 100);
    for (int r = 0; r < l.rows; ++r)
        for (int c = 0; c < l.cols; ++c)
            DrawImage(l.img2, startX + float(c) * l.minW + l.minW / 2, startY + float(r) * l.minH + l.minH / 2,
                      r * l.cols + c);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    for (int r = 0; r < l.rows; ++r) {
        const float y = startY + float(r) * l.minH;
        DrawLine(startX, y, startX + kBoardW - 1, y);
    }
    for (int c = 0; c < l.cols; ++c) {
        const float x = startX + float(c) * l.minW;
        DrawLine(x, startY, x, startY + kBoardH - 1);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(panel, 0, 0);
}

void TPuzzleGame::_drawPuzzles() {
    // With the keys in use, the piece under the cursor and the one in hand
    // lie on top of the others, inside the cursor's glow; not under a
    // pop-up, which has its own focus.
    const bool keys = keyboardFocusShown() && state == State::Go && !covered;
    for (const auto& piece : listaPuzzli)
        if (!keys || (piece.get() != cursorPiece && piece.get() != picked)) piece->draw(*this);
    if (keys) _drawCursor();
    SetColor(255, 255, 255);
}

void TPuzzleGame::_drawCursor() const {
    const TLevel& l = *level;
    if (picked) {
        // Carried, the piece is drawn lifted 3 pixels up and to the left.
        drawGlow(picked->x - 3, picked->y - 3, l.minW, l.minH);
        picked->draw(*this);
    } else if (cursorPiece) {
        drawGlow(cursorPiece->x, cursorPiece->y, l.minW, l.minH);
        cursorPiece->draw(*this);
    }
}

void TPuzzleGame::_drawGui() {
    const TRGB white = createRGB(255, 255, 255);
    gui->draw();
    SetScale(1, 1);
    SetImageFont(fonts.font_blueHigh36);
    drawSpecText(objects().teksty.txtPuzzleTitle, 400, 30, white, createRGB(200, 0, 200), 0, 1);
    SetImageFont(fonts.font_blueHigh22);
    drawSpecText(objects().teksty.txtCzas + " " + obliczCzas(), 100, 550, white, createRGB(0, 0, 0), 1, 1);
    drawSpecText(objects().teksty.txtKlikniecia + " " + std::to_string(klikniecia), 600, 550, white, createRGB(0, 0, 0), 1, 1);
}

void TPuzzleGame::_drawFade() {
    drawVeil(fade);
}

void TPuzzleGame::_drawResults() {
    if (state != State::Results) return;
    for (const TResultText& line : listaWynikow) line.draw();
    if (newBest.time && listaWynikow.size() > size_t(kTimeLine)) tagNewBest(listaWynikow[kTimeLine]);
    const float a = listaWynikow.empty() ? 0 : listaWynikow.back().a;
    SetImageFont(fonts.font_blueHigh26);
    drawSpecText(continuePrompt(objects().teksty.txtContinueClick), 400, 450, createRGB(255, 255, 255),
                                createRGB(200, 200, 0), 0, a);
    SetAlpha(1);
}
