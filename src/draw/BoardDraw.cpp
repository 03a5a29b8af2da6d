#include "draw/BoardDraw.h"

#include "draw/Random.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace draw {

void DrawBoard(const Game &game, BoardNumbers &numbers, RandomSource &random)
{
    random.reseed();
    for (int p = 1; p <= game.mainNumbers; ++p)
        DrawNumber(numbers, p, HighestBall, random);
    if (game.hasPowerball())
        DrawNumber(numbers, BallsPerBoard, game.powerballHighest, random);
    SortBoardNumbers(numbers, game.mainNumbers);
    FixAdjacentDuplicates(numbers, game.mainNumbers, random);
    SortBoardNumbers(numbers, game.mainNumbers);
}

void DrawNumber(BoardNumbers &numbers, int position, int n, RandomSource &random)
{
    numbers[position] = std::int16_t(std::floor(random.next() * n) + 1);
}

void SortBoardNumbers(BoardNumbers &numbers, int k)
{
    for (int i = 1; i <= k; ++i)
        for (int j = i; j <= k; ++j)
            if (numbers[i] > numbers[j])
                std::swap(numbers[i], numbers[j]);
}

void FixAdjacentDuplicates(BoardNumbers &numbers, int k, RandomSource &random)
{
    const auto first = numbers.begin() + 1;
    const auto end = numbers.begin() + k + 1;
    auto equalsAnother = [&](int p) {
        return std::count(first, end, numbers[p]) > 1;
    };
    for (int p = 2; p <= k; ++p) {
        if (std::find(first, first + (p - 1), numbers[p]) == first + (p - 1))
            continue;
        do
            DrawNumber(numbers, p, HighestBall, random);
        while (equalsAnother(p));
    }
}

} // namespace draw
