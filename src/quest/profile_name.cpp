#include "quest/profile_name.h"

#include "app/game_objects.h"
#include "gui/caption.h"
#include "gui/particle.h"
#include "gui/text_entry.h"
#include "shell/assets.h"
#include "shell/media/media.h"

int TProfileName::setup() {
    panel = LoadImage("gfx/gui/mainmenu/enter.png");
    gui = createGui(kLayout);
    auto field = createTextEntry("entry", fonts.font_blueHigh26, 300, 276, 240, TProfile::kMaxNameLength, 1, 1);
    field->setRGB(200, 200, 50);
    entry = field.get();
    gui->addItem(std::move(field));
    return 0;
}

bool TProfileName::acceptable() const {
    return objects().profileManager.checkName(entry->getTxt(), renaming) == TProfileManager::NameProblem::None;
}

bool TProfileName::cancellable() const {
    // With players on the list a player can be picked there instead; with
    // none the game cannot go on without a name.
    return !objects().profileManager.profilesList.empty();
}

bool TProfileName::taken() const {
    return objects().profileManager.checkName(entry->getTxt(), renaming) == TProfileManager::NameProblem::Taken;
}

int TProfileName::update() {
    GameObjects& o = objects();
    // The main menu's veil keeps clearing behind a name asked for at once.
    if (ekran == &o.mainMenu) {
        if (o.mainMenu.fade == 1) o.mainMenu.dFade = 0;
        o.mainMenu._updateFade();
    }
    if (TGuiObject* cancel = gui->getItem("cancel")) cancel->setState(1, cancellable() ? 1 : 0);
    if (TGuiObject* ok = gui->getItem("ok")) ok->setState(1, acceptable() ? 1 : 0);
    // A pad's first press only brings the letters up; after that the pad
    // types on them, and the buttons leave it its keys.
    const bool padShown = GamepadUsedLast();
    if (padShown && !lettersShown) FlushKeyHits();
    lettersShown = padShown;
    gui->takesKeys = !lettersShown;
    lettersAccept = lettersShown && letters.update(entry->_txt, TProfile::kMaxNameLength, MilliSecs()) ==
                                        TLetterPad::Result::Accept;
    gui->update();
    updateParticles();
    return 0;
}

int TProfileName::draw() {
    if (ekran) ekran->draw();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetRotation(0);
    SetScale(1, 1);
    SetBlend(ALPHABLEND);
    DrawImage(panel, float(400 - ImageWidth(panel) / 2), float(300 - ImageHeight(panel) / 2));
    SetImageFont(fonts.font_blueHigh22);
    drawSpecText(objects().teksty.txtProfileName, 400, 235, createRGB(255, 255, 0), createRGB(200, 0, 200),
                           0, 1);
    gui->draw();
    if (lettersShown) letters.draw(fonts.font_blueHigh22, 400 - TLetterPad::kColumns * TLetterPad::kCellW / 2, 452,
                                   entry->getTxt());
    if (taken()) {
        SetImageFont(fonts.font_font14);
        drawSpecText(objects().teksty.txtNameTaken, 400, 322, createRGB(255, 200, 190), createRGB(120, 10, 40), 0, 1);
    }
    SetColor(255, 255, 255);
    return 0;
}

void TProfileName::dropTyping() {
    while (GetChar() != 0) {
    }
    KeyHit(KEY_SPACE);
    KeyHit(KEY_ENTER);
    KeyHit(KEY_ESCAPE);
}

void TProfileName::open(TEkran* behind, const std::string& text, const TProfile* renamed) {
    ekran = behind;
    renaming = renamed;
    // Letters and keys pressed on the screen behind must not end up here.
    dropTyping();
    entry->setTxt(text);
    letters = TLetterPad{};
    letters.spaceLabel = objects().teksty.txtPadSpace;
    letters.eraseLabel = objects().teksty.txtPadErase;
    lettersShown = GamepadUsedLast();
    lettersAccept = false;
}

int TProfileName::react() {
    const bool escape = KeyHit(KEY_ESCAPE) != 0;
    if (cancellable() && (escape || gui->clickedItem("cancel"))) return 0;
    // With the letters up, Enter (the pad's A) is theirs, even when it
    // arrives after they looked this frame.
    const bool enter = !lettersShown && KeyHit(KEY_ENTER);
    if ((enter || gui->clickedItem("ok") || lettersAccept) && acceptable()) {
        wpis = entry->getTxt();
        return 1;
    }
    return -1;
}

int TProfileName::mainLoop(TEkran* behind, const std::string& text, const TProfile* renamed) {
    open(behind, text, renamed);
    const Shown shown(*this);
    int result;
    do {
        runFrame();
        result = react();
    } while (result < 0);
    // The letters typed (a space among them) must not reach the screen
    // behind; keys still held (Alt of an Alt+F4) stay held.
    dropTyping();
    FlushMouse();
    objects().mouse.leftPressed = 0;
    return result;
}
