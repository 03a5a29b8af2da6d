// How long a board draw takes: a whole six-board click on the real window
// (pictures read from disk, window repainted), and one board without widgets.
// Run from the folder that holds Numbers, e.g.
//   build/bench/bench_draws --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "app/Application.h"
#include "app/Frmlotto.h"
#include "draw/BallPictures.h"
#include "draw/BoardDraw.h"
#include "draw/BoardView.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

class DiscardingView final : public draw::BoardView {
public:
    void hidePowerballMarks() override {}
    void showPowerballMarks() override {}
    void showBallPicture(int, const QImage &picture, const QString &) override { benchmark::DoNotOptimize(&picture); }
    void showBallNumber(int, int) override {}
};

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
    DiscardingView view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawBoard(numbers, view));
        benchmark::DoNotOptimize(numbers);
    }
}

void numbersOnly(benchmark::State &state, void (*pick)(draw::BoardNumbers &, draw::BoardView &))
{
    draw::BoardNumbers numbers{};
    DiscardingView view;
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
    // A missing picture would end a click with a message box, which would
    // wait for a person.
    for (int n = 1; n <= draw::HighestBall; ++n) {
        if (!QFileInfo::exists(draw::ballPicturePath(n))) {
            std::fprintf(stderr, "%s is missing: run from the folder that holds Numbers\n",
                         qPrintable(draw::ballPicturePath(n)));
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
