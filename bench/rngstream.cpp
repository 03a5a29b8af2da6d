// Writes the board draws' generator output to standard output as raw 32-bit
// words, for an outside test suite to judge, e.g.
//   build/bench/rngstream | dieharder -a -g 200
// Each word is the top 32 bits of one value in [0, 1), exactly as the draws
// read them. By default the generator is never re-seeded: its own stream,
// fast enough for a whole dieharder run. --reseed-every 6 re-seeds before
// every six values, as the board draws do, at about 2 MB/s. --seed N repeats
// a run: the generator starts from N, and each re-seed reads a clock that
// counts 0, 1, 2, ... in place of the real one.
// Writes until the reader closes the pipe, or --words N.
#include "draw/Random.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: rngstream [--reseed-every N] [--words N] [--seed N]\n");
    return 2;
}

bool readCount(const char *text, std::uint64_t &value)
{
    char *end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && text[0] != '-';
}

} // namespace

int main(int argc, char *argv[])
{
    std::uint64_t reseedEvery = 0; // 0: never
    std::uint64_t words = 0; // 0: no end
    std::uint64_t seed = 0;
    bool seeded = false;
    for (int i = 1; i < argc; ++i) {
        std::uint64_t *target = nullptr;
        if (std::strcmp(argv[i], "--reseed-every") == 0)
            target = &reseedEvery;
        else if (std::strcmp(argv[i], "--words") == 0)
            target = &words;
        else if (std::strcmp(argv[i], "--seed") == 0)
            target = &seed, seeded = true;
        if (!target || i + 1 == argc || !readCount(argv[++i], *target))
            return usage();
    }

    // A reader that has seen enough closes the pipe; that ends the stream,
    // not an error.
    std::signal(SIGPIPE, SIG_DFL);
    // A seeded run re-seeds from a counting clock, not the real one, so that
    // it repeats to the byte, re-seeds and all.
    std::uint64_t ticks = 0;
    draw::ClockMixedRandom random = seeded
        ? draw::ClockMixedRandom(seed, [&ticks] { return ticks++; })
        : draw::ClockMixedRandom();

    std::vector<std::uint32_t> buffer(1 << 16);
    std::uint64_t written = 0;
    while (words == 0 || written < words) {
        std::size_t n = 0;
        for (; n < buffer.size() && (words == 0 || written + n < words); ++n) {
            if (reseedEvery && (written + n) % reseedEvery == 0)
                random.reseed();
            // Exact: a value is k / 2^53 with k < 2^53, so this is k >> 21.
            buffer[n] = std::uint32_t(std::ldexp(random.next(), 32));
        }
        if (std::fwrite(buffer.data(), sizeof buffer[0], n, stdout) != n)
            return 1;
        written += n;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
