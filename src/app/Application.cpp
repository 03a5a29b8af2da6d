#include "app/Application.h"

#include "app/BallPictures.h"
#include "app/Version.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <csignal>

namespace app {

void configureApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Ziventa"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version));
    QApplication::setOrganizationName(QStringLiteral("NORVANE"));
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    application.setWindowIcon(QIcon(QStringLiteral(":/assets/ziventa.ico")));
#ifdef SIGXFSZ
    // Under a file-size limit (ulimit -f) a write past it then fails as any
    // write does, and a save undoes itself and says so, where the kernel
    // would otherwise end the program in mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace app
