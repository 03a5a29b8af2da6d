#pragma once

// What every benchmark program shares: a view that only swallows what a draw
// shows, and the check that the pictures can be read from here.
#include "draw/BallPictures.h"
#include "draw/BoardView.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>

class DiscardingView final : public draw::BoardView {
public:
    void hidePowerballMarks() override {}
    void showPowerballMarks() override {}
    void showBallPicture(int, const QImage &picture, const QString &) override { benchmark::DoNotOptimize(&picture); }
    void showBallNumber(int, int) override {}
};

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
