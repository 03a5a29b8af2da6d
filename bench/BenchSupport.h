#pragma once

// What every benchmark program shares: a board drawn and its pictures read
// as a click does, without widgets, and the check that the pictures can be
// read from here.
#include "app/BallPictures.h"
#include "draw/BoardDraw.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>

// A missing picture would end a click with a message box, which would wait
// for a person.
inline bool ballPicturesPresent()
{
    for (int n = 1; n <= draw::HighestBall; ++n) {
        if (!QFileInfo::exists(app::ballPicturePath(n))) {
            std::fprintf(stderr, "%s is missing: run from the folder that holds Numbers\n",
                         qPrintable(app::ballPicturePath(n)));
            return false;
        }
    }
    return true;
}

// Draws a board of game into numbers and reads the picture of each of its
// numbers; false when a picture could not be read.
inline bool drawAndReadBoard(const draw::Game &game, draw::BoardNumbers &numbers, draw::RandomSource &random)
{
    draw::DrawBoard(game, numbers, random);
    bool read = true;
    for (int p = 1; p <= draw::BallsPerBoard; ++p) {
        const QImage picture = app::loadBallPicture(app::ballPicturePath(numbers[p]));
        benchmark::DoNotOptimize(picture);
        read = read && !picture.isNull();
    }
    return read;
}

// Runs the benchmarks the command line selects; what main returns.
inline int runBenchmarks(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
