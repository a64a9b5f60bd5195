#pragma once
// The pop-up in which a player types a profile name, for a new profile and
// for renaming one: a panel with the prompt, the text entry "entry" and the
// buttons "ok" and "cancel" (data/gui_entry.gui). While there are no
// profiles at all it cannot be cancelled. A name another player already has
// (letter case ignored) is refused with a line saying so. A player with a
// gamepad types on letters shown under the panel.
#include <memory>
#include <string>

#include "gui/gui.h"
#include "gui/letter_pad.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TProfile;
class TTextEntry;

class TProfileName : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_entry.gui";

    std::unique_ptr<TGui> gui;
    TImagePtr panel;
    TTextEntry* entry = nullptr;  // added to gui by setup
    std::string wpis;             // the accepted name
    TEkran* ekran = nullptr;      // drawn behind the panel
    const TProfile* renaming = nullptr;  // its own name does not count as taken
    TLetterPad letters;          // shown while the gamepad is what the player uses
    bool lettersShown = false;
    bool lettersAccept = false;  // the letters' OK (or Start) pressed this frame

    TProfileName() { _myName = "Profile name"; }

    int setup() override;
    int update() override;
    int draw() override;

    // Asks for a name over `ekran`, starting from `text`; 1 when a name was
    // accepted (in wpis), 0 when cancelled.
    int mainLoop(TEkran* ekran, const std::string& text, const TProfile* renaming = nullptr);
    void open(TEkran* behind, const std::string& text, const TProfile* renamed);
    // One frame's clicks and keys: 1 accepted, 0 cancelled, -1 still asking.
    int react();
    // The typed name is one that may be given.
    bool acceptable() const;
    // Cancel and Escape work: there are players to pick instead.
    bool cancellable() const;
    // The typed name belongs to another player.
    bool taken() const;

private:
    // Forgets the characters typed so far and the hits of the keys typing
    // and answering use.
    static void dropTyping();
};
