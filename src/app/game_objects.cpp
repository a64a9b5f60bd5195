#include "app/game_objects.h"

#include <memory>

GameObjects& objects() {
    // Lives until the process ends; the game leaves through exit().
    static const std::unique_ptr<GameObjects> all = std::make_unique<GameObjects>();
    return *all;
}
