#include "draw/Random.h"

#include <vector>
#include <chrono>

namespace draw {

namespace {

// How much of the current state a re-seed carries over: 512 bits.
constexpr int CarriedWords = 8;

void appendWords(std::vector<std::uint32_t> &words, std::uint64_t value)
{
    words.push_back(std::uint32_t(value));
    words.push_back(std::uint32_t(value >> 32));
}

} // namespace

std::uint64_t ClockMixedRandom::steadyClockTicks()
{
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

ClockMixedRandom::ClockMixedRandom(Clock clock) : clock(std::move(clock))
{
    std::random_device entropy;
    std::vector<std::uint32_t> words;
    for (int i = 0; i < 2 * CarriedWords; ++i)
        words.push_back(entropy());
    appendWords(words, this->clock());
    std::seed_seq seed(words.begin(), words.end());
    engine.seed(seed);
}

ClockMixedRandom::ClockMixedRandom(std::uint64_t seed, Clock clock) : clock(std::move(clock)), engine(seed) {}

void ClockMixedRandom::reseed()
{
    std::vector<std::uint32_t> words;
    for (int i = 0; i < CarriedWords; ++i)
        appendWords(words, engine());
    appendWords(words, clock());
    std::seed_seq seed(words.begin(), words.end());
    engine.seed(seed);
}

double ClockMixedRandom::next()
{
    // The top 53 bits, as many as a double holds: never 1.
    return double(engine() >> 11) * 0x1.0p-53;
}

} // namespace draw
