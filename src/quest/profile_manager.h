#pragma once
// The players' profiles, the current one, and their save files: the index
// profiles.dat and one profile<n>.dat per profile, numbered by list position,
// each with its personal bests in bests<n>.dat.
//
//   profile {
//   	 i = 2
//   	 profile1 = "Ada"
//   	 profile2 = "Bob"
//   	 akt = "Bob"
//   }
//
// The whole set is replaced as one on every save, so a crash while saving
// leaves either the old set or the new one.
//
// Its screen, opened from the main menu, lists the players over the menu; the
// buttons of data/gui_profile.gui ("select", "rename", "delete", "new",
// "cancel") act on the player clicked in the list. The keyboard focus goes
// over the rows and the buttons; Enter on a row picks it as a click does and
// takes the focus to "select".
#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "players/profile.h"
#include "quest/screen_focus.h"
#include "shell/ekran.h"

class TRCMFile;

class TProfileManager : public TEkran {
public:
    static constexpr int kMaxProfiles = 9;
    static constexpr const char* kLayout = "data/gui_profile.gui";
    // The list: the area the pointer picks rows in (down to the ninth row)
    // and where rows start.
    static constexpr int kListX = 215, kListY = 129, kListW = 366;
    static constexpr int kFirstRowY = 155;

    // All profiles in save order; position + 1 is the number in the file name.
    std::vector<std::unique_ptr<TProfile>> profilesList;
    // The current profile, one of the list; none before one is chosen.
    TProfile* profile = nullptr;
    // Set once the profiles were read: only then may saving replace the files.
    bool loaded = false;

    std::unique_ptr<TGui> gui;
    // The row under the pointer this frame, and the one the buttons act on.
    TProfile* overed = nullptr;
    TProfile* clicked = nullptr;
    // The keyboard focus over the rows (item r: row r) and the buttons.
    TScreenFocus focus;
    TFocusGlow glow;

    TProfileManager() { _myName = "Profile manager"; }

    int setup() override;
    int update() override;
    int draw() override;

    // The screen, until the player leaves it (leaving saves nothing). With
    // no current player it is left only by selecting one.
    int mainLoop();
    // One frame's clicks and keys; true when the screen is left.
    bool react();
    // The buttons.
    void selectProfile();
    void deleteProfile();
    void renameProfile();
    void newProfile();
    // Asks for a name over `background` (the manager when none) and adds a
    // profile that becomes the current one; none when the player cancels.
    TProfile* createNewProfile(TEkran* background);
    // The name entered over `background`, or "-1" when cancelled.
    std::string getNameForProfile(TEkran* background, const std::string& text,
                                  const TProfile* renaming = nullptr);
    // The height of one row of the list.
    static int rowHeight();
    // The rows as the keyboard focus's items, each numbered by its place.
    void focusRows(std::vector<TFocusTarget>& rows) const;
    // The row with the shown keyboard focus, or -1.
    int focusedRow() const;

    // Reads the index and every profile file, finishing first a save that a
    // crash interrupted. No index: no profiles.
    int loadProfiles();
    // Writes the index and every profile file; 1 when saved. A failure is
    // reported and the previous files stay.
    int saveProfile();
    // The current player's bests while a quest level is played; none in
    // free play or with no player.
    TBests* questBests(const TLevel* level) const;
    // The first profile with that name (letter case ignored), or none.
    TProfile* getProfile(const std::string& name) const;

    // Why a name cannot be given to a profile.
    enum class NameProblem { None, Empty, Taken };
    // "" and "-1" are no names; a name another profile has (letter case
    // ignored) is taken. `renaming` is the profile being renamed, whose own
    // name does not count.
    NameProblem checkName(const std::string& name, const TProfile* renaming = nullptr) const;
    bool canAddProfile() const { return profilesList.size() < size_t(kMaxProfiles); }
    // A new profile that becomes the current one; none when the list is full
    // or the name cannot be given.
    TProfile* addProfile(const std::string& name);
    // False (and no change) when the name cannot be given.
    bool changeName(TProfile& p, const std::string& name);
    // Takes the profile off the list; the current profile becomes none when
    // it was that one. Its file stays until the next save renumbers the rest.
    void removeProfile(const TProfile* p);

    // The save texts.
    std::string indexText() const;
    // What an index file says: how many profiles, their names, the current one.
    struct Index {
        bool readable = false;  // the file parsed into groups
        int count = 0;
        std::vector<std::string> names;
        std::string current;
    };
    static Index readIndex(const TRCMFile& file);

    // Hands the profile the board of its quest level, when that level exists,
    // and the game screen that level (also after a free game, which borrowed
    // the profile's level).
    void loadQuestLevel(TProfile& p);

    static std::string indexPath();
    static std::string profilePath(int n);
    static std::string bestsPath(int n);
    static std::string journalPath();

private:
    // Profile file n; when it is missing or damaged the profile keeps its
    // defaults and takes `fallbackName`.
    std::unique_ptr<TProfile> _loadProfile(int n, const std::string& fallbackName);
};
