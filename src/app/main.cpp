#include "app/Application.h"
#include "app/Frmlotto.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::ignoreFileSizeLimitSignal();
    QApplication application(argc, argv);
    app::configureApplication(application);
    // The process ends when the last window closes, so an information window
    // left open keeps it running after the main window is gone.
    auto *window = new app::Frmlotto;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return application.exec();
}
