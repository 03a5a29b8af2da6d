#pragma once

// What every benchmark program shares: the tests' view that shows nothing,
// and the check that the pictures can be read from here.
#include "draw/BallPictures.h"
#include "support/NullBoardView.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>

// A missing picture would end a click with a message box, which would wait
// for a person.
inline bool ballPicturesPresent()
{
    for (int n = 1; n <= draw::HighestBall; ++n) {
        if (!QFileInfo::exists(draw::ballPicturePath(n))) {
            std::fprintf(stderr, "%s is missing: run from the folder that holds Numbers\n",
                         qPrintable(draw::ballPicturePath(n)));
            return false;
        }
    }
    return true;
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
