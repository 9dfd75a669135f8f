#include "sampledata/samplerandom.h"

#include <cmath>

namespace {

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

constexpr double TwoPi = 6.283185307179586;

}  // namespace

SampleRandom::SampleRandom(std::uint64_t seed, std::uint64_t stream)
{
    std::uint64_t mix = seed;
    mix ^= SplitMix(stream);
    for (std::uint64_t& word : state_)
        word = SplitMix(mix);
}

std::uint64_t SampleRandom::Next()
{
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

double SampleRandom::Uniform()
{
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int SampleRandom::Below(int bound)
{
    return bound <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(bound));
}

bool SampleRandom::Chance(double probability)
{
    return Uniform() < probability;
}

double SampleRandom::Normal(double mean, double deviation)
{
    const double u1 = 1.0 - Uniform();  // never 0, so the logarithm is finite
    const double u2 = Uniform();
    return mean + deviation * std::sqrt(-2.0 * std::log(u1)) * std::cos(TwoPi * u2);
}

int SampleRandom::Poisson(double mean)
{
    // Counting uniform draws is exact and fast for the small means of football scores.
    const double limit = std::exp(-mean);
    int count = 0;
    double product = Uniform();
    while (product > limit) {
        ++count;
        product *= Uniform();
    }
    return count;
}
