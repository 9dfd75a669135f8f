#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A small random generator of our own (xoshiro256**), so that the sample data come
// out byte for byte the same for a seed on every machine and library version:
// the standard distributions are free to differ between implementations.
class SampleRandom {
public:
    // Streams with different keys are independent; the same seed and key give the same numbers.
    SampleRandom(std::uint64_t seed, std::uint64_t stream);

    std::uint64_t Next();
    double Uniform();      // [0, 1)
    int Below(int bound);  // [0, bound)
    bool Chance(double probability);
    double Normal(double mean, double deviation);
    int Poisson(double mean);

    template <typename T>
    void Shuffle(std::vector<T>& items)
    {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[Below(i + 1)]);
    }

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below(static_cast<int>(items.size()))];
    }

private:
    std::uint64_t state_[4];
};
