#include "datafiles/teksty.h"

void TTeksty::setup() {
    fill(loadTxtFile(kPath));
}

void TTeksty::fill(const TTxtFile& file) {
    auto line = [&file](int n) { return getTxtLine(file, n); };
    txtAreYouSure = line(1);
    for (int i = 0; i < 10; ++i) txtPomoc[size_t(i)] = line(2 + i);
    txtPomoc[10].clear();
    txtPomoc[11].clear();
    txtPuzzli = line(12);
    txtCzas = line(13);
    txtPunkty = line(14);
    txtKlikniecia = line(15);
    txtGorujBron = line(16);
    txtCel = line(17);
    txtOgnia = line(18);
    txtButelki = line(19);
    txtTrafienia = line(20);
    txtPudla = line(21);
    txtSkutecznosc = line(22);
    txtAmunicja = line(23);
    txtKapsle = line(24);
    txtPrzeladuj = line(25);
    txtKliknijPrawy = line(26);
    txtZostaloButelek = line(27);
    for (size_t i = 0; i < txtTRYBNormal.size(); ++i) txtTRYBNormal[i] = line(28 + int(i));
    for (size_t i = 0; i < txtTRYBZmienny.size(); ++i) txtTRYBZmienny[i] = line(33 + int(i));
    for (size_t i = 0; i < txtTRYBPodwojny.size(); ++i) txtTRYBPodwojny[i] = line(36 + int(i));
    for (size_t i = 0; i < txtTRYBStrategiczny.size(); ++i) txtTRYBStrategiczny[i] = line(40 + int(i));
    txtPuzzle = line(43);
    _txtTrybNormal = line(44);
    _txtTrybChange = line(47);
    _txtTrybTwo = line(45);
    _txtTrybStrategy = line(46);
    _txtTrybPuzzle = line(48);
    txtCzyNaPewno = line(49);
    txtIleBalonow = line(50);
    txtJakieBonusy = line(51);
    txtDimensions = line(52);
    txtMColors = line(53);
    txtMBonus = line(54);
    txtLevelType = line(55);
    txtLevelSpeed = line(56);
    txtShopTitle = line(57);
    txtBonuses = line(58);
    txtPlayerBonuses = line(59);
    txtColourBonus = line(60);
    txtBombBonus = line(61);
    txtChangeBonus = line(62);
    txtLineBonus = line(63);
    txtKupno1 = line(64);
    txtKupno2 = line(65);
    txtNormal = line(66);
    txtTwo = line(66);
    txtYouLost = line(67);
    txtNoMatch = line(68);
    txtProfileName = line(69);
    txtSoundVolume = line(70);
    txtMusicVolume = line(71);
    for (int i = 0; i < 10; ++i) {
        txtPomocKeys[size_t(i)] = line(73 + i);
        txtPomocPad[size_t(i)] = line(83 + i);
    }
    txtReloadKeys = line(93);
    txtReloadPad = line(94);
    txtHello = line(72);
    txtSettings = line(95);
    txtFullscreen = line(96);
    txtSettingsNotSaved = line(97);
    txtProfileNotSaved = line(98);
    txtMapTitle = line(99);
    txtYouAreHere = line(100);
    txtMapLevel = line(101);
    txtBestScore = line(102);
    txtFastestWin = line(103);
    txtTries = line(104);
    txtNewBest = line(105);
    txtHudLevel = line(106);
    txtLinesLeft = line(107);
    txtSteps = line(108);
    txtContinueKeys = line(109);
    txtContinuePad = line(110);
    txtContinueClick = line(111);
    txtPuzzleTitle = line(112);
    txtNameTaken = line(113);
    txtFreePlayTitle = line(114);
    txtPadSpace = line(115);
    txtPadErase = line(116);
    txtLanguageName = line(kLanguageNameLine);
    txtResultDiamonds = line(118);
    txtMatches = line(119);
    txtBiggestMatch = line(120);
    txtScore = line(121);
    txtTotalScore = line(122);
}

std::string TTeksty::languageNameIn(const std::string& path) {
    return getTxtLine(loadTxtFile(path), kLanguageNameLine);
}
