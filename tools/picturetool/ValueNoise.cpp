#include "ValueNoise.h"

#include <cmath>

namespace {
constexpr int tableSize = 256;

double smooth(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// A small linear congruential generator keeps the tables independent of the C library.
unsigned nextRandom(unsigned &state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}
} // namespace

ValueNoise::ValueNoise(unsigned seed) : values(tableSize), permutation(tableSize * 2)
{
    unsigned state = seed * 2654435761u + 1u;
    for (int i = 0; i < tableSize; ++i)
        values[i] = (nextRandom(state) & 0xFFFF) / 65535.0;
    QVector<int> order(tableSize);
    for (int i = 0; i < tableSize; ++i)
        order[i] = i;
    for (int i = tableSize - 1; i > 0; --i)
        std::swap(order[i], order[int(nextRandom(state) % unsigned(i + 1))]);
    for (int i = 0; i < tableSize * 2; ++i)
        permutation[i] = order[i % tableSize];
}

double ValueNoise::lattice(int x, int y) const
{
    const int ix = x & (tableSize - 1);
    const int iy = y & (tableSize - 1);
    return values[permutation[permutation[ix] + iy]];
}

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = int(fx);
    const int y0 = int(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * tx;
    const double b = lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * tx;
    return a + (b - a) * ty;
}

double ValueNoise::fractal(double x, double y, int octaves, double gain) const
{
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += at(x, y) * amplitude;
        total += amplitude;
        amplitude *= gain;
        x = x * 2.0 + 17.3;
        y = y * 2.0 + 5.1;
    }
    return sum / total;
}
