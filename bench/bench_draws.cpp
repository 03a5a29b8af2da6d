// How long a board draw takes: a whole six-board click on the real window
// (pictures read from disk, window repainted), one board without widgets
// (pictures read), and the numbers of one board alone; and the floor a click
// is measured against: its 36 pictures loaded afresh by Qt's own reader,
// nothing else. Each click is printed as a ratio to the floor.
// Run from the folder that holds Numbers, e.g.
//   build/bench/bench_draws --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "BenchSupport.h"
#include "SizeHintsWarning.h"
#include "app/Application.h"
#include "app/Frmlotto.h"
#include "draw/Random.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void sixBoardClick(benchmark::State &state, const char *button)
{
    app::Frmlotto window;
    window.show();
    window.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("6"));
    auto *game = window.findChild<QPushButton *>(QString::fromLatin1(button));
    QApplication::processEvents();
    for (auto _ : state) {
        game->click();
        QApplication::processEvents();
    }
}

// Balls 1 to 36 stand for a click's pictures: every ball is a GIF of one size.
void floor(benchmark::State &state)
{
    for (auto _ : state) {
        for (int n = 1; n <= draw::BoardCount * draw::BallsPerBoard; ++n) {
            QImage picture;
            picture.load(app::ballPicturePath(n));
            benchmark::DoNotOptimize(picture);
        }
    }
}

void oneBoard(benchmark::State &state, const draw::Game &game)
{
    draw::BoardNumbers numbers{};
    draw::ClockMixedRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawAndReadBoard(game, numbers, random));
        benchmark::DoNotOptimize(numbers);
    }
}

void numbersOnly(benchmark::State &state, const draw::Game &game)
{
    draw::BoardNumbers numbers{};
    draw::ClockMixedRandom random;
    for (auto _ : state) {
        draw::DrawBoard(game, numbers, random);
        benchmark::DoNotOptimize(numbers);
    }
}

} // namespace

BENCHMARK(floor)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixBoardClick, Lotto, "CmdLotto")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixBoardClick, Powerball, "CmdPowerball")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBoard, Lotto, draw::Lotto)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBoard, Powerball, draw::Powerball)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numbersOnly, Lotto, draw::Lotto);
BENCHMARK_CAPTURE(numbersOnly, Powerball, draw::Powerball);

int main(int argc, char *argv[])
{
    dropSizeHintsWarning();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::configureApplication(application);
    if (!ballPicturesPresent())
        return 1;
    return runBenchmarks(argc, argv,
                         {{"sixBoardClick/Lotto", "floor", {}, 1.10}, {"sixBoardClick/Powerball", "floor", {}, 1.10}});
}
