#pragma once

#include <QVector>

// Smooth, tileable-enough value noise for the procedural skins. Deterministic
// for a given seed so that regenerating the pictures gives the same files.
class ValueNoise
{
public:
    explicit ValueNoise(unsigned seed);

    // Noise in 0..1 at (x, y); one lattice cell per unit.
    double at(double x, double y) const;

    // Fractal sum of `octaves` layers, each of double frequency and `gain` amplitude; 0..1.
    double fractal(double x, double y, int octaves, double gain = 0.5) const;

private:
    double lattice(int x, int y) const;

    QVector<double> values;
    QVector<int> permutation;
};
