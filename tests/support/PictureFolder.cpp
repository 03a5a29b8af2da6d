#include "support/PictureFolder.h"

#include "app/BallPictures.h"
#include "draw/BoardNumbers.h"

#include <QDir>
#include <QFile>

PictureFolder::PictureFolder() : previous(QDir::currentPath())
{
    if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("Numbers")))
        return;
    for (int n = 1; n <= draw::HighestBall; ++n)
        if (!QFile::copy(app::ballPicturePath(n), folder.filePath(app::ballPicturePath(n))))
            return;
    ready = QDir::setCurrent(folder.path());
}

PictureFolder::~PictureFolder()
{
    QDir::setCurrent(previous);
}

bool PictureFolder::remove(int n)
{
    return QFile::remove(app::ballPicturePath(n));
}

bool PictureFolder::corrupt(int n)
{
    return write(n, "not a picture at all");
}

bool PictureFolder::copyPicture(int from, int n)
{
    return QFile::remove(app::ballPicturePath(n))
        && QFile::copy(app::ballPicturePath(from), app::ballPicturePath(n));
}

bool PictureFolder::write(int n, const QByteArray &bytes)
{
    QFile file(app::ballPicturePath(n));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray PictureFolder::bytes(int n) const
{
    QFile file(app::ballPicturePath(n));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
