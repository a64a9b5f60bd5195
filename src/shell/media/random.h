#pragma once

// One shared pseudo-random sequence (Park-Miller minimal standard, 48271).
void SeedRnd(int seed);
// Integer uniformly over the closed range between a and b, in either order.
int Rand(int a, int b);
// Float in [a, b).
float Rnd(float a = 0.0f, float b = 1.0f);
