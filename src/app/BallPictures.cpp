#include "app/BallPictures.h"

#include "app/GifDecode.h"
#include "draw/BoardNumbers.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace app {

namespace {

// One fixed text per ball: nothing is composed while a board is shown.
// "/" is the separator Qt understands on every platform, Windows included.
const std::array<QString, draw::HighestBall> &pathTable()
{
    static const std::array<QString, draw::HighestBall> table = [] {
        std::array<QString, draw::HighestBall> paths;
        for (int n = 1; n <= draw::HighestBall; ++n)
            paths[n - 1] = QStringLiteral("%1/ball_%2.gif").arg(ballPictureFolder()).arg(n);
        return paths;
    }();
    return table;
}

// No ball picture comes near this; a larger file is not one of them, and is
// refused before it is read into memory.
constexpr qint64 MaxPictureFileBytes = 8 * 1024 * 1024;

} // namespace

QString ballPictureFolder()
{
    return QStringLiteral("Numbers");
}

QString ballPicturePath(int n)
{
    if (n < 1 || n > draw::HighestBall)
        return {};
    return pathTable()[n - 1];
}

QImage loadBallPicture(const QString &path)
{
    const std::optional<QByteArray> bytes = platform::readRegularFile(path, MaxPictureFileBytes);
    return bytes ? decodeGif(*bytes, qint64(PictureAllocationLimitMb) * 1024 * 1024) : QImage();
}

QString unloadableMessage(QStringList paths)
{
    // Without the folder every picture fails: one line naming where it was
    // looked for says more than a line per file.
    const QFileInfo folder(ballPictureFolder());
    if (!folder.isDir())
        return QStringLiteral("Cannot find the folder of ball pictures %1")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    paths.removeDuplicates();
    QStringList lines;
    for (const QString &path : paths)
        lines << QStringLiteral("Cannot load the ball picture %1").arg(path);
    return lines.join(QLatin1Char('\n'));
}

} // namespace app
