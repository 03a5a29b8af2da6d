#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>

namespace app {

void configureApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Ziventa"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ZIVENTA_VERSION_MAJOR)
                                            .arg(ZIVENTA_VERSION_MINOR)
                                            .arg(ZIVENTA_VERSION_PATCH));
    QApplication::setOrganizationName(QStringLiteral("NORVANE"));
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    application.setWindowIcon(QIcon(QStringLiteral(":/assets/ziventa.ico")));
}

} // namespace app
