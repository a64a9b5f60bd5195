#pragma once

namespace freeplay_pictures {
// The free-play set-up's panel, tab pages, slider knob, preview frame and
// small buttons.
void generate();
}  // namespace freeplay_pictures
