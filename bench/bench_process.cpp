// What a fresh process costs: the wall time from its start to the main window
// shown and painted once (or to the first six boards drawn without widgets),
// and its peak resident memory after ten six-board clicks on the window (or
// ten six-board draws without widgets). Every iteration starts this program
// again in a child mode, so nothing an earlier iteration loaded or cached
// counts. Run from the folder that holds Numbers, e.g.
//   build/bench/bench_process --benchmark_repetitions=20 --benchmark_report_aggregates_only=true
#include "BenchSupport.h"
#include "ChildSupport.h"
#include "SizeHintsWarning.h"
#include "app/Application.h"
#include "app/Frmlotto.h"
#include "draw/Random.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <array>
#include <benchmark/benchmark.h>

namespace {

// One benchmark, and the child mode of the same name that runs it.
struct Run {
    const char *name;
    // Another program to start instead of this one in a child mode.
    const char *program;
    // The window's game button to click; without one, only the first show.
    const char *button;
    // Without widgets: the game of the boards drawn, their pictures read.
    const draw::Game *game;
    // Six-board clicks or draws before the child reports.
    int rounds;
};

const Run runs[] = {
    // The anchor a start is measured against: a bare Qt window of the main
    // window's size, with a three-menu bar, shown and painted once, by a
    // program that links Qt Widgets alone.
    {"bare", "bare_window", nullptr, nullptr, 0},
    {"StartToWindowShown", nullptr, nullptr, nullptr, 0},
    {"StartToSixBoards/Lotto", nullptr, nullptr, &draw::Lotto, 1},
    {"StartToSixBoards/Powerball", nullptr, nullptr, &draw::Powerball, 1},
    {"PeakAfterTenClicks/Lotto", nullptr, "CmdLotto", nullptr, 10},
    {"PeakAfterTenClicks/Powerball", nullptr, "CmdPowerball", nullptr, 10},
    {"PeakAfterTenDraws/Lotto", nullptr, nullptr, &draw::Lotto, 10},
    {"PeakAfterTenDraws/Powerball", nullptr, nullptr, &draw::Powerball, 10},
};

const char ChildOption[] = "--child=";

// The child: starts as the program does, does its run, and reports its peak
// resident memory on one line of stdout, which is when the parent's clock
// stops.
int runChild(const Run &run, int argc, char *argv[])
{
    app::ignoreFileSizeLimitSignal();
    QApplication application(argc, argv);
    app::configureApplication(application);
    if (run.game) {
        std::array<draw::BoardNumbers, draw::BoardCount> boards{};
        draw::ClockMixedRandom random;
        for (int round = 0; round < run.rounds; ++round) {
            for (draw::BoardNumbers &numbers : boards) {
                // Figures without the pictures read would flatter the draw.
                if (!drawAndReadBoard(*run.game, numbers, random)) {
                    std::fputs("a ball picture could not be read\n", stderr);
                    return 1;
                }
            }
        }
    } else {
        FirstPaint<app::Frmlotto> window;
        window.showAndPaint();
        if (run.button) {
            window.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("6"));
            auto *game = window.findChild<QPushButton *>(QString::fromLatin1(run.button));
            for (int round = 0; round < run.rounds; ++round) {
                game->click();
                QApplication::processEvents();
            }
        }
    }
    reportPeakMemory();
    return 0;
}

void freshProcess(benchmark::State &state, const Run &run)
{
    // A child that never reports is stuck, e.g. in a message box.
    constexpr int ReportTimeoutMs = 60000;
    double peakMib = 0;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        if (run.program)
            child.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(run.program));
        else
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(ChildOption) + QString::fromLatin1(run.name)});
        while (!child.canReadLine() && child.waitForReadyRead(ReportTimeoutMs)) {
        }
        const qint64 elapsedNs = clock.nsecsElapsed();
        bool reported = false;
        const long peakKib = child.readLine().trimmed().toLong(&reported);
        if (!reported || !child.waitForFinished(ReportTimeoutMs)) {
            child.kill();
            child.waitForFinished();
        }
        if (!reported || peakKib < 0 || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            // Qt's warnings on every start would bury the results: a child's
            // stderr is shown only when it failed.
            std::fputs(child.readAllStandardError().constData(), stderr);
            state.SkipWithError("the child process did not report its peak memory and end cleanly");
            break;
        }
        state.SetIterationTime(elapsedNs / 1e9);
        peakMib += peakKib / 1024.0;
    }
    state.counters["peak_MiB"] = benchmark::Counter(peakMib, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char *argv[])
{
    dropSizeHintsWarning();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && qstrncmp(argv[1], ChildOption, sizeof ChildOption - 1) == 0) {
        for (const Run &run : runs) {
            if (qstrcmp(argv[1] + sizeof ChildOption - 1, run.name) == 0)
                return runChild(run, argc, argv);
        }
        std::fprintf(stderr, "no such child mode: %s\n", argv[1]);
        return 1;
    }

    QCoreApplication application(argc, argv);
    if (!ballPicturesPresent())
        return 1;
    for (const Run &run : runs)
        benchmark::RegisterBenchmark(run.name, freshProcess, run)->UseManualTime()->Unit(benchmark::kMillisecond);
    return runBenchmarks(argc, argv,
                         {{"StartToWindowShown", "bare", {}, 1.35}, {"StartToWindowShown", "bare", "peak_MiB", 1.10}});
}
