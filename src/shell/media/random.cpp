#include "shell/media/random.h"

#include <cmath>
#include <cstdint>

#include "shell/media/replay.h"

namespace {

constexpr int64_t kModulus = 2147483647;  // 2^31 - 1
constexpr int64_t kMultiplier = 48271;
int64_t state = 0x1234;

// Next value of the sequence as a double in [0, 1).
double next() {
    state = (state * kMultiplier) % kModulus;
    return double(state - 1) / double(kModulus - 1);
}

}  // namespace

void SeedRnd(int seed) {
    seed = media::replay::seed(seed);
    state = int64_t(uint32_t(seed) & 0x7FFFFFFFu);
    if (state == 0 || state == kModulus) state = 0x1234;
}

int Rand(int a, int b) {
    if (b < a) std::swap(a, b);
    int64_t range = int64_t(b) - a + 1;
    return int(a + int64_t(next() * double(range)));
}

float Rnd(float a, float b) {
    float r = float(a + next() * (double(b) - a));
    // Rounding to float may land on the upper bound; it is never returned.
    if (a < b && r >= b) r = std::nextafter(b, a);
    if (a > b && r <= b) r = std::nextafter(b, a);
    return r;
}
