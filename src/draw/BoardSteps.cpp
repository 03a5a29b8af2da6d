#include "draw/BoardSteps.h"

#include "draw/BoardView.h"
#include "draw/Random.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace draw {

void DrawNumber(BoardNumbers &numbers, int position, int n)
{
    numbers[position] = std::int16_t(std::floor(randomSource().next() * n) + 1);
}

void SortBoardNumbers(BoardNumbers &numbers, int k)
{
    for (int i = 1; i <= k; ++i)
        for (int j = i; j <= k; ++j)
            if (numbers[i] > numbers[j])
                std::swap(numbers[i], numbers[j]);
}

void FixAdjacentDuplicates(BoardNumbers &numbers, int k)
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
            DrawNumber(numbers, p, HighestBall);
        while (equalsAnother(p));
    }
}

QStringList ShowBallPictures(const BoardNumbers &numbers, BoardView &view, int sixthHighest)
{
    QStringList failed;
    for (int p = 1; p <= BallsPerBoard; ++p) {
        const int n = numbers[p];
        const int highest = p == BallsPerBoard ? sixthHighest : HighestBall;
        if (n < 1 || n > highest)
            continue;
        const QString path = ballPicturePath(n);
        // Read from the file each time: nothing comes from a pixmap cache.
        const QImage picture = loadBallPicture(path);
        if (picture.isNull()) {
            view.showBallNumber(p, n);
            failed << path;
        } else {
            view.showBallPicture(p, picture, path);
        }
    }
    return failed;
}

} // namespace draw
