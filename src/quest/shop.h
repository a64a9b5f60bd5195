#pragma once
// The bonus shop: a panel that spins open over the still-moving quest map,
// where diamonds buy the bonus items the game screen offers as buttons. It
// sells the colour blasts and the shuffle, bomb and line eraser of the level
// about to be played, dims what the player cannot afford, asks before every
// purchase and shows the items the player holds. Its layout
// (data/gui_sklep.gui) provides the button "exit". The keyboard focus goes
// over the items the player can buy and "exit"; Enter buys the focused item
// as a click does.
#include <memory>
#include <string>
#include <vector>

#include "board/tile_data.h"
#include "gui/gui.h"
#include "quest/screen_focus.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TSklep : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_sklep.gui";

    std::unique_ptr<TGui> gui;
    TImagePtr img;      // the panel, centre handle, at (398, 300)
    TImagePtr diamond;  // centre handle

    int cenaKoloru = 760;     // a colour blast
    int cenaBomby = 900;      // the bomb
    int cenaZamiany = 1000;   // the line eraser
    int cenaUsunLinie = 600;  // the shuffle

    float alpha = 1;  // opacity of everything on the panel but the panel
    float per = 1;    // opening: 0 shut, 1 open
    float dPer = 0;   // what `per` moves toward

    // The bonus kinds of the level about to be played; the map hands them
    // over each time it opens.
    std::vector<TTileDataPtr> listaBonusow;
    std::vector<TTileDataPtr> bonusyKolorow;  // colour blasts on sale
    std::vector<TTileDataPtr> bonusyInne;     // shuffle, bomb, line eraser on sale
    // The affordable item under the pointer.
    TTileDataPtr over;
    // The keyboard focus over the affordable items and "exit".
    TScreenFocus focus;
    TFocusGlow glow;

    TSklep() { _myName = "Bonus Shop"; }

    int setup() override;
    int update() override;
    int draw() override;

    void giveBonusList(std::vector<TTileDataPtr> kinds) { listaBonusow = std::move(kinds); }
    // Runs the shop over the map until the player has left it; 0.
    int mainLoop();

    // Whether the shop ever sells kind `id`: the colour blasts a game can
    // use (colours 9, 12 and 14 never come as buttons) and the shuffle, the
    // bomb and the line eraser. The side switch is not for sale.
    static bool isSoldKind(int id);
    int getPrice(int id) const;
    // The label under a shuffle, bomb or line eraser; "" for a colour blast.
    std::string getTextByBonus(const TTileData& kind) const;
    // 1 when the current player has diamonds enough for the kind.
    int canBeShown(const TTileData& kind) const;
    // Sorts the level's kinds into the two rows on sale.
    void _prepareBonuses();
    // Centre of colour item i of n, and of other item i of m.
    static void getColourBonusDim(int i, int n, int& x, int& y);
    static void getOtherBonusDim(int i, int m, int& x, int& y);
    // Centre of slot s of the player's row of items.
    static void countDimPos(int s, int& x, int& y);
    // The question asked before buying kind `id`.
    std::string purchaseQuestion(int id) const;
    // Asks, and on "yes" buys one item of kind `id`.
    void buy(int id);
    // One item of kind `id` for its price; false (and nothing changed) when
    // there is no player, the kind is not sold or the diamonds do not reach.
    bool purchase(int id);

    // `over` from the pointer: the last affordable item whose square holds it.
    void _updatePick();
    // The affordable items as the keyboard focus's, in their rows.
    void focusItems(std::vector<TFocusTarget>& items) const;
    // The affordable item with the shown keyboard focus, or none.
    TTileDataPtr focusedItem() const;

    // The loop's pieces: opening...
    void prepare();
    // ...and after each frame the clicks; true once the panel has shut.
    bool react();

private:
    void _updatePer();
    void _updateGui();
    void _updateBack();
    void _controlBUY();
    void _drawBack();
    void _drawGui();
    void _drawBonusesForSale();
    void _drawItem(const TTileData& kind, int x, int y);
    void _drawDiamondPrice(int id, int x, int y);
    void _drawPlayerBonuses();
};
