#pragma once
// The game screen's pictures: the board's glass, the waiting rows' wells and
// the time bar, the HUD's side panels and menu button, the lost pop-up.
namespace game_pictures {
void generate();
}
