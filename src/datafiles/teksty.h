#pragma once
// The table of UI texts: every caption, message and help page the screens
// show, filled once at start-up from "data/teksty.txt" (one text a line).
#include <array>
#include <string>

#include "datafiles/txt_file.h"

class TTeksty {
public:
    static constexpr const char* kPath = "data/teksty.txt";
    // The line naming the table's language in itself ("Deutsch").
    static constexpr int kLanguageNameLine = 117;
    // How many lines the table has.
    static constexpr int kLines = 122;

    std::string txtAreYouSure;                // 1: deleting a profile
    std::array<std::string, 12> txtPomoc;     // 2-11: help pages 0 to 9 (10, 11 stay empty)
    std::string txtPuzzli;                    // 12-15: puzzle results
    std::string txtCzas;
    std::string txtPunkty;                    // 14: also the shooting results
    std::string txtKlikniecia;
    std::string txtGorujBron;                 // 16-18: the shooting countdown
    std::string txtCel;
    std::string txtOgnia;
    std::string txtButelki;                   // 19-24: shooting results
    std::string txtTrafienia;
    std::string txtPudla;
    std::string txtSkutecznosc;
    std::string txtAmunicja;
    std::string txtKapsle;
    std::string txtPrzeladuj;                 // 25-26: reload hint
    std::string txtKliknijPrawy;
    std::string txtZostaloButelek;            // 27: balloons left
    std::array<std::string, 5> txtTRYBNormal;        // 28-32: level intros by mode
    std::array<std::string, 3> txtTRYBZmienny;       // 33-35
    std::array<std::string, 4> txtTRYBPodwojny;      // 36-39
    std::array<std::string, 3> txtTRYBStrategiczny;  // 40-42
    std::string txtPuzzle;                    // 43
    std::string _txtTrybNormal;               // 44-48: mode names in free play
    std::string _txtTrybTwo;
    std::string _txtTrybStrategy;
    std::string _txtTrybChange;
    std::string _txtTrybPuzzle;
    std::string txtCzyNaPewno;                // 49: leaving a level for the menu
    std::string txtIleBalonow;                // 50-56: free play set-up
    std::string txtJakieBonusy;
    std::string txtDimensions;
    std::string txtMColors;
    std::string txtMBonus;
    std::string txtLevelType;
    std::string txtLevelSpeed;
    std::string txtShopTitle;                // 57-65: bonus shop
    std::string txtBonuses;
    std::string txtPlayerBonuses;
    std::string txtColourBonus;
    std::string txtBombBonus;
    std::string txtChangeBonus;
    std::string txtLineBonus;
    std::string txtKupno1;
    std::string txtKupno2;
    std::string txtNormal;                    // 66-68: lost pop-up
    std::string txtTwo;                       // 66 as well
    std::string txtYouLost;
    std::string txtNoMatch;
    std::string txtProfileName;               // 69: name entry
    std::string txtSoundVolume;               // 70-71: settings
    std::string txtMusicVolume;
    // 73-82 and 83-92: the help pages again, naming the keys and the
    // gamepad's buttons for a player who plays with them.
    std::array<std::string, 10> txtPomocKeys;
    std::array<std::string, 10> txtPomocPad;
    std::string txtReloadKeys;                // 93-94: the reload hint's second line
    std::string txtReloadPad;
    std::string txtHello;                     // 72: before the player's name in the main menu
    std::string txtSettings;                  // 95-96: the settings pop-up
    std::string txtFullscreen;
    std::string txtSettingsNotSaved;          // 97-98: saves that could not be written
    std::string txtProfileNotSaved;
    std::string txtMapTitle;                  // 99-104: the quest map and its bests card
    std::string txtYouAreHere;
    std::string txtMapLevel;
    std::string txtBestScore;
    std::string txtFastestWin;
    std::string txtTries;
    std::string txtNewBest;                   // 105: the results
    std::string txtHudLevel;                  // 106-108: the board's HUD
    std::string txtLinesLeft;
    std::string txtSteps;
    std::string txtContinueKeys;              // 109-111: under the results
    std::string txtContinuePad;
    std::string txtContinueClick;
    std::string txtPuzzleTitle;               // 112: the picture puzzle
    std::string txtNameTaken;                 // 113: the name entry
    std::string txtFreePlayTitle;             // 114
    std::string txtPadSpace;                  // 115-116: the letter pad's keys
    std::string txtPadErase;
    std::string txtLanguageName;              // 117: the table's language, in itself
    std::string txtResultDiamonds;            // 118-122: a board's results (13 and 108 too)
    std::string txtMatches;
    std::string txtBiggestMatch;
    std::string txtScore;
    std::string txtTotalScore;

    // Fills the table from kPath (the language in use's, when it has one).
    void setup();
    // The language name line of the table at that path.
    static std::string languageNameIn(const std::string& path);
    // Fills the table from lines already read.
    void fill(const TTxtFile& file);
};
