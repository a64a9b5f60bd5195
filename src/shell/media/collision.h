#pragma once
// Pixel-exact collisions between image quads placed as DrawImage would place
// them, kept in 32 layers selected by bit masks.
#include <cstdint>
#include <vector>

#include "shell/media/image.h"

// Empties the layers in the mask; 0 empties all of them.
void ResetCollisions(uint32_t mask = 0);
// The ids of the stored quads in the collide-mask layers that overlap this one
// in at least one pair of pixels that are not fully transparent; then stores
// this quad with `id` in the write-mask layers.
std::vector<int> CollideImage(const TImagePtr& image, float x, float y, int frame,
                              uint32_t collideMask, uint32_t writeMask, int id = 0);
