#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <vector>

// A complete, tiny GIF whose screen and only image claim width x height
// pixels: two colours and an image that ends at once. A reader that trusts
// the header allocates the whole size before it finds out.
QByteArray gifClaiming(int width, int height);
// The same with a screen and an image of sizes of their own; a screen 0 wide
// or 0 high takes the image's width or height.
QByteArray gifClaiming(QSize screen, QSize image);

// One image of a GIF made by giflib's own encoder.
struct GifImage {
    QRect rect;              // on the screen
    std::vector<int> pixels; // colour indices, row by row
    bool interlaced = false;
    int localColours = 0;    // the size of its own colour table; 0: none
    int transparent = -1;    // the index a graphics control extension makes transparent
};

// A GIF of a screen of the given size, with a global colour table of
// globalColours entries (0: none) and the background colour index, holding
// images in order. Each table has colours of its own, none of them alike.
QByteArray gifOf(QSize screen, int globalColours, int background, const std::vector<GifImage> &images);
