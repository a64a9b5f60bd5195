#include "shell/ekran.h"

#include "shell/game_objects.h"

int TEkran::setup() {
    setupObject();
    objects().loadingScreen.addField(_myName);
    return 0;
}
