// How long a board draw takes: a whole six-board click on the real window
// (pictures read from disk, window repainted), and one board without widgets.
// Run from the folder that holds Numbers, e.g.
//   build/bench/bench_draws --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "BenchSupport.h"
#include "app/Application.h"
#include "app/Frmlotto.h"
#include "draw/BoardDraw.h"

#include <QApplication>
#include <QComboBox>
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

void oneBoard(benchmark::State &state, QStringList (*drawBoard)(draw::BoardNumbers &, draw::BoardView &))
{
    draw::BoardNumbers numbers{};
    NullBoardView view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawBoard(numbers, view));
        benchmark::DoNotOptimize(numbers);
    }
}

void numbersOnly(benchmark::State &state, void (*pick)(draw::BoardNumbers &, draw::BoardView &))
{
    draw::BoardNumbers numbers{};
    NullBoardView view;
    for (auto _ : state) {
        pick(numbers, view);
        benchmark::DoNotOptimize(numbers);
    }
}

} // namespace

BENCHMARK_CAPTURE(sixBoardClick, Lotto, "CmdLotto")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(sixBoardClick, Powerball, "CmdPowerball")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBoard, Lotto, draw::LottoBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(oneBoard, Powerball, draw::PowerballBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(numbersOnly, Lotto, draw::PickLottoNumbers);
BENCHMARK_CAPTURE(numbersOnly, Powerball, draw::PickPowerballNumbers);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::configureApplication(application);
    if (!ballPicturesPresent())
        return 1;
    return runBenchmarks(argc, argv);
}
