// Pseudo-random numbers and value noise for the art. Integer arithmetic and
// exactly rounded double operations only, so every build draws the same art.
#pragma once
#include <cstdint>
#include <vector>

struct ArtRandom {
    uint64_t state;
};

ArtRandom art_random_seeded(uint64_t seed);
uint32_t art_random_next(ArtRandom* random);
// Uniform in [0, 1), a multiple of 2^-24.
double art_random_unit(ArtRandom* random);
// Uniform in [low, high).
double art_random_between(ArtRandom* random, double low, double high);
// Uniform in 0 .. count - 1; count > 0.
int art_random_below(ArtRandom* random, int count);

// Value noise: random values in [-1, 1] on a lattice of square cells,
// smoothly interpolated between, repeating every period_x by period_y pixels.
struct NoiseLayer {
    int cells_x, cells_y;
    double cell_size;
    double amplitude;
    std::vector<double> values;
};

// cell_size must divide both periods.
NoiseLayer make_noise_layer(ArtRandom* random, int period_x, int period_y, int cell_size,
                            double amplitude);

// The sum of the layers at a point given in pixels; any point, the layers repeat.
double noise_at(const std::vector<NoiseLayer>& layers, double x, double y);
