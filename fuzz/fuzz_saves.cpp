// The save files (profiles.dat, profile<n>.dat, bests<n>.dat, settings.dat): any bytes must
// read without a crash into values inside their ranges, and whatever a
// profile read holds must be written and read back unchanged.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "datafiles/rcm_file.h"
#include "menus/settings.h"
#include "quest/profile_manager.h"
#include "shell/media/files.h"

namespace {
void check(bool ok) {
    if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TRCMFile file;
    file.readText(media::decodeText(std::vector<uint8_t>(data, data + size)));

    const TProfileManager::Index index = TProfileManager::readIndex(file);
    check(index.count >= 0 && index.count <= TProfileManager::kMaxProfiles);
    check(index.names.size() == size_t(index.count));

    TProfile p;
    p.readFrom(file);
    check(p.currentLevel >= 0 && p.score >= 0 && p.kapsle >= 0);
    for (int b : p.bonus) check(b >= 0 && b <= TProfile::kMaxBonusItems);
    for (int h : p.hint) check(h == 0 || h == 1);
    check(media::fromUtf8(p.name).size() <= size_t(TProfile::kMaxNameLength));
    // What was read is written and read back exactly.
    TRCMFile again;
    again.readText(media::decodeText(media::encodeText(p.fileText())));
    TProfile back;
    back.readFrom(again);
    check(back.name == p.name && back.currentLevel == p.currentLevel && back.score == p.score && back.kapsle == p.kapsle);
    check(back.bonus == p.bonus);
    for (int i = 0; i < TProfile::kSavedHints; ++i) check(back.hint[size_t(i)] == p.hint[size_t(i)]);

    TBests bests;
    bests.readFrom(file);
    TRCMFile bestsAgain;
    bestsAgain.readText(media::decodeText(media::encodeText(bests.fileText())));
    TBests bestsBack;
    bestsBack.readFrom(bestsAgain);
    check(bestsBack.fileText() == bests.fileText());

    TSettings s;
    s.readFrom(file);
    check(s.soundVol >= 0 && s.soundVol <= 1 && s.musicVol >= 0 && s.musicVol <= 1);
    check(s.hz >= 30 && s.hz <= 240);
    check((s.fullScreen == 0 || s.fullScreen == 1) && (s.mouseIsShowed == 0 || s.mouseIsShowed == 1));
    TRCMFile settingsAgain;
    settingsAgain.readText(s.getSettingsString());
    TSettings s2;
    s2.readFrom(settingsAgain);
    check(s2.soundVol == s.soundVol && s2.musicVol == s.musicVol && s2.hz == s.hz);
    return 0;
}
