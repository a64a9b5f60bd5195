// The game screen's bonus column: which buttons a level shows, their states,
// spending an item (by a click, a number key or the pad's Y and A), and the
// bomb and eraser that wait for a click on the board.
#include <algorithm>
#include <strings.h>

#include "app/game_objects.h"
#include "game/game.h"
#include "gui/keyboard_focus.h"
#include "shell/media/media.h"

namespace {

// The profile's items of entry k as the column counts them: none outside
// the quest.
int stock(int k) { return objects().main.typGry == "QUEST" ? profileBonusCount(k) : 0; }

constexpr int kColourButtons = 14;  // entries 0 to 13
constexpr int kBombEntry = KIND_BOMB - 101;
constexpr int kEraserEntry = KIND_LINE_ERASER - 101;

}  // namespace

TBonusButton* TGame::getBonusButtonById(int k) const {
    for (const auto& b : bonusButtons)
        if (b->nr == k) return b.get();
    return nullptr;
}

TBonusButton* TGame::getBonusButtonThatIsNotOnList(const std::vector<TBonusButton*>& list) const {
    // Only colour buttons fill the column; the other three follow anyway.
    for (const auto& b : bonusButtons)
        if (b->nr < kColourButtons && std::find(list.begin(), list.end(), b.get()) == list.end()) return b.get();
    return nullptr;
}

std::vector<TBonusButton*> TGame::_prepareBonusesList() {
    std::vector<TBonusButton*> list;
    if (!level) return list;
    // The colours the player holds and the level offers (the fourteenth
    // colour is never offered)...
    for (int k = 0; k <= 12; ++k)
        if (stock(k) != 0 && level->_isTileAvailable(k + 1))
            if (TBonusButton* b = getBonusButtonById(k)) list.push_back(b);
    // ...filled up to six with the lowest colours not listed, all inactive...
    if (list.size() < 5) {
        while (list.size() < 6) {
            TBonusButton* b = getBonusButtonThatIsNotOnList(list);
            if (!b) break;
            list.push_back(b);
        }
    }
    // ...then the eraser, the bomb and the shuffle.
    for (int k : {kEraserEntry, kBombEntry, kColourButtons})
        if (TBonusButton* b = getBonusButtonById(k)) list.push_back(b);
    return list;
}

int TGame::_prepareBonuses() {
    chosenBonus = nullptr;
    for (const auto& b : bonusButtons) b->v = 0;
    bonusbuttonsList = _prepareBonusesList();
    for (size_t p = 0; p < bonusbuttonsList.size(); ++p) {
        TBonusButton& b = *bonusbuttonsList[p];
        const int count = stock(b.nr);
        const bool usable = count != 0 && (b.nr >= kColourButtons || level->_isTileAvailable(b.nr + 1));
        b.a = usable ? 1 : 0;
        b.howMany = usable ? count : 0;
        b.v = 1;
        b.alpha = 0;
        b.x = float(bAdx);
        b.y = float(bAdy + 50 * int(p));
    }
    return 0;
}

int TGame::_updateBonuses() {
    clickedBonus = nullptr;
    // An item used up is no longer chosen.
    if (!usable(chosenBonus)) chosenBonus = nullptr;
    for (TBonusButton* b : bonusbuttonsList) {
        b->chosen = b == chosenBonus ? 1 : 0;
        if (b->update() == 1) clickedBonus = b;
    }
    return 0;
}

void TGame::chooseNextBonus() {
    if (chosenBonus && !keyboardFocusShown()) {
        showKeyboardFocus(true);
        return;
    }
    showKeyboardFocus(true);
    const int n = int(bonusbuttonsList.size());
    int from = -1;
    for (int i = 0; i < n; ++i)
        if (bonusbuttonsList[size_t(i)] == chosenBonus) from = i;
    chosenBonus = nullptr;
    for (int step = 1; step <= n; ++step) {
        TBonusButton* b = bonusbuttonsList[size_t((from + step + n) % n)];
        if (usable(b)) {
            chosenBonus = b;
            break;
        }
    }
}

int TGame::_controlItemKeys(const PlayKeys& keys) {
    TBonusButton* used = nullptr;
    if (keys.item >= 0 && keys.item < int(bonusbuttonsList.size())) used = bonusbuttonsList[size_t(keys.item)];
    if (keys.useChosen) {
        used = chosenBonus;
        chosenBonus = nullptr;
    }
    if (keys.nextItem) chooseNextBonus();
    // A key on an item that cannot be used does nothing, as a click on it.
    if (!usable(used) || clickedBonus) return 0;
    clickedBonus = used;
    used->scale = 1.1f;
    return 0;
}

int TGame::_controlBonuses() {
    if (!clickedBonus || !level) return 0;
    TProfile* p = objects().profileManager.profile;
    if (!p) return 0;
    TGlobalSnd& snd = objects().snd;
    const int k = clickedBonus->nr;
    if (k < kColourButtons) {
        level->destroy(k + 1);
        snd.click(nullptr);
        p->bonus[size_t(k)] -= 1;
        znalezione.clear();
        level->checkLevel(0);
    } else if (k == KIND_SHUFFLE - 101) {
        level->changeTilesPosition();
        snd.click(nullptr);
        p->bonus[size_t(k)] -= 1;
    } else if (k == kBombEntry || k == kEraserEntry) {
        const int kind = k == kBombEntry ? KIND_BOMB : KIND_LINE_ERASER;
        // One item, one effect: a second click on the armed one spends nothing,
        // and switching to the other gives the armed one back.
        if (armedBonus() == kind) return 0;
        disarm();
        if (kind == KIND_BOMB) setBomb();
        else setEraseLine();
        snd.click(nullptr);
        p->bonus[size_t(k)] -= 1;
    }
    return 0;
}

int TGame::setBomb() {
    znalezione.clear();
    objects().mouse.setCursor("bomb" + std::to_string(level ? level->marbleSet() + 1 : 1));
    return 0;
}

int TGame::setEraseLine() {
    znalezione.clear();
    objects().mouse.setCursor("erase" + std::to_string(level ? level->marbleSet() + 1 : 1));
    return 0;
}

int TGame::armedBonus() const {
    const TCursor* cur = objects().mouse.cur;
    if (!cur) return 0;
    // "bomb1" to "bomb3" and "erase1" to "erase3", one per marble size.
    const std::string& id = cur->_id;
    const char size = id.empty() ? 0 : id.back();
    if (size < '1' || size > '3') return 0;
    if (id.size() == 5 && strncasecmp(id.c_str(), "bomb", 4) == 0) return KIND_BOMB;
    if (id.size() == 6 && strncasecmp(id.c_str(), "erase", 5) == 0) return KIND_LINE_ERASER;
    return 0;
}

void TGame::disarm() {
    const int armed = armedBonus();
    if (armed == 0) return;
    if (TProfile* p = objects().profileManager.profile) p->bonus[size_t(armed == KIND_BOMB ? kBombEntry : kEraserEntry)] += 1;
    objects().mouse.setCursor("podstawowy");
}

int TGame::_drawBonuses() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    for (const TBonusButton* b : bonusbuttonsList) DrawImage(slotImg, b->x, b->y);
    for (const TBonusButton* b : bonusbuttonsList) b->draw(glowImg, badgeImg);
    for (const TBonusButton* b : bonusbuttonsList) b->drawTooltip();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    return 0;
}
