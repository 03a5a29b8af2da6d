#include "draw/BallPictures.h"

#include <array>

namespace draw {

namespace {
// One fixed text per ball: nothing is composed while a board is shown.
// "/" is the separator Qt understands on every platform, Windows included.
const std::array<QString, HighestBall> &pathTable()
{
    static const std::array<QString, HighestBall> table = [] {
        std::array<QString, HighestBall> paths;
        for (int n = 1; n <= HighestBall; ++n)
            paths[n - 1] = QStringLiteral("Numbers/ball_%1.gif").arg(n);
        return paths;
    }();
    return table;
}
} // namespace

QString ballPicturePath(int n)
{
    if (n < 1 || n > HighestBall)
        return {};
    return pathTable()[n - 1];
}

} // namespace draw
