#include "noise.h"

#include <cstddef>

namespace {

// 3t^2 - 2t^3: no kinks at the lattice lines.
double smooth_step(double t) { return t * t * (3.0 - 2.0 * t); }

int wrap_index(long long index, int count)
{
    long long wrapped = index % count;
    return static_cast<int>(wrapped < 0 ? wrapped + count : wrapped);
}

// Floor for the coordinates the art uses, without the C library.
long long floor_of(double value)
{
    long long truncated = static_cast<long long>(value);
    return static_cast<double>(truncated) > value ? truncated - 1 : truncated;
}

double layer_at(const NoiseLayer& layer, double x, double y)
{
    double u = x / layer.cell_size, v = y / layer.cell_size;
    long long column = floor_of(u), row = floor_of(v);
    double fx = smooth_step(u - static_cast<double>(column));
    double fy = smooth_step(v - static_cast<double>(row));
    int x0 = wrap_index(column, layer.cells_x), x1 = wrap_index(column + 1, layer.cells_x);
    int y0 = wrap_index(row, layer.cells_y), y1 = wrap_index(row + 1, layer.cells_y);
    const double* values = layer.values.data();
    double top =
        values[y0 * layer.cells_x + x0] * (1.0 - fx) + values[y0 * layer.cells_x + x1] * fx;
    double bottom =
        values[y1 * layer.cells_x + x0] * (1.0 - fx) + values[y1 * layer.cells_x + x1] * fx;
    return layer.amplitude * (top * (1.0 - fy) + bottom * fy);
}

} // namespace

ArtRandom art_random_seeded(uint64_t seed)
{
    ArtRandom random = {seed};
    return random;
}

// SplitMix64, the upper half of each output.
uint32_t art_random_next(ArtRandom* random)
{
    uint64_t z = (random->state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<uint32_t>(z >> 32);
}

double art_random_unit(ArtRandom* random)
{
    return static_cast<double>(art_random_next(random) >> 8) / 16777216.0;
}

double art_random_between(ArtRandom* random, double low, double high)
{
    return low + (high - low) * art_random_unit(random);
}

int art_random_below(ArtRandom* random, int count)
{
    return static_cast<int>((static_cast<uint64_t>(art_random_next(random)) * count) >> 32);
}

NoiseLayer make_noise_layer(ArtRandom* random, int period_x, int period_y, int cell_size,
                            double amplitude)
{
    NoiseLayer layer;
    layer.cells_x = period_x / cell_size;
    layer.cells_y = period_y / cell_size;
    layer.cell_size = cell_size;
    layer.amplitude = amplitude;
    layer.values.resize(static_cast<size_t>(layer.cells_x) * layer.cells_y);
    for (double& value : layer.values)
        value = art_random_between(random, -1.0, 1.0);
    return layer;
}

double noise_at(const std::vector<NoiseLayer>& layers, double x, double y)
{
    double sum = 0.0;
    for (const NoiseLayer& layer : layers)
        sum += layer_at(layer, x, y);
    return sum;
}
