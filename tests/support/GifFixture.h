#pragma once

#include <QByteArray>

// A complete, tiny GIF whose screen and only image claim width x height
// pixels: two colours and an image that ends at once. A reader that trusts
// the header allocates the whole size before it finds out.
QByteArray gifClaiming(int width, int height);
