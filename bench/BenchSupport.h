#pragma once

// What every benchmark program shares: a board drawn and its pictures read
// as a click does, without widgets, and the check that the pictures can be
// read from here.
#include "app/BallPictures.h"
#include "draw/BoardDraw.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// A figure measured against its anchor from the same run: what this
// machine's figures mean alone is little, how they compare is what counts.
struct Ratio {
    std::string figure;
    std::string anchor;
    std::string counter; // empty: the wall time
    double goal;         // the most the ratio should be
};

// The report the library's own flags ask for (--benchmark_format,
// --benchmark_color and the rest), then each ratio whose two runs were both
// measured: after the console table, or on stderr, so that json and csv
// keep stdout to themselves. With repetitions it compares medians.
class RatioReporter final : public benchmark::BenchmarkReporter {
public:
    // The library keeps the display reporter it makes.
    explicit RatioReporter(std::vector<Ratio> ratios)
        : display(benchmark::CreateDefaultDisplayReporter()), ratios(std::move(ratios))
    {
    }

    bool ReportContext(const Context &context) override { return display->ReportContext(context); }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median))
                continue;
            if (median || !medians.count(run.run_name.function_name))
                measured[run.run_name.function_name] = run;
            if (median)
                medians[run.run_name.function_name] = true;
        }
        display->ReportRuns(runs);
    }

    void Finalize() override
    {
        display->Finalize();
        std::FILE *out = dynamic_cast<benchmark::ConsoleReporter *>(display) ? stdout : stderr;
        for (const Ratio &ratio : ratios) {
            const auto figure = measured.find(ratio.figure);
            const auto anchor = measured.find(ratio.anchor);
            if (figure == measured.end() || anchor == measured.end())
                continue;
            const double value = valueOf(figure->second, ratio.counter) / valueOf(anchor->second, ratio.counter);
            const std::string what = ratio.counter.empty() ? "time" : ratio.counter;
            std::fprintf(out, "%s / %s, %s: %.2f (goal %.2f or less%s)\n", ratio.figure.c_str(),
                         ratio.anchor.c_str(), what.c_str(), value, ratio.goal, value <= ratio.goal ? "" : ", not met");
        }
    }

private:
    static double valueOf(const Run &run, const std::string &counter)
    {
        if (!counter.empty())
            return run.counters.at(counter).value;
        return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    BenchmarkReporter *display;
    std::vector<Ratio> ratios;
    std::map<std::string, Run> measured;
    std::map<std::string, bool> medians;
};

// Runs the benchmarks the command line selects and reports the ratios;
// what main returns.
inline int runBenchmarks(int argc, char *argv[], std::vector<Ratio> ratios = {})
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
