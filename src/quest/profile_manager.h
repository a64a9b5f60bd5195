#pragma once
// The players' profiles and the current one.
#include <memory>

#include "quest/profile.h"
#include "shell/ekran.h"

class TProfileManager : public TEkran {
public:
    std::unique_ptr<TProfile> profile;  // the current profile, none before one is chosen

    TProfileManager() { _myName = "Profile manager"; }
};
