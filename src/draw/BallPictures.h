#pragma once

#include <QString>

namespace draw {

constexpr int HighestBall = 49;

// The relative path of the picture of ball n (1 to 49), resolved against the
// current directory at each load so an installation can move the pictures
// without rebuilding. Any other number has no picture: the empty string.
QString ballPicturePath(int n);

} // namespace draw
