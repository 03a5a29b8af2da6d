#pragma once

// What the child processes of bench_process share: a window that notes its
// first paint, and the peak memory they report.
#include <QApplication>
#include <cstdio>
#include <fstream>
#include <string>

class QPaintEvent;

// The peak resident set of this process so far, in KiB; -1 when unknown.
inline long peakResidentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Window, shown until it has painted once: its controls paint in the same
// pass.
template <typename Window>
class FirstPaint final : public Window {
public:
    void showAndPaint()
    {
        Window::show();
        while (!painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Window::paintEvent(event);
        painted = true;
    }

private:
    bool painted = false;
};

// The one line a child reports on stdout, which is when the parent's clock
// stops.
inline void reportPeakMemory()
{
    std::printf("%ld\n", peakResidentKib());
    std::fflush(stdout);
}
