#pragma once

namespace puzzle_pictures {
// The picture puzzle's screen (panel, backdrop, menu button) and the quest's
// four puzzle pictures.
void generate();
}  // namespace puzzle_pictures
