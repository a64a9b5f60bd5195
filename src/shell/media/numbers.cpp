#include "shell/media/numbers.h"

#include <cmath>

float Sin(float degrees) { return float(std::sin(double(degrees) * M_PI / 180.0)); }
float Cos(float degrees) { return float(std::cos(double(degrees) * M_PI / 180.0)); }
