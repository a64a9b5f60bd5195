// The shooting gallery on its real guns, crates and pictures: what each gun
// does, the crates a level gets and what they hand over, the results and
// what the player is paid.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/game_objects.h"
#include "gui/keyboard_focus.h"
#include "gui/particle.h"
#include "minigames/shooting.h"
#include "shell/assets.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

class Shooting : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        SeedRnd(3);
        imgMousePoint = LoadImage("gfx/gui/mousePoint.png");
        s.setup();
        ASSERT_EQ(s.guns.size(), 4u);
        // A player who has seen every help page, so none interrupts.
        player.hint.fill(1);
        player.score = 100;
        player.kapsle = 7;
        objects().profileManager.profile = &player;
    }

    // A level of `balloons` balloons offering the crate kinds 100 + k.
    static TLevelPtr level(int balloons, std::vector<int> crates = {}) {
        auto l = std::make_shared<TLevel>();
        l->lines = balloons;
        for (int k : crates) {
            auto kind = std::make_shared<TTileData>();
            kind->id = 100 + k;
            l->bonusy.push_back(kind);
        }
        return l;
    }
    // A game in play with nothing in the sky.
    void playing() {
        s.prepare(level(0));
        s.state = TShooting::State::Go;
        s.butelki.clear();
    }
    // A balloon whose round body is under (x, y).
    void balloonAt(int x, int y) {
        TBottle b;
        b.x = float(x);
        b.y = float(y + 16);
        b.speedY = 2;
        s.butelki.push_back(b);
    }
    void crateAt(int x, int y, int bonusId) {
        TBottle b;
        b.x = float(x);
        b.y = float(y);
        b.bonus = s.getBottleBonus(bonusId);
        ASSERT_TRUE(b.bonus) << "no crate bonus " << bonusId;
        s.butelki.push_back(b);
    }
    static void aim(int x, int y) {
        media::inputMouseMove(x, y);
        mouse().update();
    }
    // One click at (x, y) and the frame's reaction to it.
    void clickAt(int x, int y, int button = 1) {
        media::inputMouseMove(x, y);
        media::inputMouseDown(button);
        media::inputMouseUp(button);
        mouse().update();
        s.react();
    }
    // Only the reactions to the mouse and keys, a frame every 16 ms, for
    // `ms` of game time: the sky stands still.
    void react(int ms) {
        for (int t = 0; t < ms; t += 16) {
            Delay(16);
            mouse().update();
            s.react();
        }
    }
    // Frames of 16 ms (update, then reaction) for `ms` of game time.
    void play(int ms) {
        for (int t = 0; t < ms; t += 16) {
            Delay(16);
            mouse().update();
            s.update();
            s.react();
        }
    }

    testing_support::InContentDir here;
    TShooting s;
    TProfile player;
};

TEST_F(Shooting, TheSlingshotFiresOncePerClickExactlyAtTheSightAndIsReloadedByHand) {
    playing();
    ASSERT_EQ(s.gun, &s.guns[0]);
    ASSERT_EQ(s.gun->id, TGun::SINGLE);
    const int magazine = s.gun->magazynek;
    ASSERT_EQ(s.ammo, magazine);
    balloonAt(400, 300);
    clickAt(400, 300);
    EXPECT_TRUE(s.butelki[0].isDown());
    EXPECT_EQ(s.trafienia, 1);
    EXPECT_EQ(s.ammo, magazine - 1);
    // Held down, the button fires once.
    media::inputMouseDown(1);
    react(500);
    media::inputMouseUp(1);
    EXPECT_EQ(s.wystrzelone, 2);
    // The rest of the magazine into the sky, then the trigger clicks empty.
    for (int i = 2; i < magazine + 3; ++i) clickAt(100, 100);
    EXPECT_EQ(s.wystrzelone, magazine);
    EXPECT_EQ(s.pudla, magazine - 1);
    EXPECT_EQ(s.ammo, 0);
    EXPECT_EQ(s.gun, &s.guns[0]) << "the slingshot stays in hand when empty";
    clickAt(100, 100, 2);  // the right button
    EXPECT_EQ(s.ammo, magazine);
    // R reloads at any time; Space fires, and reloads only an empty slingshot.
    s.ammo = 2;
    press(KEY_R);
    s.react();
    EXPECT_EQ(s.ammo, magazine);
    s.ammo = 0;
    press(KEY_SPACE);
    s.react();
    EXPECT_EQ(s.ammo, magazine);
    EXPECT_EQ(s.wystrzelone, magazine) << "the reloading press fired nothing";
}

TEST_F(Shooting, AutomaticsFireAtTheirIntervalWhileHeldAndHandBackTheFirstGunWhenDry) {
    playing();
    s.setGun(1);
    ASSERT_EQ(s.gun->id, TGun::AUTOMATIC);
    ASSERT_EQ(s.gun->inter, 100);
    const int magazine = s.gun->magazynek;
    aim(100, 100);
    media::inputMouseDown(1);
    react(1000);
    EXPECT_GE(s.wystrzelone, 9);
    EXPECT_LE(s.wystrzelone, 10) << "at most one shot per 100 ms";
    // A special gun cannot be reloaded.
    const int left = s.ammo;
    media::inputMouseDown(2);
    media::inputMouseUp(2);
    react(16);
    EXPECT_LE(s.ammo, left);
    react(100 * magazine);
    media::inputMouseUp(1);
    EXPECT_EQ(s.wystrzelone, magazine);
    EXPECT_EQ(s.gun, &s.guns[0]);
    EXPECT_EQ(s.ammo, s.guns[0].magazynek);
}

TEST_F(Shooting, ABalloonHitIsPaidOnceHoweverOftenAnAutomaticHitsItAgain) {
    playing();
    s.setGun(1);
    s.gun->celnosc = 0;  // every shot on the sight
    balloonAt(400, 300);
    aim(400, 300);
    for (int i = 0; i < 5; ++i) {
        Delay(150);
        s.shot2();
    }
    EXPECT_EQ(s.wystrzelone, 5);
    EXPECT_EQ(s.trafienia, 1);
    EXPECT_EQ(s.pudla, 4);
    s._prepareResults();
    EXPECT_EQ(player.score, 100 + 10);
    EXPECT_EQ(player.kapsle, 7 + 1);
}

TEST_F(Shooting, OneClickOfTheScatterGunIsOneShotWhateverItsPelletsHit) {
    playing();
    s.setGun(2);
    ASSERT_EQ(s.gun->id, TGun::SCATTER);
    s.gun->celnosc = 0;
    // Two balloons overlapping under the sight.
    balloonAt(395, 300);
    balloonAt(410, 300);
    clickAt(402, 300);
    EXPECT_TRUE(s.butelki[0].isDown());
    EXPECT_TRUE(s.butelki[1].isDown());
    EXPECT_EQ(s.wystrzelone, 1);
    EXPECT_EQ(s.trafienia, 1);
    EXPECT_EQ(s.pudla, 0);
    // Its magazine empties into the first gun.
    while (s.gun == &s.guns[2]) clickAt(100, 100);
    EXPECT_EQ(s.gun, &s.guns[0]);
    EXPECT_EQ(s.wystrzelone, s.guns[2].magazynek);
}

TEST_F(Shooting, ALevelGetsOneCrateForTenBalloonsOnlyWhenItOffersCrates) {
    struct Case {
        int balloons;
        std::vector<int> crates;
        int expectCrates;
    };
    for (const Case& c : {Case{25, {2, 3, 4}, 2}, Case{25, {}, 0}, Case{9, {2}, 0}, Case{14, {3}, 1}}) {
        s.prepare(level(c.balloons, c.crates));
        int crates = 0;
        for (const TBottle& b : s.butelki) {
            if (!b.isCrate()) continue;
            ++crates;
            EXPECT_GE(b.bonus->id, 2);
            EXPECT_LE(b.bonus->id, 4);
        }
        EXPECT_EQ(crates, c.expectCrates) << c.balloons << " balloons";
        EXPECT_EQ(s.policzButelki(), c.balloons);
        EXPECT_EQ(s.butelek, c.balloons);
    }
    // Balloons start below the screen, later ones lower.
    s.prepare(level(3));
    EXPECT_GT(s.butelki[0].y, 600);
    EXPECT_LT(s.butelki[0].y, s.butelki[2].y);
    // A damaged level cannot hang the game with a billion balloons.
    s.prepare(level(-5));
    EXPECT_TRUE(s.butelki.empty());
    s.prepare(level(2000000000));
    EXPECT_EQ(s.butelek, TShooting::kMaxBalloons);
}

TEST_F(Shooting, ACrateHandsOverItsGunForOneMagazineAndCountsForNothingItself) {
    playing();
    crateAt(400, 300, 2);
    const TImagePtr banner = s.getBottleBonus(2)->img;
    clickAt(400, 300);
    EXPECT_TRUE(s.butelki.empty()) << "the crate is gone";
    EXPECT_EQ(s.gun, &s.guns[1]);
    EXPECT_EQ(particleImages[11], banner) << "the crate shows its gun";
    EXPECT_EQ(s.trafienia, 0);
    EXPECT_EQ(s.pudla, 1);
    // A crate and a balloon in one shot: the balloon counts.
    s.setGun(0);
    crateAt(300, 200, 3);
    balloonAt(300, 200);
    clickAt(300, 200);
    EXPECT_EQ(s.gun, &s.guns[2]);
    EXPECT_EQ(s.trafienia, 1);
    // The scatter gun's magazine spent, the slingshot is back, full.
    while (s.gun == &s.guns[2]) clickAt(100, 100);
    EXPECT_EQ(s.gun, &s.guns[0]);
    EXPECT_EQ(s.ammo, s.guns[0].magazynek);
    // The slingshot's crate changes nothing.
    s.ammo = 3;
    crateAt(500, 200, 1);
    clickAt(500, 200);
    EXPECT_EQ(s.gun, &s.guns[0]);
    EXPECT_EQ(s.ammo, 2);
}

TEST_F(Shooting, TheResultsShowTheFiguresAndPayTheHitsOnce) {
    s.prepare(level(4));
    s.butelek = 4;
    s.trafienia = 3;
    s.pudla = 1;
    s.wystrzelone = 4;
    s.state = TShooting::State::Results;
    s._prepareResults();
    ASSERT_EQ(s.listaWynikow.size(), 14u);
    EXPECT_EQ(s.listaWynikow[0].txt, objects().teksty.txtButelki);
    EXPECT_EQ(s.listaWynikow[7].txt, "4");
    EXPECT_EQ(s.listaWynikow[8].txt, "3");
    EXPECT_EQ(s.listaWynikow[9].txt, "1");
    EXPECT_EQ(s.listaWynikow[10].txt, "75 %");
    EXPECT_EQ(s.listaWynikow[11].txt, "4");
    EXPECT_EQ(player.score, 130);
    EXPECT_EQ(player.kapsle, 10);
    // The hits are counted up on screen; nothing more is paid.
    play(4000);
    EXPECT_EQ(s.listaWynikow[8].txt, "0");
    EXPECT_EQ(s.listaWynikow[12].txt, "30");
    EXPECT_EQ(s.listaWynikow[13].txt, "3");
    EXPECT_EQ(player.score, 130);
    EXPECT_EQ(player.kapsle, 10);
    for (const TResultText& line : s.listaWynikow) EXPECT_EQ(line.x, 400);
}

TEST_F(Shooting, ThePausedCountdownAndAutomaticResumeWhereTheyStopped) {
    s.prepare(level(3));
    play(1500);
    ASSERT_EQ(s.counter, 1);
    Delay(5000);
    s.holdTimers(5000);
    play(400);
    EXPECT_EQ(s.counter, 1) << "the countdown's next step is still half a second away";
    play(200);
    EXPECT_EQ(s.counter, 2);

    playing();
    s.setGun(1);
    ASSERT_FALSE(s.gun->firesOnClick());
    s.shotTime = MilliSecs() + 100;
    Delay(3000);
    s.holdTimers(3000);
    s.shot2();
    EXPECT_EQ(s.wystrzelone, 0) << "the gun's interval is held too";
    Delay(101);
    s.shot2();
    EXPECT_EQ(s.wystrzelone, 1);
}

TEST_F(Shooting, AGalleryRunsFromTheCountdownToItsResultsAndEndsOnAClick) {
    testing_support::TempDir cheatsFolder;
    testing_support::writeFile(cheatsFolder.file("cheats.txt"), "");
    s.prepare(level(3));
    play(3900);
    EXPECT_EQ(s.state, TShooting::State::Begin) << "three seconds of countdown";
    EXPECT_EQ(s.counter, 3);
    clickAt(400, 300);
    EXPECT_EQ(s.wystrzelone, 0) << "no shooting before the countdown ends";
    play(200);
    EXPECT_EQ(s.state, TShooting::State::Go);
    // G ends the gallery only where the developer's cheats file lies.
    media::inputKeyDown(KEY_G);
    media::inputKeyUp(KEY_G);
    play(16);
    ASSERT_EQ(s.butelki.size(), 3u);
    ASSERT_EQ(chdir(cheatsFolder.path().c_str()), 0);
    media::inputKeyDown(KEY_G);
    media::inputKeyUp(KEY_G);
    play(16);
    ASSERT_EQ(chdir(testing_support::contentDir().c_str()), 0);
    EXPECT_TRUE(s.butelki.empty());
    // The veil comes down to half, then the results.
    play(1000);
    EXPECT_EQ(s.state, TShooting::State::Results);
    EXPECT_EQ(s.fade, 0.5f);
    EXPECT_EQ(s.listaWynikow[10].txt, "0 %");
    EXPECT_EQ(player.score, 100) << "nothing hit, nothing paid";
    EXPECT_EQ(player.kapsle, 7);
    EXPECT_FALSE(s.react());
    clickAt(400, 300);
    play(16);
    EXPECT_TRUE(s.react()) << "a click closes the gate and ends the gallery";
}

TEST_F(Shooting, TheKeysAimACrosshairFireAndReloadUntilTheMouseMovesAgain) {
    playing();
    balloonAt(700, 5000);  // far below, keeping the gallery open
    // The first arrow only shows the crosshair, in the middle; held, D and
    // the up arrow take it up and right.
    press(KEY_RIGHT);
    play(16);
    EXPECT_TRUE(keyboardFocusShown());
    EXPECT_EQ(s.crossX, 400);
    media::inputKeyDown(KEY_D);
    media::inputKeyDown(KEY_UP);
    play(300);
    media::inputKeyUp(KEY_D);
    media::inputKeyUp(KEY_UP);
    const float x = s.crossX, y = s.crossY;
    EXPECT_GT(x, 420);
    EXPECT_NEAR(300 - y, x - 400, 0.01f);
    // Enter fires there, not at the resting pointer in the corner.
    balloonAt(int(x), int(y));
    press(KEY_ENTER);
    react(16);
    EXPECT_EQ(s.trafienia, 1);
    // The right stick moves it in proportion to its push (0.3 once the dead zone is off).
    media::inputPadRightStick(-0.44f, 0);
    play(1000);
    media::inputPadRightStick(0, 0);
    EXPECT_NEAR(s.crossX, x - 0.3f * TCrosshairMotion::kTopSpeed * 1000, 25);
    // A held fire key fires an automatic at its interval; the pad's X reloads the slingshot.
    s.setGun(1);
    const int fired = s.wystrzelone;
    media::inputKeyDown(KEY_SPACE);
    react(1000);
    media::inputKeyUp(KEY_SPACE);
    EXPECT_NEAR(s.wystrzelone - fired, 10, 1);
    s.setGun(0);
    s.ammo = 1;
    media::inputPadButton(PadButton::X, true);
    media::inputPadButton(PadButton::X, false);
    react(16);
    EXPECT_EQ(s.ammo, s.gun->magazynek);
    // The mouse moving takes over, and the crosshair follows it.
    media::inputMouseMove(250, 350);
    play(16);
    EXPECT_FALSE(keyboardFocusShown());
    EXPECT_EQ(s.crossX, 250);
    EXPECT_EQ(s.sightY(), 350);
    // The results go on with the pad's A (Enter), as with a click.
    s.butelki.clear();
    play(1000);
    ASSERT_EQ(s.state, TShooting::State::Results);
    media::inputPadButton(PadButton::A, true);
    media::inputPadButton(PadButton::A, false);
    play(32);
    EXPECT_TRUE(s.react());
}

}  // namespace
