#include "quest/free_play_tab.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "gui/caption.h"
#include "gui/text.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/language.h"
#include "shell/media/media.h"

namespace {

const TRGB kWhite = createRGB(255, 255, 255);
const TRGB kPlum = createRGB(200, 0, 200);
const TRGB kGold = createRGB(200, 200, 0);
const TRGB kBlack = createRGB(0, 0, 0);

// Where the colour at list position i (from 1) and the bonus at position p
// (from kFirstBonus) stand.
int colourX(int i) { return 140 + 37 * i; }
constexpr int kColourY = 249;
int bonusX(int p) { return 174 + 27 * (p - TZakladka::kFirstBonus); }
constexpr int kBonusY = 356;
constexpr float kBonusScale = 0.7f, kBonusOverScale = 0.8f;

// The guns' pictures are all one size, wider than their places on the page;
// drawn at this scale they sit beside their switches.
constexpr float kGunScale = 0.6f;
// The preview of a puzzle set: the whole picture shrunk to 6/11 of its size.
constexpr float kPreviewScale = 6.0f / 11.0f;
constexpr float kPreviewX = 317, kPreviewY = 302;

bool holds(const std::vector<TTileDataPtr>& list, const TTileDataPtr& kind) {
    return std::find(list.begin(), list.end(), kind) != list.end();
}

void toggle(std::vector<TTileDataPtr>& list, const TTileDataPtr& kind) {
    const auto at = std::find(list.begin(), list.end(), kind);
    if (at != list.end()) list.erase(at);
    else list.push_back(kind);
}

void show(TGui& gui, const std::string& name, bool shown) {
    if (TGuiObject* widget = gui.getItem(name)) widget->setState(shown ? 1 : 0, shown ? 1 : 0);
}

// The 30-pixel picture of a kind, or none.
const TImagePtr& marblePicture(const TTileData& kind) { return kind.img[1]; }

bool overPicture(const TMouse& mouse, const TImagePtr& picture, int x, int y, float scale) {
    if (!picture) return false;
    const int w = int(scale * float(ImageWidth(picture))), h = int(scale * float(ImageHeight(picture)));
    return mouse.inRect(x - w / 2, y - h / 2, w, h);
}

void caption(const std::string& text, int x, int y, const TRGB& main, const TRGB& outline, int align = 0) {
    drawSpecText(text, x, y, main, outline, align, 1);
}

// The keyboard focus's target for a picture drawn by its middle at (x, y).
TFocusTarget pictureTarget(int item, const TImagePtr& picture, int x, int y, float scale) {
    const int w = picture ? int(scale * float(ImageWidth(picture))) : 0;
    const int h = picture ? int(scale * float(ImageHeight(picture))) : 0;
    TFocusTarget target{item, {}};
    target.dim.x1 = x - w / 2;
    target.dim.x2 = target.dim.x1 + w;
    target.dim.y1 = y - h / 2;
    target.dim.y2 = target.dim.y1 + h;
    return target;
}

}  // namespace

void TZakladka::setup(const std::string& tabId, const std::string& page, const std::string& layout) {
    id = tabId;
    img = LoadImage(page);
    gui = createGui(layout);
    if (isMatch3()) {
        suwak = LoadImage("gfx/gui/freeplay/suwak.png");
        MidHandleImage(suwak);
        setMode("NORMAL");
    } else if (isShooting()) {
        const char* pictures[4] = {"gfx/gui/shooting/fuckyou.png", "gfx/gui/shooting/smg.png",
                                   "gfx/gui/shooting/shotgun.png", "gfx/gui/shooting/rifle.png"};
        for (size_t k = 0; k < bonusImg.size(); ++k) {
            bonusImg[k] = LoadImage(pictures[k]);
            MidHandleImage(bonusImg[k]);
        }
        for (int k = 1; k <= 4; ++k) _showCrate(k, false);
    } else if (isPuzzle()) {
        loadSets(kSetsFile);
    }
}

void TZakladka::reload() {
    gui->reload();
    if (isMatch3()) setMode(tryb);
    if (isShooting())
        for (int k = 1; k <= 4; ++k) _showCrate(k, holds(bonusyButelek, tileKindById(100 + k)));
    if (isPuzzle()) _showPuzzleName();
}

bool TZakladka::isMatch3() const { return sameIgnoringCase(id, "MATCH3"); }
bool TZakladka::isShooting() const { return sameIgnoringCase(id, "STRZELANIE"); }
bool TZakladka::isPuzzle() const { return sameIgnoringCase(id, "PUZZLE"); }

int TZakladka::draw(int focusedItem, bool keyboard) {
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    DrawImage(img, 134, 125);
    gui->draw();
    if (isMatch3()) _drawMatch3(focusedItem, keyboard);
    if (isShooting()) _drawShooting();
    if (isPuzzle()) _drawPuzzle();
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    return 0;
}

int TZakladka::update() {
    gui->update();
    if (isMatch3()) _updateMatch3();
    if (isShooting()) _updateShooting();
    if (isPuzzle()) _updatePuzzle();
    return 0;
}

// ---------------------------------------------------------------- match-3

void TZakladka::_drawMatch3(int focusedItem, bool keyboard) {
    SetColor(255, 255, 255);
    const int kinds = int(tileKinds.size());
    // While the keyboard focus shows, only its marble looks hovered.
    const TTileDataPtr pointedTile = keyboard ? nullptr : overTile;
    const TTileDataPtr pointedBonus = keyboard ? nullptr : overBonus;
    for (int i = 1; i <= std::min(kColours, kinds); ++i) {
        const TTileDataPtr& kind = tileKinds[size_t(i - 1)];
        const bool lit = kind == pointedTile || i == focusedItem;
        const float s = lit ? 1.1f : 1.0f;
        if (i == focusedItem) glow.around(marblePicture(*kind), float(colourX(i)), kColourY, s);
        SetScale(s, s);
        SetAlpha(holds(tiles, kind) ? 1.0f : 0.3f);
        DrawImage(marblePicture(*kind), float(colourX(i)), kColourY);
    }
    for (int p = kFirstBonus; p <= kinds; ++p) {
        const TTileDataPtr& kind = tileKinds[size_t(p - 1)];
        const bool lit = kind == pointedBonus || kBonusItems + p == focusedItem;
        const float s = lit ? kBonusOverScale : kBonusScale;
        if (kBonusItems + p == focusedItem) glow.around(marblePicture(*kind), float(bonusX(p)), kBonusY, s);
        SetScale(s, s);
        SetAlpha(holds(bonusy, kind) ? 1.0f : 0.3f);
        DrawImage(marblePicture(*kind), float(bonusX(p)), kBonusY);
    }
    SetScale(1, 1);
    SetAlpha(1);
    const TTeksty& t = objects().teksty;
    SetImageFont(fonts.font_blueHigh22);
    caption(t.txtMColors, 400, 195, kWhite, kPlum);
    caption(t.txtMBonus, 400, 295, kWhite, kPlum);
    // The modes' names take a smaller size together when one is too long
    // for its column; chosen again only when the language changes.
    if (modeFontLanguage != language::changes() || !modeFont) {
        modeFontLanguage = language::changes();
        const auto sizes = {fonts.font_font16, fonts.font_font14, fonts.font_font12};
        const TImageFontPtr left = fittingFont({&t._txtTrybNormal, &t._txtTrybTwo}, sizes, kModeColumnWidth[0]);
        const TImageFontPtr right = fittingFont({&t._txtTrybChange, &t._txtTrybStrategy}, sizes, kModeColumnWidth[1]);
        modeFont = left->size() < right->size() ? left : right;
    }
    SetImageFont(modeFont);
    caption(t._txtTrybNormal, 435, 413, kWhite, kPlum, 1);
    caption(t._txtTrybTwo, 435, 440, kWhite, kPlum, 1);
    caption(t._txtTrybChange, 560, 413, kWhite, kPlum, 1);
    caption(t._txtTrybStrategy, 560, 440, kWhite, kPlum, 1);
    SetImageFont(fonts.font_FONT20);
    caption(t.txtLevelSpeed, 250, 410, kWhite, kPlum);
    caption(t.txtLevelType, 520, 385, kWhite, kPlum);
    SetColor(255, 255, 255);
    SetAlpha(1);
    if (focusedItem == kKnobItem) glow.around(suwak, float(kSliderX + sliderX), kSliderY);
    DrawImage(suwak, float(kSliderX + sliderX), kSliderY);
}

void TZakladka::focusItems(std::vector<TFocusTarget>& items) const {
    if (!isMatch3()) return;
    const int kinds = int(tileKinds.size());
    for (int i = 1; i <= std::min(kColours, kinds); ++i)
        items.push_back(pictureTarget(i, marblePicture(*tileKinds[size_t(i - 1)]), colourX(i), kColourY, 1));
    for (int p = kFirstBonus; p <= kinds; ++p)
        items.push_back(
            pictureTarget(kBonusItems + p, marblePicture(*tileKinds[size_t(p - 1)]), bonusX(p), kBonusY, kBonusScale));
    items.push_back(pictureTarget(kKnobItem, suwak, kSliderX + sliderX, kSliderY, 1));
}

bool TZakladka::hasItem(int item) const {
    if (!isMatch3()) return false;
    const int kinds = int(tileKinds.size());
    return (item >= 1 && item <= std::min(kColours, kinds)) ||
           (item >= kBonusItems + kFirstBonus && item <= kBonusItems + kinds) || item == kKnobItem;
}

void TZakladka::pressItem(int item) {
    if (!hasItem(item)) return;
    if (item == kKnobItem) return;
    if (item < kBonusItems) setTile(tileKinds[size_t(item - 1)]);
    else setTileBonus(tileKinds[size_t(item - kBonusItems - 1)]);
}

bool TZakladka::slideKnob(int item, int dx) {
    if (item != kKnobItem || dx == 0 || !hasItem(item)) return false;
    sliderX = std::clamp(sliderX + dx * kKnobStep, 0, kSliderTravel);
    return true;
}

void TZakladka::_updateMatch3() {
    if (gui->clickedItem("normalny_off")) setMode("NORMAL");
    if (gui->clickedItem("podwojny_off")) setMode("TWO");
    if (gui->clickedItem("strategia_off")) setMode("STRATEGY");
    if (gui->clickedItem("zmienny_off")) setMode("CHANGE");
    if (tiles.empty()) getTiles();

    const TMouse& mouse = objects().mouse;
    overTile = overBonus = nullptr;
    const int kinds = int(tileKinds.size());
    for (int i = 1; i <= std::min(kColours, kinds); ++i)
        if (overPicture(mouse, marblePicture(*tileKinds[size_t(i - 1)]), colourX(i), kColourY, 1))
            overTile = tileKinds[size_t(i - 1)];
    for (int p = kFirstBonus; p <= kinds; ++p)
        if (overPicture(mouse, marblePicture(*tileKinds[size_t(p - 1)]), bonusX(p), kBonusY, kBonusScale))
            overBonus = tileKinds[size_t(p - 1)];
    if (mouse.leftPressed) {
        if (overTile) setTile(overTile);
        if (overBonus) setTileBonus(overBonus);
    }

    // The knob is taken by pressing on it, or by moving onto it with the
    // button held, and then follows the pointer. The press itself decides:
    // a pointer that rested on the knob and jumped away in the frame of the
    // press does not drag it along.
    const bool overKnob = overPicture(mouse, suwak, kSliderX + sliderX, kSliderY, 1);
    if (mouse.leftPressed || !mouse.leftHolded) sliderOver = overKnob ? 1 : 0;
    else if (overKnob) sliderOver = 1;
    if (mouse.leftHolded && sliderOver == 1) sliderX = std::clamp(mouse.x - kSliderX, 0, kSliderTravel);
}

void TZakladka::setTile(const TTileDataPtr& kind) {
    if (!kind) return;
    if (holds(tiles, kind) && int(tiles.size()) <= kMinColours) return;
    toggle(tiles, kind);
}

void TZakladka::setTileBonus(const TTileDataPtr& kind) {
    if (kind) toggle(bonusy, kind);
}

void TZakladka::getTiles() {
    tiles.assign(tileKinds.begin(), tileKinds.begin() + std::min<size_t>(kDefaultColours, tileKinds.size()));
    // The helpers every board understands, all shown (and so removable) in
    // the bonus row: shuffle, bomb and line eraser. The colour blasts and the
    // side switch are left for the player to add.
    bonusy.clear();
    for (const int kind : {KIND_SHUFFLE, KIND_BOMB, KIND_LINE_ERASER})
        if (TTileDataPtr bonus = tileKindById(kind)) bonusy.push_back(bonus);
}

void TZakladka::setMode(const std::string& mode) {
    tryb = mode;
    struct Choice {
        const char* mode;
        const char* button;
    };
    static constexpr Choice kModes[] = {
        {"NORMAL", "normalny"}, {"TWO", "podwojny"}, {"STRATEGY", "strategia"}, {"CHANGE", "zmienny"}};
    // One radio group: the chosen mode shows its lit button, the others
    // their clickable plain ones.
    for (const Choice& c : kModes) {
        const bool chosen = sameIgnoringCase(mode, c.mode);
        show(*gui, std::string(c.button) + "_on", chosen);
        show(*gui, std::string(c.button) + "_off", !chosen);
    }
}

int TZakladka::levelTime() const {
    const int x = std::clamp(sliderX, 0, kSliderTravel);
    return 100 + x * 300 / kSliderTravel;
}

int TZakladka::levelChangeTime() const { return int(float(levelTime()) / 1.6f); }

// ---------------------------------------------------------------- shooting

void TZakladka::_drawShooting() {
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(kGunScale, kGunScale);
    const float places[4][2] = {{287, 352}, {508, 352}, {287, 422}, {508, 422}};
    for (size_t k = 0; k < bonusImg.size(); ++k) DrawImage(bonusImg[k], places[k][0], places[k][1]);
    SetScale(1, 1);
    const TTeksty& t = objects().teksty;
    SetImageFont(fonts.font_blueHigh22);
    caption(std::to_string(butelki), 512, 230, kGold, kBlack);
    caption(t.txtIleBalonow, 315, 232, kWhite, kPlum);
    SetImageFont(fonts.font_font16);
    caption(t.txtJakieBonusy, 370, 290, kWhite, kPlum);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

void TZakladka::_updateShooting() {
    if (gui->clickedItem("plus")) moreBalloons();
    if (gui->clickedItem("minus")) fewerBalloons();
    for (int k = 1; k <= 4; ++k) {
        const std::string gun = kGuns[k - 1];
        if (gui->clickedItem(gun + "_on")) _removeBonus(k);
        else if (gui->clickedItem(gun + "_off")) _addBonus(k);
    }
}

void TZakladka::moreBalloons() {
    if (butelki < kMaxBalloons) butelki = std::min(butelki + kBalloonStep, kMaxBalloons);
}

void TZakladka::fewerBalloons() {
    if (butelki > kMinBalloons) butelki = std::max(butelki - kBalloonStep, kMinBalloons);
}

void TZakladka::_showCrate(int k, bool chosen) {
    const std::string gun = kGuns[k - 1];
    show(*gui, gun + "_on", chosen);
    show(*gui, gun + "_off", !chosen);
}

void TZakladka::_addBonus(int k) {
    if (k < 1 || k > 4) return;
    _showCrate(k, true);
    const TTileDataPtr kind = tileKindById(100 + k);
    if (kind && !holds(bonusyButelek, kind)) bonusyButelek.push_back(kind);
}

void TZakladka::_removeBonus(int k) {
    if (k < 1 || k > 4) return;
    _showCrate(k, false);
    const TTileDataPtr kind = tileKindById(100 + k);
    std::erase(bonusyButelek, kind);
}

// ---------------------------------------------------------------- puzzle

void TZakladka::loadSets(const std::string& path) {
    zestawy.clear();
    newPuzzle = oldPuzzle = nullptr;
    aktZestaw = 0;
    if (FileType(path) != 1) {
        Print("Napotkano problem : no picture sets in " + path);
        return;
    }
    const TRCMFile file = loadRCMFile(path);
    const int count = std::max(file.getInt("zestawy::ilosc"), 0);
    for (int i = 1; i <= count; ++i) {
        const std::string at = "zestawy::zestaw" + std::to_string(i) + "::";
        TPuzzleSet set;
        set.rows = file.getInt(at + "rows");
        set.cols = file.getInt(at + "cols");
        set.url = file.getString(at + "img");
        set.name = file.getString(at + "name");
        if (set.rows < 1 || set.cols < 1 || set.rows > kMaxCut || set.cols > kMaxCut) {
            Print("Napotkano problem : picture set " + std::to_string(i) + " has no playable cut");
            continue;
        }
        set.img = LoadImage(set.url);
        if (!set.img || ImageWidth(set.img) < set.cols || ImageHeight(set.img) < set.rows) {
            Print("Napotkano problem : picture set " + std::to_string(i) + " has no picture (" + set.url + ")");
            continue;
        }
        MidHandleImage(set.img);
        zestawy.push_back(std::move(set));
    }
}

TPuzzleSet* TZakladka::getPuzzle(int i) {
    const int n = int(zestawy.size());
    if (n == 0) return nullptr;
    if (i > n) i = 1;
    if (i < 1) i = n;
    aktZestaw = i;
    return &zestawy[size_t(i - 1)];
}

void TZakladka::setPuzzle(int i) {
    oldPuzzle = newPuzzle;
    newPuzzle = getPuzzle(i);
    if (newPuzzle) newPuzzle->a = 0;
    _showPuzzleName();
}

void TZakladka::getRandomPuzzle() {
    if (zestawy.empty()) {
        setPuzzle(0);
        return;
    }
    setPuzzle(Rand(1, int(zestawy.size())));
}

void TZakladka::_showPuzzleName() {
    if (TText* txt = gui->getItemAs<TText>("txt")) txt->_txt = newPuzzle ? newPuzzle->name : "";
}

void TZakladka::_updatePuzzle() {
    if (newPuzzle) newPuzzle->a = std::min(newPuzzle->a + 0.02f * delta, 1.0f);
    if (gui->clickedItem("next")) setPuzzle(aktZestaw + 1);
    if (gui->clickedItem("prev")) setPuzzle(aktZestaw - 1);
}

void TZakladka::_drawPuzzle() {
    const TImagePtr& border = objects().freePlay.border;
    SetColor(255, 255, 255);
    auto preview = [&border](const TPuzzleSet& set, float alpha) {
        SetAlpha(alpha);
        SetScale(kPreviewScale, kPreviewScale);
        DrawImage(set.img, kPreviewX, kPreviewY);
        SetAlpha(0.5f * alpha);
        SetScale(1, 1);
        DrawImage(border, kPreviewX, kPreviewY);
    };
    if (oldPuzzle) preview(*oldPuzzle, 1);
    if (newPuzzle) preview(*newPuzzle, newPuzzle->a);
    SetScale(1, 1);
    SetAlpha(1);
    if (!newPuzzle) return;
    SetImageFont(fonts.font_blueHigh22);
    caption(std::to_string(newPuzzle->cols) + " x " + std::to_string(newPuzzle->rows), 568, 226, kGold, kBlack);
    SetImageFont(fonts.font_font16);
    caption(objects().teksty.txtDimensions, 570, 190, kWhite, kPlum);
    SetColor(255, 255, 255);
    SetAlpha(1);
}
