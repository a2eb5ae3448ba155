// Random numbers as the game draws them: uniform single-precision values in [0, 1).
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>
#include <random>

class Random {
public:
    Random();

    // The next value in [0, 1); never 1.0.
    float Rnd();

    // Reseeds from the time of day, or from the seed held; the table does this once per run.
    void Randomize();
    // What Randomize() seeds with from now on, so that the numbers a test does not script are the
    // same in every run.
    void HoldSeed(std::uint32_t seed) { heldSeed_ = seed; }

    // A fixed seed, for reproducible sequences.
    void Seed(std::uint32_t seed);

    // The given values come out of Rnd() first, in this order, before the generator is asked again.
    void Script(std::initializer_list<float> values);
    void Script(float value) { Script({ value }); }
    std::size_t ScriptedLeft() const { return scripted_.size(); }

private:
    std::mt19937 generator_;
    std::deque<float> scripted_;
    std::optional<std::uint32_t> heldSeed_;
};
