#include "quest/shop.h"

#include "app/game_objects.h"
#include "gui/caption.h"
#include "gui/digits.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

const TRGB kWhite = createRGB(255, 255, 255);
const TRGB kBlack = createRGB(0, 0, 0);
const TRGB kPlum = createRGB(200, 0, 200);

// The profile's item counts: entry id - 101 for bonus kind id, none outside.
int stockEntry(int id) {
    const int k = id - 101;
    return k >= 0 && k < TProfile::kBonusKinds ? k : -1;
}

// Half the side of an item's square on sale, which a click (and the
// keyboard focus) picks.
constexpr int kItemReach = 15;

int stockOf(int id) {
    const TProfile* p = objects().profileManager.profile;
    const int k = stockEntry(id);
    return p && k >= 0 ? p->bonus[size_t(k)] : 0;
}

}  // namespace

int TSklep::setup() {
    img = LoadImage("gfx/gui/sklep/panel.png");
    MidHandleImage(img);
    gui = createGui(kLayout);
    diamond = LoadImage("gfx/gui/map/diamond.png");
    MidHandleImage(diamond);
    return 0;
}

bool TSklep::isSoldKind(int id) {
    if (id == KIND_SHUFFLE || id == KIND_BOMB || id == KIND_LINE_ERASER) return true;
    // Colour 14's blast never gets a button on the game screen: selling it
    // would take diamonds for nothing.
    return id > KIND_BLAST_BASE && id < KIND_BLAST_BASE + 14 && id != 109 && id != 112;
}

int TSklep::getPrice(int id) const {
    switch (id) {
    case KIND_SHUFFLE: return cenaUsunLinie;
    case KIND_BOMB: return cenaBomby;
    case KIND_LINE_ERASER: return cenaZamiany;
    default: return cenaKoloru;
    }
}

std::string TSklep::getTextByBonus(const TTileData& kind) const {
    const TTeksty& t = objects().teksty;
    switch (kind.id) {
    case KIND_SHUFFLE: return t.txtLineBonus;
    case KIND_BOMB: return t.txtBombBonus;
    case KIND_LINE_ERASER: return t.txtChangeBonus;
    default: return "";
    }
}

int TSklep::canBeShown(const TTileData& kind) const {
    const TProfile* p = objects().profileManager.profile;
    return p && p->kapsle >= getPrice(kind.id) ? 1 : 0;
}

void TSklep::_prepareBonuses() {
    bonusyKolorow.clear();
    bonusyInne.clear();
    for (const TTileDataPtr& kind : listaBonusow) {
        if (!kind || !isSoldKind(kind->id)) continue;
        (kind->id < KIND_SHUFFLE ? bonusyKolorow : bonusyInne).push_back(kind);
    }
}

void TSklep::getColourBonusDim(int i, int n, int& x, int& y) {
    x = 350 - (n * 50) / 2 + i * 50 + 30;
    y = 200;
}

void TSklep::getOtherBonusDim(int i, int m, int& x, int& y) {
    x = 300 - (m * 60) / 2 + i * 120 + 30;
    y = 260;
}

void TSklep::countDimPos(int s, int& x, int& y) {
    x = 175 + s * 32;
    y = 347;
}

std::string TSklep::purchaseQuestion(int id) const {
    const TTeksty& t = objects().teksty;
    return t.txtKupno1 + std::to_string(getPrice(id)) + t.txtKupno2;
}

bool TSklep::purchase(int id) {
    TProfile* p = objects().profileManager.profile;
    const int k = stockEntry(id);
    if (!p || k < 0 || !isSoldKind(id) || p->kapsle < getPrice(id)) return false;
    if (p->bonus[size_t(k)] >= TProfile::kMaxBonusItems) return false;
    p->bonus[size_t(k)] += 1;
    p->kapsle -= getPrice(id);
    Print("SHOP : bought " + std::to_string(id) + ", " + std::to_string(p->kapsle) + " diamonds left");
    return true;
}

void TSklep::buy(int id) {
    // The profiles are saved the next time the map opens.
    if (objects().yesOrNo.mainLoop(purchaseQuestion(id), this) == 1) purchase(id);
    // The answering click must not buy again behind the question.
    FlushMouse();
    objects().mouse.leftPressed = 0;
}

void TSklep::prepare() {
    per = 0;
    dPer = 1;
    _prepareBonuses();
    objects().mouse.setCursor("podstawowy");
    // The first key shows the focus on the first item the player can buy.
    focus.setContainers(gui.get());
    focus.open();
    focus.forget();
}

int TSklep::mainLoop() {
    prepare();
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    FlushKeys();
    FlushMouse();
    objects().mouse.leftPressed = 0;
    return 0;
}

bool TSklep::react() {
    if (gui->clickedItem("exit") || KeyHit(KEY_ESCAPE)) dPer = 0;
    if (dPer == 0 && per == 0) return true;
    _controlBUY();
    return false;
}

void TSklep::_controlBUY() {
    if (over && objects().mouse.leftPressed) buy(over->id);
    // Enter on an item buys it as a click does.
    else if (const TTileDataPtr kind = focusedItem(); kind && focus.itemPressed()) buy(kind->id);
}

namespace {
// The item numbers of the keyboard focus: the colour row's from 0, the
// other row's from kOtherItems.
constexpr int kOtherItems = 100;
}  // namespace

void TSklep::focusItems(std::vector<TFocusTarget>& items) const {
    int x, y;
    const auto row = [&](const std::vector<TTileDataPtr>& kinds, int first, void (*place)(int, int, int&, int&)) {
        for (size_t i = 0; i < kinds.size(); ++i) {
            if (!canBeShown(*kinds[i])) continue;
            place(int(i), int(kinds.size()), x, y);
            TFocusTarget item{first + int(i), {}};
            item.dim.x1 = x - kItemReach;
            item.dim.x2 = x + kItemReach;
            item.dim.y1 = y - kItemReach;
            item.dim.y2 = y + kItemReach;
            items.push_back(item);
        }
    };
    row(bonusyKolorow, 0, getColourBonusDim);
    row(bonusyInne, kOtherItems, getOtherBonusDim);
}

TTileDataPtr TSklep::focusedItem() const {
    const int item = focus.item();
    const std::vector<TTileDataPtr>& row = item >= kOtherItems ? bonusyInne : bonusyKolorow;
    const int i = item >= kOtherItems ? item - kOtherItems : item;
    if (item < 0 || i >= int(row.size()) || !canBeShown(*row[size_t(i)])) return nullptr;
    return row[size_t(i)];
}

// ---- update

int TSklep::update() {
    _updatePer();
    _updateGui();
    _updateBack();
    _updatePick();
    return 0;
}

void TSklep::_updatePer() {
    approach(per, dPer, 0.03f * delta);
    alpha = per < 0.5f ? 0 : 2 * (per - 0.5f);
    if (per == 1) alpha = 1;
}

void TSklep::_updateGui() {
    for (auto& widget : gui->_listaObiektow) {
        widget->_alpha = alpha;
        widget->_dAlpha = alpha;
    }
    focus.update(focus.readKeys(), [this](std::vector<TFocusTarget>& items) { focusItems(items); });
    gui->update();
}

void TSklep::_updateBack() {
    TMap& map = objects().map;
    map._updateTabAlpha();
    updateParticles();
    map.chmury.updateALL();
    map._updateParticleGeneration();
}

void TSklep::_updatePick() {
    over = nullptr;
    const TMouse& mouse = objects().mouse;
    int x, y;
    const auto pick = [&](const std::vector<TTileDataPtr>& row, void (*place)(int, int, int&, int&)) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (!canBeShown(*row[i])) continue;
            place(int(i), int(row.size()), x, y);
            if (mouse.inRect(x - kItemReach, y - kItemReach, 2 * kItemReach, 2 * kItemReach)) over = row[i];
        }
    };
    pick(bonusyKolorow, getColourBonusDim);
    pick(bonusyInne, getOtherBonusDim);
}

// ---- draw

int TSklep::draw() {
    _drawBack();
    _drawGui();
    _drawBonusesForSale();
    _drawPlayerBonuses();
    return 0;
}

void TSklep::_drawBack() {
    objects().map.draw();
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(per);
    // Half a turn while it grows to full size.
    SetRotation(180 + per * 180);
    SetScale(per, per);
    DrawImage(img, 398, 300);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(alpha);
    DrawImage(diamond, 330, 420);
}

void TSklep::_drawGui() {
    gui->draw();
    SetScale(1, 1);
    SetColor(255, 255, 255);
    // With the rest of the panel's contents: no digits over a panel still spinning in.
    const TProfile* p = objects().profileManager.profile;
    SetAlpha(alpha);
    drawNumber(p ? p->kapsle : 0, 377, 408, 6);
    const TTeksty& t = objects().teksty;
    SetImageFont(fonts.font_blueHigh22);
    drawSpecText(t.txtShopTitle, 400, 110, kWhite, kPlum, 0, alpha);
    SetImageFont(fonts.font_font16);
    drawSpecText(t.txtBonuses, 400, 140, kWhite, kPlum, 0, alpha);
    drawSpecText(t.txtPlayerBonuses, 400, 300, kWhite, kPlum, 0, alpha);
}

void TSklep::_drawItem(const TTileData& kind, int x, int y) {
    const bool affordable = canBeShown(kind);
    // While the keyboard focus shows, only its item looks hovered.
    const TTileDataPtr focused = focusedItem();
    const TTileData* lit = focus.shown() ? focused.get() : over.get();
    const float scale = affordable && lit == &kind ? 1.0f : 0.9f;
    if (focused.get() == &kind) glow.around(kind.img[1], float(x), float(y), scale, alpha);
    SetAlpha(affordable ? alpha : 0.4f * alpha);
    SetScale(scale, scale);
    // The 30-pixel picture: it fills the square a click picks.
    DrawImage(kind.img[1], float(x), float(y));
    SetScale(1, 1);
}

void TSklep::_drawDiamondPrice(int id, int x, int y) {
    SetAlpha(alpha);
    SetScale(0.4f, 0.4f);
    DrawImage(diamond, float(x), float(y));
    SetScale(1, 1);
    drawSpecText(std::to_string(getPrice(id)), x + 25, y - 8, kWhite, kBlack, 0, alpha);
}

void TSklep::_drawBonusesForSale() {
    SetColor(255, 255, 255);
    int x, y;
    for (size_t i = 0; i < bonusyKolorow.size(); ++i) {
        getColourBonusDim(int(i), int(bonusyKolorow.size()), x, y);
        _drawItem(*bonusyKolorow[i], x, y);
    }
    SetImageFont(fonts.font_font12);
    for (size_t i = 0; i < bonusyInne.size(); ++i) {
        getOtherBonusDim(int(i), int(bonusyInne.size()), x, y);
        _drawItem(*bonusyInne[i], x, y);
        drawSpecText(getTextByBonus(*bonusyInne[i]), x, 230, kWhite, kBlack, 0, alpha);
        _drawDiamondPrice(bonusyInne[i]->id, x + 35, y);
        SetColor(255, 255, 255);
    }
    if (bonusyKolorow.empty()) return;
    drawSpecText(objects().teksty.txtColourBonus, 400, 163, kWhite, kBlack, 0, alpha);
    SetColor(255, 255, 255);
    SetAlpha(alpha);
    SetScale(0.5f, 0.5f);
    DrawImage(diamond, 535, 200);
    SetScale(1, 1);
    drawSpecText(std::to_string(cenaKoloru), 565, 190, kWhite, kBlack, 0, alpha);
    SetColor(255, 255, 255);
}

void TSklep::_drawPlayerBonuses() {
    SetBlend(ALPHABLEND);
    SetImageFont(fonts.font_font12);
    int s = 0, x, y;
    for (const TTileDataPtr& kind : tileKinds) {
        if (s >= 17) break;
        if (!kind || !isSoldKind(kind->id)) continue;
        countDimPos(s++, x, y);
        const int count = stockOf(kind->id);
        SetColor(255, 255, 255);
        SetAlpha(count != 0 ? alpha : 0.4f * alpha);
        SetScale(0.9f, 0.9f);
        DrawImage(kind->img[1], float(x), float(y));
        SetScale(1, 1);
        const std::string number = std::to_string(count);
        const int w = TextWidth(number), h = TextHeight(number);
        SetColor(0, 0, 0);
        DrawText(number, float(x + 2 - w / 2), float(y + 22 - h / 2));
        SetColor(255, 255, 255);
        DrawText(number, float(x - w / 2), float(y + 20 - h / 2));
    }
    SetScale(1, 1);
    SetAlpha(1);
}
