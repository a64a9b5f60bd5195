// The bonus shop's rules: what is on sale, what a player can afford and pick,
// prices, and what a purchase changes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/game_objects.h"
#include "quest/shop.h"
#include "test_support.h"

namespace {

class Shop : public ::testing::Test {
protected:
    void SetUp() override { objects().profileManager.profile = &player; }
    void TearDown() override { testing_support::resetGlobalState(); }

    static std::vector<TTileDataPtr> kinds(std::initializer_list<int> ids) {
        std::vector<TTileDataPtr> list;
        for (int id : ids) {
            auto kind = std::make_shared<TTileData>();
            kind->id = id;
            list.push_back(kind);
        }
        return list;
    }
    static std::vector<int> ids(const std::vector<TTileDataPtr>& list) {
        std::vector<int> out;
        for (const auto& kind : list) out.push_back(kind->id);
        return out;
    }
    // Puts the pointer on the centre of an item and lets the shop pick.
    void point(int x, int y) {
        objects().mouse.x = x;
        objects().mouse.y = y;
        shop._updatePick();
    }

    TProfile player;
    TSklep shop;
};

TEST_F(Shop, SixHundredDiamondsBuyOnlyTheShuffleAndLeaveNothing) {
    player.kapsle = 600;
    shop.giveBonusList(kinds({101, 102, KIND_SHUFFLE, KIND_BOMB, KIND_LINE_ERASER}));
    shop.prepare();
    ASSERT_EQ(ids(shop.bonusyInne), (std::vector<int>{KIND_SHUFFLE, KIND_BOMB, KIND_LINE_ERASER}));

    // Only the shuffle is bright; a dimmed item never comes under the pointer.
    int x, y;
    for (size_t i = 0; i < shop.bonusyInne.size(); ++i) {
        shop.getOtherBonusDim(int(i), 3, x, y);
        point(x + 15, y - 15);  // the square's corner counts
        EXPECT_EQ(shop.canBeShown(*shop.bonusyInne[i]), i == 0 ? 1 : 0);
        EXPECT_EQ(shop.over, i == 0 ? shop.bonusyInne[i] : nullptr);
    }
    shop.getColourBonusDim(0, 2, x, y);
    point(x, y);
    EXPECT_EQ(shop.over, nullptr) << "a colour blast at 760 was pickable with 600";
    point(x + 16, y);
    EXPECT_EQ(shop.over, nullptr);

    EXPECT_FALSE(shop.purchase(KIND_BOMB));
    EXPECT_EQ(player.kapsle, 600);
    EXPECT_TRUE(shop.purchase(KIND_SHUFFLE));
    EXPECT_EQ(player.kapsle, 0);
    EXPECT_EQ(player.bonus[KIND_SHUFFLE - 101], 1);
    EXPECT_FALSE(shop.purchase(KIND_SHUFFLE)) << "the diamonds went below nothing";
    EXPECT_EQ(player.kapsle, 0);
    EXPECT_EQ(player.bonus[KIND_SHUFFLE - 101], 1);
}

TEST_F(Shop, ColoursNineTwelveAndFourteenAndTheSideSwitchAreNeverOffered) {
    shop.giveBonusList(kinds({109, 103, 112, 114, KIND_SIDE_SWITCH, KIND_BOMB, 113, 101}));
    shop.prepare();
    EXPECT_EQ(ids(shop.bonusyKolorow), (std::vector<int>{103, 113, 101}));
    EXPECT_EQ(ids(shop.bonusyInne), (std::vector<int>{KIND_BOMB}));

    // A level with colour blasts only: the other row is empty.
    shop.giveBonusList(kinds({104, 105}));
    shop.prepare();
    EXPECT_EQ(ids(shop.bonusyKolorow), (std::vector<int>{104, 105}));
    EXPECT_TRUE(shop.bonusyInne.empty());

    // Nothing the shop does not sell can be bought, even with diamonds to spare.
    player.kapsle = 100000;
    for (int id : {0, 5, 100, 109, 112, 114, int(KIND_SIDE_SWITCH), 119, 200, -3}) {
        EXPECT_FALSE(shop.purchase(id)) << id;
        EXPECT_EQ(player.kapsle, 100000) << id;
    }
    EXPECT_EQ(player.bonus, (std::array<int, TProfile::kBonusKinds>{}));
}

TEST_F(Shop, PricesAndLabelsGoByKindId) {
    EXPECT_EQ(shop.getPrice(KIND_SHUFFLE), 600);
    EXPECT_EQ(shop.getPrice(KIND_BOMB), 900);
    EXPECT_EQ(shop.getPrice(KIND_LINE_ERASER), 1000);
    for (int id : {101, 107, 113}) EXPECT_EQ(shop.getPrice(id), 760) << id;

    TTeksty& t = objects().teksty;
    t.txtLineBonus = "Shuffle";
    t.txtBombBonus = "Bomb";
    t.txtChangeBonus = "Line eraser";
    t.txtKupno1 = "Buy for ";
    t.txtKupno2 = " diamonds?";
    TTileData kind;
    kind.id = KIND_SHUFFLE;
    EXPECT_EQ(shop.getTextByBonus(kind), t.txtLineBonus);
    kind.id = KIND_LINE_ERASER;
    EXPECT_EQ(shop.getTextByBonus(kind), t.txtChangeBonus);
    kind.id = 105;
    EXPECT_EQ(shop.getTextByBonus(kind), "");
    EXPECT_EQ(shop.purchaseQuestion(KIND_BOMB), "Buy for 900 diamonds?");

    // Each purchase lands in its own kind's count and costs that kind's price.
    player.kapsle = 5000;
    EXPECT_TRUE(shop.purchase(KIND_LINE_ERASER));
    EXPECT_TRUE(shop.purchase(107));
    EXPECT_EQ(player.kapsle, 5000 - 1000 - 760);
    EXPECT_EQ(player.bonus[KIND_LINE_ERASER - 101], 1);
    EXPECT_EQ(player.bonus[107 - 101], 1);
}

TEST_F(Shop, NoPlayerOrAFullCountBuysNothing) {
    player.kapsle = 5000;
    player.bonus[KIND_BOMB - 101] = TProfile::kMaxBonusItems;
    EXPECT_FALSE(shop.purchase(KIND_BOMB)) << "a count the save file cannot hold took diamonds";
    EXPECT_EQ(player.kapsle, 5000);
    objects().profileManager.profile = nullptr;
    TTileData kind;
    kind.id = KIND_SHUFFLE;
    EXPECT_EQ(shop.canBeShown(kind), 0);
    EXPECT_FALSE(shop.purchase(KIND_SHUFFLE));
}

TEST_F(Shop, APurchaseTakesExactlyThePriceAndRefusesOneDiamondShort) {
    // The purchase itself refuses, whatever the buttons show: diamonds never
    // go below nothing.
    for (int id : {int(KIND_SHUFFLE), int(KIND_BOMB), int(KIND_LINE_ERASER), 101, 113}) {
        const int price = shop.getPrice(id);
        const size_t k = size_t(id - 101);
        player.bonus = {};
        player.kapsle = price - 1;
        EXPECT_FALSE(shop.purchase(id)) << id << ": bought one diamond short";
        EXPECT_EQ(player.kapsle, price - 1) << id;
        EXPECT_EQ(player.bonus[k], 0) << id;
        player.kapsle = price;
        EXPECT_TRUE(shop.purchase(id)) << id << ": refused with the price exactly";
        EXPECT_EQ(player.kapsle, 0) << id;
        EXPECT_EQ(player.bonus[k], 1) << id;
        EXPECT_FALSE(shop.purchase(id)) << id;
        EXPECT_EQ(player.kapsle, 0) << id;
    }
}

}  // namespace
