#pragma once

namespace shooting_pictures {
// The shooting gallery's balloons, crate, guns, darts, crate banners and panel.
void generate();
}  // namespace shooting_pictures
