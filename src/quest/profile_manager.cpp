#include "quest/profile_manager.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "gui/caption.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"

std::string TProfileManager::indexPath() { return saveFolder + "/profiles.dat"; }
std::string TProfileManager::profilePath(int n) { return saveFolder + "/profile" + std::to_string(n) + ".dat"; }
std::string TProfileManager::bestsPath(int n) { return saveFolder + "/bests" + std::to_string(n) + ".dat"; }
std::string TProfileManager::journalPath() { return saveFolder + "/profiles.pending"; }

TBests* TProfileManager::questBests(const TLevel* level) const {
    if (!profile || !level || level->nr < 1 || objects().main.typGry != "QUEST") return nullptr;
    return &profile->bests;
}

TProfile* TProfileManager::getProfile(const std::string& name) const {
    for (const auto& p : profilesList)
        if (sameProfileName(p->name, name)) return p.get();
    return nullptr;
}

TProfileManager::NameProblem TProfileManager::checkName(const std::string& name, const TProfile* renaming) const {
    const std::string saved = savedProfileName(name);
    if (saved.empty() || saved == "-1") return NameProblem::Empty;
    for (const auto& p : profilesList)
        if (p.get() != renaming && sameProfileName(p->name, saved)) return NameProblem::Taken;
    return NameProblem::None;
}

TProfile* TProfileManager::addProfile(const std::string& name) {
    if (!canAddProfile() || checkName(name) != NameProblem::None) return nullptr;
    auto p = std::make_unique<TProfile>();
    p->name = savedProfileName(name);
    profile = p.get();
    profilesList.push_back(std::move(p));
    return profile;
}

bool TProfileManager::changeName(TProfile& p, const std::string& name) {
    if (checkName(name, &p) != NameProblem::None) return false;
    p.name = savedProfileName(name);
    return true;
}

void TProfileManager::removeProfile(const TProfile* p) {
    if (p == profile) profile = nullptr;
    profilesList.erase(std::remove_if(profilesList.begin(), profilesList.end(),
                                      [p](const std::unique_ptr<TProfile>& q) { return q.get() == p; }),
                       profilesList.end());
}

std::string TProfileManager::indexText() const {
    std::string t = "profile {\n";
    t += "\t i = " + std::to_string(profilesList.size()) + "\n";
    for (size_t i = 0; i < profilesList.size(); ++i)
        t += "\t profile" + std::to_string(i + 1) + " = \"" + savedProfileName(profilesList[i]->name) + "\" \n";
    t += "\t akt = \"" + (profile ? savedProfileName(profile->name) : std::string()) + "\" \n";
    t += "}\n\n";
    return t;
}

TProfileManager::Index TProfileManager::readIndex(const TRCMFile& file) {
    Index index;
    index.readable = file.findEntry("profile::i") != nullptr;
    if (!index.readable) return index;
    index.count = std::clamp(file.getInt("profile::i"), 0, kMaxProfiles);
    for (int n = 1; n <= index.count; ++n) index.names.push_back(file.getString("profile::profile" + std::to_string(n)));
    index.current = file.getString("profile::akt");
    return index;
}

void TProfileManager::loadQuestLevel(TProfile& p) {
    p.level = nullptr;
    // An edited or stale save may name a level the catalogue does not hold:
    // that profile then simply has no level in progress.
    if (p.currentLevel > 0 && objects().levelManager.getLevelData(p.currentLevel))
        p.level = objects().levelManager.loadLevel(p.currentLevel);
    // The game screen holds it ready, as a fresh attempt.
    if (p.level) {
        objects().game.setLevel(p.level);
        objects().game.resetStartData(0);
    }
}

std::unique_ptr<TProfile> TProfileManager::_loadProfile(int n, const std::string& fallbackName) {
    auto p = std::make_unique<TProfile>();
    const std::string path = profilePath(n);
    if (FileType(path) == 1) p->readFrom(loadRCMFile(path));
    else Print("Profile file missing: " + path);
    if (p->name.empty()) p->name = savedProfileName(fallbackName);
    if (p->name.empty()) p->name = "Player " + std::to_string(n);
    // Missing (saved before bests were kept) or damaged: no bests yet.
    if (FileType(bestsPath(n)) == 1) p->bests.readFrom(loadRCMFile(bestsPath(n)));
    loadQuestLevel(*p);
    return p;
}

int TProfileManager::loadProfiles() {
    loaded = true;
    profilesList.clear();
    profile = nullptr;
    if (!canSave()) return 0;
    media::finishPendingWrites(journalPath());
    if (FileType(indexPath()) != 1) return 0;
    const Index index = readIndex(loadRCMFile(indexPath()));
    int count = index.count;
    if (!index.readable) {
        // A damaged index must not cost the players their profiles: take
        // the numbered files that are there.
        Print("The profile index is damaged; reading the profile files directly.");
        count = 0;
        while (count < kMaxProfiles && FileType(profilePath(count + 1)) == 1) ++count;
    }
    for (int n = 1; n <= count; ++n) {
        const std::string fallback = n <= int(index.names.size()) ? index.names[size_t(n - 1)] : std::string();
        profilesList.push_back(_loadProfile(n, fallback));
    }
    profile = index.readable ? getProfile(index.current) : nullptr;
    if (!index.readable && !profilesList.empty()) profile = profilesList.front().get();
    return 0;
}

int TProfileManager::saveProfile() {
    // Never before the files were read: an early save would replace them
    // with an empty list. With no save folder the player was told once.
    if (!loaded || !canSave()) return 0;
    // The folder may have been removed while the game ran.
    if (FileType(saveFolder) != 2) CreateDir(saveFolder, 1);
    std::vector<media::FileWrite> files;
    // Every profile's bests are written, even none, so the bests of a player
    // deleted from the end of the list never pass to the next one added.
    for (size_t i = 0; i < profilesList.size(); ++i) {
        files.push_back({profilePath(int(i) + 1), media::encodeText(profilesList[i]->fileText())});
        files.push_back({bestsPath(int(i) + 1), media::encodeText(profilesList[i]->bests.fileText())});
    }
    files.push_back({indexPath(), media::encodeText(indexText())});
    bool saved = media::writeFilesTogether(files, journalPath());
    for (const media::FileWrite& f : files)
        if (saved && FileSize(f.path) <= 0) saved = false;
    if (!saved) {
        noteUnsaved(objects().teksty.txtProfileNotSaved);
        return 0;
    }
    return 1;
}

int TProfileManager::setup() {
    gui = createGui(kLayout);
    return 0;
}

int TProfileManager::rowHeight() {
    SetImageFont(fonts.font_blueHigh26);
    return TextHeight("A");
}

int TProfileManager::update() {
    // The main menu's veil keeps clearing behind a list opened at once.
    objects().mainMenu._updateFade();
    const int chosen = clicked ? 1 : 0;
    for (const char* name : {"select", "rename", "delete"})
        if (TGuiObject* b = gui->getItem(name)) b->setState(1, chosen);
    if (TGuiObject* b = gui->getItem("cancel")) b->setState(1, profile ? 1 : 0);
    if (TGuiObject* b = gui->getItem("new")) b->setState(1, canAddProfile() ? 1 : 0);
    focus.update(focus.readKeys(), [this](std::vector<TFocusTarget>& rows) { focusRows(rows); });
    gui->update();

    const TMouse& mouse = objects().mouse;
    overed = nullptr;
    const int h = rowHeight();
    if (mouse.inRect(kListX, kListY, kListW, kFirstRowY - kListY + kMaxProfiles * h)) {
        for (size_t r = 0; r < profilesList.size(); ++r)
            if (mouse.inRect(kListX, kFirstRowY + int(r) * h, kListW - 1, h)) overed = profilesList[r].get();
    }
    if (overed && mouse.leftPressed) clicked = overed;
    updateParticles();
    return 0;
}

int TProfileManager::draw() {
    objects().mainMenu.draw();
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    SetBlend(ALPHABLEND);
    gui->draw();
    const int h = rowHeight();
    // While the keyboard focus shows, it alone marks a row, as a focused
    // button alone looks hovered.
    const int focused = focusedRow();
    const TProfile* pointed = focus.shown() ? nullptr : overed;
    for (size_t r = 0; r < profilesList.size(); ++r) {
        const TProfile* p = profilesList[r].get();
        const float x = float(400 - TextWidth(p->name) / 2), y = float(156 + int(r) * h);
        if (int(r) == focused) glow.aroundCaption(fonts.font_blueHigh26, p->name, 400, y + float(TextHeight("A") / 2));
        if (p == pointed) {
            SetColor(255, 255, 255);
            SetAlpha(0.3f);
            DrawRect(x - 25, y, float(TextWidth(p->name) + 50), float(h + 2));
        }
        SetColor(0, 0, 0);
        SetAlpha(0.6f);
        DrawText(p->name, x + 3, y + 3);
        SetAlpha(1);
        if (p == profile) {
            SetColor(200, 0, 200);
            drawOutline(p->name, x, y);
        }
        const int grey = p == clicked ? 255 : 200;
        SetColor(grey, grey, grey);
        DrawText(p->name, x, y);
    }
    SetColor(255, 255, 255);
    return 0;
}

void TProfileManager::focusRows(std::vector<TFocusTarget>& rows) const {
    const int h = rowHeight();
    for (size_t r = 0; r < profilesList.size(); ++r) {
        TFocusTarget row{int(r), {}};
        row.dim.x1 = kListX;
        row.dim.x2 = kListX + kListW;
        row.dim.y1 = kFirstRowY + int(r) * h;
        row.dim.y2 = row.dim.y1 + h;
        rows.push_back(row);
    }
}

int TProfileManager::focusedRow() const {
    const int r = focus.item();
    return r >= 0 && r < int(profilesList.size()) ? r : -1;
}

bool TProfileManager::react() {
    // Enter on a row picks it as a click does, and the focus goes on to
    // "select", so a second Enter selects the player.
    if (const int row = focusedRow(); row >= 0 && focus.itemPressed()) {
        clicked = profilesList[size_t(row)].get();
        focus.placeOnButton(0, "select");
    }
    // Without a current player there is nothing to go back to: one must be
    // selected (or made) first.
    const bool escape = KeyHit(KEY_ESCAPE) != 0;
    if (profile && (escape || gui->clickedItem("cancel"))) return true;
    if (gui->clickedItem("select") && clicked) {
        selectProfile();
        return true;
    }
    if (gui->clickedItem("delete")) deleteProfile();
    if (gui->clickedItem("rename")) renameProfile();
    if (gui->clickedItem("new")) newProfile();
    return false;
}

int TProfileManager::mainLoop() {
    clicked = profile;
    // The focus comes to the list on the current player's row.
    focus.setContainers(gui.get());
    focus.open();
    for (size_t r = 0; r < profilesList.size(); ++r)
        if (profilesList[r].get() == profile) focus.placeOnItem(int(r));
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    return 0;
}

void TProfileManager::selectProfile() { profile = clicked; }

void TProfileManager::deleteProfile() {
    if (!clicked) return;
    GameObjects& o = objects();
    if (o.yesOrNo.mainLoop(o.teksty.txtAreYouSure, this) != 1) return;
    removeProfile(clicked);
    clicked = nullptr;
    overed = nullptr;
}

void TProfileManager::renameProfile() {
    if (!clicked) return;
    const std::string name = getNameForProfile(this, clicked->name, clicked);
    if (name != "-1") changeName(*clicked, name);
}

void TProfileManager::newProfile() {
    if (TProfile* made = createNewProfile(nullptr)) clicked = made;
}

TProfile* TProfileManager::createNewProfile(TEkran* background) {
    objects().mainMenu.logo.start();
    const std::string name = getNameForProfile(background ? background : this, "");
    if (name == "-1") return nullptr;
    return addProfile(name);
}

std::string TProfileManager::getNameForProfile(TEkran* background, const std::string& text,
                                               const TProfile* renaming) {
    TProfileName& entry = objects().profileName;
    return entry.mainLoop(background, text, renaming) == 1 ? entry.wpis : "-1";
}
