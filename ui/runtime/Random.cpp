#include "ui/runtime/Random.h"

#include <cassert>
#include <chrono>

Random::Random()
    : generator_(0x1ca)
{
}

float Random::Rnd()
{
    if (!scripted_.empty()) {
        const float value = scripted_.front();
        scripted_.pop_front();
        return value;
    }
    // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24, never 1.0.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

void Random::Randomize()
{
    if (heldSeed_)
        return Seed(*heldSeed_);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void Random::Seed(std::uint32_t seed)
{
    generator_.seed(seed);
}

void Random::Script(std::initializer_list<float> values)
{
    for (const float value : values) {
        assert(value >= 0.0f && value < 1.0f);
        scripted_.push_back(value);
    }
}
