#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace draw {

// The random sequence a board draw reads. A test hands the draw a source of
// its own to decide every number of a board in advance.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Called at the start of every board draw.
    virtual void reseed() = 0;
    // The next value, uniform in [0, 1).
    virtual double next() = 0;
};

// The program's generator: a 64-bit Mersenne Twister. A re-seed takes words
// of the current state together with a clock reading, so the sequence goes
// on from where it was instead of starting over from the clock: boards drawn
// within one tick of the clock still differ.
class ClockMixedRandom final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    // A reading of the steady clock, in its own ticks.
    static std::uint64_t steadyClockTicks();

    // Seeded from the system's entropy source and the clock.
    explicit ClockMixedRandom(Clock clock = steadyClockTicks);
    // Seeded from seed alone, so a test can repeat a run.
    ClockMixedRandom(std::uint64_t seed, Clock clock);

    void reseed() override;
    double next() override;

private:
    Clock clock;
    std::mt19937_64 engine;
};

} // namespace draw
