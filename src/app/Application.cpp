#include "app/Application.h"

#include "app/BallPictures.h"
#include "app/Version.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <csignal>

namespace app {

void ignoreFileSizeLimitSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void configureApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Ziventa"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version));
    QApplication::setOrganizationName(QStringLiteral("NORVANE"));
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    application.setWindowIcon(QIcon(QStringLiteral(":/assets/ziventa.ico")));
}

} // namespace app
