// The anchor of bench_process's start-up figures: a bare Qt main window of
// the main window's size with a three-menu bar, shown and painted once. It
// reports its peak resident memory on one line of stdout, as the program's
// own child modes do.
#include "ChildSupport.h"
#include "SizeHintsWarning.h"

#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    dropSizeHintsWarning();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    FirstPaint<QMainWindow> window;
    for (const char *menu : {"File", "About", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    window.resize(439, 617);
    window.showAndPaint();
    reportPeakMemory();
    return 0;
}
