#pragma once
// Particles, flying diamonds, clouds and the other effect sprites.
namespace particles {
void generate();
}
