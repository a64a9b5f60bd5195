// Vornell: a match-3 marble game.
#include "shell/game_objects.h"
#include "shell/media/graphics.h"
#include "shell/start.h"

int main() {
    SetAppTitle("Vornell");
    objects();
    runGame();
}
